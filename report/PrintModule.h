#pragma once

#include <QCoreApplication>
#include <QStringList>

class PrintSystem;

// The module that holds the real print system. Only it links Qt's print support, so that the
// program maps that library when it first prints instead of at every start.
class PrintModule
{
    Q_DECLARE_TR_FUNCTIONS(PrintModule)

public:
    // The module is looked for in these folders, in this order.
    explicit PrintModule(QStringList folders);

    // Where a program started from programFolder looks: beside itself, as it is built, then
    // where it is installed.
    static QStringList foldersFor(const QString &programFolder);

    // The module's print system, loaded on the first call and kept for the rest of the run;
    // nullptr, with the reason in whyUnavailable, while the module cannot be loaded.
    PrintSystem *printSystem(QString *whyUnavailable);

private:
    QString locate() const;

    QStringList folders;
    PrintSystem *loaded = nullptr;
};

// The module the program prints through: the one found from the program's own folder unless a
// test installed another.
PrintModule &printModule();
// Installs a replacement (nullptr restores the program's) and returns the one it replaced; the
// caller keeps ownership.
PrintModule *setPrintModule(PrintModule *replacement);
