#include "tests/common/ScriptedDesktop.h"
#include "web/CoBrand.h"

#include <QLabel>
#include <QTest>

namespace {

// raise() moves a widget to the end of its parent's child list, which is also the stacking order.
QWidget *upper(QWidget *parent, QWidget *a, QWidget *b)
{
    const QObjectList &children = parent->children();
    return children.indexOf(a) > children.indexOf(b) ? a : b;
}

} // namespace

class TestCoBrand : public QObject
{
    Q_OBJECT

private slots:
    void draw_data();
    void draw();
    void halvesGoToTheEvenNeighbour_data();
    void halvesGoToTheEvenNeighbour();
    void labelOnTop_data();
    void labelOnTop();
};

void TestCoBrand::draw_data()
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

void TestCoBrand::draw()
{
    QFETCH(double, r);
    QFETCH(int, expected);
    QCOMPARE(coBrandDraw(r), expected);
}

void TestCoBrand::halvesGoToTheEvenNeighbour_data()
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

void TestCoBrand::halvesGoToTheEvenNeighbour()
{
    QFETCH(int, twelfths);
    QFETCH(double, half);
    QFETCH(int, lower);
    QFETCH(int, even);
    const double r = twelfths / 12.0;
    // The row only means something if the arithmetic really lands on the half.
    QCOMPARE(6.0 * r + 1.0, half);
    QCOMPARE(coBrandDraw(r), even);
    QCOMPARE(coBrandDraw(r - 1e-9), lower);
    QCOMPARE(coBrandDraw(r + 1e-9), lower + 1);
}

void TestCoBrand::labelOnTop_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<bool>("coBrandFirstOnTop");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("coBrandOnTop");
    QTest::newRow("1 raises co-brand") << 0.0 << false << 1 << true;
    QTest::newRow("2 raises full brand") << 0.2 << true << 2 << false;
    QTest::newRow("3 raises co-brand") << 0.35 << false << 3 << true;
    QTest::newRow("4 raises full brand") << 0.5 << true << 4 << false;
    QTest::newRow("5 raises co-brand") << 0.7 << false << 5 << true;
    QTest::newRow("6 raises full brand") << 0.85 << true << 6 << false;
    QTest::newRow("7 keeps full brand") << 0.95 << false << 7 << false;
    QTest::newRow("7 keeps co-brand") << 0.95 << true << 7 << true;
}

void TestCoBrand::labelOnTop()
{
    QFETCH(double, r);
    QFETCH(bool, coBrandFirstOnTop);
    QFETCH(int, number);
    QFETCH(bool, coBrandOnTop);
    QWidget frame;
    auto *coBrand = new QLabel(QStringLiteral("co-brand"), &frame);
    auto *fullBrand = new QLabel(QStringLiteral("full brand"), &frame);
    if (coBrandFirstOnTop)
        coBrand->raise();
    QCOMPARE(upper(&frame, coBrand, fullBrand) == coBrand, coBrandFirstOnTop);

    ScriptedDesktop desktop;
    desktop.randomAnswers = {r, 0.5};
    intCoBrandRandomNumber = -1;
    CoBrand_Randomize(coBrand, fullBrand);
    QCOMPARE(int(intCoBrandRandomNumber), number);
    QCOMPARE(desktop.randomAnswers.size(), 1);
    QCOMPARE(upper(&frame, coBrand, fullBrand) == coBrand, coBrandOnTop);
}

QTEST_MAIN(TestCoBrand)
#include "tst_cobrand.moc"
