#include "bench/InProcessBench.h"

#include "bench/PaintMarker.h"
#include "report/ReportWindow.h"
#include "savedreading/SavedReadingFile.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ScriptedDesktop.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "widgets/WindowLook.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>

namespace {

constexpr qint64 paintTimeoutNs = 10'000'000'000;

// Times an action from its start until the window it brings up is painted and flushed.
class PaintTimer
{
public:
    template<typename Window>
    double time(const std::function<void()> &action)
    {
        marker.rearm([](const QWidget *window) { return qobject_cast<const Window *>(window); });
        QElapsedTimer timer;
        timer.start();
        action();
        while (!marker.painted() && timer.nsecsElapsed() < paintTimeoutNs)
            QCoreApplication::processEvents();
        return marker.painted() ? double(timer.nsecsElapsed()) / 1e6 : -1;
    }

private:
    PaintMarker marker;
};

// Lets every pending event, and every window closed with delete-on-close, go before the next step.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The first visible window of a type, or nullptr.
template<typename Window>
Window *visibleWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// A different month each cycle, so that every sign and picture comes up.
void fillMainWindow(MainWindow *main, int cycle)
{
    main->findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("Ana Lopez"));
    main->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(cycle % 12);
    main->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(14);
}

void runCycle(PaintTimer &timer, InProcessRuns &runs, int cycle)
{
    MainWindow *main = visibleWindow<MainWindow>();
    fillMainWindow(main, cycle);
    runs.findMs << timer.time<ResultWindow>([main] { main->find(); });
    settle();
    QPointer<ReportWindow> report;
    runs.reportMs << timer.time<ReportWindow>([&report] {
        report = new ReportWindow(visibleWindow<ResultWindow>()->shownReading());
        WindowLook::centreOnScreen(report);
        report->show();
    });
    settle();
    report->close();
    settle();
    runs.backMs << timer.time<MainWindow>([] { visibleWindow<ResultWindow>()->back(); });
    settle();
}

void runFileCycles(InProcessRuns &runs, int fileRuns)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.zod"));
    const Reading reading
            = *Reading::of(QStringLiteral("Ana Lopez"), QStringLiteral("March"), 15, 1984);
    QElapsedTimer timer;
    for (int i = 0; i < fileRuns; ++i) {
        QString error;
        timer.start();
        const bool saved = SavedReadingFile::writeReading(path, reading, &error);
        runs.saveMs << (saved ? double(timer.nsecsElapsed()) / 1e6 : -1);
        timer.start();
        const bool opened = SavedReadingFile::readReading(path).has_value();
        runs.openMs << (opened ? double(timer.nsecsElapsed()) / 1e6 : -1);
    }
}

} // namespace

InProcessRuns runInProcessBench(int cycles, int fileRuns)
{
    // Answers for the person, so that no timed step waits on a dialog or starts a browser.
    ScriptedDesktop quietDesktop;
    InProcessRuns runs;
    PaintTimer timer;
    runs.firstMainWindowMs = timer.time<MainWindow>([] { MainWindow::showFresh(); });
    settle();
    for (int cycle = 0; cycle < cycles; ++cycle)
        runCycle(timer, runs, cycle);
    runFileCycles(runs, fileRuns);
    // A message during a timed step means the step did not run as intended.
    runs.messages = int(quietDesktop.messages.size());
    if (MainWindow *main = visibleWindow<MainWindow>())
        delete main;
    return runs;
}
