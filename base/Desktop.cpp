#include "base/Desktop.h"

#include "base/AppInfo.h"
#include "base/QtDesktop.h"

namespace {
Desktop *installedDesktop = nullptr;
}

void Desktop::showError(const QString &text)
{
    showMessage({text, AppInfo::applicationTitle(), MessageIcon::Critical, MessageButton::Ok,
                 MessageButton::Ok});
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
