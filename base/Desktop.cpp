#include "base/Desktop.h"

#include "base/AppInfo.h"
#include "base/QtDesktop.h"

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

Desktop &desktop()
{
    static QtDesktop realDesktop;
    return installedDesktop ? *installedDesktop : realDesktop;
}

Desktop *setDesktop(Desktop *replacement)
{
    return std::exchange(installedDesktop, replacement);
}
