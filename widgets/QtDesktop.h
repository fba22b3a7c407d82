#pragma once

#include "base/Desktop.h"

#include <random>

// The desktop as Qt reaches it, on a computer or in a web page.
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

#ifdef Q_OS_WASM
    // A web page cannot wait for a dialog: there the requests above answer at once (a notice with
    // its OK, a file request as cancelled) and these ask. A file chosen to open is handed over
    // only while the opener still stands; Save asks for the type alone and the saved file becomes
    // a download of the suggested name.
    void askMessage(const MessageRequest &request,
                    const std::function<void(MessageButton)> &answered) override;
    void askOpenFile(QWidget *parent, const FileRequest &request,
                     const std::function<void(const QString &)> &chosen) override;
    void askSaveFile(QWidget *parent, const FileRequest &request,
                     const std::function<void(const QString &)> &chosen) override;
#endif

private:
    std::mt19937 generator;
};
