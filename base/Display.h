#pragma once

#include <QtGlobal>

// Whether Qt has anything to draw on: a platform chosen explicitly, an X display or a Wayland one.
// Without one Qt would stop with its plugin error.
inline bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY")
            || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
