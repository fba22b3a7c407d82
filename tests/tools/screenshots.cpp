// Renders every window as a person sees it into the folder given on the command line (the
// README shows the ones in docs/screenshots): zel_screenshots docs/screenshots. Under
// QT_SCALE_FACTOR=2 the names end in -200. A language code after the folder renders the windows
// in that language (zel_screenshots docs/screenshots/de de); without one they are in English,
// whatever the system's locale.

#include "base/Appearance.h"
#include "base/Translations.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

bool render(const QString &window, const QDir &folder)
{
    QWidget *shown = openProgramWindow(window, signNamed(QStringLiteral("Jaguar")));
    if (!QTest::qWaitForWindowExposed(shown))
        return false;
    const int scale = qRound(shown->devicePixelRatioF() * 100);
    const QString name = scale == 100 ? window : QStringLiteral("%1-%2").arg(window).arg(scale);
    const bool saved = shown->grab().toImage().save(folder.filePath(name + QStringLiteral(".png")));
    closeProgramWindows();
    return saved;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::fputs("usage: zel_screenshots FOLDER [LANGUAGE]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!Translations::install(language)) {
        std::fprintf(stderr, "no translation for the language %s\n", argv[2]);
        return 2;
    }
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
