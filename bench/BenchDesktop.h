#pragma once

#include "base/Desktop.h"

// A desktop that never opens a dialog or a browser, so that timed steps never wait on a person.
// Installed for the lifetime of the object.
class BenchDesktop : public Desktop
{
public:
    BenchDesktop();
    ~BenchDesktop() override;

    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double nextRandom() override;
    bool ownsClipboard(QClipboard::Mode mode) override;

    // A message during a timed step means the step did not run as intended.
    int messageCount = 0;
};
