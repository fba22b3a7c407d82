#include "base/UnloadAllForms.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {
bool unloading = false;
}

bool isUnloadingAllForms()
{
    return unloading;
}

void UnloadAllForms()
{
    // Restored on return so that a nested call does not end the state early.
    const bool wasUnloading = unloading;
    unloading = true;
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow())
            windows.append(widget);
    }
    for (const QPointer<QWidget> &window : windows) {
        // A window may already be gone, or be the one whose close brought us here.
        if (window && window->isVisible())
            window->close();
    }
    unloading = wasUnloading;
    QCoreApplication::quit();
}
