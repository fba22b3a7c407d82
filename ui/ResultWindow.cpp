#include "ui/ResultWindow.h"
#include "ui_ResultWindow.h"

#include "report/ReportWindow.h"
#include "sign/SignTable.h"
#include "ui/AboutWindow.h"
#include "ui/ExitPath.h"
#include "ui/MainWindow.h"
#include "ui/ProgramState.h"
#include "web/SitePages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/KeyboardAccess.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QCloseEvent>
#include <QWindow>

#include <algorithm>
#include <array>

namespace {

constexpr QSize clientSize(616, 377);
// The window shows a sample interpretation until it shows a reading.
constexpr int sampleInterpretation = 1;

// What each animal picture shows, in the order of the signs, for a person who cannot see it.
constexpr std::array<const char *, SignTable::signCount> pictureDescriptions {
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the bat"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the scorpion"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the deer"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the owl"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the peacock"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the lizard"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the monkey"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the hawk"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the jaguar"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the dog"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the snake"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the rabbit"),
        QT_TRANSLATE_NOOP("ResultWindow", "Picture of the turtle")};

QString pictureDescription(const Sign &sign)
{
    const auto &signs = SignTable::signs();
    const auto at = std::find(signs.begin(), signs.end(), sign) - signs.begin();
    return ResultWindow::tr(pictureDescriptions.at(at));
}

void applyFontsAndColours(const Ui::ResultWindow &ui)
{
    using FontTable::Text;
    FontTable::apply(Text::BoldLink, {ui.Label61, ui.lblCobrand, ui.lblFullBrand, ui.Label13});
    FontTable::apply(Text::Heading, {ui.fraStarUserSignDetails});
    FontTable::apply(Text::BoldBody, {ui.lblLabel_0, ui.lblLabel_1, ui.lblLabel_2, ui.lblLabel_3});
    FontTable::apply(Text::SignName, {ui.lblResult_0});
    FontTable::apply(
            Text::Body,
            {ui.lblResult_1, ui.lblResult_2, ui.lblResult_3, ui.cmdPrint, ui.cmdExit, ui.cmdBack});
    ColourTable::keepSystemColours({ui.cmdPrint, ui.cmdExit, ui.cmdBack});
    ColourTable::setTextColour(
            ColourTable::white,
            {ui.Label61, ui.lblCobrand, ui.lblFullBrand, ui.fraStarUserSignDetails});
    ColourTable::setBackground(ColourTable::windowGreen, {ui.lblCobrand, ui.lblFullBrand});
    ColourTable::setTextColour(ColourTable::blue, {ui.Label13});
    ColourTable::setTextColour(ColourTable::orange,
                               {ui.lblLabel_0, ui.lblLabel_1, ui.lblLabel_2, ui.lblLabel_3});
    ColourTable::setTextColour(ColourTable::yellow, {ui.lblResult_0});
    ColourTable::setTextColour(ColourTable::paleYellow,
                               {ui.lblResult_1, ui.lblResult_2, ui.lblResult_3});
}

} // namespace

ResultWindow::ResultWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::ResultWindow>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->lblResult_3->setText(
            SignTable::displayText(SignTable::signs()[sampleInterpretation].interpretation));
    WindowLook::apply(this, clientSize, WindowLook::Minimise::Yes);
    PageLinks::connectMenu(ui->mnuOnline, ui->mnuVisit, ui->mnuUpdate, ui->mnuDonate,
                           ui->mnuMakeMoney);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    PageLinks::connectPage(ui->Label13, &LinkLabel::clicked, SitePages::Page::FullyBranded);
    connect(ui->cmdBack, &QPushButton::clicked, this, &ResultWindow::back);
    connect(ui->mnuBack, &QAction::triggered, this, &ResultWindow::back);
    connect(ui->cmdExit, &QPushButton::clicked, this, &ResultWindow::close);
    connect(ui->mnuExit, &QAction::triggered, this, &ResultWindow::close);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &ResultWindow::print);
    connect(ui->mnuPrint, &QAction::triggered, this, &ResultWindow::print);
    connect(ui->mnuAbout, &QAction::triggered, this, &ResultWindow::about);
    ui->mnuPrint->setShortcuts(QKeySequence::Print);
    ui->mnuExit->setShortcuts(KeyboardAccess::quitKeys());
    ui->mnuOnline->setShortcuts(QKeySequence::HelpContents);
    // The interpretation is read after the buttons, by Tab or a screen reader's reading.
    ui->lblResult_3->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    ui->lblResult_3->setFocusPolicy(Qt::TabFocus);
    ui->lblLabel_3->setBuddy(ui->lblResult_3);
    setTabOrder(ui->cmdPrint, ui->lblResult_3);
    KeyboardAccess::putLinksLast(ui->cmdBack);
}

ResultWindow::~ResultWindow() = default;

ResultWindow *ResultWindow::showReading(const Reading &reading)
{
    QPointer<ResultWindow> &open = ProgramState::instance().resultWindow;
    if (!open)
        open = new ResultWindow;
    ResultWindow *window = open;
    window->display(reading);
    WindowLook::showCentred(window);
    // On a screen of another scale the picture is drawn again, from the picture for that scale.
    connect(window->windowHandle(), &QWindow::screenChanged, window, &ResultWindow::showPicture,
            Qt::UniqueConnection);
    window->ui->cmdBack->setFocus();
    return window;
}

void ResultWindow::display(const Reading &shown)
{
    reading = shown;
    const Sign &sign = reading.sign;
    // The Mayan name is the same in every language; the rest is read in the person's.
    setCaption(ui->lblResult_0, sign.mayanName);
    setCaption(ui->lblResult_1, SignTable::displayText(sign.animal));
    setCaption(ui->lblResult_2, SignTable::displayText(sign.crystal));
    // The interpretation keeps its box; the three values above it grow to fit.
    ui->lblResult_3->setText(SignTable::displayText(sign.interpretation));
    showPicture();
    ui->imgAnimalPics->setAccessibleName(pictureDescription(sign));
    // A screen reader says the window's name as the window opens: where the person is, and the
    // sign, animal and crystal that a person who sees the window reads at once. The visible title
    // is the program's, as on every window.
    //: Screen readers only: the result window's name. %1 is the frame's title ("Zel Mayan Animal
    //: Sign Result"), %2 the Mayan name, %3 the animal, %4 the crystal.
    setAccessibleName(tr("%1: %2, %3, %4")
                              .arg(ui->fraStarUserSignDetails->title(), ui->lblResult_0->text(),
                                   ui->lblResult_1->text(), ui->lblResult_2->text()));
}

void ResultWindow::showPicture()
{
    ui->imgAnimalPics->setPixmap(
            WindowLook::picture(reading.sign.picture, ui->imgAnimalPics->devicePixelRatioF()));
}

void ResultWindow::setCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->resize(label->sizeHint());
}

void ResultWindow::back()
{
    // Going back to a fresh main window is a hand-over, not an exit.
    handingOver = true;
    close();
    MainWindow::showFresh();
}

void ResultWindow::print()
{
    ReportWindow::showModal(reading);
}

void ResultWindow::about()
{
    AboutWindow::showModal(this);
}

void ResultWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    // The closed window is gone: the next reading opens a fresh one.
    QPointer<ResultWindow> &open = ProgramState::instance().resultWindow;
    if (open == this)
        open = nullptr;
    if (!handingOver)
        ExitPath::userClosedWorkingWindow();
}
