#include "ui/ExitAppealWindow.h"
#include "ui_ExitAppealWindow.h"

#include "base/Blanks.h"
#include "base/Desktop.h"
#include "ui/BoxPrompt.h"
#include "ui/ProgramState.h"
#include "ui/ProgramTexts.h"
#include "ui/Referral.h"
#include "web/SitePages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/KeyboardAccess.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr QSize clientSize(741, 315);
constexpr QSize iconSize(32, 32);
constexpr int appealCount = 4;
const QString blank = QStringLiteral(" ");

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

void applyFontsAndColours(const Ui::ExitAppealWindow &ui)
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

ExitAppealWindow::ExitAppealWindow(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ExitAppealWindow>())
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
    ui->Check1->setText(tr("Click Here To Visit %1 Now").arg(SitePages::siteAddress()));
    ui->Check1->setCursor(
            LinkLabel::handCursor(LinkLabel::ColourHand, ui->Check1->devicePixelRatioF()));
    ui->Label3->setText(ProgramTexts::catalogueText());
    setUpFormBoxes();
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &ExitAppealWindow::submit);
    connect(ui->cmdClose, &QPushButton::clicked, this, &ExitAppealWindow::endProgram);
    connect(ui->Check1, &QCheckBox::clicked, this, &ExitAppealWindow::visitSite);
    for (const QKeySequence &keys : KeyboardAccess::quitKeys())
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                &ExitAppealWindow::endProgram);
    //: Screen readers only: the name of the window shown when the program ends, which asks for
    //: support and offers to tell a friend.
    setAccessibleName(tr("Before You Go: Support Zel Mayan Animal Sign"));
    PageLinks::connectPage(ui->lblGoToHome, &LinkLabel::clicked, SitePages::Page::SoftwareCatalog);
    KeyboardAccess::putLinksLast(ui->cmdClose);
    drawAppeal();
}

ExitAppealWindow::~ExitAppealWindow() = default;

ExitAppealWindow *ExitAppealWindow::showFresh()
{
    auto *window = new ExitAppealWindow;
    window->ui->cmdClose->setFocus();
    WindowLook::showCentred(window);
    return window;
}

void ExitAppealWindow::endProgram()
{
    // Restored on return so that a nested call does not end the state early.
    bool &ending = ProgramState::instance().ending;
    const bool wasEnding = std::exchange(ending, true);
    QApplication::closeAllWindows();
    ending = wasEnding;
    QCoreApplication::quit();
}

bool ExitAppealWindow::isEnding()
{
    return ProgramState::instance().ending;
}

void ExitAppealWindow::drawAppeal()
{
    desktop().seedRandomFromClock();
    drawnAppeal = appealFor(desktop().nextRandom());
    WindowLook::setCaptionKeepingAddress(ui->Label2, ProgramTexts::supportText(drawnAppeal),
                                         SitePages::siteAddress());
}

std::array<QWidget *, Referral::fields.size()> ExitAppealWindow::formBoxes() const
{
    return {ui->txtName, ui->txtEmail, ui->txtMessage, ui->txtFriendName, ui->txtFriendEmail};
}

void ExitAppealWindow::setUpFormBoxes()
{
    const auto boxes = formBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString prompt = Referral::prompt(Referral::fields[i]);
        BoxPrompt::setText(boxes[i], prompt);
        new BoxPrompt(boxes[i], prompt);
    }
    // The initial message carries a line break, so the first visit to the box keeps it.
    ui->txtMessage->setPlainText(ui->txtMessage->toPlainText() + QLatin1Char('\n'));
    ui->txtEmail->installEventFilter(this);
    ui->txtFriendEmail->installEventFilter(this);
}

void ExitAppealWindow::submit()
{
    Referral::Form form;
    const auto boxes = formBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        form.*Referral::fields[i].value = trimBlanks(BoxPrompt::text(boxes[i]));
    form.message = withWindowsLineBreaks(form.message);
    Referral::submit(form);
}

void ExitAppealWindow::visitSite()
{
    // The box is a link in a box's clothes: it never stays ticked.
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    SitePages::open(SitePages::Page::Home);
}

void ExitAppealWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // When the end is already under way it is what closes this window; it must not start again.
    if (!isEnding())
        endProgram();
}

bool ExitAppealWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && refusesKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool ExitAppealWindow::refusesKey(QObject *box, const QKeyEvent *event)
{
    if (event->text() != blank || (box != ui->txtEmail && box != ui->txtFriendEmail))
        return false;
    //: Shown when a space is typed into an address box.
    desktop().showError(tr("Email Address Cannot Contain Space"));
    static_cast<QWidget *>(box)->setFocus();
    return true;
}
