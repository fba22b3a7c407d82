#include "tests/common/PdfTools.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/ScriptedPrinter.h"
#include "tests/common/WindowHelpers.h"

#include "report/ReportPdf.h"
#include "report/ReportWindow.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPageSize>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The report saved as a PDF document, read back with poppler's tools as a person's PDF reader
// would read it.
class TestReportPdf : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void savedPdfHoldsTheReport_data();
    void savedPdfHoldsTheReport();
    void pageSizeFollowsTheLocale_data();
    void pageSizeFollowsTheLocale();
    void marginsAreThoseOfPrinting();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
};

namespace {

const QString oldBytes = QStringLiteral("an older document");

// What a poppler tool prints for its arguments, or the empty text when it fails.
QString poppler(const char *tool, const QStringList &arguments)
{
#if QT_CONFIG(process)
    QProcess process;
    process.start(QStringLiteral("/usr/bin/") + QLatin1String(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
#else
    // Not reached: PdfTools::unavailableReason() skips every row that would read a PDF back.
    Q_UNUSED(tool);
    Q_UNUSED(arguments);
    return {};
#endif
}

QString infoField(const QString &info, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1: *(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1);
}

// pdfinfo's "595 x 842 pts (A4)" in whole points.
QSize pagePoints(const QString &info)
{
    static const QRegularExpression size(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch match = size.match(infoField(info, QStringLiteral("Page size")));
    return QSize(qRound(match.captured(1).toDouble()), qRound(match.captured(2).toDouble()));
}

// The words of a text, ligatures spelt out; a PDF breaks the lines where the page does, and
// numbers its pages.
QStringList wordsOf(const QString &text)
{
    QStringList words;
    for (const QString &line : text.normalized(QString::NormalizationForm_KC).split(u'\n')) {
        static const QRegularExpression pageNumber(QStringLiteral("^\\s*\\f?\\s*[0-9]+\\s*$"));
        if (!pageNumber.match(line).hasMatch())
            words += line.simplified().split(u' ', Qt::SkipEmptyParts);
    }
    return words;
}

QPointer<ReportWindow> openReport(const QString &name)
{
    auto *window = new ReportWindow(*Reading::of(name, QStringLiteral("March"), 7, 1990));
    window->show();
    return window;
}

void pressButton(QWidget *window, const char *name)
{
    QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton);
}

QTextEdit *boxOf(QWidget *window)
{
    return child<QTextEdit>(window, "RTB");
}

bool writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Where the first word of the PDF's first page begins, in points from the page's top left.
QPointF firstWordAt(const QString &path)
{
    static const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\""));
    const QRegularExpressionMatch match = word.match(
            poppler("pdftotext", {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    return match.hasMatch() ? QPointF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QPointF(-1, -1);
}

#ifdef Q_OS_UNIX
// Files written by this process stop growing at the limit, as on a full disk: the write that
// crosses it fails (EFBIG) instead of ending the process. The limit in force before comes back
// when the guard goes.
auto limitFileSize(rlim_t bytes)
{
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = bytes;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    return qScopeGuard([previous] {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, SIG_DFL);
    });
}
#endif

} // namespace

void TestReportPdf::cleanup()
{
    destroyAllWindows();
}

void TestReportPdf::savedPdfHoldsTheReport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("typedLines");
    QTest::newRow("one page") << "Ana"
                              << "report.pdf" << 0;
    QTest::newRow("accents, suffix in capitals") << "José Ñandú"
                                                 << "REPORT.PDF" << 0;
    // What the person typed into the box is part of the report as it stands.
    QTest::newRow("typed into the box, more pages") << "Ana"
                                                    << "report.pdf" << 90;
}

void TestReportPdf::savedPdfHoldsTheReport()
{
    if (const char *reason = PdfTools::unavailableReason())
        QSKIP(reason);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(int, typedLines);
    ScriptedDesktop desktop;
    QTemporaryDir folder;
    desktop.pathAnswer = folder.filePath(file);
    const QPointer<ReportWindow> window = openReport(name);
    QTextCursor end = boxOf(window)->textCursor();
    end.movePosition(QTextCursor::End);
    for (int line = 1; line <= typedLines; ++line)
        end.insertText(QStringLiteral("A note typed into the report, line %1.\n").arg(line));
    pressButton(window, "cmdSave");

    QCOMPARE(desktop.messages.size(), 0);
    const QString info = poppler("pdfinfo", {desktop.pathAnswer});
    QCOMPARE(infoField(info, QStringLiteral("Title")),
             QStringLiteral("Zel Mayan Animal Sign - ") + name);
    QCOMPARE(pagePoints(info), ReportPdf::pageSizeFor(QLocale::system()).sizePoints());
    QCOMPARE(infoField(info, QStringLiteral("Pages")).toInt() > 1, typedLines > 0);
    QCOMPARE(wordsOf(poppler("pdftotext", {desktop.pathAnswer, QStringLiteral("-")})),
             wordsOf(boxOf(window)->toPlainText()));
}

void TestReportPdf::pageSizeFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QSize>("points");
    const QSize letter(612, 792);
    const QSize a4(595, 842);
    QTest::newRow("United States") << "en_US" << letter;
    QTest::newRow("United States, Spanish") << "es_US" << letter;
    QTest::newRow("United Kingdom") << "en_GB" << a4;
    QTest::newRow("Germany") << "de_DE" << a4;
    QTest::newRow("Spain") << "es_ES" << a4;
}

void TestReportPdf::pageSizeFollowsTheLocale()
{
    if (const char *reason = PdfTools::unavailableReason())
        QSKIP(reason);
    QFETCH(QString, locale);
    QFETCH(QSize, points);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QTextDocument document(QStringLiteral("Name: Ana"));
    QVERIFY(ReportPdf::write(path, document, QStringLiteral("Zel Mayan Animal Sign - Ana"),
                             ReportPdf::pageSizeFor(QLocale(locale))));
    QCOMPARE(pagePoints(poppler("pdfinfo", {path})), points);
}

void TestReportPdf::marginsAreThoseOfPrinting()
{
    if (const char *reason = PdfTools::unavailableReason())
        QSKIP(reason);
    ScriptedDesktop desktop;
    ScriptedPrinter printer;
    QTemporaryDir folder;
    printer.printerName = QStringLiteral("Office PDF");
    printer.printerOutput = folder.filePath(QStringLiteral("printed.pdf"));
    desktop.pathAnswer = folder.filePath(QStringLiteral("saved.pdf"));
    const QPointer<ReportWindow> window = openReport(QStringLiteral("Ana"));
    pressButton(window, "cmdPrint");
    pressButton(window, "cmdSave");

    QCOMPARE(desktop.messages.size(), 0);
    const QPointF printed = firstWordAt(printer.printerOutput);
    const QPointF saved = firstWordAt(desktop.pathAnswer);
    QVERIFY(printed.x() > 0);
    QVERIFY2(qAbs(printed.x() - saved.x()) < 0.5 && qAbs(printed.y() - saved.y()) < 0.5,
             qPrintable(QStringLiteral("printed at %1,%2, saved at %3,%4")
                                .arg(printed.x())
                                .arg(printed.y())
                                .arg(saved.x())
                                .arg(saved.y())));
}

void TestReportPdf::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("a file where its folder should be") << "report.pdf/new.pdf" << false;
#if defined(Q_OS_UNIX) && !defined(Q_OS_WASM)
    // A web page's memory file system sets no limit on the size of a file.
    QTest::newRow("no room for the whole document") << "report.pdf" << true;
#endif
}

void TestReportPdf::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, relativePath);
    QFETCH(bool, diskFull);
    ScriptedDesktop desktop;
    QTemporaryDir folder;
    const QString old = folder.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writeFile(old, oldBytes));
    desktop.pathAnswer = folder.filePath(relativePath);
    const QPointer<ReportWindow> window = openReport(QStringLiteral("Ana"));
#ifdef Q_OS_UNIX
    if (diskFull) {
        // Far less than a report's PDF, far more than the old file.
        const auto limit = limitFileSize(4096);
        pressButton(window, "cmdSave");
    }
#endif
    if (!diskFull)
        pressButton(window, "cmdSave");

    QCOMPARE(desktop.messages.size(), 1);
    const MessageRequest message = desktop.messages.first();
    QVERIFY2(message.text.startsWith(QStringLiteral("Could not save the report to %1: ")
                                             .arg(QDir::toNativeSeparators(desktop.pathAnswer))),
             qPrintable(message.text));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QVERIFY(window->isVisible());
    QCOMPARE(readFile(old), oldBytes);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList(QStringLiteral("report.pdf")));
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"
