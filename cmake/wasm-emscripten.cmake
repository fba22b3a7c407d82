# Builds the program for web browsers: WebAssembly with Debian's emscripten, against the Qt for
# WebAssembly that scripts/web.sh builds (ZEL_WEB_QT_PREFIX; cmake/CrossQt.cmake says where it
# looks). Qt's host tools (moc, uic, rcc, lrelease) are the Linux ones under /usr.
include(${CMAKE_CURRENT_LIST_DIR}/CrossQt.cmake)
zel_cross_qt_prefix(ZEL_WEB_QT_PREFIX web wasm "The Qt libraries built for WebAssembly")

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
