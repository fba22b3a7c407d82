#include "ui/frmMayanAnimalMoonSignResult.h"
#include "ui_frmMayanAnimalMoonSignResult.h"

#include "report/frmSave.h"
#include "sign/modMayanAnimalMoonSign.h"
#include "ui/ExitPath.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "web/modHelpPages.h"
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

} // namespace

frmMayanAnimalMoonSignResult::frmMayanAnimalMoonSignResult(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMayanAnimalMoonSignResult>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    lblResult = {ui->lblResult_0, ui->lblResult_1, ui->lblResult_2, ui->lblResult_3};
    ui->lblResult_3->setText(modMayanAnimalMoonSign::interpretationText(sampleInterpretation));
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
