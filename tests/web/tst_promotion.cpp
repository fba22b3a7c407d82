#include "tests/common/ScriptedDesktop.h"
#include "web/Promotion.h"

#include <QTest>

using Promotion::Offer;
Q_DECLARE_METATYPE(std::optional<Promotion::Offer>)

class TestPromotion : public QObject
{
    Q_OBJECT

private slots:
    void draw_data();
    void draw();
    void halvesGoToTheEvenNeighbour_data();
    void halvesGoToTheEvenNeighbour();
    void offerOnTop_data();
    void offerOnTop();
};

void TestPromotion::draw_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0.0 << 1;
    QTest::newRow("below the first half") << 0.08 << 1;
    QTest::newRow("middle of 2") << 1.0 / 6.0 << 2;
    QTest::newRow("middle of 3") << 2.0 / 6.0 << 3;
    QTest::newRow("a half") << 0.5 << 4;
    QTest::newRow("middle of 5") << 4.0 / 6.0 << 5;
    QTest::newRow("middle of 6") << 5.0 / 6.0 << 6;
    QTest::newRow("above the last half") << 0.92 << 7;
    QTest::newRow("just below one") << 0.9999999 << 7;
}

void TestPromotion::draw()
{
    QFETCH(double, r);
    QFETCH(int, expected);
    QCOMPARE(Promotion::draw(r), expected);
}

void TestPromotion::halvesGoToTheEvenNeighbour_data()
{
    QTest::addColumn<int>("twelfths");
    QTest::addColumn<double>("half");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("even");
    QTest::newRow("1.5") << 1 << 1.5 << 1 << 2;
    QTest::newRow("2.5") << 3 << 2.5 << 2 << 2;
    QTest::newRow("3.5") << 5 << 3.5 << 3 << 4;
    QTest::newRow("4.5") << 7 << 4.5 << 4 << 4;
    QTest::newRow("5.5") << 9 << 5.5 << 5 << 6;
    QTest::newRow("6.5") << 11 << 6.5 << 6 << 6;
}

void TestPromotion::halvesGoToTheEvenNeighbour()
{
    QFETCH(int, twelfths);
    QFETCH(double, half);
    QFETCH(int, lower);
    QFETCH(int, even);
    const double r = twelfths / 12.0;
    // The row only means something if the arithmetic really lands on the half.
    QCOMPARE(6.0 * r + 1.0, half);
    QCOMPARE(Promotion::draw(r), even);
    QCOMPARE(Promotion::draw(r - 1e-9), lower);
    QCOMPARE(Promotion::draw(r + 1e-9), lower + 1);
}

void TestPromotion::offerOnTop_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<std::optional<Offer>>("offer");
    QTest::newRow("1 raises co-brand") << 0.0 << std::optional(Offer::CoBrand);
    QTest::newRow("2 raises full brand") << 0.2 << std::optional(Offer::FullyBranded);
    QTest::newRow("3 raises co-brand") << 0.35 << std::optional(Offer::CoBrand);
    QTest::newRow("4 raises full brand") << 0.5 << std::optional(Offer::FullyBranded);
    QTest::newRow("5 raises co-brand") << 0.7 << std::optional(Offer::CoBrand);
    QTest::newRow("6 raises full brand") << 0.85 << std::optional(Offer::FullyBranded);
    QTest::newRow("7 raises neither") << 0.95 << std::optional<Offer>();
}

void TestPromotion::offerOnTop()
{
    QFETCH(double, r);
    QFETCH(std::optional<Offer>, offer);
    ScriptedDesktop desktop;
    desktop.randomAnswers = {r, 0.5};
    QCOMPARE(Promotion::drawOffer(), offer);
    // One draw takes one number.
    QCOMPARE(desktop.randomAnswers.size(), 1);
}

QTEST_MAIN(TestPromotion)
#include "tst_promotion.moc"
