#pragma once

#include <QClipboard>
#include <QDate>
#include <QFlags>
#include <QString>

#include <functional>

class QUrl;
class QWidget;

// The icons and buttons of the program's message boxes. The values are QMessageBox's, so that the
// files which only open a page or read the date need not know the widget classes.
enum class MessageIcon { None = 0, Information = 1, Warning = 2, Critical = 3 };
enum class MessageButton { None = 0x0, Ok = 0x400, Yes = 0x4000, No = 0x10000 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

struct MessageRequest
{
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButton::Ok;
    MessageButton defaultButton = MessageButton::None;
};

struct FileRequest
{
    QString title;
    // One file type as QFileDialog takes it ("Saved reading (*.zod)"), or several separated by
    // ";;", the first selected. A name typed without a suffix gets defaultSuffix, or the suffix
    // of the type the person selected instead; the chosen path's suffix tells the types apart.
    QString filter;
    QString defaultSuffix;
    // The name, without suffix, of a file saved where the person names none (a web page's
    // download); empty for the program's own name.
    QString suggestedName = {};
};

// Where the program talks to the user modally or to the desktop: message boxes, file dialogs,
// the browser, the calendar, the random-number generator and the clipboard's owner. The program
// reaches them only through this seam, so that tests can script every answer.
class Desktop
{
public:
    virtual ~Desktop() = default;

    virtual MessageButton showMessage(const MessageRequest &request) = 0;
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

    // The same requests where the answer may come after the call has returned: a web page cannot
    // wait for a dialog. Here the callback runs at once with the answer of the waiting request
    // above; a desktop that cannot wait calls it when the person answers, and a file request
    // cancelled there may never call it. The opened path is read before the callback returns;
    // the saved one is written by the callback.
    virtual void askMessage(const MessageRequest &request,
                            const std::function<void(MessageButton)> &answered);
    virtual void askOpenFile(QWidget *parent, const FileRequest &request,
                             const std::function<void(const QString &)> &chosen);
    virtual void askSaveFile(QWidget *parent, const FileRequest &request,
                             const std::function<void(const QString &)> &chosen);

    // A message with one OK button and the application title.
    void showNotice(const QString &text, MessageIcon icon);
    // The program's error message: a notice with the error icon.
    void showError(const QString &text);
};

// The desktop in use: the real one (widgets/QtDesktop) that main() installs, or a test's.
Desktop &desktop();
// Installs a desktop and returns the one it replaced; the caller keeps ownership.
Desktop *setDesktop(Desktop *replacement);
