#pragma once

#include <QtGlobal>

class QWidget;

// What a launched start-up child tells the benchmark on its standard output, one line per fact.
// Times are CLOCK_MONOTONIC nanoseconds, so the launcher can subtract its own launch time.
namespace ChildReport {

qint64 monotonicNs();
// "stamp <label> <ns>"
void printStamp(const char *label);
// "window <width>x<height>"
void printWindowSize(int width, int height);
// "cpu <ns>": processor time of the whole process so far, which a busy machine disturbs less
// than the wall clock.
void printCpuTime();
// "memory <VmHWM kB> <RssAnon kB> <RssFile kB>", read from /proc/self/status.
void printMemory();
// All of the above for a window just painted, then the event loop ends.
void reportPaintedAndExit(const QWidget &window);

} // namespace ChildReport
