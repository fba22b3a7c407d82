#pragma once

#include <QGroupBox>
#include <QStyle>

class QStyleOptionGroupBox;
class QStylePainter;

// A frame whose title sits where the program's frames have always shown it: centred in a title
// box at least as wide as the title and a space and as tall as a line of its font, which puts it
// a pixel or two right of and below where the platform's style alone would. The frame, its check
// box and every measure (contents, hit areas, size) stay the style's own.
class TitledFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit TitledFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect part(const QStyleOptionGroupBox &option, QStyle::SubControl control) const;
    QRect titleBox(const QStyleOptionGroupBox &option) const;
    void drawFrame(QStylePainter &painter, const QStyleOptionGroupBox &option,
                   const QRect &titleArea) const;
    void drawCheckBox(QStylePainter &painter, const QStyleOptionGroupBox &option) const;
    void drawTitle(QStylePainter &painter, const QStyleOptionGroupBox &option,
                   const QRect &box) const;
};
