#include "BuildConfig.h"
#include "app/Startup.h"
#include "base/Scrambler.h"
#include "base/SettingsStore.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// QSettings keeps what it read of a file for the life of the process, and takes the file as
// unchanged while its size and time are: a chmod changes neither. So the rows never open the
// store's file through QSettings, not even to learn its name, and write it by hand.
QString settingsFile()
{
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
    // The test environment's file in place of the registry or the browser's storage.
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/') + executable
            + QStringLiteral(".ini");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QLatin1Char('/') + executable + QStringLiteral(".conf");
#endif
}

// The store's file as the program writes it, dated long ago so that its time differs from that of
// any file the program wrote before.
bool writeStoreFile(const QString &key, const QString &date)
{
    QByteArray escapedKey;
    for (const char byte : Scrambler::toBytes(Scrambler::scramble(key))) {
        const auto code = static_cast<unsigned char>(byte);
        const bool plain = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        escapedKey += plain ? QByteArray(1, byte)
                            : '%' + QByteArray::number(code, 16).toUpper().rightJustified(2, '0');
    }
    // A scrambled date is printable ASCII without quotes or backslashes.
    const QByteArray value = Scrambler::toBytes(Scrambler::scramble(date));
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly)
            && file.write("[Settings]\n" + escapedKey + "=\"" + value + "\"\n") > 0 && file.flush()
            && file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0), Qt::UTC),
                                QFileDevice::FileModificationTime);
}

void removeSettings()
{
    const QFileInfo info(settingsFile());
    if (info.isDir())
        QDir(info.filePath()).removeRecursively();
    else
        QFile::remove(info.filePath());
}

} // namespace

// Whatever state the settings store is in, the program starts and shows its main window.
class TestSettingsFaults : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void startupSurvives_data();
    void startupSurvives();
};

void TestSettingsFaults::cleanup()
{
    closeProgramWindows();
    removeSettings();
    // A write the store refused stays pending in QSettings' cache, to be written into whatever
    // file the next row makes: write it out now, and remove it.
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, executable).sync();
    removeSettings();
}

void TestSettingsFaults::startupSurvives_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("questions");
    QTest::newRow("garbage bytes") << "garbage" << 0;
    QTest::newRow("a folder where the file should be") << "folder" << 0;
    // The same file as the next row's, readable: its date long past asks the update question.
    QTest::newRow("readable file, date long past") << "readable" << 1;
    QTest::newRow("unreadable and unwritable file") << "unreadable" << 0;
    QTest::newRow("a stored value that is no date") << "no date" << 0;
}

void TestSettingsFaults::startupSurvives()
{
    QFETCH(QString, fault);
    QFETCH(int, questions);
    removeSettings();
    QDir().mkpath(QFileInfo(settingsFile()).path());
    if (fault == QLatin1String("garbage")) {
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\xff[Settings\n=\x01\x02garbage", 20));
    } else if (fault == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(settingsFile()));
    } else if (fault == QLatin1String("unreadable")) {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root reads and writes any file; the unprivileged test run covers this row");
#else
        QSKIP("file permissions that lock the owner out are POSIX's");
#endif
        QVERIFY(writeStoreFile(QStringLiteral("Duration"), QStringLiteral("2020-01-01")));
        QVERIFY(QFile::setPermissions(settingsFile(), QFileDevice::Permissions()));
    } else if (fault == QLatin1String("readable")) {
#ifdef Q_OS_WASM
        QSKIP("A web page keeps the setting in the browser's storage: a store file written by hand "
              "is no case there (the test's file in the page's memory is not read back)");
#endif
        QVERIFY(writeStoreFile(QStringLiteral("Duration"), QStringLiteral("2020-01-01")));
    } else {
        QVERIFY(SettingsStore::write(QStringLiteral("Duration"), QStringLiteral("tomorrow")));
    }

    ScriptedDesktop desktop;
    Startup startup;
    QVERIFY(startup.run());
    QVERIFY(visibleWindow<MainWindow>());
    // Only a readable date more than two weeks away asks.
    QCOMPARE(desktop.messages.size(), questions);
}

QTEST_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"
