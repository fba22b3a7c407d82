#include "sign/SignTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString interpretationText(int index)
{
    return SignTable::signs().at(index).interpretation;
}

} // namespace

class TestSignTexts : public QObject
{
    Q_OBJECT

private slots:
    void openingWords_data();
    void openingWords();
    void singleParagraph_data();
    void singleParagraph();
    void deerTextSpellsNaive();
    void textsAreDistinct();

private:
    static void addSignRows();
};

// Each row: the sign's index and the words its text opens with, so that a text in the wrong row
// shows.
void TestSignTexts::addSignRows()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("opening");

    QTest::newRow("Tzootz") << 0 << QStringLiteral("The bat is the first moon sign");
    QTest::newRow("Dzec") << 1
                          << QStringLiteral("People born under this sign thrive on challenges.");
    QTest::newRow("Keh") << 2 << QStringLiteral("The third sign of Mayan moon sign is deer.");
    QTest::newRow("Moan") << 3
                          << QStringLiteral("In many cultures, especially in western culture,");
    QTest::newRow("Cutz") << 4 << QStringLiteral("The fifth moon of the Mayan calendar");
    QTest::newRow("Xibkay") << 5 << QStringLiteral("Due to its ability to change color");
    QTest::newRow("Batz") << 6 << QStringLiteral("'Batz' is the Mayan name for monkey.");
    QTest::newRow("Coz") << 7 << QStringLiteral("The eighth moon sign of the Mayan calendar");
    QTest::newRow("Jaguar") << 8
                            << QStringLiteral("Profoundly revered in Mayan culture, the Jaguar");
    QTest::newRow("Pek") << 9 << QStringLiteral("In Mayan language, Dog is called 'Pek'.");
    QTest::newRow("Kaw") << 10
                         << QStringLiteral("The snake signifies healing power in Mayan culture.");
    QTest::newRow("Tzub") << 11
                          << QStringLiteral("Some of the rabbit-like qualities like restlessness");
    QTest::newRow("Aak") << 12 << QStringLiteral("The turtle moon is the 13th moon");
}

void TestSignTexts::openingWords_data()
{
    addSignRows();
}

void TestSignTexts::openingWords()
{
    QFETCH(int, index);
    QFETCH(QString, opening);

    const QString text = interpretationText(index);
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.length())));
}

void TestSignTexts::singleParagraph_data()
{
    addSignRows();
}

// One paragraph: no line breaks or other control characters, no doubled or outer blanks.
void TestSignTexts::singleParagraph()
{
    QFETCH(int, index);

    const QString text = interpretationText(index);
    static const QRegularExpression control(QStringLiteral("[\\x{0}-\\x{1f}\\x{7f}]"));
    QVERIFY(!text.contains(control));
    QVERIFY(!text.contains(QLatin1String("  ")));
    QCOMPARE(text, text.trimmed());
}

void TestSignTexts::deerTextSpellsNaive()
{
    // Written with the escape so that the check holds whatever the source encoding.
    QVERIFY(interpretationText(2).contains(u"na\u00efve"));
    QVERIFY(!interpretationText(2).contains(QLatin1String("naive")));
}

void TestSignTexts::textsAreDistinct()
{
    QSet<QString> seen;
    for (int index = 0; index < SignTable::signCount; ++index)
        seen.insert(interpretationText(index));
    QCOMPARE(seen.size(), SignTable::signCount);
}

QTEST_MAIN(TestSignTexts)
#include "tst_signtexts.moc"
