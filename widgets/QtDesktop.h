#pragma once

#include "base/Desktop.h"

#include <random>

class QMessageBox;

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

    // A message box with the request's icon, title, text and buttons.
    static void prepare(QMessageBox &box, const MessageRequest &request);
    // The first suffix a file type names: "pdf" for "PDF document (*.pdf)".
    static QString suffixOf(const QString &fileType);

private:
    std::mt19937 generator;
};
