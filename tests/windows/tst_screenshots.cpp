#include "tests/common/TestRegistry.h"

#include "report/frmSave.h"
#include "sign/modMayanAnimalMoonSign.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/frmAbout.h"
#include "ui/frmMain.h"
#include "ui/frmMayanAnimalMoonSignResult.h"
#include "ui/modMayanAnimalMoonSignDisplay.h"

#include <QDir>
#include <QtTest>

// Renders every window as a person sees it. With ZEL_SCREENSHOT_DIR set, the pictures are kept
// there (docs/screenshots/ holds the ones the README shows).
class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mainWindow();
    void resultWindow();
    void aboutWindow();
    void reportWindow();

private:
    void checkAndKeep(QWidget *window, const QString &name);
    QString folder;
};

void TestScreenshots::init()
{
    folder = qEnvironmentVariable("ZEL_SCREENSHOT_DIR");
}

void TestScreenshots::cleanup()
{
    closeAllWindows();
}

void TestScreenshots::checkAndKeep(QWidget *window, const QString &name)
{
    const QImage picture = window->grab().toImage();
    QVERIFY(!picture.isNull());
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(picture.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    }
}

void TestScreenshots::mainWindow()
{
    frmMain *window = frmMain::showFresh();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    checkAndKeep(window, QStringLiteral("main"));
}

void TestScreenshots::resultWindow()
{
    modMayanAnimalMoonSign::DisplayMoonSign(QStringLiteral("Jaguar"));
    frmMayanAnimalMoonSignResult::showLoaded();
    frmMayanAnimalMoonSignResult *window = frmMayanAnimalMoonSignResult::loaded();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    checkAndKeep(window, QStringLiteral("result"));
}

void TestScreenshots::aboutWindow()
{
    auto *about = new frmAbout;
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    checkAndKeep(about, QStringLiteral("about"));
}

void TestScreenshots::reportWindow()
{
    using namespace modMayanAnimalMoonSign;
    const std::optional<int> jaguar = LookupMayanName(QStringLiteral("Jaguar"));
    QVERIFY(jaguar);
    const SignRecord sign = signRecord(*jaguar);
    auto *report
            = new frmSave({QStringLiteral("Ana"), 7, QStringLiteral("March"), 1990},
                          {sign.mayanName, sign.animalName, sign.crystal, sign.interpretation});
    report->show();
    QVERIFY(QTest::qWaitForWindowExposed(report));
    checkAndKeep(report, QStringLiteral("report"));
}

ZEL_REGISTER_TEST(TestScreenshots)
#include "tst_screenshots.moc"
