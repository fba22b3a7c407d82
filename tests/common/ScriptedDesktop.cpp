#include "tests/common/ScriptedDesktop.h"

#include "report/PrintJob.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

namespace {

// Marks what a test put on the clipboard on another program's behalf.
const QString foreignFormat = QStringLiteral("application/x-zel-test-another-program");

} // namespace

ScriptedDesktop::ScriptedDesktop()
    : replaced(setDesktop(this))
    , replacedPrintSystem(setPrintSystem(this))
{ }

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(replaced);
    setPrintSystem(replacedPrintSystem);
}

MessageButton ScriptedDesktop::showMessage(const MessageRequest &request)
{
    messages.append(request);
    if (onMessage)
        onMessage(request);
    return messageAnswer;
}

QString ScriptedDesktop::askOpenPath(QWidget *, const FileRequest &request)
{
    fileRequests.append(request);
    return pathAnswer;
}

QString ScriptedDesktop::askSavePath(QWidget *, const FileRequest &request)
{
    fileRequests.append(request);
    return pathAnswer;
}

bool ScriptedDesktop::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return true;
}

QDate ScriptedDesktop::today()
{
    return todayAnswer;
}

void ScriptedDesktop::seedRandomFromClock()
{
    ++seedCount;
}

double ScriptedDesktop::nextRandom()
{
    return randomAnswers.isEmpty() ? 0.0 : randomAnswers.takeFirst();
}

void ScriptedDesktop::copyAsAnotherProgram(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    data->setData(foreignFormat, QByteArray("1"));
    QGuiApplication::clipboard()->setMimeData(data);
}

bool ScriptedDesktop::ownsClipboard(QClipboard::Mode mode)
{
    // The offscreen platform knows no owners: whatever this process put there without the
    // mark counts as the program's own, as the last copy would on a desktop.
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(mode);
    return !data || !data->hasFormat(foreignFormat);
}

QString ScriptedDesktop::defaultPrinterName()
{
    return printerName;
}

PrintOutcome ScriptedDesktop::print(const QTextDocument &document, const QString &name,
                                    const QString &jobName)
{
    if (name.isEmpty() || name != printerName)
        return PrintOutcome::PrinterUnavailable;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerOutput);
    return PrintJob::print(printer, document, jobName);
}
