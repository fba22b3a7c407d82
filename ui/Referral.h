#pragma once

#include <QString>
#include <QUrl>

#include <array>

// The refer-a-friend form's checks and the hand-over of the referral to the maker's site.
namespace Referral {

// The form's values, already blank-trimmed by the caller.
struct Form
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// One field of the form: where its value goes, the prompt its box shows while the user has left it
// blank (also the box's first text) and the message that asks for it, both untranslated.
struct Field
{
    QString Form::*value;
    const char *prompt;
    const char *missingMessage;
};

// In the order send() asks for them.
inline constexpr std::array<Field, 5> fields = {{
        {&Form::name, QT_TRANSLATE_NOOP("Referral", "Your Name"),
         QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name")},
        {&Form::email, QT_TRANSLATE_NOOP("Referral", "Your Email Address"),
         QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email")},
        {&Form::message, QT_TRANSLATE_NOOP("Referral", "Your Message"),
         QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message")},
        {&Form::friendName, QT_TRANSLATE_NOOP("Referral", "Friend's Name"),
         QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name")},
        {&Form::friendEmail, QT_TRANSLATE_NOOP("Referral", "Friend's Email Address"),
         QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email")},
}};

// The field's prompt as the user reads it.
QString prompt(const Field &field);

// The site's referral page with every value as a query value of its own.
QUrl url(const Form &form);
// Rejects a field left empty or at its prompt text; otherwise opens the referral page.
void send(const Form &form);
// The submit button: the address checks, then send(). Returns true when the addresses passed and
// send() was called.
bool submit(const Form &form);

} // namespace Referral
