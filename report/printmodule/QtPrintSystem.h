#pragma once

#include "report/PrintSystem.h"

// The print system as Qt's print support reaches it (CUPS on Linux): the root object of the
// print module.
class QtPrintSystem : public QObject, public PrintSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZelPrintSystem_iid)
    Q_INTERFACES(PrintSystem)

public:
    QString defaultPrinterName() override;
    PrintOutcome print(const QTextDocument &document, const QString &printerName,
                       const QString &jobName) override;
};
