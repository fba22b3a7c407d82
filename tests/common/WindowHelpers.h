#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class QTextEdit;

// The child of a window with the given object name, or nullptr.
template<typename Child = QWidget>
Child *child(const QWidget *window, const QString &name)
{
    return window->findChild<Child *>(name);
}

template<typename Child = QWidget>
Child *child(const QWidget *window, const char *name)
{
    return child<Child>(window, QString::fromLatin1(name));
}

// Destroys every top-level window a test left, and whatever they left for deferred deletion.
void destroyAllWindows();

// The visible top-level windows.
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

// A point in the middle of the character at position, in the box's viewport coordinates.
QPoint characterCentre(QTextEdit *box, int position);
