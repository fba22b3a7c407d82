#include "widgets/WindowLook.h"

#include "base/AppInfo.h"
#include "widgets/KeyboardAccess.h"

#include <QDialog>
#include <QFileInfo>
#ifdef Q_OS_WASM
#include <QApplication>
#include <QPointer>
#include <QTimer>
#endif
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QWidget>

namespace WindowLook {

namespace {

// The client area takes the window colour; a main window's menu bar keeps the system's look.
void paintBackground(QWidget *window, const QColor &background)
{
    auto *mainWindow = qobject_cast<QMainWindow *>(window);
    ColourTable::setBackground(background, {mainWindow ? mainWindow->centralWidget() : window});
}

// The address with a word joiner at every place where a line may break inside it.
QString joinedForLayout(const QString &address)
{
    QString joined;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, address);
    qsizetype from = 0;
    for (qsizetype at = breaks.toNextBoundary(); at > 0 && at < address.size();
         at = breaks.toNextBoundary()) {
        joined += QStringView(address).mid(from, at - from);
        joined += QChar(0x2060);
        from = at;
    }
    joined += QStringView(address).mid(from);
    return joined;
}

void fixClientSize(QWidget *window, QSize clientSize)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window)) {
        mainWindow->centralWidget()->setFixedSize(clientSize);
        mainWindow->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window->setFixedSize(clientSize);
    }
}

bool runsIntoSibling(const QWidget *widget, const QRect &place)
{
    const QList<QWidget *> siblings
            = widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *sibling : siblings) {
        if (sibling != widget && !sibling->isHidden() && sibling->geometry().intersects(place))
            return true;
    }
    return false;
}

} // namespace

void apply(QWidget *window, QSize clientSize, Minimise minimise, const QColor &background)
{
    window->setWindowTitle(AppInfo::windowCaption());
    window->setWindowIcon(applicationIcon());
    Qt::WindowFlags flags = (window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint
            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimise == Minimise::Yes)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    paintBackground(window, background);
    fixClientSize(window, clientSize);
    fitAutoSizeLabels(window);
    KeyboardAccess::apply(window);
}

void fitAutoSizeLabels(QWidget *container)
{
    const QList<QLabel *> labels = container->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->property("autoSize").toBool())
            continue;
        const QRect form = label->geometry();
        QRect fitted(form.topLeft(), label->sizeHint());
        // A caption that a language makes longer than the form's room would run into the control
        // beside it: it grows towards its container's edge instead and ends where the form ends
        // it. A caption that fits stays where the form puts it.
        if (runsIntoSibling(label, fitted)) {
            QRect leftwards = fitted;
            leftwards.moveRight(form.right());
            if (leftwards.left() >= label->parentWidget()->contentsRect().left()
                && !runsIntoSibling(label, leftwards))
                fitted = leftwards;
        }
        label->setGeometry(fitted);
    }
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    const QRect area = screen->availableGeometry();
    window->move(
            area.center()
            - QPoint(window->frameGeometry().width() / 2, window->frameGeometry().height() / 2));
}

void showCentred(QWidget *window)
{
    centreOnScreen(window);
    // showNormal, not show: a web page's platform would fill the page with a main window.
    window->showNormal();
}

void runModal(QDialog *dialog)
{
#ifdef Q_OS_WASM
    // A web page's platform hands the keys to no window when a dialog closes: the window that had
    // them, or else another one still shown, takes them again.
    const QPointer<QWidget> opener = QApplication::activeWindow();
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, opener] {
        QWidget *next = opener;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto window = windows.crbegin(); !next && window != windows.crend(); ++window) {
            if (*window != dialog && (*window)->isVisible() && (*window)->windowType() != Qt::Popup)
                next = *window;
        }
        if (next)
            next->activateWindow();
    });
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    // A window shown after it (the main window, when the update question comes at start-up)
    // would keep the keys: the dialog takes them back once the page has shown both.
    QTimer::singleShot(0, dialog, [dialog] { dialog->activateWindow(); });
#else
    dialog->exec();
#endif
}

void setCaptionKeepingAddress(QLabel *label, const QString &caption, const QString &address)
{
    QString shown = caption;
    if (!address.isEmpty())
        shown.replace(address, joinedForLayout(address));
    label->setText(shown);
    label->setAccessibleName(caption);
}

QIcon applicationIcon()
{
    // Every size drawn, so that a switcher or dock never scales the 32 x 32 picture up. Read once
    // and kept by the application, for itself and all its windows.
    if (QGuiApplication::windowIcon().isNull()) {
        QIcon icon;
        for (const char *picture :
             {":/icon/app.png", ":/icon/app-48.png", ":/icon/app-64.png", ":/icon/app-256.png"})
            icon.addFile(QString::fromLatin1(picture));
        QGuiApplication::setWindowIcon(icon);
    }
    return QGuiApplication::windowIcon();
}

QPixmap picture(const QString &path, qreal devicePixelRatio)
{
    QFileInfo file(path);
    QIcon icon(path);
    // Named here: QIcon finds the twin by itself only when the program starts on a screen past
    // 100 %, and a window can be moved to one later.
    icon.addFile(file.path() + u'/' + file.completeBaseName() + QLatin1String("@2x.")
                 + file.suffix());
    return icon.pixmap(QImageReader(path).size(), devicePixelRatio);
}

} // namespace WindowLook
