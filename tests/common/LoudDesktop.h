#pragma once

#include "base/QtDesktop.h"
#include "report/PrintSystem.h"

// The desktop every test program starts with: a message box, a file dialog, a web page or a print
// job that the test did not script fails the running test with what was asked, instead of
// reaching the real desktop (a box would wait for a click that never comes; a page would start a
// browser; a job would reach a real printer). The calendar, the random numbers and the clipboard
// stay real.
class LoudDesktop : public QtDesktop, public PrintSystem
{
public:
    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QString defaultPrinterName() override;
    PrintOutcome print(const QTextDocument &document, const QString &printerName,
                       const QString &jobName) override;
};
