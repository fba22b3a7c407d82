#include "widgets/DropDownList.h"

#include <QEvent>

DropDownList::DropDownList(QWidget *parent)
    : QComboBox(parent)
{ }

QSize DropDownList::sizeHint() const
{
    measured = true;
    return QComboBox::sizeHint();
}

QSize DropDownList::minimumSizeHint() const
{
    measured = true;
    return QComboBox::minimumSizeHint();
}

void DropDownList::changeEvent(QEvent *event)
{
    const bool untouched = !measured && !isEditable() && !testAttribute(Qt::WA_WState_Polished);
    if (event->type() == QEvent::FontChange && untouched) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}
