# The Qt for Windows that the windows preset builds with: scripts/windows.sh configures Debian's
# qt6-base source with this initial cache (cmake -C) and cmake/mingw-w64-x86_64.cmake. Shared
# release libraries for 64-bit Windows, built with the host's Qt tools (moc, uic, rcc), and only the
# parts the program uses: no network, SQL, D-Bus, OpenGL, Vulkan, XML or concurrency, no GIF.
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_SHARED_LIBS ON CACHE BOOL "")
set(QT_QMAKE_TARGET_MKSPEC win32-g++ CACHE STRING "")
foreach(part EXAMPLES TESTS BENCHMARKS)
    set(QT_BUILD_${part} OFF CACHE BOOL "")
endforeach()
set(INPUT_opengl no CACHE STRING "")
foreach(feature sql network dbus opengl opengl_dynamic dynamicgl vulkan concurrent xml gif
                tabletevent direct2d1_1 androiddeployqt)
    set(FEATURE_${feature} OFF CACHE BOOL "")
endforeach()
