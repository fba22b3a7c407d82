#include "ui/frmAbout.h"
#include "ui_frmAbout.h"

#include "ui/ProgramTexts.h"
#include "web/modHelpPages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/WindowLook.h"

namespace {
constexpr QSize clientSize(468, 195);
constexpr QSize iconSize(32, 32);

void applyFontsAndColours(const Ui::frmAbout &ui)
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

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    //: A link of one line, at most 277 pixels wide with the site's address (%1).
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(modHelp::siteAddress()));
    WindowLook::setCaptionKeepingAddress(ui->Label1, ProgramTexts::aboutDescription(),
                                         modHelp::siteAddress());
    ui->picIcon->setPixmap(WindowLook::applicationIcon().pixmap(iconSize));
    WindowLook::apply(this, clientSize);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(ui->lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(QWidget *opener)
{
    // A parent keeps the window out of the task bar and above its opener.
    auto *about = new frmAbout(opener);
    WindowLook::centreOnScreen(about);
    about->ui->cmdOK->setFocus();
    about->exec();
}

void frmAbout::cmdOK_Click()
{
    // OK is both the default and the cancel button: Enter and Esc end up here or in reject().
    accept();
}

void frmAbout::lblHomePage_Click()
{
    modHelp::OpenHomePage();
}

void frmAbout::lblCoBrand_Click()
{
    modHelp::OpenFullyBrandedPage();
}
