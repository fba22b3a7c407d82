#include "ui/frmMain.h"
#include "ui_frmMain.h"

#include "base/Blanks.h"
#include "base/Desktop.h"
#include "report/SavedReadingFile.h"
#include "sign/modMayanAnimalMoonSign.h"
#include "ui/ExitPath.h"
#include "ui/frmAbout.h"
#include "ui/frmMayanAnimalMoonSignResult.h"
#include "ui/modMayanAnimalMoonSignDisplay.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QCloseEvent>

using namespace modMayanAnimalMoonSign;

namespace {
constexpr QSize clientSize(479, 273);
constexpr int firstDay = 1;
constexpr int lastDay = 31;
constexpr int firstYear = 1900;
constexpr int lastYear = 2050;

QStringList numbers(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int number = first; number <= last; ++number)
        texts << QString::number(number);
    return texts;
}

void applyFontsAndColours(const Ui::frmMain &ui)
{
    using FontTable::Text;
    FontTable::apply(Text::BoldLink, {ui.Label61, ui.lblCobrand, ui.lblFullBrand});
    FontTable::apply(Text::BoldBody, {ui.Label3, ui.Label1, ui.Label2, ui.cmdProceed});
    FontTable::apply(Text::BoldList, {ui.fraDetails});
    FontTable::apply(Text::List, {ui.cboMonth, ui.cboDate, ui.cboYear});
    FontTable::apply(Text::Body, {ui.txtName});
    FontTable::apply(Text::Heading, {ui.cmdOpen});
    ColourTable::keepSystemColours(
            {ui.cmdOpen, ui.cboMonth, ui.cboDate, ui.cboYear, ui.txtName, ui.cmdProceed});
    ColourTable::setTextColour(ColourTable::white, {ui.Label61, ui.lblCobrand, ui.lblFullBrand});
    ColourTable::setBackground(ColourTable::windowGreen, {ui.lblCobrand, ui.lblFullBrand});
    ColourTable::setTextColour(ColourTable::lightYellow, {ui.Label3});
    ColourTable::setTextColour(ColourTable::orange, {ui.fraDetails, ui.Label1, ui.Label2});
}

} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMain>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    WindowLook::apply(this, clientSize);
    PageLinks::connectMenu(ui->mnuOnline, ui->mnuVisit, ui->mnuUpdate, ui->mnuDonate,
                           ui->mnuMakeMoney);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    connect(ui->cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(ui->mnuFind, &QAction::triggered, this, &frmMain::mnuFind_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(ui->mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    Form_Load();
}

frmMain::~frmMain() = default;

frmMain *frmMain::showFresh()
{
    auto *window = new frmMain;
    WindowLook::centreOnScreen(window);
    window->show();
    window->ui->txtName->setFocus();
    return window;
}

LinkLabel *frmMain::lblCobrand() const
{
    return ui->lblCobrand;
}

LinkLabel *frmMain::lblFullBrand() const
{
    return ui->lblFullBrand;
}

void frmMain::Form_Load()
{
    // The list shows the month in the person's language and keeps the English name as its data:
    // the rule and the saved readings know only that.
    for (const QString &month : monthNames())
        ui->cboMonth->addItem(displayText(month), month);
    // Each list filled at once: the model takes its rows in one insertion.
    ui->cboDate->addItems(numbers(firstDay, lastDay));
    ui->cboYear->addItems(numbers(firstYear, lastYear));
    ui->cboMonth->setCurrentIndex(0);
    ui->cboDate->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
}

bool frmMain::ValidateName()
{
    if (!trimBlanks(ui->txtName->text()).isEmpty())
        return true;
    desktop().showError(tr("Please Enter Your Name"));
    ui->txtName->setFocus();
    return false;
}

void frmMain::cmdProceed_Click()
{
    if (!ValidateName())
        return;
    BirthInput.strName = trimBlanks(ui->txtName->text());
    BirthInput.intDate = ui->cboDate->currentText().toShort();
    BirthInput.strMonth = ui->cboMonth->currentData().toString();
    BirthInput.intYear = ui->cboYear->currentText().toShort();
    FindMoonSign();
    DisplayMoonSign(strMoonSign);
    frmMayanAnimalMoonSignResult::showLoaded();
    // Handing over to the result window is not an exit.
    handingOver = true;
    close();
}

void frmMain::mnuFind_Click()
{
    cmdProceed_Click();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::cmdOpen_Click()
{
    //: Title of the dialog that opens a saved reading.
    const QString title = tr("Select the source file");
    //: File type of the open dialog: keep " (*.zod)" as it is. "Zel Free" is the maker's name for
    //: its free programs.
    const QString filter = tr("Zel Free Zodiac Signs (*.zod)");
    const QString path = desktop().askOpenPath(this, {title, filter, QStringLiteral("zod")});
    openReading(path);
}

void frmMain::openReading(const QString &path)
{
    if (path.isEmpty())
        return;
    // The extension check is case-sensitive: "ZOD" is not a saved reading.
    if (!path.endsWith(QLatin1String("zod")) || !restoreReading(path)) {
        //: The chosen file is not a saved reading.
        desktop().showError(tr("Please Check The File."));
        return;
    }
    cmdProceed_Click();
}

// Puts the saved name and birth date into the window, so that Find shows the saved reading; a
// file that is not a saved reading changes nothing.
bool frmMain::restoreReading(const QString &path)
{
    const std::optional<BirthInputType> reading = SavedReadingFile::readReading(path);
    if (!reading)
        return false;
    const int month = ui->cboMonth->findData(reading->strMonth);
    const int day = ui->cboDate->findText(QString::number(reading->intDate));
    const int year = ui->cboYear->findText(QString::number(reading->intYear));
    if (month < 0 || day < 0 || year < 0)
        return false;
    ui->cboMonth->setCurrentIndex(month);
    ui->cboDate->setCurrentIndex(day);
    ui->cboYear->setCurrentIndex(year);
    ui->txtName->setText(reading->strName);
    return true;
}

void frmMain::mnuAbout_Click()
{
    frmAbout::showModal(this);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!handingOver)
        ExitPath::userClosedWorkingWindow();
}
