#include "app/Desktop.h"

#include "app/AppInfo.h"
#include "app/QtDesktop.h"

namespace {
Desktop *installedDesktop = nullptr;
}

void Desktop::showError(const QString &text)
{
    showMessage({text, QString::fromLatin1(AppInfo::applicationTitle), QMessageBox::Critical,
                 QMessageBox::Ok, QMessageBox::Ok});
}

Desktop &desktop()
{
    static QtDesktop realDesktop;
    return installedDesktop ? *installedDesktop : realDesktop;
}

void setDesktop(Desktop *replacement)
{
    installedDesktop = replacement;
}
