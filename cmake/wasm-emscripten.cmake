# Builds the program for web browsers: WebAssembly with Debian's emscripten, against the Qt for
# WebAssembly that scripts/web.sh builds (ZEL_WEB_QT_PREFIX, or that variable of the environment;
# by default ${XDG_CACHE_HOME:-$HOME/.cache}/zel-web/qt-<ZEL_QT_VERSION>-wasm). Qt's host tools (moc,
# uic, rcc, lrelease) are the Linux ones under /usr.
include(${CMAKE_CURRENT_LIST_DIR}/ProgramFacts.cmake)
if(NOT ZEL_WEB_QT_PREFIX)
    if(DEFINED ENV{ZEL_WEB_QT_PREFIX})
        set(ZEL_WEB_QT_PREFIX "$ENV{ZEL_WEB_QT_PREFIX}")
    elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(ZEL_WEB_QT_PREFIX "$ENV{XDG_CACHE_HOME}/zel-web/qt-${ZEL_QT_VERSION}-wasm")
    else()
        set(ZEL_WEB_QT_PREFIX "$ENV{HOME}/.cache/zel-web/qt-${ZEL_QT_VERSION}-wasm")
    endif()
endif()
set(ZEL_WEB_QT_PREFIX "${ZEL_WEB_QT_PREFIX}" CACHE PATH "The Qt libraries built for WebAssembly")

# Qt's CMake needs an emsdk folder, which Debian's emscripten does not have: one is made when none
# is named.
if("$ENV{EMSDK}" STREQUAL "")
    set(EMSDK "${CMAKE_BINARY_DIR}/emsdk")
    include(${CMAKE_CURRENT_LIST_DIR}/emsdk.cmake)
    set(ENV{EMSDK} "${EMSDK}")
endif()

# Qt's toolchain file loads emscripten's own after its settings.
set(QT_CHAINLOAD_TOOLCHAIN_FILE /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
include("${ZEL_WEB_QT_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake")

# ctest opens the test programs' pages in headless Chromium and reads their output back.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/browser-run.sh")
