# Qt's CMake finds emscripten through an emsdk folder: its .emscripten file names the emscripten
# folder inside it, where emcc is run for its version. Debian installs emscripten elsewhere: a
# folder of links in EMSDK stands in for emsdk. The web toolchain includes this; scripts/web.sh
# runs it (cmake -DEMSDK=FOLDER -P cmake/emsdk.cmake) before it configures Qt.
file(MAKE_DIRECTORY "${EMSDK}/upstream/emscripten")
file(WRITE "${EMSDK}/.emscripten" "EMSCRIPTEN_ROOT = 'upstream/emscripten'\n")
foreach(tool emcc em++ emar emranlib)
    file(CREATE_LINK /usr/bin/${tool} "${EMSDK}/upstream/emscripten/${tool}" SYMBOLIC)
endforeach()
