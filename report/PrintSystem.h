#pragma once

#include <QObject>
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
// printed on a named printer. The real one lives in the print module (report/printmodule), which
// alone links Qt's print support; tests install a scripted one.
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

// The module's answer to the program asking for its print system. Changing the interface above
// changes this name, so that a module left from another version is refused, not called.
#define ZelPrintSystem_iid "example.velmora.ZelMayanAnimalSign.PrintSystem/1"
Q_DECLARE_INTERFACE(PrintSystem, ZelPrintSystem_iid)

// The print system in use: one a test installed, or else the print module's, loaded on the first
// call and kept for the rest of the run. nullptr, with the reason in whyUnavailable, when the
// module cannot be loaded.
PrintSystem *printSystem(QString *whyUnavailable);
// Installs a replacement (nullptr restores the module's) and returns the one it replaced; the
// caller keeps ownership.
PrintSystem *setPrintSystem(PrintSystem *replacement);
