#include "tests/common/ScriptedDesktop.h"
#include "web/SitePages.h"

#include <QTest>

using namespace SitePages;

Q_DECLARE_METATYPE(SitePages::Page)

class TestSitePages : public QObject
{
    Q_OBJECT

private slots:
    void siteAddressIsBare();
    void pageOpensItsUrl_data();
    void pageOpensItsUrl();
    void repeatedOpensRepeat();
};

void TestSitePages::siteAddressIsBare()
{
    const QUrl site(siteAddress());
    QVERIFY(site.isValid());
    QCOMPARE(site.scheme(), QStringLiteral("http"));
    QVERIFY(site.path().isEmpty());
    QVERIFY(!siteAddress().endsWith(QLatin1Char('/')));
}

void TestSitePages::pageOpensItsUrl_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("path");
    QTest::newRow("home") << Page::Home << QString();
    QTest::newRow("online help")
            << Page::OnlineHelp
            << "/zel-free-mayan-animal-sign/zel-free-mayan-animal-sign-help.html";
    QTest::newRow("download")
            << Page::Download
            << "/zel-free-mayan-animal-sign/download-zel-free-mayan-animal-sign.html";
    QTest::newRow("donate") << Page::Donate << "/donate.html";
    QTest::newRow("fully branded") << Page::FullyBranded << "/fully-branded.html";
    QTest::newRow("co-brand") << Page::CoBrand << "/co-brand.html";
    QTest::newRow("catalogue") << Page::SoftwareCatalog << "/velmorasoftwares";
}

void TestSitePages::pageOpensItsUrl()
{
    QFETCH(Page, page);
    QFETCH(QString, path);
    ScriptedDesktop desktop;
    open(page);
    QCOMPARE(desktop.openedUrls.size(), 1);
    // The exact text handed over: no trailing slash on the home page, nothing added.
    QCOMPARE(desktop.openedUrls.first().toString(QUrl::FullyEncoded), siteAddress() + path);
}

void TestSitePages::repeatedOpensRepeat()
{
    ScriptedDesktop desktop;
    open(Page::Donate);
    open(Page::Donate);
    QCOMPARE(desktop.openedUrls.size(), 2);
}

QTEST_MAIN(TestSitePages)
#include "tst_sitepages.moc"
