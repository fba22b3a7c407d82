#include "report/PrintJob.h"

#include <QPrinter>
#include <QTextDocument>

PrintOutcome PrintJob::print(QPrinter &printer, const QTextDocument &document,
                             const QString &jobName)
{
    // A print queue, or a printer that writes files, shows the job by this name.
    printer.setDocName(jobName);
    if (!printer.isValid())
        return PrintOutcome::PrinterUnavailable;
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? PrintOutcome::Failed : PrintOutcome::Printed;
}
