#include "widgets/WebDesktop.h"

#include "base/AppInfo.h"
#include "widgets/WindowLook.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Which suffix a button of Save stands for.
const char suffixProperty[] = "zelSuffix";

// A message box modal to the whole program, which the call leaves open.
QMessageBox *openMessage(const MessageRequest &request)
{
    auto *box = new QMessageBox;
    QtDesktop::prepare(*box, request);
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

} // namespace

MessageButton WebDesktop::showMessage(const MessageRequest &request)
{
    // The page goes on while the message shows: the answer is the button the message would
    // take, which for a notice is its one OK. A question needs askMessage.
    openMessage(request);
    return request.defaultButton != MessageButton::None ? request.defaultButton : MessageButton::Ok;
}

QString WebDesktop::askOpenPath(QWidget *, const FileRequest &)
{
    // Only askOpenFile asks here.
    return {};
}

QString WebDesktop::askSavePath(QWidget *, const FileRequest &)
{
    // Only askSaveFile asks here.
    return {};
}

void WebDesktop::askMessage(const MessageRequest &request,
                            const std::function<void(MessageButton)> &answered)
{
    QObject::connect(openMessage(request), &QDialog::finished,
                     [answered](int button) { answered(MessageButton(button)); });
}

void WebDesktop::askOpenFile(QWidget *parent, const FileRequest &request,
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

void WebDesktop::askSaveFile(QWidget *parent, const FileRequest &request,
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
