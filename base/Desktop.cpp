#include "base/Desktop.h"

#include "base/AppInfo.h"

#include <QtGlobal>

#include <utility>

namespace {
Desktop *installedDesktop = nullptr;
}

void Desktop::showNotice(const QString &text, MessageIcon icon)
{
    showMessage({text, AppInfo::applicationTitle(), icon, MessageButton::Ok, MessageButton::Ok});
}

void Desktop::showError(const QString &text)
{
    showNotice(text, MessageIcon::Critical);
}

void Desktop::askMessage(const MessageRequest &request,
                         const std::function<void(MessageButton)> &answered)
{
    answered(showMessage(request));
}

void Desktop::askOpenFile(QWidget *parent, const FileRequest &request,
                          const std::function<void(const QString &)> &chosen)
{
    chosen(askOpenPath(parent, request));
}

void Desktop::askSaveFile(QWidget *parent, const FileRequest &request,
                          const std::function<void(const QString &)> &chosen)
{
    chosen(askSavePath(parent, request));
}

Desktop &desktop()
{
    if (!installedDesktop)
        qFatal("No desktop is installed: main() installs the real one, a test its own");
    return *installedDesktop;
}

Desktop *setDesktop(Desktop *replacement)
{
    return std::exchange(installedDesktop, replacement);
}
