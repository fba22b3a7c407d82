#pragma once

#include "widgets/QtDesktop.h"

// The desktop of a web page, which cannot wait inside a call for a dialog: the waiting requests
// answer at once (a notice with its OK, a file request as cancelled) and the asking ones leave
// their dialog open and answer through the callback. A file chosen to open is handed over only
// while the opener still stands; Save asks for the type alone and the saved file becomes a
// download of the suggested name.
class WebDesktop : public QtDesktop
{
public:
    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    void askMessage(const MessageRequest &request,
                    const std::function<void(MessageButton)> &answered) override;
    void askOpenFile(QWidget *parent, const FileRequest &request,
                     const std::function<void(const QString &)> &chosen) override;
    void askSaveFile(QWidget *parent, const FileRequest &request,
                     const std::function<void(const QString &)> &chosen) override;
};
