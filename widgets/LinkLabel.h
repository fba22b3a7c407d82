#pragma once

#include <QLabel>

// A label that acts as a link: it reports a click (press and release of the left button over it)
// and shows the program's pointing hand, or the plain arrow where the window asks for it. The
// keyboard follows it too: Tab reaches it, and Enter or Space follows it; a screen reader meets
// it as a link it can press.
class LinkLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(Pointer pointer READ pointer WRITE setPointer)

public:
    enum Pointer { MonochromeHand, ColourHand, Arrow };
    Q_ENUM(Pointer)

    explicit LinkLabel(QWidget *parent = nullptr);

    Pointer pointer() const { return currentPointer; }
    void setPointer(Pointer pointer);

    // The pointing hand of the given picture, for other controls that act as links, drawn for a
    // screen of the given device pixel ratio.
    static QCursor handCursor(Pointer pointer, qreal devicePixelRatio);

public slots:
    // Follows the link as a click does.
    void click();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPointer();

    Pointer currentPointer = Arrow;
    // The scale the hand shown was read for.
    qreal handRatio = 0;
    bool pressed = false;
};
