#pragma once

#include <QClipboard>
#include <QDate>
#include <QMessageBox>
#include <QString>

#include <memory>

class QPrinter;
class QUrl;
class QWidget;

struct MessageRequest
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

struct FileRequest
{
    QString title;
    QString filter;
    QString defaultSuffix;
};

// Where the program talks to the user modally or to the desktop: message boxes, file dialogs,
// the browser, the calendar, the random-number generator, the clipboard's owner and the default
// printer. Tests install a scripted one.
class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual QMessageBox::StandardButton showMessage(const MessageRequest &request) = 0;
    // Both return the empty text when the user cancels.
    virtual QString askOpenPath(QWidget *parent, const FileRequest &request) = 0;
    virtual QString askSavePath(QWidget *parent, const FileRequest &request) = 0;
    virtual bool openUrl(const QUrl &url) = 0;
    virtual QDate today() = 0;
    virtual void seedRandomFromClock() = 0;
    // Uniform in [0, 1).
    virtual double nextRandom() = 0;
    // Whether what the clipboard holds in the given mode was put there by this program.
    virtual bool ownsClipboard(QClipboard::Mode mode) = 0;
    // The empty text when no default printer is set up.
    virtual QString defaultPrinterName() = 0;
    // The named printer, ready to print on; nullptr when there is no such printer.
    virtual std::unique_ptr<QPrinter> openPrinter(const QString &name) = 0;

    // The program's error message: error icon, one OK button, the application title.
    void showError(const QString &text);
};

// The desktop in use: the real one unless a test installed another.
Desktop &desktop();
// Installs a replacement (nullptr restores the real one); the caller keeps ownership.
void setDesktop(Desktop *replacement);
