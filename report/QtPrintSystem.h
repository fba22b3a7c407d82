#pragma once

#include "report/PrintSystem.h"

// The print system as Qt's print support reaches it (CUPS on Linux).
class QtPrintSystem : public PrintSystem
{
public:
    QString defaultPrinterName() override;
    PrintOutcome print(const QTextDocument &document, const QString &printerName,
                       const QString &jobName) override;
};
