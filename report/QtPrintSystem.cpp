#include "report/QtPrintSystem.h"

#include "report/PrintJob.h"

#include <QPrinter>
#include <QPrinterInfo>

QString QtPrintSystem::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

PrintOutcome QtPrintSystem::print(const QTextDocument &document, const QString &printerName,
                                  const QString &jobName)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrintOutcome::PrinterUnavailable;
    QPrinter printer(info);
    return PrintJob::print(printer, document, jobName);
}
