#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace {

// Where the fingertip of both hand pictures lies.
constexpr int hotSpotX = 10;
constexpr int hotSpotY = 1;

QCursor handCursor(const QString &resource)
{
    return QCursor(QPixmap(resource), hotSpotX, hotSpotY);
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setPointer(Arrow);
}

void LinkLabel::setPointer(Pointer pointer)
{
    currentPointer = pointer;
    switch (pointer) {
    case MonochromeHand:
        setCursor(handCursor(QStringLiteral(":/cursors/hand-mono.png")));
        break;
    case ColourHand:
        setCursor(handCursor(QStringLiteral(":/cursors/hand-16.png")));
        break;
    case Arrow:
        unsetCursor();
        break;
    }
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed && event->button() == Qt::LeftButton
            && rect().contains(event->position().toPoint());
    pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}
