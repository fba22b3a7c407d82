#include "report/PrintSystem.h"

#include "report/PrintModule.h"

#include <utility>

namespace {
PrintSystem *installedPrintSystem = nullptr;
}

PrintSystem *printSystem(QString *whyUnavailable)
{
    if (installedPrintSystem)
        return installedPrintSystem;
    return printModule().printSystem(whyUnavailable);
}

PrintSystem *setPrintSystem(PrintSystem *replacement)
{
    return std::exchange(installedPrintSystem, replacement);
}
