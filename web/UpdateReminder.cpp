#include "web/UpdateReminder.h"

#include "base/AppInfo.h"
#include "base/Desktop.h"
#include "base/SettingsStore.h"
#include "web/SitePages.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QString durationKey = QStringLiteral("Duration");
constexpr qint64 quietDays = 14;

// A stored date must read the same whatever the locale is later, so it is always ISO 8601.
void storeReminderDate(const QDate &date)
{
    SettingsStore::write(durationKey, date.toString(QStringLiteral("yyyy-MM-dd")));
}

// A date in the locale's short form is read as well, but only with a four-digit year: a two-digit
// one would land in the wrong century.
QString localeFormatWithFullYear()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QDate readReminderDate(const QString &stored)
{
    const QDate iso = QDate::fromString(stored, QStringLiteral("yyyy-MM-dd"));
    if (iso.isValid())
        return iso;
    return QLocale().toDate(stored, localeFormatWithFullYear());
}

// The answer may come after the start-up has gone on (a web page cannot wait for it).
void askToCheck(const QDate &today)
{
    //: First line of the question at start-up; the English "maybe" is meant as "may be".
    const QString news = QCoreApplication::translate(
            "UpdateReminder", "There maybe an update to this software available");
    //: Second line of the question, answered Yes or No.
    const QString question
            = QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?");
    const QString text = news + QChar(13) + question;
    const MessageRequest request {text, AppInfo::applicationTitle(), MessageIcon::Information,
                                  MessageButton::Yes | MessageButton::No, MessageButton::Yes};
    desktop().askMessage(request, [today](MessageButton answer) {
        // Stored before the browser opens, so a crash there cannot bring the question back at once.
        storeReminderDate(today);
        if (answer == MessageButton::Yes)
            SitePages::open(SitePages::Page::Download);
    });
}

} // namespace

namespace UpdateReminder {

void check()
{
    const QDate today = desktop().today();
    const QString stored = SettingsStore::read(durationKey);
    if (stored.isEmpty()) {
        // A first start is no occasion to talk about updates.
        storeReminderDate(today);
        return;
    }
    const QDate last = readReminderDate(stored);
    // An unreadable value is left alone: start-up must go on regardless.
    if (!last.isValid())
        return;
    const qint64 days = today.daysTo(last);
    if (days >= -quietDays && days <= quietDays)
        return;
    askToCheck(today);
}

} // namespace UpdateReminder
