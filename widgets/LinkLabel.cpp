#include "widgets/LinkLabel.h"

#include "widgets/AccessibleLink.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// Where the fingertip of both hand pictures lies, in the pixels of the 32 x 32 pictures.
constexpr QPoint hotSpot(10, 1);

// The hand of the given picture, from its twice-as-large twin past 100 %, where the small one would
// be drawn half as large as meant (X11) or scaled up and blurred.
QCursor makeHand(const char *file, bool twin)
{
    QString path = QString::fromLatin1(file);
    if (twin)
        path.replace(QLatin1String(".png"), QLatin1String("@2x.png"));
    // The "@2x" name gives the picture its device pixel ratio, and with it the size it is meant
    // to show at. Works around Qt 6.4 on X11, which hands the hot spot to the server as it is, in
    // the picture's own pixels; the other platforms take it in the units of the window.
    const QPixmap picture(path);
    const bool inPictureUnits = QGuiApplication::platformName() == QLatin1String("xcb");
    const QPoint spot = inPictureUnits ? hotSpot * picture.devicePixelRatio() : hotSpot;
    return QCursor(picture, spot.x(), spot.y());
}

} // namespace

QCursor LinkLabel::handCursor(Pointer pointer, qreal devicePixelRatio)
{
    const bool twin = devicePixelRatio > 1.0;
    return makeHand(pointer == MonochromeHand ? ":/cursors/hand-mono.png" : ":/cursors/hand-16.png",
                    twin);
}

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent)
{
    // Reached by Tab, never by a click: the mouse leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    AccessibleLink::install();
    setPointer(Arrow);
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::setPointer(Pointer pointer)
{
    currentPointer = pointer;
    // The hand is shown from the moment the pointer comes over the label; until then nothing
    // needs its picture, so a window that is only opened reads none.
    unsetCursor();
    if (underMouse())
        showPointer();
}

void LinkLabel::showPointer()
{
    if (currentPointer == Arrow)
        return;
    // The label keeps the hand it is given: it is read again only on a screen of another scale.
    const qreal ratio = devicePixelRatioF();
    if (testAttribute(Qt::WA_SetCursor) && ratio == handRatio)
        return;
    handRatio = ratio;
    setCursor(handCursor(currentPointer, ratio));
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

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            click();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    // A person who moves by the keyboard sees where the focus is.
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
