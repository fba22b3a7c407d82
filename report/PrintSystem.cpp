#include "report/PrintSystem.h"

#include "report/QtPrintSystem.h"

#include <utility>

namespace {
PrintSystem *installedPrintSystem = nullptr;
}

PrintSystem &printSystem()
{
    static QtPrintSystem realPrintSystem;
    return installedPrintSystem ? *installedPrintSystem : realPrintSystem;
}

PrintSystem *setPrintSystem(PrintSystem *replacement)
{
    return std::exchange(installedPrintSystem, replacement);
}
