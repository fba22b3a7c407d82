#include "web/modHelpPages.h"

#include "app/Desktop.h"

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
    return QStringLiteral(ZEL_SITE_ADDRESS);
}

QString pageUrl(Page page)
{
    return siteAddress() + pagePath(page);
}

void OpenWebPage(const QString &url)
{
    // The URL arrives fully formed (its query, if any, already percent-encoded).
    desktop().openUrl(QUrl(url, QUrl::StrictMode));
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
