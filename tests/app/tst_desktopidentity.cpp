#include "BuildConfig.h"
#include "base/AppInfo.h"
#include "base/Scrambler.h"
#include "base/SettingsStore.h"
#include "base/SingleInstance.h"
#include "ui/MainWindow.h"
#include "widgets/WindowLook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

// How the desktop knows the running program: names that match its menu entry, and an icon in
// every size shipped; the settings store and the lock keep the executable's name.
class TestDesktopIdentity : public QObject
{
    Q_OBJECT

private slots:
    void storesKeepTheExecutableName();
    void windowIconHasEverySize_data();
    void windowIconHasEverySize();
};

void TestDesktopIdentity::storesKeepTheExecutableName()
{
    const QString lockBefore = SingleInstance::lockFilePath();
    AppInfo::setApplicationMetadata();
    QCOMPARE(QCoreApplication::applicationName(), AppInfo::desktopFileName());

    QCOMPARE(SingleInstance::lockFilePath(), lockBefore);
    QCOMPARE(QFileInfo(lockBefore).fileName(), executable + QStringLiteral(".lock"));
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_WASM)
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(SettingsStore::write(QStringLiteral("Probe"), QStringLiteral("value")));
    QVERIFY(QFile::exists(QDir(config).filePath(executable + QStringLiteral(".conf"))));
    // Nothing under the names the desktop sees.
    const QStringList written = QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QCOMPARE(written, QStringList {executable + QStringLiteral(".conf")});
#else
    QSKIP("the store is a file only on X11 and Wayland systems");
#endif
}

void TestDesktopIdentity::windowIconHasEverySize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {32, 48, 64, 256})
        QTest::addRow("%d", size) << size;
}

void TestDesktopIdentity::windowIconHasEverySize()
{
    QFETCH(int, size);
    MainWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    // Drawn at that size, not scaled from another.
    const QImage drawn = icon.pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(drawn.size(), QSize(size, size));
    const QString file = size == 32 ? QStringLiteral(":/icon/app.png")
                                    : QStringLiteral(":/icon/app-%1.png").arg(size);
    constexpr auto format = QImage::Format_ARGB32_Premultiplied;
    QCOMPARE(drawn.convertToFormat(format), QImage(file).convertToFormat(format));
}

QTEST_MAIN(TestDesktopIdentity)
#include "tst_desktopidentity.moc"
