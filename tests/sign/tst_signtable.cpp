#include "sign/Reading.h"
#include "sign/SignTable.h"

#include <QDate>
#include <QTest>

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
    const std::optional<Reading> reading = Reading::of(QStringLiteral("Ana"), month, day, year);
    return reading ? reading->sign.mayanName : QString();
}

} // namespace

class TestSignTable : public QObject
{
    Q_OBJECT

private slots:
    void everyMonthAndDay_data();
    void everyMonthAndDay();
    void readingKeepsWhatItWasGiven();
    void unknownMonthMakesNoReading_data();
    void unknownMonthMakesNoReading();
    void lookupFindsEachSign();
    void lookupRefuses_data();
    void lookupRefuses();
};

void TestSignTable::everyMonthAndDay_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const QString name = SignTable::monthNames().at(month - 1);
            QTest::addRow("%s %d", qPrintable(name), day)
                    << name << day << expectedSign(month, day);
        }
    }
}

void TestSignTable::everyMonthAndDay()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QCOMPARE(signFor(month, day), sign);
}

// The year takes no part in the sign; the name, day, month and year go on as they were given.
void TestSignTable::readingKeepsWhatItWasGiven()
{
    QCOMPARE(signFor(QStringLiteral("March"), 7, 1900), QStringLiteral("Jaguar"));
    QCOMPARE(signFor(QStringLiteral("March"), 7, 2050), QStringLiteral("Jaguar"));
    QCOMPARE(signFor(QStringLiteral("July"), 25, 2050), QStringLiteral("Aak"));
    const Reading reading
            = Reading::of(QStringLiteral(" José "), QStringLiteral("May"), 30, 2050).value();
    QCOMPARE(reading.name, QStringLiteral(" José "));
    QCOMPARE(reading.month, QStringLiteral("May"));
    QCOMPARE(reading.day, 30);
    QCOMPARE(reading.year, 2050);
    QCOMPARE(reading.sign, SignTable::signNamed(QStringLiteral("Tzub")).value());
}

void TestSignTable::unknownMonthMakesNoReading_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("lower case") << "march";
    QTest::newRow("upper case") << "MARCH";
    QTest::newRow("trailing blank") << "March ";
    QTest::newRow("abbreviated") << "Mar";
    QTest::newRow("empty") << "";
}

void TestSignTable::unknownMonthMakesNoReading()
{
    QFETCH(QString, month);
    QVERIFY(!Reading::of(QStringLiteral("Ana"), month, 7, 1990).has_value());
    QVERIFY(!SignTable::signOn(month, 7).has_value());
}

void TestSignTable::lookupFindsEachSign()
{
    const QStringList keys = {"Tzootz", "Dzec",   "Keh", "Moan", "Cutz", "Xibkay", "Batz",
                              "Coz",    "Jaguar", "Pek", "Kaw",  "Tzub", "Aak"};
    QCOMPARE(int(SignTable::signs().size()), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        const std::optional<Sign> sign = SignTable::signNamed(keys.at(i));
        QVERIFY2(sign.has_value(), qPrintable(keys.at(i)));
        QCOMPARE(*sign, SignTable::signs().at(i));
    }
    const Sign jaguar = SignTable::signNamed(QStringLiteral("Jaguar")).value();
    QCOMPARE(jaguar.animal, QStringLiteral("Balam"));
    QCOMPARE(jaguar.crystal, QStringLiteral("Alexandrite"));
    QCOMPARE(jaguar.picture, QStringLiteral(":/animals/09balam.jpg"));
}

void TestSignTable::lookupRefuses_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("animal column") << "Balam";
    QTest::newRow("lower case") << "jaguar";
    QTest::newRow("upper case") << "TZOOTZ";
    QTest::newRow("leading blank") << " Keh";
    QTest::newRow("trailing blank") << "Keh ";
    QTest::newRow("empty") << "";
    QTest::newRow("crystal column") << "Pearl";
}

void TestSignTable::lookupRefuses()
{
    QFETCH(QString, key);
    QVERIFY(!SignTable::signNamed(key).has_value());
}

QTEST_MAIN(TestSignTable)
#include "tst_signtable.moc"
