#pragma once

#include <QList>
#include <QWidget>

// Closes and destroys every window a test left open, without running any exit path.
void closeAllWindows();

// The program's visible top-level windows.
QList<QWidget *> visibleWindows();

// The first visible window of a type, or nullptr.
template<typename Window>
Window *visibleWindow()
{
    for (QWidget *widget : visibleWindows()) {
        if (auto *window = qobject_cast<Window *>(widget))
            return window;
    }
    return nullptr;
}
