#pragma once

#include <QString>

#include <memory>

class QPrinter;

// The print system as the report window reaches it: the default printer's name and a printer
// ready to print on. The real one asks Qt's print support; tests install a scripted one.
class PrintSystem
{
public:
    virtual ~PrintSystem() = default;

    // The empty text when no default printer is set up.
    virtual QString defaultPrinterName() = 0;
    // The named printer, ready to print on; nullptr when there is no such printer.
    virtual std::unique_ptr<QPrinter> openPrinter(const QString &name) = 0;
};

// The print system in use: the real one unless a test installed another.
PrintSystem &printSystem();
// Installs a replacement (nullptr restores the real one) and returns the one it replaced; the
// caller keeps ownership.
PrintSystem *setPrintSystem(PrintSystem *replacement);
