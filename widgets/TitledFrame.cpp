#include "widgets/TitledFrame.h"

#include <QCommonStyle>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

TitledFrame::TitledFrame(QWidget *parent)
    : QGroupBox(parent)
{ }

void TitledFrame::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const bool checkable = option.subControls & QStyle::SC_GroupBoxCheckBox;
    QRect box;
    QRect titleArea;
    if (checkable || !option.text.isEmpty()) {
        box = titleBox(option);
        titleArea = checkable ? box.united(part(option, QStyle::SC_GroupBoxCheckBox)) : box;
    }
    drawFrame(painter, option, titleArea);
    if (checkable)
        drawCheckBox(painter, option);
    if (!option.text.isEmpty())
        drawTitle(painter, option, box);
}

QRect TitledFrame::part(const QStyleOptionGroupBox &option, QStyle::SubControl control) const
{
    return style()->subControlRect(QStyle::CC_GroupBox, &option, control, this);
}

// The style's title box, grown where it is smaller to the box Qt's common style gives a title (the
// title and a space wide, a line of the font tall), as Qt's style-sheet painter grows it. The
// common style's own measure is asked for, so that it follows Qt's and the style's metrics.
QRect TitledFrame::titleBox(const QStyleOptionGroupBox &option) const
{
    QRect box = part(option, QStyle::SC_GroupBoxLabel);
    if (const auto *common = qobject_cast<const QCommonStyle *>(style())) {
        const QRect commonBox = common->QCommonStyle::subControlRect(
                QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        box.setSize(box.size().expandedTo(commonBox.size()));
    }
    return box;
}

// The frame is drawn around the title rather than under it.
void TitledFrame::drawFrame(QStylePainter &painter, const QStyleOptionGroupBox &option,
                            const QRect &titleArea) const
{
    QStyleOptionFrame frame;
    frame.QStyleOption::operator=(option);
    frame.features = option.features;
    frame.lineWidth = option.lineWidth;
    frame.midLineWidth = option.midLineWidth;
    frame.rect = part(option, QStyle::SC_GroupBoxFrame);
    painter.save();
    if (!titleArea.isEmpty())
        painter.setClipRegion(QRegion(option.rect) - titleArea);
    painter.drawPrimitive(QStyle::PE_FrameGroupBox, frame);
    painter.restore();
}

void TitledFrame::drawCheckBox(QStylePainter &painter, const QStyleOptionGroupBox &option) const
{
    QStyleOptionButton checkBox;
    checkBox.QStyleOption::operator=(option);
    checkBox.rect = part(option, QStyle::SC_GroupBoxCheckBox);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, checkBox);
}

void TitledFrame::drawTitle(QStylePainter &painter, const QStyleOptionGroupBox &option,
                            const QRect &box) const
{
    int alignment = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        alignment |= Qt::TextHideMnemonic;
    QPalette palette = option.palette;
    if (option.textColor.isValid())
        palette.setColor(QPalette::WindowText, option.textColor);
    painter.drawItemText(box, alignment, palette, option.state & QStyle::State_Enabled, option.text,
                         QPalette::WindowText);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = box;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
