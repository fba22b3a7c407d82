#pragma once

#include "base/QtDesktop.h"

// The desktop every test program starts with: a message box, a file dialog or a web page that the
// test did not script fails the running test with what was asked, instead of reaching the real
// desktop (a box would wait for a click that never comes; a page would start a browser). The
// calendar and the random numbers stay real.
class LoudDesktop : public QtDesktop
{
public:
    MessageButton showMessage(const MessageRequest &request) override;
    QString askOpenPath(QWidget *parent, const FileRequest &request) override;
    QString askSavePath(QWidget *parent, const FileRequest &request) override;
    bool openUrl(const QUrl &url) override;
};
