// Started by the single-instance tests as another running copy of the program: takes the program's
// lock in the runtime folder it inherits, says so, and holds it until it is killed.

#include "base/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SingleInstance instance;
    if (!instance.acquire())
        return 2;
    std::fputs("holding\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
