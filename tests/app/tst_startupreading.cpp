#include "app/Startup.h"
#include "savedreading/SavedReadingFile.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A saved reading named on the command line opens as the main window's Open opens a chosen one.
class TestStartupReading : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void opensAsOpenDoes_data();
    void opensAsOpenDoes();
    void secondStartWithReadingIsRefused();

private:
    QTemporaryDir folder;
};

void TestStartupReading::cleanup()
{
    closeProgramWindows();
}

void TestStartupReading::opensAsOpenDoes_data()
{
    QTest::addColumn<bool>("fromCommandLine");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("complains");

    const QByteArray saved = SavedReadingFile::encodeReading(anaWith(signNamed("Jaguar")));
    for (const bool fromCommandLine : {true, false}) {
        const auto row = [fromCommandLine](const char *name) -> QTestData & {
            return QTest::addRow("%s, %s", fromCommandLine ? "command line" : "Open button", name)
                    << fromCommandLine;
        };
        row("saved reading") << "ana.zod" << saved << true << false;
        row("in a folder named José") << "José/ana.zod" << saved << true << false;
        row("upper-case extension") << "ana.ZOD" << saved << false << true;
        row("not a saved reading") << "junk.zod" << QByteArray("junk\r\n") << false << true;
        row("missing file") << "missing.zod" << QByteArray() << false << true;
        row("empty path") << "" << QByteArray() << false << false;
    }
}

void TestStartupReading::opensAsOpenDoes()
{
    QFETCH(bool, fromCommandLine);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    QFETCH(bool, complains);

    // Written as Windows hands a path over: with backslashes.
    const QString path
            = file.isEmpty() ? QString() : QDir::toNativeSeparators(folder.filePath(file));
    if (!content.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(content) == content.size());
    }
    ScriptedDesktop desktop;
    Startup startup;
    if (fromCommandLine) {
        QVERIFY(startup.run(path));
    } else {
        QVERIFY(startup.run());
        desktop.pathAnswer = path;
        visibleWindow<MainWindow>()->open();
    }

    if (opens) {
        // The saved name and date, not the lists' first entries: the sign of March 7.
        QCOMPARE(visibleWindows().size(), 1);
        QVERIFY(visibleWindow<ResultWindow>());
        QCOMPARE(visibleWindow<ResultWindow>()->shownReading(), anaWith(signNamed("Jaguar")));
        QVERIFY(desktop.messages.isEmpty());
        return;
    }
    QCOMPARE(visibleWindows().size(), 1);
    QVERIFY(visibleWindow<MainWindow>());
    QCOMPARE(desktop.messages.size(), complains ? 1 : 0);
    if (complains) {
        const MessageRequest &message = desktop.messages.first();
        QCOMPARE(message.text, QStringLiteral("Please Check The File."));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.title, QStringLiteral("Zel Mayan Animal Sign"));
    }
}

void TestStartupReading::secondStartWithReadingIsRefused()
{
    const QString path = folder.filePath(QStringLiteral("ana.zod"));
    QVERIFY(SavedReadingFile::writeReading(path, anaWith(signNamed("Jaguar"))));
#if !QT_CONFIG(process)
    QSKIP("A web page starts no other process: the other copy that holds the lock cannot run");
#else
    QProcess holder;
    // Built beside this program.
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zel_lockholder"), {});
    QVERIFY(holder.waitForStarted() && holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));

    ScriptedDesktop desktop;
    {
        Startup startup;
        QVERIFY(!startup.run(path));
    }
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages.first().text, QStringLiteral("Application is already running"));
    QVERIFY(visibleWindows().isEmpty());
    holder.kill();
    holder.waitForFinished();
#endif
}

QTEST_MAIN(TestStartupReading)
#include "tst_startupreading.moc"
