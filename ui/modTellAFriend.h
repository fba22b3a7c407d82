#pragma once

#include <QString>
#include <QUrl>

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

// The site's referral page with every field as a query value of its own.
QUrl referralUrl(const Referral &referral);
// Rejects a field left empty or at its prompt text; otherwise opens the referral page.
void SubmitReferral(const Referral &referral);
// The address checks of the submit button, then SubmitReferral. Returns true when the addresses
// passed and SubmitReferral was called.
bool submitForm(const Referral &referral);

} // namespace modTellAFriend
