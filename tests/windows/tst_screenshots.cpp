#include "tests/common/TestRegistry.h"

#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"

#include <QDir>
#include <QtTest>

// Renders every window as a person sees it. With ZEL_SCREENSHOT_DIR set, the pictures are kept
// there (docs/screenshots/ holds the ones the README shows).
class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyWindow_data();
    void everyWindow();
};

void TestScreenshots::cleanup()
{
    closeAllWindows();
}

void TestScreenshots::everyWindow_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main", "result", "about", "report"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestScreenshots::everyWindow()
{
    QFETCH(QString, window);
    ScriptedDesktop desktop;
    QWidget *shown = openProgramWindow(window, signNamed(QStringLiteral("Jaguar")).index);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QImage picture = shown->grab().toImage();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), shown->size() * shown->devicePixelRatio());
    const QString folder = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(picture.save(QDir(folder).filePath(window + QStringLiteral(".png"))));
    }
}

ZEL_REGISTER_TEST(TestScreenshots)
#include "tst_screenshots.moc"
