#pragma once

#include <QString>
#include <QUrl>

#include <array>

// The refer-a-friend form's checks and the hand-over of the referral to the maker's site.
namespace modTellAFriend {

// The form's fields, already blank-trimmed by the caller.
struct Referral
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
    QString Referral::*value;
    const char *prompt;
    const char *missingMessage;
};

// In the order SubmitReferral asks for them.
inline constexpr std::array<Field, 5> fields = {{
        {&Referral::name, QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {&Referral::email, QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {&Referral::message, QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {&Referral::friendName, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {&Referral::friendEmail, QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
}};

// The field's prompt as the user reads it.
QString prompt(const Field &field);

// The site's referral page with every field as a query value of its own.
QUrl referralUrl(const Referral &referral);
// Rejects a field left empty or at its prompt text; otherwise opens the referral page.
void SubmitReferral(const Referral &referral);
// The address checks of the submit button, then SubmitReferral. Returns true when the addresses
// passed and SubmitReferral was called.
bool submitForm(const Referral &referral);

} // namespace modTellAFriend
