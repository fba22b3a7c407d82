#include "BuildConfig.h"
#include "base/AppInfo.h"
#include "base/Scrambler.h"
#include "base/SettingsStore.h"
#include "tests/common/ScriptedDesktop.h"
#include "web/SitePages.h"
#include "web/UpdateReminder.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

namespace {

const QString durationKey = QStringLiteral("Duration");
const QDate today(2026, 3, 10);

QString isoDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QSettings storeFile()
{
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, executable);
}

// Records what the store holds at the moment the browser is asked to open a page.
class OrderDesktop : public ScriptedDesktop
{
public:
    bool openUrl(const QUrl &url) override
    {
        storedWhenOpened.append(SettingsStore::read(durationKey));
        return ScriptedDesktop::openUrl(url);
    }

    QStringList storedWhenOpened;
};

} // namespace

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstStartStoresTodayQuietly_data();
    void firstStartStoresTodayQuietly();
    void withinTwoWeeksStaysQuiet_data();
    void withinTwoWeeksStaysQuiet();
    void beyondTwoWeeksAsks_data();
    void beyondTwoWeeksAsks();
    void answerIsFollowed_data();
    void answerIsFollowed();
    void dateIsStoredBeforeThePageOpens();
    void localeShortDateIsRead_data();
    void localeShortDateIsRead();
    void unreadableValueIsLeftAlone_data();
    void unreadableValueIsLeftAlone();
    void storeHidesKeyAndDate();

private:
    QLocale savedLocale;
};

void TestUpdateReminder::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    savedLocale = QLocale();
}

void TestUpdateReminder::init()
{
    QSettings store = storeFile();
    store.clear();
    store.sync();
    QCOMPARE(SettingsStore::read(durationKey), QString());
}

void TestUpdateReminder::cleanup()
{
    QLocale::setDefault(savedLocale);
}

void TestUpdateReminder::firstStartStoresTodayQuietly_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("German") << "de_DE";
    QTest::newRow("US English") << "en_US";
}

void TestUpdateReminder::firstStartStoresTodayQuietly()
{
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    UpdateReminder::check();
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(desktop.openedUrls.isEmpty());
    QCOMPARE(SettingsStore::read(durationKey), QStringLiteral("2026-03-10"));
}

void TestUpdateReminder::withinTwoWeeksStaysQuiet_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("14 days back") << "2026-02-24";
    QTest::newRow("1 day back") << "2026-03-09";
    QTest::newRow("today") << "2026-03-10";
    QTest::newRow("1 day ahead") << "2026-03-11";
    QTest::newRow("14 days ahead") << "2026-03-24";
}

void TestUpdateReminder::withinTwoWeeksStaysQuiet()
{
    QFETCH(QString, stored);
    QVERIFY(SettingsStore::write(durationKey, stored));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = MessageButton::Yes;
    UpdateReminder::check();
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(desktop.openedUrls.isEmpty());
    QCOMPARE(SettingsStore::read(durationKey), stored);
}

void TestUpdateReminder::beyondTwoWeeksAsks_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("15 days back") << "2026-02-23";
    QTest::newRow("15 days ahead") << "2026-03-25";
    QTest::newRow("years back") << "2019-07-01";
    QTest::newRow("years ahead") << "2040-01-01";
}

void TestUpdateReminder::beyondTwoWeeksAsks()
{
    QFETCH(QString, stored);
    QVERIFY(SettingsStore::write(durationKey, stored));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = MessageButton::No;
    UpdateReminder::check();
    QCOMPARE(desktop.messages.size(), 1);
    const MessageRequest &asked = desktop.messages.first();
    QCOMPARE(asked.text,
             QStringLiteral("There maybe an update to this software available\r"
                            "Do you want to check for an update?"));
    QCOMPARE(asked.icon, MessageIcon::Information);
    QCOMPARE(asked.buttons, MessageButton::Yes | MessageButton::No);
    QCOMPARE(asked.defaultButton, MessageButton::Yes);
    QCOMPARE(asked.title, AppInfo::applicationTitle());
}

void TestUpdateReminder::answerIsFollowed_data()
{
    QTest::addColumn<MessageButton>("answer");
    QTest::addColumn<int>("pagesOpened");
    QTest::newRow("no") << MessageButton::No << 0;
    QTest::newRow("yes") << MessageButton::Yes << 1;
}

void TestUpdateReminder::answerIsFollowed()
{
    QFETCH(MessageButton, answer);
    QFETCH(int, pagesOpened);
    QVERIFY(SettingsStore::write(durationKey, QStringLiteral("2026-01-01")));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = answer;
    UpdateReminder::check();
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(SettingsStore::read(durationKey), isoDate(today));
    QCOMPARE(desktop.openedUrls.size(), pagesOpened);
    for (const QUrl &url : std::as_const(desktop.openedUrls))
        QCOMPARE(url, SitePages::pageUrl(SitePages::Page::Download));
}

void TestUpdateReminder::dateIsStoredBeforeThePageOpens()
{
    QVERIFY(SettingsStore::write(durationKey, QStringLiteral("2025-11-30")));
    OrderDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = MessageButton::Yes;
    QString storedWhileAsking;
    desktop.onMessage = [&](const MessageRequest &) {
        storedWhileAsking = SettingsStore::read(durationKey);
    };
    UpdateReminder::check();
    QCOMPARE(storedWhileAsking, QStringLiteral("2025-11-30"));
    QCOMPARE(desktop.storedWhenOpened, QStringList {isoDate(today)});
}

void TestUpdateReminder::localeShortDateIsRead_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::newRow("US, two months back") << "en_US"
                                         << "1/10/2026" << true;
    QTest::newRow("US, nine days back") << "en_US"
                                        << "3/1/2026" << false;
    QTest::newRow("German, two months back") << "de_DE"
                                             << "10.01.2026" << true;
    QTest::newRow("German, ten days ahead") << "de_DE"
                                            << "20.03.2026" << false;
    QTest::newRow("British, a year ahead") << "en_GB"
                                           << "10/03/2027" << true;
    QTest::newRow("ISO under a US locale") << "en_US"
                                           << "2026-01-10" << true;
}

void TestUpdateReminder::localeShortDateIsRead()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    QLocale::setDefault(QLocale(locale));
    QVERIFY(SettingsStore::write(durationKey, stored));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = MessageButton::No;
    UpdateReminder::check();
    QCOMPARE(desktop.messages.size(), asks ? 1 : 0);
    // Once asked, the date is rewritten in the form no later locale can misread.
    QCOMPARE(SettingsStore::read(durationKey), asks ? isoDate(today) : stored);
}

void TestUpdateReminder::unreadableValueIsLeftAlone_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::newRow("word") << "en_GB"
                          << "garbage";
    QTest::newRow("no 31 February") << "en_GB"
                                    << "31/02/2026";
    QTest::newRow("month 13") << "en_GB"
                              << "2026-13-45";
    QTest::newRow("no 30 February") << "C"
                                    << "2026-02-30";
    QTest::newRow("US month first") << "en_US"
                                    << "31/12/2025";
}

void TestUpdateReminder::unreadableValueIsLeftAlone()
{
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QLocale::setDefault(QLocale(locale));
    QVERIFY(SettingsStore::write(durationKey, stored));
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    desktop.messageAnswer = MessageButton::Yes;
    UpdateReminder::check();
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(desktop.openedUrls.isEmpty());
    QCOMPARE(SettingsStore::read(durationKey), stored);
}

void TestUpdateReminder::storeHidesKeyAndDate()
{
    ScriptedDesktop desktop;
    desktop.todayAnswer = today;
    UpdateReminder::check();
    QFile file(storeFile().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("[Settings]"));
    QVERIFY(!bytes.contains("Duration"));
    QVERIFY(!bytes.contains("2026-03-10"));
}

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
