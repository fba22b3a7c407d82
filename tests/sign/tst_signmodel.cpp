#include "sign/modMayanAnimalMoonSign.h"

#include <QDate>
#include <QTest>

using namespace modMayanAnimalMoonSign;

namespace {

struct Span
{
    const char *sign;
    int fromMonth, fromDay, toMonth, toDay;
};

// The signs as stretches of the year; the last runs on into the first.
const Span spans[] = {
        {"Tzootz", 7, 26, 8, 22}, {"Dzec", 8, 23, 9, 19},   {"Keh", 9, 20, 10, 17},
        {"Moan", 10, 18, 11, 14}, {"Cutz", 11, 15, 12, 12}, {"Xibkay", 12, 13, 1, 9},
        {"Batz", 1, 10, 2, 6},    {"Coz", 2, 7, 3, 6},      {"Jaguar", 3, 7, 4, 3},
        {"Pek", 4, 4, 5, 1},      {"Kaw", 5, 2, 5, 29},     {"Tzub", 5, 30, 6, 26},
        {"Aak", 6, 27, 7, 25},
};

bool within(const Span &span, int month, int day)
{
    const int value = month * 100 + day;
    const int from = span.fromMonth * 100 + span.fromDay;
    const int to = span.toMonth * 100 + span.toDay;
    return from <= to ? value >= from && value <= to : value >= from || value <= to;
}

// The sign that the stretches give a day; a day past its month's end counts as the month's last
// real day (February as 28 days), which is how the rule treats it.
QString expectedSign(int month, int day)
{
    const int lastDay = month == 2 ? 28 : QDate(2001, month, 1).daysInMonth();
    const int realDay = qMin(day, lastDay);
    for (const Span &span : spans) {
        if (within(span, month, realDay))
            return QString::fromLatin1(span.sign);
    }
    return {};
}

QString signFor(const QString &month, int day, int year = 1990)
{
    BirthInput = {QStringLiteral("Ana"), qint16(day), month, qint16(year)};
    FindMoonSign();
    return strMoonSign;
}

} // namespace

class TestSignModel : public QObject
{
    Q_OBJECT

private slots:
    void everyMonthAndDay_data();
    void everyMonthAndDay();
    void yearTakesNoPart();
    void unknownMonthKeepsSign_data();
    void unknownMonthKeepsSign();
    void lookupFindsEachSign();
    void lookupRefuses_data();
    void lookupRefuses();
    void repeatedLookupsAgree();
    void recordRefillsTheTable();
    void recordRefusesIndex_data();
    void recordRefusesIndex();
    void tableHasFourteenSlots();
};

void TestSignModel::everyMonthAndDay_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const QString name = monthNames().at(month - 1);
            QTest::addRow("%s %d", qPrintable(name), day)
                    << name << day << expectedSign(month, day);
        }
    }
}

void TestSignModel::everyMonthAndDay()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QCOMPARE(signFor(month, day), sign);
}

void TestSignModel::yearTakesNoPart()
{
    QCOMPARE(signFor(QStringLiteral("March"), 7, 1900), QStringLiteral("Jaguar"));
    QCOMPARE(signFor(QStringLiteral("March"), 7, 2050), QStringLiteral("Jaguar"));
    QCOMPARE(signFor(QStringLiteral("July"), 25, 2050), QStringLiteral("Aak"));
}

void TestSignModel::unknownMonthKeepsSign_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("lower case") << "march";
    QTest::newRow("upper case") << "MARCH";
    QTest::newRow("trailing blank") << "March ";
    QTest::newRow("abbreviated") << "Mar";
    QTest::newRow("empty") << "";
}

void TestSignModel::unknownMonthKeepsSign()
{
    QFETCH(QString, month);
    QCOMPARE(signFor(QStringLiteral("May"), 30), QStringLiteral("Tzub"));
    QCOMPARE(signFor(month, 7), QStringLiteral("Tzub"));
}

void TestSignModel::lookupFindsEachSign()
{
    const QStringList keys = {"Tzootz", "Dzec",   "Keh", "Moan", "Cutz", "Xibkay", "Batz",
                              "Coz",    "Jaguar", "Pek", "Kaw",  "Tzub", "Aak"};
    for (int i = 0; i < keys.size(); ++i) {
        const std::optional<int> row = LookupMayanName(keys.at(i));
        QVERIFY2(row.has_value(), qPrintable(keys.at(i)));
        QCOMPARE(*row, i);
    }
    const SignRecord jaguar = signRecord(*LookupMayanName(QStringLiteral("Jaguar"))).value();
    QCOMPARE(jaguar.animalName, QStringLiteral("Balam"));
    QCOMPARE(jaguar.crystal, QStringLiteral("Alexandrite"));
    QCOMPARE(jaguar.interpretation.size(), 790);
}

void TestSignModel::lookupRefuses_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("animal column") << "Balam";
    QTest::newRow("lower case") << "jaguar";
    QTest::newRow("upper case") << "TZOOTZ";
    QTest::newRow("leading blank") << " Keh";
    QTest::newRow("trailing blank") << "Keh ";
    QTest::newRow("empty, like the unused slot") << "";
    QTest::newRow("crystal column") << "Pearl";
}

void TestSignModel::lookupRefuses()
{
    QFETCH(QString, key);
    QVERIFY(!LookupMayanName(key).has_value());
}

void TestSignModel::repeatedLookupsAgree()
{
    const std::optional<int> first = LookupMayanName(QStringLiteral("Aak"));
    const SignRecord record = signRecord(*first).value();
    const std::optional<int> second = LookupMayanName(QStringLiteral("Aak"));
    QCOMPARE(second, first);
    QCOMPARE(signRecord(*second)->interpretation, record.interpretation);
    QCOMPARE(record.animalName, QStringLiteral("Turtle / Tortoise"));
    QCOMPARE(record.pictureNumber(), 13);
}

void TestSignModel::recordRefillsTheTable()
{
    // Nothing looked up before: the record alone must bring back a spoilt slot.
    strMayanNames[4].clear();
    strAnimalNames[4] = QStringLiteral("Parrot");
    strInterpretations[4].clear();
    const std::optional<SignRecord> record = signRecord(4);
    QVERIFY(record.has_value());
    QCOMPARE(record->index, 4);
    QCOMPARE(record->mayanName, QStringLiteral("Cutz"));
    QCOMPARE(record->animalName, QStringLiteral("Peacock"));
    QCOMPARE(record->crystal, QStringLiteral("Red Topaz"));
    QCOMPARE(record->interpretation, interpretationText(4));
    QVERIFY(!record->interpretation.isEmpty());
}

void TestSignModel::recordRefusesIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("the unused slot") << 13;
    QTest::newRow("past the table") << 14;
    QTest::newRow("far out") << 1000;
}

void TestSignModel::recordRefusesIndex()
{
    QFETCH(int, index);
    QVERIFY(!signRecord(index).has_value());
}

void TestSignModel::tableHasFourteenSlots()
{
    FillSignTables();
    QCOMPARE(int(std::size(strMayanNames)), 14);
    QVERIFY(strMayanNames[13].isEmpty());
    QVERIFY(strInterpretations[13].isEmpty());
    QCOMPARE(strCrystals[6], strCrystals[9]);
}

QTEST_MAIN(TestSignModel)
#include "tst_signmodel.moc"
