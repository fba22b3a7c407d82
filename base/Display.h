#pragma once

#include <QtGlobal>

// Whether Qt has anything to draw on: a platform chosen explicitly, an X display or a Wayland one.
// Without one Qt would stop with its plugin error. Only X11 and Wayland can be missing: Windows
// and macOS always have their window system, a web page its browser, and Qt's own platform
// handling stands there.
inline bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID) && !defined(Q_OS_WASM)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}
