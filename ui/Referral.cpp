#include "ui/Referral.h"

#include "base/Desktop.h"
#include "web/SitePages.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

#include <utility>

namespace Referral {

namespace {

// Every value is encoded whole, so "&", "=", "#" or a line break the user typed arrives as typed
// and can never start or change another query key.
QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool isProperAddress(const QString &address)
{
    return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
}

// The first field left empty or at its prompt, as the message naming it; empty when all are filled.
QString missingFieldMessage(const Form &form)
{
    for (const Field &field : fields) {
        const QString &value = form.*field.value;
        if (value.isEmpty() || value == prompt(field))
            return QCoreApplication::translate("Referral", field.missingMessage);
    }
    return {};
}

} // namespace

QString prompt(const Field &field)
{
    return QCoreApplication::translate("Referral", field.prompt);
}

QUrl url(const Form &form)
{
    const QString site = SitePages::siteAddress();
    QUrlQuery query;
    const std::pair<const char *, QString> items[] = {
            {"taf1", form.name},
            {"taf2", form.email},
            {"taf3", form.message},
            {"taf4", form.friendName},
            {"taf5", form.friendEmail},
            {"taf6", site + QStringLiteral("/zel-free-mayan-animal-sign")},
    };
    for (const auto &[key, value] : items)
        query.addQueryItem(QLatin1String(key), encoded(value));
    QUrl address(site + QStringLiteral("/zelvs-refer-a-friend.php"), QUrl::StrictMode);
    address.setQuery(query);
    return address;
}

void send(const Form &form)
{
    const QString missing = missingFieldMessage(form);
    if (!missing.isEmpty()) {
        desktop().showError(missing);
        return;
    }
    SitePages::openUrl(url(form));
}

bool submit(const Form &form)
{
    if (form.email == form.friendEmail) {
        //: The person's address and the friend's are the same.
        desktop().showError(
                QCoreApplication::translate("Referral", "Please Enter Distinct Email Addresses"));
        return false;
    }
    if (!isProperAddress(form.email) || !isProperAddress(form.friendEmail)) {
        desktop().showError(
                QCoreApplication::translate("Referral", "Please Enter Proper Email Address"));
        return false;
    }
    send(form);
    return true;
}

} // namespace Referral
