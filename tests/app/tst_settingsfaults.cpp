#include "app/Startup.h"
#include "base/modHelp.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/frmMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString settingsFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("ZelFreeMayanAnimalSign"))
            .fileName();
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
    closeAllWindows();
    removeSettings();
}

void TestSettingsFaults::startupSurvives_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("garbage bytes") << "garbage";
    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("unreadable and unwritable file") << "unreadable";
    QTest::newRow("a stored value that is no date") << "no date";
}

void TestSettingsFaults::startupSurvives()
{
    QFETCH(QString, fault);
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
            QSKIP("root reads and writes any file");
#else
        QSKIP("file permissions that lock the owner out are POSIX's");
#endif
        QVERIFY(modHelp::writeSetting(QStringLiteral("Duration"), QStringLiteral("2020-01-01")));
        QVERIFY(QFile::setPermissions(settingsFile(), QFileDevice::Permissions()));
    } else {
        QVERIFY(modHelp::writeSetting(QStringLiteral("Duration"), QStringLiteral("tomorrow")));
    }

    ScriptedDesktop desktop;
    Startup startup;
    QVERIFY(startup.run());
    QVERIFY(visibleWindow<frmMain>());
    // Nothing the store holds is a date more than two weeks away: no question.
    QVERIFY(desktop.messages.isEmpty());
}

QTEST_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"
