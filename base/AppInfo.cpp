#include "base/AppInfo.h"

#include "BuildConfig.h"

#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

namespace AppInfo {

QString applicationTitle()
{
    // A name, not a sentence: the same in every language.
    return QString::fromUtf8(BuildConfig::displayName);
}

QString windowCaption()
{
    return applicationTitle() + QStringLiteral(" v") + version();
}

QString executableName()
{
    return QString::fromLatin1(BuildConfig::executableName);
}

QString version()
{
    return QString::fromLatin1(BuildConfig::version);
}

QString desktopFileName()
{
    return QString::fromLatin1(BuildConfig::desktopFileName);
}

QString organizationDomain()
{
    QStringList parts = desktopFileName().split(QLatin1Char('.'));
    parts.removeLast();
    std::reverse(parts.begin(), parts.end());
    return parts.join(QLatin1Char('.'));
}

QString description()
{
    return QCoreApplication::translate("AppInfo", BuildConfig::description);
}

QString maker()
{
    return QString::fromUtf8(BuildConfig::maker);
}

QString versionText()
{
    return applicationTitle() + QLatin1Char(' ') + version();
}

void setApplicationMetadata()
{
    // X11 takes the window class from the application name and Wayland the app id from the
    // desktop file name: both then name the menu entry.
    QCoreApplication::setApplicationName(desktopFileName());
    QCoreApplication::setOrganizationDomain(organizationDomain());
    QCoreApplication::setApplicationVersion(version());
    QGuiApplication::setDesktopFileName(desktopFileName());
}

} // namespace AppInfo
