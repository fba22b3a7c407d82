#include "ui/BoxPrompt.h"

#include "base/Blanks.h"

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
        setText(box, QString());
    else if (event->type() == QEvent::FocusOut && typed.isEmpty())
        setText(box, prompt);
    return false;
}
