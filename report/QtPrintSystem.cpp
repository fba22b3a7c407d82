#include "report/QtPrintSystem.h"

#include <QPrinter>
#include <QPrinterInfo>

QString QtPrintSystem::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> QtPrintSystem::openPrinter(const QString &name)
{
    const QPrinterInfo printer = QPrinterInfo::printerInfo(name);
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer);
}
