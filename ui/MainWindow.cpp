#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "base/Blanks.h"
#include "base/Desktop.h"
#include "savedreading/SavedReadingFile.h"
#include "sign/SignTable.h"
#include "ui/AboutWindow.h"
#include "ui/ExitPath.h"
#include "ui/ResultWindow.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/KeyboardAccess.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QCloseEvent>
#include <QShortcut>

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

void applyFontsAndColours(const Ui::MainWindow &ui)
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

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    WindowLook::apply(this, clientSize);
    PageLinks::connectMenu(ui->mnuOnline, ui->mnuVisit, ui->mnuUpdate, ui->mnuDonate,
                           ui->mnuMakeMoney);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    connect(ui->cmdProceed, &QPushButton::clicked, this, &MainWindow::find);
    connect(ui->mnuFind, &QAction::triggered, this, &MainWindow::find);
    connect(ui->mnuExit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &MainWindow::open);
    connect(ui->mnuAbout, &QAction::triggered, this, &MainWindow::about);
    setStandardKeys();
    fillDateLists();
    KeyboardAccess::putLinksLast(ui->txtName);
}

MainWindow::~MainWindow() = default;

MainWindow *MainWindow::showFresh()
{
    auto *window = new MainWindow;
    WindowLook::showCentred(window);
    window->ui->txtName->setFocus();
    return window;
}

void MainWindow::bringToFront(Promotion::Offer offer)
{
    if (offer == Promotion::Offer::CoBrand)
        PageLinks::showOffer(ui->lblCobrand, ui->lblFullBrand);
    else
        PageLinks::showOffer(ui->lblFullBrand, ui->lblCobrand);
}

void MainWindow::setStandardKeys()
{
    // Open has no menu item to show its key beside.
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            &MainWindow::open);
    ui->mnuExit->setShortcuts(KeyboardAccess::quitKeys());
    ui->mnuOnline->setShortcuts(QKeySequence::HelpContents);
}

void MainWindow::fillDateLists()
{
    // The list shows the month in the person's language and keeps the English name as its data:
    // the rule and the saved readings know only that.
    for (const QString &month : SignTable::monthNames())
        ui->cboMonth->addItem(SignTable::displayText(month), month);
    // Each list filled at once: the model takes its rows in one insertion.
    ui->cboDate->addItems(numbers(firstDay, lastDay));
    ui->cboYear->addItems(numbers(firstYear, lastYear));
    ui->cboMonth->setCurrentIndex(0);
    ui->cboDate->setCurrentIndex(0);
    ui->cboYear->setCurrentIndex(0);
}

bool MainWindow::validateName()
{
    if (!trimBlanks(ui->txtName->text()).isEmpty())
        return true;
    desktop().showError(tr("Please Enter Your Name"));
    ui->txtName->setFocus();
    return false;
}

void MainWindow::find()
{
    if (!validateName())
        return;
    const std::optional<Reading> reading
            = Reading::of(trimBlanks(ui->txtName->text()), ui->cboMonth->currentData().toString(),
                          ui->cboDate->currentText().toInt(), ui->cboYear->currentText().toInt());
    // The month list holds only the twelve names the rule knows.
    Q_ASSERT(reading);
    if (reading)
        handOver(*reading);
}

void MainWindow::handOver(const Reading &reading)
{
    ResultWindow::showReading(reading);
    // Handing over to the result window is not an exit.
    handingOver = true;
    close();
}

void MainWindow::open()
{
    //: Title of the dialog that opens a saved reading.
    const QString title = tr("Select the source file");
    //: File type of the open dialog: keep " (*.zod)" as it is. "Zel Free" is the maker's name for
    //: its free programs.
    const QString filter = tr("Zel Free Zodiac Signs (*.zod)");
    desktop().askOpenFile(this, {title, filter, QStringLiteral("zod")},
                          [this](const QString &path) { openReading(path); });
}

void MainWindow::openReading(const QString &path)
{
    if (path.isEmpty())
        return;
    // The extension check is case-sensitive: "ZOD" is not a saved reading.
    const std::optional<Reading> reading = path.endsWith(QLatin1String("zod"))
            ? SavedReadingFile::readReading(path)
            : std::nullopt;
    const std::optional<Reading> shown = reading ? showInWindow(*reading) : std::nullopt;
    if (!shown) {
        //: The chosen file is not a saved reading.
        desktop().showError(tr("Please Check The File."));
        return;
    }
    handOver(*shown);
}

std::optional<Reading> MainWindow::showInWindow(const Reading &reading)
{
    const int month = ui->cboMonth->findData(reading.month);
    const int day = ui->cboDate->findText(QString::number(reading.day));
    const int year = ui->cboYear->findText(QString::number(reading.year));
    if (month < 0 || day < 0 || year < 0)
        return std::nullopt;
    ui->cboMonth->setCurrentIndex(month);
    ui->cboDate->setCurrentIndex(day);
    ui->cboYear->setCurrentIndex(year);
    ui->txtName->setText(reading.name);
    // The box holds a limited number of characters: the reading goes on with the name it shows.
    Reading shown = reading;
    shown.name = trimBlanks(ui->txtName->text());
    return shown;
}

void MainWindow::about()
{
    AboutWindow::showModal(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!handingOver)
        ExitPath::userClosedWorkingWindow();
}
