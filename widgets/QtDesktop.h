#pragma once

#include "base/Desktop.h"

#include <random>

// The desktop as Qt reaches it.
class QtDesktop : public Desktop
{
public:
    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
    QDate today() override;
    void seedRandomFromClock() override;
    double nextRandom() override;
    bool ownsClipboard(QClipboard::Mode mode) override;

private:
    std::mt19937 generator;
};
