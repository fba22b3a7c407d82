#include "tests/common/ScriptedDesktop.h"
#include "web/modHelpPages.h"

#include <QTest>

using namespace modHelp;

using PageRoutine = void (*)();
Q_DECLARE_METATYPE(PageRoutine)

class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void siteAddressIsBare();
    void routineOpensItsUrl_data();
    void routineOpensItsUrl();
    void repeatedOpensRepeat();
};

void TestPages::siteAddressIsBare()
{
    const QUrl site(siteAddress());
    QVERIFY(site.isValid());
    QCOMPARE(site.scheme(), QStringLiteral("http"));
    QVERIFY(site.path().isEmpty());
    QVERIFY(!siteAddress().endsWith(QLatin1Char('/')));
}

void TestPages::routineOpensItsUrl_data()
{
    QTest::addColumn<PageRoutine>("routine");
    QTest::addColumn<QString>("path");
    QTest::newRow("home") << PageRoutine(OpenHomePage) << QString();
    QTest::newRow("online help") << PageRoutine(
            OpenOnlineHelp) << "/zel-free-mayan-animal-sign/zel-free-mayan-animal-sign-help.html";
    QTest::newRow("download")
            << PageRoutine(OpenDownloadPage)
            << "/zel-free-mayan-animal-sign/download-zel-free-mayan-animal-sign.html";
    QTest::newRow("donate") << PageRoutine(OpenDonatePage) << "/donate.html";
    QTest::newRow("fully branded") << PageRoutine(OpenFullyBrandedPage) << "/fully-branded.html";
    QTest::newRow("co-brand") << PageRoutine(OpenCoBrandPage) << "/co-brand.html";
    QTest::newRow("catalogue") << PageRoutine(OpenSoftwareCatalogPage) << "/velmorasoftwares";
}

void TestPages::routineOpensItsUrl()
{
    QFETCH(PageRoutine, routine);
    QFETCH(QString, path);
    ScriptedDesktop desktop;
    routine();
    QCOMPARE(desktop.openedUrls.size(), 1);
    // The exact text handed over: no trailing slash on the home page, nothing added.
    QCOMPARE(desktop.openedUrls.first().toString(QUrl::FullyEncoded), siteAddress() + path);
}

void TestPages::repeatedOpensRepeat()
{
    ScriptedDesktop desktop;
    OpenDonatePage();
    OpenDonatePage();
    QCOMPARE(desktop.openedUrls.size(), 2);
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
