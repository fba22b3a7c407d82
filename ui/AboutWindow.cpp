#include "ui/AboutWindow.h"
#include "ui_AboutWindow.h"

#include "ui/ProgramTexts.h"
#include "web/SitePages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/KeyboardAccess.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

namespace {
constexpr QSize clientSize(468, 195);
constexpr QSize iconSize(32, 32);

void applyFontsAndColours(const Ui::AboutWindow &ui)
{
    using FontTable::Text;
    FontTable::apply(Text::Heading, {ui.Label2});
    FontTable::apply(Text::Body, {ui.Label1, ui.cmdOK});
    FontTable::apply(Text::Link, {ui.lblHomePage, ui.lblCoBrand});
    FontTable::apply(Text::BoldBody, {ui.Label3});
    ColourTable::keepSystemColours({ui.cmdOK});
    ColourTable::setTextColour(ColourTable::orange, {ui.Label2, ui.Label3});
    ColourTable::setTextColour(ColourTable::yellow, {ui.Label1});
    ColourTable::setTextColour(ColourTable::white, {ui.lblHomePage, ui.lblCoBrand});
    ColourTable::setBackground(ColourTable::darkOrange, {ui.Line2});
    ColourTable::setBackground(ColourTable::systemColour(QPalette::Base), {ui.picIcon});
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutWindow>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    //: A link of one line, at most 277 pixels wide with the site's address (%1).
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(SitePages::siteAddress()));
    WindowLook::setCaptionKeepingAddress(ui->Label1, ProgramTexts::aboutDescription(),
                                         SitePages::siteAddress());
    ui->picIcon->setPixmap(WindowLook::applicationIcon().pixmap(iconSize));
    WindowLook::apply(this, clientSize);
    //: Screen readers only: the About window's name.
    setAccessibleName(tr("About Zel Mayan Animal Sign"));
    // OK is both the default and the cancel button: Enter and Esc end up here or in reject().
    connect(ui->cmdOK, &QPushButton::clicked, this, &AboutWindow::accept);
    PageLinks::connectPage(ui->lblHomePage, &LinkLabel::clicked, SitePages::Page::Home);
    PageLinks::connectPage(ui->lblCoBrand, &LinkLabel::clicked, SitePages::Page::FullyBranded);
    KeyboardAccess::putLinksLast(ui->cmdOK);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::showModal(QWidget *opener)
{
    // A parent keeps the window out of the task bar and above its opener.
    auto *about = new AboutWindow(opener);
    WindowLook::centreOnScreen(about);
    about->ui->cmdOK->setFocus();
    WindowLook::runModal(about);
}
