#include "BuildConfig.h"
#include "app/CommandLine.h"

#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

using Action = CommandLine::Action;
Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void usageNamesTheProgramAndItsOptions();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("exitCode");
    // What the output begins with (the version exactly).
    QTest::addColumn<QString>("output");

    const QString usage = QStringLiteral("Usage: %1 [options] [file]").arg(executable);
    const auto row = [](const char *name, const QStringList &arguments, Action action,
                        const QString &path, int exitCode, const QString &output) {
        QTest::newRow(name) << (QStringList {executable} + arguments) << action << path << exitCode
                            << output;
    };
    row("nothing", {}, Action::Start, QString(), 0, QString());
    row("a reading", {"/home/ana/ana.zod"}, Action::Start, "/home/ana/ana.zod", 0, QString());
    row("a reading in any script", {"Ана 日本.zod"}, Action::Start, "Ана 日本.zod", 0, QString());
    row("a path after --", {"--", "-odd.zod"}, Action::Start, "-odd.zod", 0, QString());
    row("Qt's platform option", {"-platform", "wayland", "a.zod"}, Action::Start, "a.zod", 0,
        QString());
    row("Qt's options, long and with =", {"--display", ":1", "-style=fusion", "-reverse", "a.zod"},
        Action::Start, "a.zod", 0, QString());
    row("--help", {"--help"}, Action::ShowHelp, QString(), 0, usage);
    row("-h", {"-h"}, Action::ShowHelp, QString(), 0, usage);
    row("-?", {"-?"}, Action::ShowHelp, QString(), 0, usage);
    row("help with a file", {"a.zod", "--help"}, Action::ShowHelp, QString(), 0, usage);
    row("--version", {"--version"}, Action::ShowVersion, QString(), 0,
        "Zel Mayan Animal Sign 1.05\n");
    row("-v", {"-v"}, Action::ShowVersion, QString(), 0, "Zel Mayan Animal Sign 1.05\n");
    row("unknown long option", {"--bogus"}, Action::Refuse, QString(), 2,
        "Unknown option 'bogus'.\n\n" + usage);
    row("unknown short option", {"-x", "a.zod"}, Action::Refuse, QString(), 2,
        "Unknown option 'x'.\n\n" + usage);
    row("unknown option beside help", {"--help", "--bogus"}, Action::Refuse, QString(), 2,
        "Unknown option 'bogus'.\n\n" + usage);
    row("Qt's option without its value", {"-platform"}, Action::Refuse, QString(), 2,
        "Missing value after '-platform'.\n\n" + usage);
    row("two readings", {"a.zod", "b.zod"}, Action::Refuse, QString(), 2,
        "Only one saved reading can be opened at a time.\n\n" + usage);
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, path);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    const CommandLine line = CommandLine::parse(arguments);
    QCOMPARE(line.action(), action);
    QCOMPARE(line.readingPath(), path);
    if (action != Action::Start)
        QCOMPARE(line.exitCode(), exitCode);
    if (action == Action::ShowVersion)
        QCOMPARE(line.output(), output);
    else
        QVERIFY2(line.output().startsWith(output), qPrintable(line.output()));
}

void TestCommandLine::usageNamesTheProgramAndItsOptions()
{
    const QString usage = CommandLine::parse({QStringLiteral("/usr/bin/") + executable,
                                              QStringLiteral("--help")})
                                  .output();
    QVERIFY2(usage.startsWith(QStringLiteral("Usage: /usr/bin/%1 ").arg(executable)),
             qPrintable(usage));
    for (const char *shown : {"-h, --help, -?", "-v, --version", "file"})
        QVERIFY2(usage.contains(QLatin1String(shown)), shown);
    // Qt's own options are accepted, not advertised.
    QVERIFY(!usage.contains(QStringLiteral("platform")));
}

// No application object: the program parses its command line before it makes one.
QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
