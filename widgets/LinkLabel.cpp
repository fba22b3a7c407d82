#include "widgets/LinkLabel.h"

#include <QMouseEvent>

namespace {

// Where the fingertip of both hand pictures lies.
constexpr int hotSpotX = 10;
constexpr int hotSpotY = 1;

} // namespace

QCursor LinkLabel::handCursor(Pointer pointer)
{
    // Every window shows the same two pictures: read each once. They are kept for the life of
    // the process, since a pixmap must not outlive the application object.
    if (pointer == MonochromeHand) {
        static const QCursor *monochrome = new QCursor(
                QPixmap(QStringLiteral(":/cursors/hand-mono.png")), hotSpotX, hotSpotY);
        return *monochrome;
    }
    static const QCursor *colour
            = new QCursor(QPixmap(QStringLiteral(":/cursors/hand-16.png")), hotSpotX, hotSpotY);
    return *colour;
}

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    setPointer(Arrow);
}

void LinkLabel::setPointer(Pointer pointer)
{
    currentPointer = pointer;
    // The hand is shown from the moment the pointer comes over the label; until then nothing
    // needs its picture, so a window that is only opened reads none.
    if (underMouse())
        showPointer();
    else
        unsetCursor();
}

void LinkLabel::showPointer()
{
    if (currentPointer == Arrow)
        unsetCursor();
    else
        setCursor(handCursor(currentPointer));
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    showPointer();
    QLabel::enterEvent(event);
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
