#pragma once

#include "base/Desktop.h"
#include "report/PrintSystem.h"

#include <QList>
#include <QUrl>

#include <functional>

// A desktop, print system included, whose answers a test scripts and whose requests it records.
// Installed for the lifetime of the object; the desktop it replaced comes back when it goes.
class ScriptedDesktop : public Desktop, public PrintSystem
{
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double nextRandom() override;
    bool ownsClipboard(QClipboard::Mode mode) override;
    QString defaultPrinterName() override;
    PrintOutcome print(const QTextDocument &document, const QString &printerName,
                       const QString &jobName) override;

    // Recorded requests.
    QList<MessageRequest> messages;
    QList<FileRequest> fileRequests;
    QList<QUrl> openedUrls;
    int seedCount = 0;
    // Called when a message is shown (for instance to look at the focus while it is up).
    std::function<void(const MessageRequest &)> onMessage;

    // Puts text on the clipboard the way another program would: this program does not own it.
    static void copyAsAnotherProgram(const QString &text);

    // Scripted answers.
    MessageButton messageAnswer = MessageButton::Ok;
    QString pathAnswer;
    QDate todayAnswer = QDate(2026, 12, 7);
    QList<double> randomAnswers;
    // No default printer while empty; otherwise a printer of this name that writes the job as a
    // PDF file to printerOutput (a path that cannot be written makes a printer that fails).
    QString printerName;
    QString printerOutput;

private:
    Desktop *replaced;
    PrintSystem *replacedPrintSystem;
};
