// Renders every window as a person sees it into the folder given on the command line (the
// README shows the ones in docs/screenshots): zel_screenshots docs/screenshots. Under
// QT_SCALE_FACTOR=2 the names end in -200.

#include "base/Appearance.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

bool render(const QString &window, const QDir &folder)
{
    QWidget *shown = openProgramWindow(window, signNamed(QStringLiteral("Jaguar")).index);
    if (!QTest::qWaitForWindowExposed(shown))
        return false;
    const int scale = qRound(shown->devicePixelRatioF() * 100);
    const QString name = scale == 100 ? window : QStringLiteral("%1-%2").arg(window).arg(scale);
    const bool saved = shown->grab().toImage().save(folder.filePath(name + QStringLiteral(".png")));
    closeAllWindows();
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: zel_screenshots FOLDER\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    ScriptedDesktop desktop;
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    for (const char *window : {"main", "result", "about", "report", "exit-appeal"}) {
        if (!render(QString::fromLatin1(window), folder)) {
            std::fprintf(stderr, "could not render the %s window\n", window);
            return 1;
        }
    }
    return 0;
}
