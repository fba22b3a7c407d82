#include "base/AppInfo.h"

#include "BuildConfig.h"

namespace AppInfo {

QString applicationTitle()
{
    // A name, not a sentence: the same in every language.
    return QStringLiteral("Zel Mayan Animal Sign");
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

} // namespace AppInfo
