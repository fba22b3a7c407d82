#pragma once

#include "app/Desktop.h"

#include <QList>
#include <QUrl>

#include <functional>

// A desktop whose answers a test scripts and whose requests it records. Installed for the
// lifetime of the object; the desktop it replaced comes back when it goes.
class ScriptedDesktop : public Desktop
{
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    QMessageBox::StandardButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double nextRandom() override;

    // Recorded requests.
    QList<MessageRequest> messages;
    QList<FileRequest> fileRequests;
    QList<QUrl> openedUrls;
    int seedCount = 0;
    // Called when a message is shown (for instance to look at the focus while it is up).
    std::function<void(const MessageRequest &)> onMessage;

    // Scripted answers.
    QMessageBox::StandardButton messageAnswer = QMessageBox::Ok;
    QString pathAnswer;
    QDate todayAnswer = QDate(2026, 12, 7);
    QList<double> randomAnswers;

private:
    Desktop *replaced;
};
