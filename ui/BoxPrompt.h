#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Keeps a prompt in a text box the user has left blank: the prompt goes when the box takes the
// focus and comes back when the box is left with nothing but blanks. For QLineEdit and
// QPlainTextEdit; it lives as long as its box.
class BoxPrompt : public QObject
{
    Q_OBJECT

public:
    BoxPrompt(QWidget *box, const QString &prompt);

    // The text of a QLineEdit or a QPlainTextEdit.
    static QString text(const QWidget *box);
    static void setText(QWidget *box, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *box;
    QString prompt;
};
