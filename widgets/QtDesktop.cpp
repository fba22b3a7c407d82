#include "widgets/QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>

#ifdef Q_OS_WASM
#include "base/AppInfo.h"
#include "widgets/WindowLook.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#endif

namespace {

static_assert(int(MessageIcon::Critical) == QMessageBox::Critical
              && int(MessageIcon::Warning) == QMessageBox::Warning
              && int(MessageIcon::Information) == QMessageBox::Information);
static_assert(int(MessageButton::Ok) == QMessageBox::Ok
              && int(MessageButton::Yes) == QMessageBox::Yes
              && int(MessageButton::No) == QMessageBox::No);

// The first suffix a file type names: "pdf" for "PDF document (*.pdf)".
QString suffixOf(const QString &fileType)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^ )]+)"));
    return firstPattern.match(fileType).captured(1);
}

#ifndef Q_OS_WASM

void prepare(QFileDialog &dialog, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without a suffix is of the type selected, and its path says so.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString &fileType) {
                         const QString suffix = suffixOf(fileType);
                         if (!suffix.isEmpty())
                             dialog.setDefaultSuffix(suffix);
                     });
}

QString askPath(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    prepare(dialog, request, mode);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

#endif

// A message may break its lines with a carriage return, as the update question does; a label
// breaks only at a line feed and would run the lines together.
QString withLineFeeds(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void prepare(QMessageBox &box, const MessageRequest &request)
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

#ifdef Q_OS_WASM

// Which suffix a button of the web page's Save stands for.
const char suffixProperty[] = "zelSuffix";

// A message box of the web page, modal to the whole program, which the call leaves open.
QMessageBox *openMessage(const MessageRequest &request)
{
    auto *box = new QMessageBox;
    prepare(*box, request);
    box->setAttribute(Qt::WA_DeleteOnClose);
    WindowLook::runModal(box);
    return box;
}

// The browser takes a file the program wrote in the page's memory as a download of that name;
// the memory is freed.
void offerDownload(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QFileDialog::saveFileContent(file.readAll(), QFileInfo(path).fileName());
    file.remove();
}

#endif

} // namespace

MessageButton QtDesktop::showMessage(const MessageRequest &request)
{
#ifdef Q_OS_WASM
    // The page goes on while the message shows: the answer is the button the message would
    // take, which for a notice is its one OK. A question needs askMessage.
    openMessage(request);
    return request.defaultButton != MessageButton::None ? request.defaultButton : MessageButton::Ok;
#else
    QMessageBox box;
    prepare(box, request);
    return MessageButton(box.exec());
#endif
}

QString QtDesktop::askOpenPath(QWidget *parent, const FileRequest &request)
{
#ifdef Q_OS_WASM
    // A web page cannot wait for a file: only askOpenFile asks there.
    Q_UNUSED(parent);
    Q_UNUSED(request);
    return {};
#else
    return askPath(parent, request, QFileDialog::AcceptOpen);
#endif
}

QString QtDesktop::askSavePath(QWidget *parent, const FileRequest &request)
{
#ifdef Q_OS_WASM
    // A web page cannot wait for a file: only askSaveFile asks there.
    Q_UNUSED(parent);
    Q_UNUSED(request);
    return {};
#else
    // A save dialog asks before it replaces an existing file.
    return askPath(parent, request, QFileDialog::AcceptSave);
#endif
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

#ifdef Q_OS_WASM

void QtDesktop::askMessage(const MessageRequest &request,
                           const std::function<void(MessageButton)> &answered)
{
    QObject::connect(openMessage(request), &QDialog::finished,
                     [answered](int button) { answered(MessageButton(button)); });
}

void QtDesktop::askOpenFile(QWidget *parent, const FileRequest &request,
                            const std::function<void(const QString &)> &chosen)
{
    // The browser's own file chooser hands over the content of the file, which is read from the
    // page's memory under its own name. A chooser cancelled says nothing.
    const QPointer<QWidget> opener(parent);
    QFileDialog::getOpenFileContent(
            request.filter,
            [opener, hadOpener = parent != nullptr, chosen](const QString &name,
                                                            const QByteArray &content) {
                const QTemporaryDir folder;
                if (name.isEmpty() || (hadOpener && !opener) || !folder.isValid())
                    return;
                QFile file(folder.filePath(QFileInfo(name).fileName()));
                if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
                    && file.flush())
                    chosen(file.fileName());
            });
}

void QtDesktop::askSaveFile(QWidget *parent, const FileRequest &request,
                            const std::function<void(const QString &)> &chosen)
{
    // The browser puts a download where it puts downloads: the person picks the kind of file, a
    // button for each type of the request, and the file takes the suggested name. What the
    // program writes under that name in the page's memory goes to the browser.
    auto *box = new QMessageBox(QMessageBox::NoIcon, AppInfo::applicationTitle(), request.title,
                                QMessageBox::Cancel, parent);
    for (const QString &type : request.filter.split(QLatin1String(";;"))) {
        QPushButton *button = box->addButton(type, QMessageBox::AcceptRole);
        button->setProperty(suffixProperty, suffixOf(type));
        if (!box->defaultButton())
            box->setDefaultButton(button);
    }
    QString name
            = request.suggestedName.isEmpty() ? AppInfo::executableName() : request.suggestedName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    QObject::connect(box, &QMessageBox::buttonClicked, [name, chosen](QAbstractButton *button) {
        const QString suffix = button->property(suffixProperty).toString();
        const QTemporaryDir folder;
        if (suffix.isEmpty() || !folder.isValid())
            return;
        const QString path = folder.filePath(name + QLatin1Char('.') + suffix);
        chosen(path);
        offerDownload(path);
    });
    box->setAttribute(Qt::WA_DeleteOnClose);
    WindowLook::runModal(box);
}

#endif

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
