#include "widgets/PageLinks.h"

#include "web/SitePages.h"
#include "widgets/LinkLabel.h"
#include "widgets/WindowLook.h"

#include <QAction>
#include <QCoreApplication>

namespace PageLinks {

using SitePages::Page;

void connectMenu(QAction *mnuOnline, QAction *mnuVisit, QAction *mnuUpdate, QAction *mnuDonate,
                 QAction *mnuMakeMoney)
{
    connectPage(mnuOnline, &QAction::triggered, Page::OnlineHelp);
    connectPage(mnuVisit, &QAction::triggered, Page::Home);
    // Checking for an update is the download page; the reminder's stored date stays as it is.
    connectPage(mnuUpdate, &QAction::triggered, Page::Download);
    connectPage(mnuDonate, &QAction::triggered, Page::Donate);
    connectPage(mnuMakeMoney, &QAction::triggered, Page::FullyBranded);
}

QString siteSlogan()
{
    //: The link at the top of the main, result and report windows, in a fixed box of two lines;
    //: %1 is the site's address.
    return QCoreApplication::translate("PageLinks",
                                       "The most popular occult discussion board online. Your "
                                       "best astrology resource! Visit %1 Now")
            .arg(SitePages::siteAddress());
}

void connectPromotions(LinkLabel *label61, LinkLabel *lblCobrand, LinkLabel *lblFullBrand)
{
    WindowLook::setCaptionKeepingAddress(label61, siteSlogan(), SitePages::siteAddress());
    connectPage(label61, &LinkLabel::clicked, Page::Home);
    connectPage(lblCobrand, &LinkLabel::clicked, Page::CoBrand);
    connectPage(lblFullBrand, &LinkLabel::clicked, Page::FullyBranded);
    // The form's stacking: the control made later lies above.
    const QObjectList &strip = lblCobrand->parent()->children();
    if (strip.indexOf(lblCobrand) > strip.indexOf(lblFullBrand))
        showOffer(lblCobrand, lblFullBrand);
    else
        showOffer(lblFullBrand, lblCobrand);
}

void showOffer(LinkLabel *upper, LinkLabel *lower)
{
    upper->raise();
    upper->show();
    lower->hide();
}

} // namespace PageLinks
