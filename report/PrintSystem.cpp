#include "report/PrintSystem.h"

#include "report/QtPrintSystem.h"

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
    PrintSystem *previous = installedPrintSystem;
    installedPrintSystem = replacement;
    return previous;
}
