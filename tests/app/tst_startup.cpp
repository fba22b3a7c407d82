#include "BuildConfig.h"
#include "app/Startup.h"
#include "base/SingleInstance.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString settingsFile()
{
    return QSettings(QSettings::defaultFormat(), QSettings::UserScope, executable).fileName();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStartShowsMainWindowOnly();
    void secondInstanceIsRefused();
    void killedHolderDoesNotBlock();
    void lockThatCannotBeMadeSkipsTheCheck_data();
    void lockThatCannotBeMadeSkipsTheCheck();

private:
#if QT_CONFIG(process)
    // Another process of the program's that holds the lock.
    bool startHolder(QProcess &holder);
#endif
};

void TestStartup::init()
{
    QFile::remove(settingsFile());
}

void TestStartup::cleanup()
{
    closeProgramWindows();
}

#if QT_CONFIG(process)
bool TestStartup::startHolder(QProcess &holder)
{
    // Built beside this program.
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zel_lockholder"), {});
    return holder.waitForStarted() && holder.waitForReadyRead(10000)
            && holder.readLine().trimmed() == "holding";
}
#endif

void TestStartup::firstStartShowsMainWindowOnly()
{
    ScriptedDesktop desktop;
    Startup startup;
    QVERIFY(startup.run());
    QCOMPARE(desktop.seedCount, 1);
    // A first start asks nothing and remembers today.
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(QFile::exists(settingsFile()));
    const QList<QWidget *> windows = visibleWindows();
    QCOMPARE(windows.size(), 1);
    QVERIFY(qobject_cast<MainWindow *>(windows.first()));
}

void TestStartup::secondInstanceIsRefused()
{
#if !QT_CONFIG(process)
    QSKIP("A web page starts no other process: the other copy that holds the lock cannot run");
#else
    QProcess holder;
    QVERIFY(startHolder(holder));
    ScriptedDesktop desktop;
    {
        Startup startup;
        QVERIFY(!startup.run());
    }
    QCOMPARE(desktop.messages.size(), 1);
    const MessageRequest &message = desktop.messages.first();
    QCOMPARE(message.text, QStringLiteral("Application is already running"));
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(message.title, QStringLiteral("Zel Mayan Animal Sign"));
    // No window, no reminder, no settings, no draw.
    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(!QFile::exists(settingsFile()));
    QCOMPARE(desktop.seedCount, 0);
    // The running instance is left alone.
    QCOMPARE(holder.state(), QProcess::Running);
    holder.kill();
    holder.waitForFinished();
#endif
}

void TestStartup::killedHolderDoesNotBlock()
{
#if !QT_CONFIG(process)
    QSKIP("A web page starts no other process: the other copy that holds the lock cannot run");
#else
    QProcess holder;
    QVERIFY(startHolder(holder));
    // SIGKILL on POSIX systems, TerminateProcess on Windows: no chance to unlock.
    holder.kill();
    QVERIFY(holder.waitForFinished());
#ifndef Q_OS_WIN
    // A lock file outlives its killed holder; Windows' session mutex is gone with it.
    QVERIFY(QFile::exists(SingleInstance::lockFilePath()));
#endif

    ScriptedDesktop desktop;
    Startup startup;
    QVERIFY(startup.run());
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(visibleWindow<MainWindow>());
#endif
}

void TestStartup::lockThatCannotBeMadeSkipsTheCheck_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("a file where the folder should be") << "file";
    QTest::newRow("missing folder") << "missing";
    QTest::newRow("read-only folder") << "read-only";
}

void TestStartup::lockThatCannotBeMadeSkipsTheCheck()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the lock is a session mutex, which no folder can keep from being made");
#endif
    QFETCH(QString, folder);
    QTemporaryDir scratch;
    QString lockFolder = scratch.filePath(folder);
    if (folder == QLatin1String("file")) {
        QFile file(lockFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (folder == QLatin1String("read-only")) {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes into a read-only folder; the unprivileged test run covers this row");
#endif
        QVERIFY(QDir(scratch.path()).mkdir(folder));
        QVERIFY(QFile::setPermissions(lockFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QString lockPath = QDir(lockFolder).filePath(executable + QStringLiteral(".lock"));
    SingleInstance probe(lockPath);
    QVERIFY(!probe.acquire());
    QVERIFY(!probe.heldByAnother());

    ScriptedDesktop desktop;
    Startup startup(lockPath);
    QVERIFY(startup.run());
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(visibleWindow<MainWindow>());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
