#include "widgets/PageLinks.h"

#include "web/modHelpPages.h"
#include "widgets/LinkLabel.h"
#include "widgets/WindowLook.h"

#include <QAction>
#include <QCoreApplication>

namespace PageLinks {

void connectMenu(QAction *mnuOnline, QAction *mnuVisit, QAction *mnuUpdate, QAction *mnuDonate,
                 QAction *mnuMakeMoney)
{
    QObject::connect(mnuOnline, &QAction::triggered, &modHelp::OpenOnlineHelp);
    QObject::connect(mnuVisit, &QAction::triggered, &modHelp::OpenHomePage);
    // Checking for an update is the download page; the reminder's stored date stays as it is.
    QObject::connect(mnuUpdate, &QAction::triggered, &modHelp::OpenDownloadPage);
    QObject::connect(mnuDonate, &QAction::triggered, &modHelp::OpenDonatePage);
    QObject::connect(mnuMakeMoney, &QAction::triggered, &modHelp::OpenFullyBrandedPage);
}

QString siteSlogan()
{
    //: The link at the top of the main, result and report windows, in a fixed box of two lines;
    //: %1 is the site's address.
    return QCoreApplication::translate("PageLinks",
                                       "The most popular occult discussion board online. Your "
                                       "best astrology resource! Visit %1 Now")
            .arg(modHelp::siteAddress());
}

void connectPromotions(LinkLabel *label61, LinkLabel *lblCobrand, LinkLabel *lblFullBrand)
{
    WindowLook::setCaptionKeepingAddress(label61, siteSlogan(), modHelp::siteAddress());
    QObject::connect(label61, &LinkLabel::clicked, &modHelp::OpenHomePage);
    QObject::connect(lblCobrand, &LinkLabel::clicked, &modHelp::OpenCoBrandPage);
    QObject::connect(lblFullBrand, &LinkLabel::clicked, &modHelp::OpenFullyBrandedPage);
}

} // namespace PageLinks
