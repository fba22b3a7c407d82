#include "tests/common/LoudDesktop.h"

#include <QTest>
#include <QUrl>

namespace {

void failUnscripted(const QString &what)
{
    const QByteArray message = "Unscripted " + what.toUtf8() + " (install a ScriptedDesktop)";
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

} // namespace

MessageButton LoudDesktop::showMessage(const MessageRequest &request)
{
    failUnscripted(QStringLiteral("message box: ") + request.text);
    return MessageButton::None;
}

QString LoudDesktop::askOpenPath(QWidget *, const FileRequest &request)
{
    failUnscripted(QStringLiteral("open dialog: ") + request.title);
    return {};
}

QString LoudDesktop::askSavePath(QWidget *, const FileRequest &request)
{
    failUnscripted(QStringLiteral("save dialog: ") + request.title);
    return {};
}

bool LoudDesktop::openUrl(const QUrl &url)
{
    failUnscripted(QStringLiteral("web page: ") + url.toString());
    return false;
}

QString LoudDesktop::defaultPrinterName()
{
    failUnscripted(QStringLiteral("print job"));
    return {};
}

PrintOutcome LoudDesktop::print(const QTextDocument &, const QString &printerName,
                                const QString &jobName)
{
    failUnscripted(QStringLiteral("print job %1 on %2").arg(jobName, printerName));
    return PrintOutcome::PrinterUnavailable;
}
