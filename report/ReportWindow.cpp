#include "report/ReportWindow.h"
#include "ui_ReportWindow.h"

#include "base/Desktop.h"
#include "report/PrintSystem.h"
#include "report/ReportPdf.h"
#include "savedreading/SavedReadingFile.h"
#include "sign/SignTable.h"
#include "web/SitePages.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"
#include "widgets/KeyboardAccess.h"
#include "widgets/LinkDetector.h"
#include "widgets/PageLinks.h"
#include "widgets/WindowLook.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QShortcut>
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

// The month is read in the person's language; the reading keeps it in English.
QString dateOfBirth(const Reading &reading)
{
    const QString month = SignTable::displayText(reading.month);
    const QString day = QString::number(reading.day);
    const QString year = QString::number(reading.year);
    // Some languages write the first of a month as an ordinal: "1er mars", "1º de março".
    if (reading.day == 1) {
        //: The date of birth in the report when it falls on the first of a month: %1 the
        //: month's name, %2 the day (1), %3 the year, as in "March 1, 1990".
        return ReportWindow::tr("%1 %2, %3", "first of a month").arg(month, day, year);
    }
    //: The date of birth in the report: %1 the month's name, %2 the day, %3 the year, as in
    //: "March 7, 1990".
    return ReportWindow::tr("%1 %2, %3").arg(month, day, year);
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

void applyFontsAndColours(const Ui::ReportWindow &ui)
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

ReportWindow::ReportWindow(const Reading &reading, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ReportWindow>())
    , reading(reading)
{
    ui->setupUi(this);
    applyFontsAndColours(*ui);
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the report goes back to the result window; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    WindowLook::apply(this, clientSize);
    PageLinks::connectPromotions(ui->Label61, ui->lblCobrand, ui->lblFullBrand);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &ReportWindow::print);
    connect(ui->cmdSave, &QPushButton::clicked, this, &ReportWindow::save);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &ReportWindow::print);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &ReportWindow::save);
    //: Screen readers only: the report window's name.
    setAccessibleName(tr("Zel Mayan Animal Sign Report"));
    connect(ui->RTB, &QTextEdit::textChanged, this, &emptyClipboard);
    // Moves without a button count too. Set before the link layer starts, which restores the
    // tracking it found when it stops.
    ui->RTB->viewport()->setMouseTracking(true);
    ui->RTB->viewport()->installEventFilter(this);
    // Before any text, so that the footer's address is a link from the start.
    links = new LinkDetector(ui->RTB);
    connect(links, &LinkDetector::linkPressed, &SitePages::openUrl);
    writeReport();
    ui->RTB->setFocus();
    KeyboardAccess::putLinksLast(ui->RTB);
}

ReportWindow::~ReportWindow()
{
    // The layer goes before the box it serves, as it does when the window closes.
    stopLinks();
}

void ReportWindow::showModal(const Reading &reading)
{
    auto *report = new ReportWindow(reading);
    WindowLook::centreOnScreen(report);
    WindowLook::runModal(report);
}

bool ReportWindow::linksActive() const
{
    return !links.isNull();
}

void ReportWindow::stopLinks()
{
    delete links;
}

void ReportWindow::writeReport()
{
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Name: "), reading.name);
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Date of Birth: "), dateOfBirth(reading));
    // The sign as the result window shows it: the Mayan name as it is, the rest in the
    // person's language.
    const Sign &sign = reading.sign;
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Mayan Animal Moon Sign: "), sign.mayanName);
    //: A label of the report, followed directly by the animal's name in the reader's own
    //: language (as opposed to its Mayan name); it ends with a space.
    insertSection(tr("English Name: "), SignTable::displayText(sign.animal));
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Crystal: "), SignTable::displayText(sign.crystal));
    //: A label of the report; its value follows directly, so it ends with a space.
    insertSection(tr("Interpretation: "), SignTable::displayText(sign.interpretation));
}

void ReportWindow::insertSection(const QString &label, const QString &value)
{
    insertAtCaret(label, labelStyle());
    insertAtCaret(value + afterValue, valueStyle());
    //: The footer under every section of the report; %1 is the site's address.
    insertAtCaret(tr("Report Generated By %1").arg(SitePages::siteAddress()) + afterFooter,
                  valueStyle());
}

void ReportWindow::insertAtCaret(const QString &text, const QTextCharFormat &style)
{
    QTextCursor caret = ui->RTB->textCursor();
    caret.insertText(text, style);
    ui->RTB->setTextCursor(caret);
}

QString ReportWindow::jobName() const
{
    //: The print job's name in the printer queue: the program's name and the person's (%1).
    return tr("Zel Mayan Animal Sign - %1").arg(reading.name);
}

void ReportWindow::print()
{
    QTextCursor caret = ui->RTB->textCursor();
    caret.clearSelection();
    ui->RTB->setTextCursor(caret);
    // A printer that prints asks nothing; only a job that cannot go out is reported.
    const QString printerName = printSystem().defaultPrinterName();
    if (printerName.isEmpty()) {
        //: "PDF document" is the second file type of the Save dialog, as translated there.
        desktop().showNotice(tr("No default printer is set up. You can save the report as a PDF "
                                "instead: press Save and choose \"PDF document\"."),
                             MessageIcon::Warning);
        return;
    }
    if (printSystem().print(*ui->RTB->document(), printerName, jobName()) != PrintOutcome::Printed)
        //: %1 is the printer's name.
        desktop().showNotice(tr("The report could not be sent to the printer %1.").arg(printerName),
                             MessageIcon::Warning);
}

void ReportWindow::save()
{
    //: Title of the save dialog; the space and four dots at the end are the program's style.
    const QString title = tr("Save Your Zodiac Signs Result ....");
    //: File type of the save dialog: keep " (*.zod)" as it is.
    const QString readingType = tr("Rich Text Format (*.zod)");
    //: The second file type of the save dialog: keep " (*.pdf)" as it is.
    const QString pdfType = tr("PDF document (*.pdf)");
    desktop().askSaveFile(
            this,
            {title, readingType + QLatin1String(";;") + pdfType, QStringLiteral("zod"), jobName()},
            [this](const QString &path) { saveTo(path); });
}

void ReportWindow::saveTo(const QString &path)
{
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        savePdf(path);
    else
        saveReading(path);
}

void ReportWindow::saveReading(const QString &path)
{
    // The reading itself is saved, not the box: whatever was typed into the report is not.
    QString reason;
    if (!SavedReadingFile::writeReading(path, reading, &reason)) {
        //: %1 is the file's path, %2 the reason the system gives.
        desktop().showError(tr("Could not save the reading to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), reason));
    }
}

void ReportWindow::savePdf(const QString &path)
{
    // The document is the report as it stands in the box, as printing would put it on paper.
    QString reason;
    if (!ReportPdf::write(path, *ui->RTB->document(), jobName(),
                          ReportPdf::pageSizeFor(QLocale::system()), &reason)) {
        //: %1 is the file's path, %2 the reason the system gives.
        desktop().showError(tr("Could not save the report to %1: %2")
                                    .arg(QDir::toNativeSeparators(path), reason));
    }
}

void ReportWindow::closeEvent(QCloseEvent *event)
{
    // The text keeps its links; they no longer open.
    stopLinks();
    QDialog::closeEvent(event);
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->RTB->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            emptyClipboard();
            break;
        default:
            break;
        }
    }
    // Never swallowed: the box and the link layer see every event.
    return false;
}

void ReportWindow::keyPressEvent(QKeyEvent *event)
{
    // A dialog would take Esc as Cancel; the report has none and closes by its close box only.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
