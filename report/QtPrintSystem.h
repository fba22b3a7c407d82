#pragma once

#include "report/PrintSystem.h"

// The print system as Qt's print support reaches it (CUPS on Linux).
class QtPrintSystem : public PrintSystem
{
public:
    QString defaultPrinterName() override;
    std::unique_ptr<QPrinter> openPrinter(const QString &name) override;
};
