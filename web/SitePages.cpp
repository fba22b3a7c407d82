#include "web/SitePages.h"

#include "BuildConfig.h"
#include "base/Desktop.h"

#include <QUrl>

namespace SitePages {

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

void openUrl(const QUrl &url)
{
    desktop().openUrl(url);
}

void open(Page page)
{
    openUrl(pageUrl(page));
}

} // namespace SitePages
