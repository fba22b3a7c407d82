#include "tests/common/TestRegistry.h"

#include "app/Appearance.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>

std::vector<TestRegistry::Factory> &TestRegistry::factories()
{
    static std::vector<Factory> list;
    return list;
}

namespace {

// Started by the single-instance tests as a second process: holds the program's lock until it is
// killed, in the runtime folder it inherits.
int holdInstanceLock(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SingleInstance instance;
    if (!instance.acquire())
        return 2;
    std::fputs("holding\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("ZEL_TEST_HOLD_LOCK"))
        return holdInstanceLock(argc, argv);
    // Never touch the real user's settings, runtime folder or browser. Qt's test mode keeps
    // settings under $HOME/.qttest whatever XDG_CONFIG_HOME says, so the home moves as well.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);

    QApplication app(argc, argv);
    installFontSubstitutions();

    // ZEL_TEST_CLASS=TestName runs one class; Qt Test's own arguments then pick its functions.
    const QString only = qEnvironmentVariable("ZEL_TEST_CLASS");
    int failures = 0;
    for (const TestRegistry::Factory &factory : TestRegistry::factories()) {
        const std::unique_ptr<QObject> test = factory();
        if (only.isEmpty() || only == QLatin1String(test->metaObject()->className()))
            failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
