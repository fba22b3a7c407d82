#pragma once

#include <QString>

class QTextDocument;

// What became of a print job.
enum class PrintOutcome {
    Printed,
    // No printer of that name, or one that cannot take a job.
    PrinterUnavailable,
    // The printer took the job and failed on it.
    Failed,
};

// The print system as the report window reaches it: the default printer's name, and a document
// printed on a named printer. The real one is Qt's print support; tests install a scripted one.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;

    // The empty text when no default printer is set up.
    virtual QString defaultPrinterName() = 0;
    // The whole document on the named printer, as one job that a print queue lists as jobName.
    virtual PrintOutcome print(const QTextDocument &document, const QString &printerName,
                               const QString &jobName)
            = 0;
};

// The print system in use: main() installs Qt's, a test its own. Stops the program when none is.
PrintSystem &printSystem();
PrintSystem *setPrintSystem(PrintSystem *replacement);
