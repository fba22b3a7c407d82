#pragma once

#include "web/SitePages.h"

#include <QObject>
#include <QString>

class QAction;
class LinkLabel;

// The menu items and link labels that every working window carries, wired to their pages.
namespace PageLinks {

// Opens the page whenever the sender's signal fires.
template<typename Sender, typename Signal>
void connectPage(Sender *sender, Signal signal, SitePages::Page page)
{
    QObject::connect(sender, signal, sender, [page] { SitePages::open(page); });
}

// Help > Online Help, Help > Visit Us Online, Help > Check for Software Update, and the Donate
// and Make Money Online commands of the menu bar.
void connectMenu(QAction *mnuOnline, QAction *mnuVisit, QAction *mnuUpdate, QAction *mnuDonate,
                 QAction *mnuMakeMoney);
// The caption of the site link at the top of the windows; ends with the site address and " Now".
QString siteSlogan();
// The site label and the two offers of the promotional strip, the upper offer shown.
void connectPromotions(LinkLabel *label61, LinkLabel *lblCobrand, LinkLabel *lblFullBrand);
// Puts one offer above the other. The lower one, which no one can see, is hidden as well, so that
// neither Tab nor a screen reader finds it.
void showOffer(LinkLabel *upper, LinkLabel *lower);

} // namespace PageLinks
