#include "report/frmSave.h"
#include "ui_frmSave.h"

#include "base/Desktop.h"
#include "report/PrintSystem.h"
#include "report/SavedReadingFile.h"
#include "report/modRTB.h"
#include "web/modHelpPages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr QSize clientSize(515, 524);
// Three line breaks after a value, two after the footer.
const QString afterValue = QStringLiteral("\n\n\n");
const QString afterFooter = QStringLiteral("\n\n");

// Only weight and colour are set, so every piece keeps the box's own font.
QTextCharFormat labelStyle()
{
    QTextCharFormat style;
    style.setFontWeight(QFont::Bold);
    style.setForeground(QColor(0, 128, 128));
    return style;
}

QTextCharFormat valueStyle()
{
    QTextCharFormat style;
    style.setFontWeight(QFont::Normal);
    style.setForeground(QColor(0, 0, 0));
    return style;
}

// The month is read in the person's language; the birth input keeps it in English.
QString dateOfBirth(const modMayanAnimalMoonSign::BirthInputType &input)
{
    //: The date of birth in the report: %1 the month's name, %2 the day, %3 the year, as in
    //: "March 7, 1990".
    return frmSave::tr("%1 %2, %3")
            .arg(modMayanAnimalMoonSign::displayText(input.strMonth),
                 QString::number(input.intDate), QString::number(input.intYear));
}

// The report is for reading and printing only: whatever the user does with the box, nothing of
// it is left to paste elsewhere. What another program put on the clipboard or into the selection
// is the user's and stays.
void emptyClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    if (desktop().ownsClipboard(QClipboard::Clipboard))
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && desktop().ownsClipboard(QClipboard::Selection))
        clipboard->clear(QClipboard::Selection);
}

void applyFontsAndColours(const Ui::frmSave &ui)
{
    using FontTable::Text;
    FontTable::apply(Text::BoldLink, {ui.Label61, ui.lblCobrand, ui.lblFullBrand});
    FontTable::apply(Text::Dialog, {ui.cmdSave});
    FontTable::apply(Text::Body, {ui.cmdPrint});
    FontTable::apply(Text::Report, {ui.RTB});
    ColourTable::keepSystemColours({ui.cmdSave, ui.cmdPrint, ui.RTB});
    ColourTable::setTextColour(ColourTable::white, {ui.Label61});
    // Here the offers' text takes the system's window-background colour, the face of a text box.
    ColourTable::setTextColour(ColourTable::systemColour(QPalette::Base),
                               {ui.lblCobrand, ui.lblFullBrand});
    ColourTable::setBackground(ColourTable::windowGreen, {ui.lblCobrand, ui.lblFullBrand});
}

} // namespace

frmSave::frmSave(const modMayanAnimalMoonSign::BirthInputType &input,
                 const QStringList &resultCaptions, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::frmSave>())
    , input(input)
    , resultCaptions(resultCaptions)
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the report goes back to the result window; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    WindowLook::apply(this, clientSize);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(ui->RTB, &QTextEdit::textChanged, this, &frmSave::RTB_Change);
    // Moves without a button count too. Set before link detection starts, which restores the
    // tracking it found when it stops.
    ui->RTB->viewport()->setMouseTracking(true);
    ui->RTB->viewport()->installEventFilter(this);
    Form_Load();
    ui->RTB->setFocus();
}

frmSave::~frmSave()
{
    // A window destroyed without being closed (the program ending) must not leave the layer
    // serving a box that is gone.
    if (servingLinks)
        modRTB::DisableLinkDetection();
}

void frmSave::showModal(const modMayanAnimalMoonSign::BirthInputType &input,
                        const QStringList &resultCaptions)
{
    auto *report = new frmSave(input, resultCaptions);
    WindowLook::centreOnScreen(report);
    report->exec();
}

void frmSave::Form_Load()
{
    // Before any text, so that the footer's address is a link from the start.
    modRTB::EnableLinkDetection(ui->RTB, this);
    servingLinks = true;
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Name: "), input.strName);
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Date of Birth: "), dateOfBirth(input));
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Mayan Animal Moon Sign: "), resultCaptions.value(0));
    //: A label of the report, followed directly by the animal's name in the reader's own
    //: language (as opposed to its Mayan name); it ends with a space.
    insertSection(tr("English Name: "), resultCaptions.value(1));
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Crystal: "), resultCaptions.value(2));
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Interpretation: "), resultCaptions.value(3));
}

void frmSave::insertSection(const QString &label, const QString &value)
{
    insertAtCaret(label, labelStyle());
    insertAtCaret(value + afterValue, valueStyle());
    //: The footer under every section of the report; %1 is the site's address.
    insertAtCaret(tr("Report Generated By %1").arg(modHelp::siteAddress()) + afterFooter,
                  valueStyle());
}

void frmSave::insertAtCaret(const QString &text, const QTextCharFormat &style)
{
    QTextCursor caret = ui->RTB->textCursor();
    caret.insertText(text, style);
    ui->RTB->setTextCursor(caret);
}

QString frmSave::jobName() const
{
    //: The print job's name in the printer queue: the program's name and the person's (%1).
    return tr("Zel Mayan Animal Sign - %1").arg(input.strName);
}

void frmSave::cmdPrint_Click()
{
    QTextCursor caret = ui->RTB->textCursor();
    caret.clearSelection();
    ui->RTB->setTextCursor(caret);
    // A printer that prints asks nothing; only a job that cannot go out is reported.
    const QString printerName = printSystem().defaultPrinterName();
    if (printerName.isEmpty()) {
        desktop().showNotice(tr("No default printer is set up."), MessageIcon::Warning);
        return;
    }
    if (printSystem().print(*ui->RTB->document(), printerName, jobName()) != PrintOutcome::Printed)
        //: %1 is the printer's name.
        desktop().showNotice(tr("The report could not be sent to the printer %1.").arg(printerName),
                             MessageIcon::Warning);
}

void frmSave::cmdSave_Click()
{
    //: Title of the save dialog; the space and four dots at the end are the program's style.
    const QString title = tr("Save Your Zodiac Signs Result ....");
    //: File type of the save dialog: keep " (*.zod)" as it is.
    const QString filter = tr("Rich Text Format (*.zod)");
    const QString path = desktop().askSavePath(this, {title, filter, QStringLiteral("zod")});
    if (path.isEmpty())
        return;
    // The reading itself is saved, not the box: whatever was typed into the report is not.
    QString reason;
    if (!SavedReadingFile::writeReading(path, input, &reason)) {
        //: %1 is the file's path, %2 the reason the system gives.
        desktop().showError(tr("Could not save the reading to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), reason));
    }
}

void frmSave::closeEvent(QCloseEvent *event)
{
    modRTB::DisableLinkDetection();
    servingLinks = false;
    QDialog::closeEvent(event);
}

bool frmSave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            RTB_MouseDown();
            break;
        case QEvent::MouseMove:
            RTB_MouseMove();
            break;
        case QEvent::MouseButtonRelease:
            RTB_MouseUp();
            RTB_Click();
            break;
        default:
            break;
        }
    }
    // Never swallowed: the box and the link layer see every event.
    return false;
}

void frmSave::keyPressEvent(QKeyEvent *event)
{
    // A dialog would take Esc as Cancel; the report has none and closes by its close box only.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSave::RTB_Change()
{
    emptyClipboard();
}

void frmSave::RTB_Click()
{
    emptyClipboard();
}

void frmSave::RTB_MouseDown()
{
    emptyClipboard();
}

void frmSave::RTB_MouseMove()
{
    emptyClipboard();
}

void frmSave::RTB_MouseUp()
{
    emptyClipboard();
}
