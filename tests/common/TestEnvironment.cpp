// Linked into every test program as an object file: it prepares the process before QTEST_MAIN's
// main() creates the application, and the application once it exists.

#include "base/Appearance.h"
#include "tests/common/ScriptedDesktop.h"

#include <QCoreApplication>
#include <QDir>
#ifdef Q_OS_WASM
#include <QFontDatabase>
#endif
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QTemporaryDir &scratchHome()
{
    static QTemporaryDir home;
    return home;
}

// Never the real user's home, settings or runtime folder: Qt's test mode keeps its settings under
// $HOME/.qttest, so the home is a temporary folder too. The display is ctest's to choose (the
// build's ZEL_TEST_PLATFORM).
void prepareProcess()
{
    const QTemporaryDir &home = scratchHome();
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QStandardPaths::setTestModeEnabled(true);
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
    // Windows keeps the settings in the registry and a web page in the browser's storage, which
    // Qt's test mode does not move: the store becomes a file in the temporary home instead.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       home.filePath(QStringLiteral("config")));
#endif
}

void prepareApplication()
{
#ifdef Q_OS_WASM
    // The second family the desktop's tests find installed beside DejaVu Sans, the one a web page
    // carries: their resources hold it.
    for (const char *face : {":/testfonts/DejaVuSerif.ttf", ":/testfonts/DejaVuSerif-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
#endif
    installFontSubstitutions();
    static ScriptedDesktop strictDesktop(ScriptedDesktop::Unscripted::Fail);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(prepareProcess)
Q_COREAPP_STARTUP_FUNCTION(prepareApplication)
