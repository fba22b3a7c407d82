#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace {

// Where the fingertip of both hand pictures lies.
constexpr int hotSpotX = 10;
constexpr int hotSpotY = 1;

} // namespace

QCursor LinkLabel::handCursor(Pointer pointer)
{
    const QString picture = pointer == MonochromeHand ? QStringLiteral(":/cursors/hand-mono.png")
                                                      : QStringLiteral(":/cursors/hand-16.png");
    return QCursor(QPixmap(picture), hotSpotX, hotSpotY);
}

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setPointer(Arrow);
}

void LinkLabel::setPointer(Pointer pointer)
{
    currentPointer = pointer;
    if (pointer == Arrow)
        unsetCursor();
    else
        setCursor(handCursor(pointer));
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
