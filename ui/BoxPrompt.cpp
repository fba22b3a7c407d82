#include "ui/BoxPrompt.h"

#include "base/Blanks.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Focus moving to a menu, another window or a message box is not the user leaving the box.
bool movesWithinWindow(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The prompt coming and going is no news to a screen reader, and Orca takes the removal, which
// reaches it before the focus, for the focus itself and then says nothing of the box: the box
// changes its text without telling the reader, which asks for it when the focus arrives.
void setTextQuietly(QWidget *box, const QString &text)
{
    const QAccessible::UpdateHandler previous
            = QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    BoxPrompt::setText(box, text);
    QAccessible::installUpdateHandler(previous);
}

} // namespace

BoxPrompt::BoxPrompt(QWidget *box, const QString &prompt)
    : QObject(box)
    , box(box)
    , prompt(prompt)
{
    box->installEventFilter(this);
}

QString BoxPrompt::text(const QWidget *box)
{
    if (auto *lines = qobject_cast<const QPlainTextEdit *>(box))
        return lines->toPlainText();
    return static_cast<const QLineEdit *>(box)->text();
}

void BoxPrompt::setText(QWidget *box, const QString &text)
{
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        lines->setPlainText(text);
    else
        static_cast<QLineEdit *>(box)->setText(text);
}

bool BoxPrompt::eventFilter(QObject *watched, QEvent *event)
{
    const bool focusChange = event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut;
    if (watched != box || !focusChange || !movesWithinWindow(event))
        return false;
    const QString typed = trimBlanks(text(box));
    if (event->type() == QEvent::FocusIn && typed == prompt)
        setTextQuietly(box, QString());
    else if (event->type() == QEvent::FocusOut && typed.isEmpty())
        setTextQuietly(box, prompt);
    return false;
}
