#include "tests/common/ScriptedDesktop.h"

ScriptedDesktop::ScriptedDesktop()
    : replaced(&desktop())
{
    setDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(replaced);
}

QMessageBox::StandardButton ScriptedDesktop::showMessage(const MessageRequest &request)
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
