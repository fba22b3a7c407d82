#include "base/modHelp.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace modHelp;

class TestScrambler : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void neverLineBreaks();
    void bytesAboveTheBoundAreDropped();
    void shortScrambledBytesAreDropped();
    void notUtf8FallsBackToWindows1252();
    void settingsRoundTrip();
    void settingsAbsentKeyIsEmpty();
    void settingsFileHidesKeyAndValue();
};

void TestScrambler::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("month") << QStringLiteral("January");
    QTest::newRow("latin with blanks") << QStringLiteral("Ana Maria de la Cruz");
    QTest::newRow("accented") << QStringLiteral("Zoë Ångström-Müller");
    QTest::newRow("cyrillic") << QStringLiteral("Анастасия");
    QTest::newRow("greek") << QStringLiteral("Αλέξανδρος");
    QTest::newRow("cjk") << QStringLiteral("王小明");
    QTest::newRow("emoji") << QStringLiteral("Kim 🐆🌙");
    QTest::newRow("digits") << QStringLiteral("2050");
    QTest::newRow("punctuation") << QStringLiteral("O'Brien & \"Co\" = 100%");
    QTest::newRow("leading byte-order mark") << QStringLiteral("\uFEFFAna");
}

void TestScrambler::roundTrip()
{
    QFETCH(QString, text);
    const QString scrambled = ScrambleText(text);
    QCOMPARE(UnscrambleText(scrambled), text);
    if (!text.isEmpty())
        QVERIFY(scrambled != text);
}

void TestScrambler::neverLineBreaks()
{
    // Every byte that can be scrambled at all.
    QByteArray everyByte;
    for (int code = 0; code <= 255; ++code)
        everyByte.append(char(code));
    const QByteArray scrambled = scrambledBytes(ScrambleText(QString::fromLatin1(everyByte)));
    QVERIFY(!scrambled.isEmpty());
    QVERIFY(!scrambled.contains('\r'));
    QVERIFY(!scrambled.contains('\n'));
    QVERIFY(ScrambleOffset > 13);
}

void TestScrambler::bytesAboveTheBoundAreDropped()
{
    // "January" keeps its seven characters, each shifted by the offset.
    const QByteArray january = scrambledBytes(ScrambleText(QStringLiteral("January")));
    QCOMPARE(january.size(), 7);
    QCOMPARE(int(static_cast<unsigned char>(january.at(0))), 'J' + ScrambleOffset);

    // U+F0000 (plane 15) is F3 B0 80 80 in UTF-8: its lead byte cannot be shifted and is lost,
    // and with it the character.
    const QString plane15 = QString::fromUcs4(U"a\U000F0000b");
    const QByteArray scrambled = scrambledBytes(ScrambleText(plane15));
    QCOMPARE(scrambled.size(), 1 + 3 + 1);
    QVERIFY(!UnscrambleText(ScrambleText(plane15)).contains(QString::fromUcs4(U"\U000F0000")));
}

void TestScrambler::shortScrambledBytesAreDropped()
{
    // Unscrambling leaves out every code below the offset.
    const QString scrambled
            = scrambledFromBytes(QByteArray("\x01\x0D") + char('A' + ScrambleOffset));
    QCOMPARE(UnscrambleText(scrambled), QStringLiteral("A"));
}

void TestScrambler::notUtf8FallsBackToWindows1252()
{
    // A file written by an older build holds single-byte text: é is 0xE9, € is 0x80.
    QByteArray plain("Ren\xE9 \x80");
    QByteArray shiftedBytes;
    for (char byte : plain)
        shiftedBytes.append(char(static_cast<unsigned char>(byte) + ScrambleOffset));
    QCOMPARE(UnscrambleText(scrambledFromBytes(shiftedBytes)), QStringLiteral("René €"));
}

void TestScrambler::settingsRoundTrip()
{
    QVERIFY(writeSetting(QStringLiteral("Duration"), QStringLiteral("2026-12-07")));
    QCOMPARE(readSetting(QStringLiteral("Duration")), QStringLiteral("2026-12-07"));
    QVERIFY(writeSetting(QStringLiteral("Duration"), QStringLiteral("Сегодня")));
    QCOMPARE(readSetting(QStringLiteral("Duration")), QStringLiteral("Сегодня"));
}

void TestScrambler::settingsAbsentKeyIsEmpty()
{
    QCOMPARE(readSetting(QStringLiteral("NeverWritten")), QString());
}

void TestScrambler::settingsFileHidesKeyAndValue()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY(writeSetting(QStringLiteral("Duration"), QStringLiteral("2031-05-17")));
    const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   QStringLiteral("ZelFreeMayanAnimalSign"))
                                 .fileName();
    QVERIFY2(path.endsWith(QStringLiteral("ZelFreeMayanAnimalSign.conf")), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("[Settings]"));
    QVERIFY(!bytes.contains("Duration"));
    QVERIFY(!bytes.contains("2031-05-17"));
    QVERIFY(!bytes.contains("2031"));
}

QTEST_MAIN(TestScrambler)
#include "tst_scrambler.moc"
