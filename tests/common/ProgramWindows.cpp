#include "tests/common/ProgramWindows.h"

#include "tests/common/WindowHelpers.h"

#include "report/ReportWindow.h"
#include "sign/SignTable.h"
#include "ui/AboutWindow.h"
#include "ui/ExitAppealWindow.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"

Sign signNamed(const QString &mayanName)
{
    const std::optional<Sign> sign = SignTable::signNamed(mayanName);
    if (!sign)
        qFatal("No sign is named %s", qPrintable(mayanName));
    return *sign;
}

Reading anaWith(const Sign &sign)
{
    return {QStringLiteral("Ana"), 7, QStringLiteral("March"), 1990, sign};
}

QStringList captionsOf(const Sign &sign)
{
    using SignTable::displayText;
    return {sign.mayanName, displayText(sign.animal), displayText(sign.crystal),
            displayText(sign.interpretation)};
}

QWidget *openProgramWindow(const QString &which, const Sign &sign)
{
    if (which == QLatin1String("main"))
        return MainWindow::showFresh();
    if (which == QLatin1String("result"))
        return ResultWindow::showReading(anaWith(sign));
    QWidget *window = nullptr;
    if (which == QLatin1String("report"))
        window = new ReportWindow(anaWith(sign));
    else if (which == QLatin1String("about"))
        window = new AboutWindow;
    else
        window = new ExitAppealWindow;
    window->show();
    return window;
}

void closeProgramWindows()
{
    // Ending the program closes windows without the exit path.
    ExitAppealWindow::endProgram();
    destroyAllWindows();
}
