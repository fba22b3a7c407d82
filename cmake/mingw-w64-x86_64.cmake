# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads) on a Linux host.
# The Qt libraries for Windows come from the folder that scripts/windows.sh builds them into
# (ZEL_WINDOWS_QT_PREFIX; cmake/CrossQt.cmake says where it looks); Qt's host tools (moc, uic, rcc,
# lrelease) are the Linux ones under /usr.
include(${CMAKE_CURRENT_LIST_DIR}/CrossQt.cmake)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEL_MINGW_TRIPLE}-windres)

zel_cross_qt_prefix(ZEL_WINDOWS_QT_PREFIX windows mingw "The Qt libraries built for Windows")

set(CMAKE_FIND_ROOT_PATH /usr/${ZEL_MINGW_TRIPLE})
# While Qt itself is being built its folder is still empty: nothing to find there yet.
if(EXISTS "${ZEL_WINDOWS_QT_PREFIX}/lib/cmake/Qt6/Qt6Config.cmake")
    list(APPEND CMAKE_FIND_ROOT_PATH "${ZEL_WINDOWS_QT_PREFIX}")
    list(APPEND CMAKE_PREFIX_PATH "${ZEL_WINDOWS_QT_PREFIX}")
    set(Qt6_DIR "${ZEL_WINDOWS_QT_PREFIX}/lib/cmake/Qt6" CACHE PATH "")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")

# ctest starts the test programs under Wine, with the Qt libraries above.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${ZEL_WINDOWS_QT_PREFIX}")
