#pragma once

#include "report/PrintSystem.h"

// A print system whose one printer writes each job as a PDF file, installed for the lifetime of
// the object; the print system it replaced comes back when it goes.
class ScriptedPrinter : public PrintSystem
{
public:
    ScriptedPrinter();
    ~ScriptedPrinter() override;

    QString defaultPrinterName() override;
    PrintOutcome print(const QTextDocument &document, const QString &printerName,
                       const QString &jobName) override;

    // No default printer while empty; otherwise a printer of this name that writes the job as a
    // PDF file to printerOutput (a path that cannot be written makes a printer that fails).
    QString printerName;
    QString printerOutput;

private:
    PrintSystem *const replaced;
};
