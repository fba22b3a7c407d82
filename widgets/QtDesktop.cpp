#include "widgets/QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>

namespace {

static_assert(int(MessageIcon::Critical) == QMessageBox::Critical
              && int(MessageIcon::Warning) == QMessageBox::Warning
              && int(MessageIcon::Information) == QMessageBox::Information);
static_assert(int(MessageButton::Ok) == QMessageBox::Ok
              && int(MessageButton::Yes) == QMessageBox::Yes
              && int(MessageButton::No) == QMessageBox::No);

QString askPath(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without a suffix is of the type selected, and its path says so.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &fileType) {
                         const QString suffix = QtDesktop::suffixOf(fileType);
                         if (!suffix.isEmpty())
                             dialog.setDefaultSuffix(suffix);
                     });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// A message may break its lines with a carriage return, as the update question does; a label
// breaks only at a line feed and would run the lines together.
QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void QtDesktop::prepare(QMessageBox &box, const MessageRequest &request)
{
    box.setIcon(QMessageBox::Icon(request.icon));
    box.setWindowTitle(request.title);
    box.setText(withLineFeeds(request.text));
    box.setStandardButtons(QMessageBox::StandardButtons(request.buttons.toInt()));
    // A message is plain text: a path or a system's reason in it is never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (request.defaultButton != MessageButton::None)
        box.setDefaultButton(QMessageBox::StandardButton(request.defaultButton));
}

QString QtDesktop::suffixOf(const QString &fileType)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ )]+)"));
    return firstPattern.match(fileType).captured(1);
}

MessageButton QtDesktop::showMessage(const MessageRequest &request)
{
    QMessageBox box;
    prepare(box, request);
    return MessageButton(box.exec());
}

QString QtDesktop::askOpenPath(QWidget *parent, const FileRequest &request)
{
    return askPath(parent, request, QFileDialog::AcceptOpen);
}

QString QtDesktop::askSavePath(QWidget *parent, const FileRequest &request)
{
    // A save dialog asks before it replaces an existing file.
    return askPath(parent, request, QFileDialog::AcceptSave);
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QDate QtDesktop::today()
{
    return QDate::currentDate();
}

void QtDesktop::seedRandomFromClock()
{
    generator.seed(std::mt19937::result_type(QTime::currentTime().msecsSinceStartOfDay()));
}

double QtDesktop::nextRandom()
{
    // libstdc++'s generate_canonical can return exactly 1.0; the draws need [0, 1).
    std::uniform_real_distribution<double> distribution(0.0, 1.0);
    double r = distribution(generator);
    while (r >= 1.0)
        r = distribution(generator);
    return r;
}

bool QtDesktop::ownsClipboard(QClipboard::Mode mode)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    switch (mode) {
    case QClipboard::Clipboard:
        return clipboard->ownsClipboard();
    case QClipboard::Selection:
        return clipboard->ownsSelection();
    case QClipboard::FindBuffer:
        return clipboard->ownsFindBuffer();
    }
    return false;
}
