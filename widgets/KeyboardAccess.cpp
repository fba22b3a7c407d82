#include "widgets/KeyboardAccess.h"

#include "widgets/LinkLabel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcutEvent>

namespace KeyboardAccess {

namespace {

// The keys of a button. Enter on a focused button presses it, as Space does: Qt does this only in
// dialogs, for buttons that may become the default; here no button becomes the default, and
// Enter elsewhere (in a text box, say) still does nothing. A button pressed by its access key
// takes the focus, as a click does, so that the focus comes back to it when the dialog it opens
// closes.
class ButtonKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Events also reach the filter while the button is being destroyed, when it is a
        // QPushButton no more.
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button)
            return false;
        if (event->type() == QEvent::Shortcut) {
            if (!static_cast<QShortcutEvent *>(event)->isAmbiguous())
                button->setFocus(Qt::ShortcutFocusReason);
            return false;
        }
        if (event->type() != QEvent::KeyPress || button->autoDefault())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        button->click();
        return true;
    }
};

bool tabStop(const QWidget *widget, const QWidget *window)
{
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window)
            && widget->isEnabled() && !qobject_cast<const LinkLabel *>(widget);
}

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const QMetaObject *meta = widget->metaObject();
    // Asked for the class itself, before Qt answers for QWidget with a role of "client".
    const bool plainWindow = widget->isWindow() && meta->superClass() == &QWidget::staticMetaObject
            && className == QLatin1String(meta->className());
    return plainWindow ? new QAccessibleWidget(widget, QAccessible::Window) : nullptr;
}

void watchButtonKeys(QWidget *window)
{
    auto *filter = new ButtonKeys(window);
    for (QPushButton *button : window->findChildren<QPushButton *>())
        button->installEventFilter(filter);
}

// Works around Qt 6.4: an arrow key in a closed list changes its value, and Qt tells a screen
// reader of it only as a change of the box's name, which Orca ignores for a list. The item the list
// now shows is handed to the reader as if it had the focus, which the reader says.
void announceListChanges(QWidget *window)
{
    for (QComboBox *list : window->findChildren<QComboBox *>()) {
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list](int index) {
            if (!list->hasFocus() || list->view()->isVisible() || index < 0)
                return;
            QAccessibleInterface *items = QAccessible::queryAccessibleInterface(list->view());
            QAccessibleInterface *item = items ? items->child(index) : nullptr;
            if (!item)
                return;
            QAccessibleEvent shown(item, QAccessible::Focus);
            QAccessible::updateAccessibility(&shown);
        });
    }
}

void nameMenus(QWidget *window)
{
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        if (menu->title().isEmpty())
            continue;
        // "&&" is a literal "&"; a lone "&" marks the access key.
        static const QRegularExpression accessKey(QStringLiteral("&(.)"));
        menu->setAccessibleName(QString(menu->title()).replace(accessKey, QStringLiteral("\\1")));
    }
}

} // namespace

void apply(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(installed)
    watchButtonKeys(window);
    announceListChanges(window);
    nameMenus(window);
}

QList<QKeySequence> quitKeys()
{
    const QList<QKeySequence> platform = QKeySequence::keyBindings(QKeySequence::Quit);
    return platform.isEmpty() ? QList {QKeySequence(Qt::CTRL | Qt::Key_Q)} : platform;
}

void putLinksLast(QWidget *firstControl)
{
    QWidget *window = firstControl->window();
    QWidget *last = firstControl->previousInFocusChain();
    while (last != firstControl && !tabStop(last, window))
        last = last->previousInFocusChain();
    for (LinkLabel *link : window->findChildren<LinkLabel *>()) {
        // A link outside its container, which no pointer can reach, is no stop for the keyboard.
        // One that is hidden is passed over by Tab until it is shown.
        if (!link->parentWidget()->rect().contains(link->geometry())) {
            link->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        QWidget::setTabOrder(last, link);
        last = link;
    }
}

} // namespace KeyboardAccess
