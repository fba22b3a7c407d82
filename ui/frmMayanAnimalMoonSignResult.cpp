#include "ui/frmMayanAnimalMoonSignResult.h"
#include "ui_frmMayanAnimalMoonSignResult.h"

#include "report/frmSave.h"
#include "sign/modMayanAnimalMoonSign.h"
#include "ui/ExitPath.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "web/modHelpPages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QCloseEvent>
#include <QPointer>

namespace {

constexpr QSize clientSize(616, 377);
// The interpretation keeps its box; the three values above it grow to fit.
constexpr int interpretationIndex = 3;
// The design shows a sample interpretation until a sign is displayed.
constexpr int sampleInterpretation = 1;

QPointer<frmMayanAnimalMoonSignResult> loadedWindow;

void applyFontsAndColours(const Ui::frmMayanAnimalMoonSignResult &ui)
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

frmMayanAnimalMoonSignResult::frmMayanAnimalMoonSignResult(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMayanAnimalMoonSignResult>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    lblResult = {ui->lblResult_0, ui->lblResult_1, ui->lblResult_2, ui->lblResult_3};
    ui->lblResult_3->setText(modMayanAnimalMoonSign::displayText(
            modMayanAnimalMoonSign::interpretationText(sampleInterpretation)));
    WindowLook::apply(this, clientSize, WindowLook::Minimise::Yes);
    PageLinks::connectMenu(ui->mnuOnline, ui->mnuVisit, ui->mnuUpdate, ui->mnuDonate,
                           ui->mnuMakeMoney);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMayanAnimalMoonSignResult::cmdBack_Click);
    connect(ui->mnuBack, &QAction::triggered, this, &frmMayanAnimalMoonSignResult::mnuBack_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmMayanAnimalMoonSignResult::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMayanAnimalMoonSignResult::mnuExit_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this,
            &frmMayanAnimalMoonSignResult::cmdPrint_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmMayanAnimalMoonSignResult::mnuPrint_Click);
    connect(ui->Label13, &LinkLabel::clicked, this, &frmMayanAnimalMoonSignResult::Label13_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMayanAnimalMoonSignResult::mnuAbout_Click);
}

frmMayanAnimalMoonSignResult::~frmMayanAnimalMoonSignResult() = default;

frmMayanAnimalMoonSignResult *frmMayanAnimalMoonSignResult::loaded()
{
    if (!loadedWindow)
        loadedWindow = new frmMayanAnimalMoonSignResult;
    return loadedWindow;
}

bool frmMayanAnimalMoonSignResult::isLoaded()
{
    return !loadedWindow.isNull();
}

void frmMayanAnimalMoonSignResult::showLoaded()
{
    frmMayanAnimalMoonSignResult *window = loaded();
    WindowLook::centreOnScreen(window);
    window->show();
    window->ui->cmdBack->setFocus();
}

void frmMayanAnimalMoonSignResult::setResultCaption(int index, const QString &caption)
{
    QLabel *label = lblResult.at(index);
    label->setText(caption);
    if (index != interpretationIndex)
        label->resize(label->sizeHint());
}

QStringList frmMayanAnimalMoonSignResult::resultCaptions() const
{
    QStringList captions;
    for (const QLabel *label : lblResult)
        captions << label->text();
    return captions;
}

void frmMayanAnimalMoonSignResult::setAnimalPicture(const QPixmap &picture)
{
    ui->imgAnimalPics->setPixmap(picture);
}

void frmMayanAnimalMoonSignResult::cmdBack_Click()
{
    // Going back to a fresh main window is a hand-over, not an exit.
    handingOver = true;
    close();
    frmMain::showFresh();
}

void frmMayanAnimalMoonSignResult::mnuBack_Click()
{
    cmdBack_Click();
}

void frmMayanAnimalMoonSignResult::cmdExit_Click()
{
    close();
}

void frmMayanAnimalMoonSignResult::mnuExit_Click()
{
    cmdExit_Click();
}

void frmMayanAnimalMoonSignResult::Label13_Click()
{
    modHelp::OpenFullyBrandedPage();
}

void frmMayanAnimalMoonSignResult::cmdPrint_Click()
{
    frmSave::showModal(modMayanAnimalMoonSign::BirthInput, resultCaptions());
}

void frmMayanAnimalMoonSignResult::mnuPrint_Click()
{
    cmdPrint_Click();
}

void frmMayanAnimalMoonSignResult::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void frmMayanAnimalMoonSignResult::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    // The closed window is unloaded: the next Find loads a fresh one.
    if (loadedWindow == this)
        loadedWindow = nullptr;
    if (!handingOver)
        ExitPath::userClosedWorkingWindow();
}
