#include "bench/BenchDesktop.h"

BenchDesktop::BenchDesktop()
{
    setDesktop(this);
}

BenchDesktop::~BenchDesktop()
{
    setDesktop(nullptr);
}

MessageButton BenchDesktop::showMessage(const MessageRequest &)
{
    ++messageCount;
    return MessageButton::Ok;
}

QString BenchDesktop::askOpenPath(QWidget *, const FileRequest &)
{
    return {};
}

QString BenchDesktop::askSavePath(QWidget *, const FileRequest &)
{
    return {};
}

bool BenchDesktop::openUrl(const QUrl &)
{
    return true;
}

QDate BenchDesktop::today()
{
    return QDate::currentDate();
}

void BenchDesktop::seedRandomFromClock() { }

double BenchDesktop::nextRandom()
{
    return 0.5;
}

bool BenchDesktop::ownsClipboard(QClipboard::Mode)
{
    // As if the report had just been copied from: the timed steps empty the clipboard.
    return true;
}
