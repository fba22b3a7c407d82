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
        titleArea = checkable ? box.united(style()->subControlRect(
                            QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, this))
                              : box;
    }
    drawFrame(painter, option, titleArea);
    if (checkable)
        drawCheckBox(painter, option);
    if (!option.text.isEmpty())
        drawTitle(painter, option, box);
}

// The style's title box, grown to the box that Qt's common style would give the title (the title
// and a space wide, a line of the font tall) where that is larger.
QRect TitledFrame::titleBox(const QStyleOptionGroupBox &option) const
{
    QRect box
            = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
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
    frame.rect
            = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
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
    checkBox.rect = style()->subControlRect(QStyle::CC_GroupBox, &option,
                                            QStyle::SC_GroupBoxCheckBox, this);
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
