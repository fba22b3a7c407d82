#include "widgets/AccessibleLink.h"

#include "widgets/LinkLabel.h"

namespace {

QAccessibleInterface *linkFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel"))
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

AccessibleLink::AccessibleLink(LinkLabel *label)
    : QAccessibleWidget(label, QAccessible::Link)
{ }

void AccessibleLink::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(linkFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

LinkLabel *AccessibleLink::label() const
{
    return static_cast<LinkLabel *>(widget());
}

QString AccessibleLink::text(QAccessible::Text t) const
{
    // The caption as a person reads it; a label that names itself otherwise (a caption whose
    // address is kept on one line, say) says that.
    if (t == QAccessible::Name && label()->accessibleName().isEmpty())
        return label()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleLink::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    return state;
}

QStringList AccessibleLink::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void AccessibleLink::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        label()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
