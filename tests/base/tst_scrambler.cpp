#include "BuildConfig.h"
#include "base/Scrambler.h"
#include "base/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

// The executable's name, which the build decides; the stores and the lock are named after it.
static const QString executable = QString::fromLatin1(BuildConfig::executableName);

using namespace Scrambler;

class TestScrambler : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void neverLineBreaks();
    void januaryShiftsEachByte();
    void uncarriedCharactersAreDroppedAlone_data();
    void uncarriedCharactersAreDroppedAlone();
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
    const QString scrambled = scramble(text);
    QCOMPARE(unscramble(scrambled), text);
    if (!text.isEmpty())
        QVERIFY(scrambled != text);
}

void TestScrambler::neverLineBreaks()
{
    // Every byte that can be scrambled at all.
    QByteArray everyByte;
    for (int code = 0; code <= 255; ++code)
        everyByte.append(char(code));
    const QByteArray scrambled = toBytes(scramble(QString::fromLatin1(everyByte)));
    QVERIFY(!scrambled.isEmpty());
    QVERIFY(!scrambled.contains('\r'));
    QVERIFY(!scrambled.contains('\n'));
    QVERIFY(offset > 13);
}

void TestScrambler::januaryShiftsEachByte()
{
    // "January" keeps its seven characters, each shifted by 14, as saved readings and the stored
    // date hold them.
    QCOMPARE(toBytes(scramble(QStringLiteral("January"))), QByteArray("Xo|\x83o\x80\x87"));
}

void TestScrambler::uncarriedCharactersAreDroppedAlone_data()
{
    // From U+80000 on, the UTF-8 lead byte (F2 to F4) cannot be shifted: the character goes, and
    // only it. Planes 0 to 7 (lead bytes up to F1) are carried.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("restored");
    QTest::newRow("accented and plane 15")
            << QString::fromUcs4(U"Zoë\U000F0000") << QStringLiteral("Zoë");
    QTest::newRow("plane 1 kept, plane 16 dropped")
            << QString::fromUcs4(U"Kim 🐆\U0010FFFD Lee") << QStringLiteral("Kim 🐆 Lee");
    QTest::newRow("planes 0, 1, 2 and 15 mixed")
            << QString::fromUcs4(U"王\U0001D49C\U000F0001ña\U00020000 \U000FFFFDx")
            << QString::fromUcs4(U"王\U0001D49Cña\U00020000 x");
    QTest::newRow("last carried, first dropped")
            << QString::fromUcs4(U"a\U0007FFFFb\U00080000c") << QString::fromUcs4(U"a\U0007FFFFbc");
    QTest::newRow("nothing carried") << QString::fromUcs4(U"\U000F0000\U00100000") << QString();
}

void TestScrambler::uncarriedCharactersAreDroppedAlone()
{
    QFETCH(QString, text);
    QFETCH(QString, restored);
    const QString scrambled = scramble(text);
    // No stray byte of a dropped character is left behind.
    QCOMPARE(toBytes(scrambled).size(), restored.toUtf8().size());
    QCOMPARE(unscramble(scrambled), restored);
}

void TestScrambler::shortScrambledBytesAreDropped()
{
    // Unscrambling leaves out every code below the offset.
    const QString scrambled = fromBytes(QByteArray("\x01\x0D") + char('A' + offset));
    QCOMPARE(unscramble(scrambled), QStringLiteral("A"));
}

void TestScrambler::notUtf8FallsBackToWindows1252()
{
    // A file of single-byte text (Windows-1252): é is 0xE9, € is 0x80.
    QByteArray plain("Ren\xE9 \x80");
    QByteArray shiftedBytes;
    for (char byte : plain)
        shiftedBytes.append(char(static_cast<unsigned char>(byte) + offset));
    QCOMPARE(unscramble(fromBytes(shiftedBytes)), QStringLiteral("René €"));
}

void TestScrambler::settingsRoundTrip()
{
    QVERIFY(SettingsStore::write(QStringLiteral("Duration"), QStringLiteral("2026-12-07")));
    QCOMPARE(SettingsStore::read(QStringLiteral("Duration")), QStringLiteral("2026-12-07"));
    QVERIFY(SettingsStore::write(QStringLiteral("Duration"), QStringLiteral("Сегодня")));
    QCOMPARE(SettingsStore::read(QStringLiteral("Duration")), QStringLiteral("Сегодня"));
}

void TestScrambler::settingsAbsentKeyIsEmpty()
{
    QCOMPARE(SettingsStore::read(QStringLiteral("NeverWritten")), QString());
}

void TestScrambler::settingsFileHidesKeyAndValue()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY(SettingsStore::write(QStringLiteral("Duration"), QStringLiteral("2031-05-17")));
    const QString path
            = QSettings(QSettings::defaultFormat(), QSettings::UserScope, executable).fileName();
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
    QVERIFY2(path.endsWith(executable + QStringLiteral(".ini")), qPrintable(path));
#else
    QVERIFY2(path.endsWith(executable + QStringLiteral(".conf")), qPrintable(path));
#endif
    // Never in the real home: the tests' own home lies in the temporary folder.
    QVERIFY2(path.startsWith(QDir::tempPath() + QLatin1Char('/')), qPrintable(path));
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
