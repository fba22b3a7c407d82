#include "tests/common/WindowHelpers.h"

#include "app/UnloadAllForms.h"

#include <QApplication>
#include <QPointer>

void closeAllWindows()
{
    // Ending the program closes windows without the exit path; deferred deletes then run.
    UnloadAllForms();
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows) {
        if (window && !window->parentWidget())
            delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isWindow())
            windows.append(widget);
    }
    return windows;
}
