#include "tests/common/WindowHelpers.h"

#include <QApplication>
#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>

void destroyAllWindows()
{
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

QPoint characterCentre(QTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box->cursorRect(cursor);
    // The last character of a line: its right edge lies on the next line, so take a few pixels.
    const int right = after.y() == before.y() ? after.x() : before.x() + 4;
    return QPoint((before.x() + right) / 2, before.center().y());
}
