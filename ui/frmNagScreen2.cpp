#include "ui/frmNagScreen2.h"
#include "ui_frmNagScreen2.h"

#include "base/Blanks.h"
#include "base/Desktop.h"
#include "base/UnloadAllForms.h"
#include "ui/BoxPrompt.h"
#include "ui/ProgramTexts.h"
#include "ui/modTellAFriend.h"
#include "web/modHelpPages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/WindowLook.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize clientSize(741, 315);
constexpr QSize iconSize(32, 32);
constexpr int appealCount = 4;
constexpr int blank = 32;

// The draw is made in single precision, so a value just below 1 can round up to the end of the
// range; the clamp keeps such a draw on the last appeal.
int appealFor(double random)
{
    const int drawn = static_cast<int>(std::floor(static_cast<float>(random) * 4.0f));
    return std::clamp(drawn, 0, appealCount - 1);
}

// The message box hands its text over with the CR LF line breaks the referral page expects.
QString withWindowsLineBreaks(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void applyFontsAndColours(const Ui::frmNagScreen2 &ui)
{
    using FontTable::Text;
    FontTable::apply(Text::Heading, {ui.Label2, ui.Frame6, ui.Frame2});
    FontTable::apply(Text::Banner, {ui.Label1});
    FontTable::apply(Text::BoldLink, {ui.lblGoToHome});
    FontTable::apply(Text::List, {ui.Label3});
    FontTable::apply(Text::Dialog,
                     {ui.txtName, ui.txtEmail, ui.txtFriendName, ui.txtFriendEmail, ui.txtMessage,
                      ui.cmdClose});
    FontTable::apply(Text::BoldBody, {ui.cmdSubmit});
    FontTable::apply(Text::Body, {ui.Check1});
    ColourTable::keepSystemColours({ui.txtName, ui.txtEmail, ui.txtFriendName, ui.txtFriendEmail,
                                    ui.txtMessage, ui.cmdSubmit, ui.cmdClose, ui.Check1});
    ColourTable::setBackground(ColourTable::navy, {ui.Frame6, ui.Frame2});
    ColourTable::setTextColour(ColourTable::white, {ui.Frame6, ui.Frame2, ui.Label3});
    ColourTable::setTextColour(ColourTable::yellow, {ui.lblGoToHome});
    ColourTable::setTextColour(ColourTable::navy, {ui.Check1});
    // The boxes take their rims from their white face, and the navy of their frame shows in
    // their rounded corners; the picture box is white to its corners.
    ColourTable::setWindowColour(
            ColourTable::systemColour(QPalette::Base),
            {ui.txtName, ui.txtEmail, ui.txtFriendName, ui.txtFriendEmail, ui.txtMessage});
    ColourTable::setBackground(ColourTable::systemColour(QPalette::Base), {ui.Picture1});
}

} // namespace

frmNagScreen2::frmNagScreen2(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmNagScreen2>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    WindowLook::apply(this, clientSize, WindowLook::Minimise::No, QColor(Qt::white));
    // Set after the common look, which rebuilds the window flags.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui->Picture1->setPixmap(WindowLook::applicationIcon().pixmap(iconSize));
    //: A check box that works as a link; %1 is the site's address.
    ui->Check1->setText(tr("Click Here To Visit %1 Now").arg(modHelp::siteAddress()));
    ui->Check1->setCursor(LinkLabel::handCursor(LinkLabel::ColourHand));
    ui->Label3->setText(ProgramTexts::catalogueText());
    setUpFormBoxes();
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(ui->Check1, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
    Form_Load();
}

frmNagScreen2::~frmNagScreen2() = default;

frmNagScreen2 *frmNagScreen2::showLoaded()
{
    auto *window = new frmNagScreen2;
    WindowLook::centreOnScreen(window);
    window->ui->cmdClose->setFocus();
    window->show();
    return window;
}

void frmNagScreen2::Form_Load()
{
    desktop().seedRandomFromClock();
    drawnAppeal = appealFor(desktop().nextRandom());
    WindowLook::setCaptionKeepingAddress(ui->Label2, ProgramTexts::supportText(drawnAppeal),
                                         modHelp::siteAddress());
}

std::array<QWidget *, modTellAFriend::fields.size()> frmNagScreen2::formBoxes() const
{
    return {ui->txtName, ui->txtEmail, ui->txtMessage, ui->txtFriendName, ui->txtFriendEmail};
}

void frmNagScreen2::setUpFormBoxes()
{
    const auto boxes = formBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString prompt = modTellAFriend::prompt(modTellAFriend::fields[i]);
        BoxPrompt::setText(boxes[i], prompt);
        new BoxPrompt(boxes[i], prompt);
    }
    // The initial message carries a line break, so the first visit to the box keeps it.
    ui->txtMessage->setPlainText(ui->txtMessage->toPlainText() + QLatin1Char('\n'));
    ui->txtEmail->installEventFilter(this);
    ui->txtFriendEmail->installEventFilter(this);
}

void frmNagScreen2::cmdSubmit_Click()
{
    modTellAFriend::Referral referral;
    const auto boxes = formBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        referral.*modTellAFriend::fields[i].value = trimBlanks(BoxPrompt::text(boxes[i]));
    referral.message = withWindowsLineBreaks(referral.message);
    modTellAFriend::submitForm(referral);
}

void frmNagScreen2::cmdClose_Click()
{
    UnloadAllForms();
}

void frmNagScreen2::Check1_Click()
{
    // The box is a link in a box's clothes: it never stays ticked.
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmNagScreen2::lblGoToHome_Click()
{
    modHelp::OpenSoftwareCatalogPage();
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // When the end is already under way it is what closes this window; it must not start again.
    if (!isUnloadingAllForms())
        UnloadAllForms();
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && keyIsRefused(watched, static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool frmNagScreen2::keyIsRefused(QObject *box, QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.size() != 1)
        return false;
    int keyAscii = typed.at(0).unicode();
    if (box == ui->txtEmail)
        txtEmail_KeyPress(keyAscii);
    else if (box == ui->txtFriendEmail)
        txtFriendEmail_KeyPress(keyAscii);
    return keyAscii == 0;
}

void frmNagScreen2::txtEmail_KeyPress(int &KeyAscii)
{
    refuseBlank(ui->txtEmail, KeyAscii);
}

void frmNagScreen2::txtFriendEmail_KeyPress(int &KeyAscii)
{
    refuseBlank(ui->txtFriendEmail, KeyAscii);
}

void frmNagScreen2::refuseBlank(QLineEdit *box, int &KeyAscii)
{
    if (KeyAscii != blank)
        return;
    //: Shown when a space is typed into an address box.
    desktop().showError(tr("Email Address Cannot Contain Space"));
    KeyAscii = 0;
    box->setFocus();
}
