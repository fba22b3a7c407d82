#include "tests/common/WindowHelpers.h"

#include "base/UnloadAllForms.h"

#include "report/frmSave.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "ui/frmMayanAnimalMoonSignResult.h"
#include "ui/frmNagScreen2.h"
#include "ui/modMayanAnimalMoonSignDisplay.h"

#include <QApplication>
#include <QPointer>

void closeAllWindows()
{
    // Ending the program closes windows without the exit path; deferred deletes then run.
    UnloadAllForms();
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        windows.append(widget);
    for (const QPointer<QWidget> &window : windows) {
        if (window && !window->parentWidget())
            delete window.data();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->isWindow())
            windows.append(widget);
    }
    return windows;
}

using namespace modMayanAnimalMoonSign;

SignRecord signNamed(const QString &mayanName)
{
    return signRecord(LookupMayanName(mayanName).value()).value();
}

SignRecord filledSign(int index)
{
    return signRecord(index).value();
}

QStringList captionsOf(const SignRecord &sign)
{
    return {sign.mayanName, displayText(sign.animalName), displayText(sign.crystal),
            displayText(sign.interpretation)};
}

QWidget *openProgramWindow(const QString &which, int signIndex)
{
    if (which == QLatin1String("main"))
        return frmMain::showFresh();
    if (which == QLatin1String("result")) {
        DisplayMoonSign(filledSign(signIndex).mayanName);
        frmMayanAnimalMoonSignResult::showLoaded();
        return frmMayanAnimalMoonSignResult::loaded();
    }
    QWidget *window = nullptr;
    if (which == QLatin1String("report")) {
        const BirthInputType ana {QStringLiteral("Ana"), 7, QStringLiteral("March"), 1990};
        window = new frmSave(ana, captionsOf(filledSign(signIndex)));
    } else if (which == QLatin1String("about")) {
        window = new frmAbout;
    } else {
        window = new frmNagScreen2;
    }
    window->show();
    return window;
}
