#include "ui/modTellAFriend.h"

#include "base/Desktop.h"
#include "web/modHelpPages.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {

namespace {

// Every value is encoded whole, so "&", "=", "#" or a line break the user typed arrives as typed
// and can never start or change another query key.
QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString queryItem(const char *separator, const char *key, const QString &value)
{
    return QLatin1String(separator) + QLatin1String(key) + QLatin1Char('=') + queryValue(value);
}

bool isProperAddress(const QString &address)
{
    return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
}

// The first field left empty or at its prompt, as the message naming it; empty when all are filled.
QString missingFieldMessage(const Referral &referral)
{
    for (const Field &field : fields) {
        const QString &value = referral.*field.value;
        if (value.isEmpty() || value == prompt(field))
            return QCoreApplication::translate("modTellAFriend", field.missingMessage);
    }
    return {};
}

} // namespace

QString prompt(const Field &field)
{
    return QCoreApplication::translate("modTellAFriend", field.prompt);
}

QUrl referralUrl(const Referral &referral)
{
    const QString site = modHelp::siteAddress();
    // Built already percent-encoded, so strict parsing keeps it exactly as written.
    return QUrl(
            site + QStringLiteral("/zelvs-refer-a-friend.php")
                    + queryItem("?", "taf1", referral.name) + queryItem("&", "taf2", referral.email)
                    + queryItem("&", "taf3", referral.message)
                    + queryItem("&", "taf4", referral.friendName)
                    + queryItem("&", "taf5", referral.friendEmail)
                    + queryItem("&", "taf6", site + QStringLiteral("/zel-free-mayan-animal-sign")),
            QUrl::StrictMode);
}

void SubmitReferral(const Referral &referral)
{
    const QString missing = missingFieldMessage(referral);
    if (!missing.isEmpty()) {
        desktop().showError(missing);
        return;
    }
    modHelp::OpenWebPage(referralUrl(referral));
}

bool submitForm(const Referral &referral)
{
    if (referral.email == referral.friendEmail) {
        //: The person's address and the friend's are the same.
        desktop().showError(QCoreApplication::translate("modTellAFriend",
                                                        "Please Enter Distinct Email Addresses"));
        return false;
    }
    if (!isProperAddress(referral.email) || !isProperAddress(referral.friendEmail)) {
        desktop().showError(
                QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address"));
        return false;
    }
    SubmitReferral(referral);
    return true;
}

} // namespace modTellAFriend
