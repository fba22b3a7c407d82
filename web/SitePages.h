#pragma once

#include <QString>
#include <QUrl>

// The maker's web pages, each opened in the default browser through the one launcher.
namespace SitePages {

enum class Page { Home, OnlineHelp, Download, Donate, FullyBranded, CoBrand, SoftwareCatalog };

// The site address chosen at build time: http scheme and host, no path, no trailing slash.
QString siteAddress();
// The fixed URL of a page: the site address followed by the page's path.
QUrl pageUrl(Page page);

// Hands the URL to the desktop's browser; a page that fails to open is not reported.
void openUrl(const QUrl &url);
void open(Page page);

} // namespace SitePages
