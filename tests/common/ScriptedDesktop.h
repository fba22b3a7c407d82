#pragma once

#include "base/Desktop.h"

#include <QList>
#include <QUrl>

#include <functional>

// A desktop whose answers a test scripts and whose requests it records, installed for the
// lifetime of the object; the desktop it replaced comes back when it goes. Every test process
// starts with a strict one: a message box, a file dialog or a web page that the test did not
// script fails the running test with what was asked, instead of waiting for a click that never
// comes or starting a browser.
class ScriptedDesktop : public Desktop
{
public:
    enum class Unscripted { Answer, Fail };

    explicit ScriptedDesktop(Unscripted unscripted = Unscripted::Answer);
    ~ScriptedDesktop() override;

    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double nextRandom() override;
    bool ownsClipboard(QClipboard::Mode mode) override;

    // Puts text on the clipboard the way another program would: this program does not own it.
    static void copyAsAnotherProgram(const QString &text);

    // Recorded requests.
    QList<MessageRequest> messages;
    QList<FileRequest> fileRequests;
    QList<QUrl> openedUrls;
    int seedCount = 0;
    // Called when a message is shown (for instance to look at the focus while it is up).
    std::function<void(const MessageRequest &)> onMessage;

    // Scripted answers.
    MessageButton messageAnswer = MessageButton::Ok;
    QString pathAnswer;
    QDate todayAnswer = QDate(2026, 12, 7);
    QList<double> randomAnswers;

private:
    bool refuse(const QString &what) const;

    const Unscripted unscripted;
    Desktop *const replaced;
};
