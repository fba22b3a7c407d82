#include "tests/common/ScriptedDesktop.h"

#include <QGuiApplication>
#include <QMimeData>
#include <QTest>

namespace {

// Marks what a test put on the clipboard on another program's behalf.
const QString foreignFormat = QStringLiteral("application/x-zel-test-another-program");

} // namespace

ScriptedDesktop::ScriptedDesktop(Unscripted unscripted)
    : unscripted(unscripted)
    , replaced(setDesktop(this))
{ }

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(replaced);
}

bool ScriptedDesktop::refuse(const QString &what) const
{
    if (unscripted == Unscripted::Answer)
        return false;
    const QByteArray message = "Unscripted " + what.toUtf8() + " (install a ScriptedDesktop)";
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    return true;
}

MessageButton ScriptedDesktop::showMessage(const MessageRequest &request)
{
    if (refuse(QStringLiteral("message box: ") + request.text))
        return MessageButton::None;
    messages.append(request);
    if (onMessage)
        onMessage(request);
    return messageAnswer;
}

QString ScriptedDesktop::askOpenPath(QWidget *, const FileRequest &request)
{
    if (refuse(QStringLiteral("open dialog: ") + request.title))
        return {};
    fileRequests.append(request);
    return pathAnswer;
}

QString ScriptedDesktop::askSavePath(QWidget *, const FileRequest &request)
{
    if (refuse(QStringLiteral("save dialog: ") + request.title))
        return {};
    fileRequests.append(request);
    return pathAnswer;
}

bool ScriptedDesktop::openUrl(const QUrl &url)
{
    if (refuse(QStringLiteral("web page: ") + url.toString()))
        return false;
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
