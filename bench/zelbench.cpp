// Times start-up against a bare Qt window and the same window in stock Qt, the main steps of a
// session, and the sign rule. Built only with -DZEL_BUILD_BENCH=ON; see docs/BENCHMARKS.md.
#include "base/Appearance.h"
#include "bench/InProcessBench.h"
#include "bench/MicroBench.h"
#include "bench/Report.h"
#include "bench/StartupBench.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Options
{
    int startupRuns = 20;
    int cycles = 50;
    int calls = 1000000;
    bool startupOnly = false;
    QString beforeProbe;
};

int intOption(const QCommandLineParser &parser, const QString &name, int fallback)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

Options parseOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zel Mayan Animal Sign benchmark"));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("runs"), QStringLiteral("Start-ups of each program."),
                      QStringLiteral("n"), QStringLiteral("20")});
    parser.addOption({QStringLiteral("cycles"), QStringLiteral("Find/report/Back cycles."),
                      QStringLiteral("n"), QStringLiteral("50")});
    parser.addOption({QStringLiteral("calls"), QStringLiteral("Calls per microbenchmark batch."),
                      QStringLiteral("n"), QStringLiteral("1000000")});
    parser.addOption({QStringLiteral("startup-only"), QStringLiteral("Time start-up only.")});
    parser.addOption({QStringLiteral("before"),
                      QStringLiteral("Another build's start-up probe, started in the same rounds."),
                      QStringLiteral("path")});
    parser.process(app);
    Options options;
    options.startupRuns = intOption(parser, QStringLiteral("runs"), options.startupRuns);
    options.cycles = intOption(parser, QStringLiteral("cycles"), options.cycles);
    options.calls = intOption(parser, QStringLiteral("calls"), options.calls);
    options.startupOnly = parser.isSet(QStringLiteral("startup-only"));
    options.beforeProbe = parser.value(QStringLiteral("before"));
    return options;
}

// This process's own windows must not meet a user's settings or lock either.
void useFreshHome(const QTemporaryDir &home)
{
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    useFreshHome(home);
    QApplication app(argc, argv);
    installFontSubstitutions();
    app.setQuitOnLastWindowClosed(false);
    const Options options = parseOptions(app);

    constexpr int microBatches = 5;
    const QByteArray loadBefore = Report::loadAverage();
    const StartupRuns startup = runStartupBench(options.startupRuns, options.beforeProbe);
    const int cycles = options.startupOnly ? 0 : options.cycles;
    Report::printHeader({options.startupRuns, cycles, options.calls, loadBefore});
    Report::printStartup(startup);
    if (!options.startupOnly) {
        Report::printInProcess(runInProcessBench(options.cycles, options.cycles * 4));
        Report::printMicro(runMicroBench(options.calls, microBatches));
    }
    Report::printStartupPhases(startup);
    std::fflush(stdout);
    return 0;
}
