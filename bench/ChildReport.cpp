#include "bench/ChildReport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace ChildReport {

namespace {

qint64 statusField(const QList<QByteArray> &lines, const QByteArray &name)
{
    for (const QByteArray &line : lines) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void printStamp(const char *label)
{
    // The launcher reads the pipe only after the child ends, so buffering costs nothing here.
    std::printf("stamp %s %lld\n", label, static_cast<long long>(monotonicNs()));
}

void printCpuTime()
{
    timespec used {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    std::printf("cpu %lld\n", static_cast<long long>(used.tv_sec) * 1000000000 + used.tv_nsec);
}

void printWindowSize(int width, int height)
{
    std::printf("window %dx%d\n", width, height);
}

void printMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = status.readAll().split('\n');
    std::printf("memory %lld %lld %lld\n", statusField(lines, "VmHWM"),
                statusField(lines, "RssAnon"), statusField(lines, "RssFile"));
}

void reportPaintedAndExit(const QWidget &window)
{
    printStamp("painted");
    printCpuTime();
    printWindowSize(window.width(), window.height());
    printMemory();
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace ChildReport
