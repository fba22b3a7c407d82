#include "bench/StartupBench.h"

#include "bench/ChildReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr int childTimeoutMs = 30000;

QString benchProgram(const char *name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
}

// A first start each time: no lock of an earlier run, no stored reminder date, no caches.
QProcessEnvironment freshEnvironment(const QString &root)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *folder : {"config", "cache", "runtime"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    environment.insert(QStringLiteral("HOME"), root);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

void readReport(ChildRun &run, const QByteArray &output, qint64 launchedNs)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.first() == "stamp") {
            readStamp(run, fields, launchedNs);
        } else if (fields.first() == "window") {
            const QList<QByteArray> size = fields.value(1).split('x');
            run.window = QSize(size.value(0).toInt(), size.value(1).toInt());
        } else if (fields.first() == "memory") {
            run.peakKb = fields.value(1).toLongLong();
            run.rssAnonKb = fields.value(2).toLongLong();
            run.rssFileKb = fields.value(3).toLongLong();
        }
    }
    run.ok = run.paintedMs > 0 && run.peakKb > 0;
}

ChildRun launch(const QString &program, const QStringList &arguments)
{
    ChildRun run;
    QTemporaryDir root;
    QProcess child;
    child.setProcessEnvironment(freshEnvironment(root.path()));
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

QStringList bareArguments(const QSize &window)
{
    return {QStringLiteral("%1x%2").arg(window.width()).arg(window.height())};
}

} // namespace

StartupRuns runStartupBench(int runs)
{
    const QString probe = benchProgram("zel_startupprobe");
    const QString bare = benchProgram("zel_barewindow");
    // The unrecorded start fills the page cache and tells the size the bare window must take.
    const QSize window = launch(probe, {}).window;
    launch(bare, bareArguments(window));
    StartupRuns result;
    for (int i = 0; i < runs; ++i) {
        // Alternating, with the order swapped every other round, so that neither program
        // always follows the other.
        if (i % 2 == 0)
            result.program << launch(probe, {});
        result.bare << launch(bare, bareArguments(window));
        if (i % 2 == 1)
            result.program << launch(probe, {});
    }
    return result;
}
