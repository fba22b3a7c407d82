#include "web/modHelpPages.h"

#include "BuildConfig.h"
#include "base/Desktop.h"

#include <QUrl>

namespace modHelp {

namespace {

QString pagePath(Page page)
{
    switch (page) {
    case Page::Home:
        return {};
    case Page::OnlineHelp:
        return QStringLiteral("/zel-free-mayan-animal-sign/zel-free-mayan-animal-sign-help.html");
    case Page::Download:
        return QStringLiteral(
                "/zel-free-mayan-animal-sign/download-zel-free-mayan-animal-sign.html");
    case Page::Donate:
        return QStringLiteral("/donate.html");
    case Page::FullyBranded:
        return QStringLiteral("/fully-branded.html");
    case Page::CoBrand:
        return QStringLiteral("/co-brand.html");
    case Page::SoftwareCatalog:
        return QStringLiteral("/velmorasoftwares");
    }
    return {};
}

} // namespace

QString siteAddress()
{
    return QString::fromLatin1(BuildConfig::siteAddress);
}

QUrl pageUrl(Page page)
{
    return QUrl(siteAddress() + pagePath(page), QUrl::StrictMode);
}

void OpenWebPage(const QUrl &url)
{
    desktop().openUrl(url);
}

void OpenHomePage()
{
    OpenWebPage(pageUrl(Page::Home));
}

void OpenOnlineHelp()
{
    OpenWebPage(pageUrl(Page::OnlineHelp));
}

void OpenDownloadPage()
{
    OpenWebPage(pageUrl(Page::Download));
}

void OpenDonatePage()
{
    OpenWebPage(pageUrl(Page::Donate));
}

void OpenFullyBrandedPage()
{
    OpenWebPage(pageUrl(Page::FullyBranded));
}

void OpenCoBrandPage()
{
    OpenWebPage(pageUrl(Page::CoBrand));
}

void OpenSoftwareCatalogPage()
{
    OpenWebPage(pageUrl(Page::SoftwareCatalog));
}

} // namespace modHelp
