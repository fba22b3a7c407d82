#include "report/PrintSystem.h"

#include <QtGlobal>

#include <utility>

namespace {
PrintSystem *installedPrintSystem = nullptr;
}

PrintSystem &printSystem()
{
    if (!installedPrintSystem)
        qFatal("No print system is installed: main() installs the real one, a test its own");
    return *installedPrintSystem;
}

PrintSystem *setPrintSystem(PrintSystem *replacement)
{
    return std::exchange(installedPrintSystem, replacement);
}
