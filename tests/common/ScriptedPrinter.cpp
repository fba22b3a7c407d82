#include "tests/common/ScriptedPrinter.h"

#include "report/PrintJob.h"

#include <QCoreApplication>
#include <QPrinter>

ScriptedPrinter::ScriptedPrinter()
    : replaced(setPrintSystem(this))
{ }

ScriptedPrinter::~ScriptedPrinter()
{
    setPrintSystem(replaced);
}

QString ScriptedPrinter::defaultPrinterName()
{
    return printerName;
}

PrintOutcome ScriptedPrinter::print(const QTextDocument &document, const QString &name,
                                    const QString &jobName)
{
    if (name.isEmpty() || name != printerName)
        return PrintOutcome::PrinterUnavailable;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerOutput);
    return PrintJob::print(printer, document, jobName);
}

namespace {

// Every process that can print starts without a printer: a print job a test did not script
// never reaches a real one, and the "no printer" box it brings fails the test instead.
void installNoPrinter()
{
    static ScriptedPrinter noPrinter;
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installNoPrinter)
