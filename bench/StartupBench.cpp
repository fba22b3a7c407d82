#include "bench/StartupBench.h"

#include "bench/ChildReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int childTimeoutMs = 30000;

QString benchProgram(const char *name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
}

// A desktop session keeps its runtime folder in memory (/run/user/<uid>); /dev/shm is the
// nearest stand-in, so that the lock file costs what it costs there.
QString runtimeTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString parent = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/zelbench-runtime-XXXXXX");
}

// A first start each time: no lock of an earlier run, no stored reminder date, no caches.
QProcessEnvironment freshEnvironment(const QString &home, const QString &runtime)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QDir(home).mkpath(QStringLiteral("config"));
    QDir(home).mkpath(QStringLiteral("cache"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    return environment;
}

void readStamp(ChildRun &run, const QList<QByteArray> &fields, qint64 launchedNs)
{
    const double ms = double(fields.value(2).toLongLong() - launchedNs) / 1e6;
    const QByteArray label = fields.value(1);
    if (label == "main")
        run.mainMs = ms;
    else if (label == "application")
        run.applicationMs = ms;
    else if (label == "shown")
        run.shownMs = ms;
    else if (label == "painted")
        run.paintedMs = ms;
}

void readLine(ChildRun &run, const QList<QByteArray> &fields, qint64 launchedNs)
{
    const QByteArray &kind = fields.first();
    if (kind == "stamp") {
        readStamp(run, fields, launchedNs);
    } else if (kind == "cpu") {
        run.cpuMs = double(fields.value(1).toLongLong()) / 1e6;
    } else if (kind == "window") {
        const QList<QByteArray> size = fields.value(1).split('x');
        run.window = QSize(size.value(0).toInt(), size.value(1).toInt());
    } else if (kind == "memory") {
        run.peakKb = fields.value(1).toLongLong();
        run.rssAnonKb = fields.value(2).toLongLong();
        run.rssFileKb = fields.value(3).toLongLong();
    }
}

void readReport(ChildRun &run, const QByteArray &output, qint64 launchedNs)
{
    for (const QByteArray &line : output.split('\n'))
        readLine(run, line.split(' '), launchedNs);
    run.ok = run.paintedMs > 0 && run.peakKb > 0;
}

ChildRun launch(const QString &program, const QStringList &arguments)
{
    ChildRun run;
    const QTemporaryDir home;
    const QTemporaryDir runtime(runtimeTemplate());
    QProcess child;
    child.setProcessEnvironment(freshEnvironment(home.path(), runtime.path()));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 launchedNs = ChildReport::monotonicNs();
    child.start(program, arguments);
    if (!child.waitForFinished(childTimeoutMs) || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        run.failure = child.errorString();
        return run;
    }
    readReport(run, child.readAllStandardOutput(), launchedNs);
    return run;
}

enum class Child { Program, Before, Bare, BareWithText, SameWindow };

// The unrecorded first start fills the page cache and tells the size the floors must take.
class Launcher
{
public:
    explicit Launcher(const QString &beforeProbe)
        : probe(benchProgram("zel_startupprobe"))
        , beforeProbe(beforeProbe)
        , bare(benchProgram("zel_barewindow"))
        , sameWindow(benchProgram("zel_samewindow"))
        , window(launch(probe, {}).window)
    {
        for (const Child child : children())
            if (child != Child::Program)
                start(child);
    }

    QList<Child> children() const
    {
        QList<Child> all = {Child::Program, Child::Bare, Child::BareWithText, Child::SameWindow};
        if (!beforeProbe.isEmpty())
            all.insert(1, Child::Before);
        return all;
    }

    ChildRun start(Child child) const
    {
        const QString size = QStringLiteral("%1x%2").arg(window.width()).arg(window.height());
        switch (child) {
        case Child::Program:
            return launch(probe, {});
        case Child::Before:
            return launch(beforeProbe, {});
        case Child::Bare:
            return launch(bare, {size});
        case Child::BareWithText:
            return launch(bare, {size, QStringLiteral("text")});
        case Child::SameWindow:
            return launch(sameWindow, {size});
        }
        return {};
    }

private:
    QString probe;
    QString beforeProbe;
    QString bare;
    QString sameWindow;
    QSize window;
};

QList<ChildRun> &runsOf(StartupRuns &result, Child child)
{
    switch (child) {
    case Child::Program:
        break;
    case Child::Before:
        return result.before;
    case Child::Bare:
        return result.bare;
    case Child::BareWithText:
        return result.bareText;
    case Child::SameWindow:
        return result.sameWindow;
    }
    return result.program;
}

} // namespace

StartupRuns runStartupBench(int runs, const QString &beforeProbe)
{
    const Launcher launcher(beforeProbe);
    const QList<Child> children = launcher.children();
    StartupRuns result;
    // The order turns every round, so that no program always follows the same other one.
    for (int round = 0; round < runs; ++round) {
        for (qsizetype i = 0; i < children.size(); ++i) {
            const Child child = children.at((round + i) % children.size());
            runsOf(result, child).append(launcher.start(child));
        }
    }
    return result;
}
