#include "app/QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTime>
#include <QUrl>

namespace {

QString askPath(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QMessageBox::StandardButton QtDesktop::showMessage(const MessageRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return QMessageBox::StandardButton(box.exec());
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

QString QtDesktop::defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPrinter> QtDesktop::openPrinter(const QString &name)
{
    const QPrinterInfo printer = QPrinterInfo::printerInfo(name);
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer);
}
