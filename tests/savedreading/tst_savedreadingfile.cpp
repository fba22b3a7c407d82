#include "base/Scrambler.h"
#include "savedreading/SavedReadingFile.h"
#include "sign/SignTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace SavedReadingFile;

Q_DECLARE_METATYPE(Reading)

namespace {

QByteArray scrambledLine(const QString &text)
{
    return Scrambler::toBytes(Scrambler::scramble(text));
}

// Plain bytes shifted as the scrambler shifts them, for lines the scrambler cannot make.
QByteArray shiftedBytes(const QByteArray &plain)
{
    QByteArray bytes;
    for (char byte : plain)
        bytes.append(char(static_cast<unsigned char>(byte) + Scrambler::offset));
    return bytes;
}

QByteArray fileOf(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + end;
    return bytes;
}

QByteArray fileOf(const QStringList &fields, const QByteArray &end = "\r\n")
{
    QList<QByteArray> lines;
    for (const QString &field : fields)
        lines.append(scrambledLine(field));
    return fileOf(lines, end);
}

// A saved reading made by hand from the format (tests/savedreading/readings).
QByteArray handMade(const QString &file)
{
    QFile made(QStringLiteral(":/readings/") + file);
    return made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
}

// Zel, March 5, 1987.
QByteArray validFile()
{
    return handMade(QStringLiteral("zel.zod"));
}

Reading reading(const QString &name, const QString &month, int day, int year)
{
    return Reading::of(name, month, day, year).value();
}

std::optional<Reading> decodeBytes(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeReading(buffer);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

// Whether a new file can be made in the folder (root can, whatever its permissions).
bool canCreateIn(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.close();
    probe.remove();
    return true;
}

#ifdef Q_OS_UNIX
// Keeps every file this process writes below a size for its lifetime, as a full disk or a quota
// would; root is bound by it too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false;

private:
    rlimit previous {};
    void (*previousHandler)(int) = nullptr;
};
#endif

} // namespace

class TestSavedReadingFile : public QObject
{
    Q_OBJECT

private slots:
    void encodeGivesExactBytes();
    void handMadeFiles_data();
    void handMadeFiles();
    void encodeKeepsFourLines_data();
    void encodeKeepsFourLines();
    void roundTrip_data();
    void roundTrip();
    void otherLineEnds_data();
    void otherLineEnds();
    void onlyFiveLinesAreRead();
    void notASavedReading_data();
    void notASavedReading();
    void hugeLineIsRefusedUnread_data();
    void hugeLineIsRefusedUnread();
    void longestLineIsRead();
    void singleByteNameIsRead();
    void unreadableDevice();
    void unreadablePaths();
    void writeGivesExactBytes();
    void writeIntoReadOnlyFolderFails();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void pipesAreNoReadings();
    void writeOntoFolderFails();
    void writeRefusesNameItCannotReadBack();
};

void TestSavedReadingFile::encodeGivesExactBytes()
{
    const QByteArray bytes = encodeReading(reading("Zel", "March", 5, 1987));
    QCOMPARE(bytes, validFile());
    QCOMPARE(bytes.count("\r\n"), 4);
    QCOMPARE(bytes.count('\r'), 4);
    QCOMPARE(bytes.count('\n'), 4);
    QVERIFY(bytes.endsWith("\r\n"));
}

void TestSavedReadingFile::handMadeFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Reading>("held");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QByteArray>("writtenAs");
    QStringList table = QString::fromUtf8(handMade(QStringLiteral("readings.tsv")))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(table.size() > 1);
    table.removeFirst();
    for (const QString &line : std::as_const(table)) {
        const QStringList row = line.split(QLatin1Char('\t'));
        QCOMPARE(row.size(), 7);
        const Reading held = reading(row[1], row[2], row[3].toInt(), row[4].toInt());
        QTest::newRow(qPrintable(row[0])) << handMade(row[0]) << held << row[5] << handMade(row[6]);
    }
}

// Each file reads as the reading beside it, and that reading is written as the bytes beside it.
void TestSavedReadingFile::handMadeFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Reading, held);
    QFETCH(QString, sign);
    QFETCH(QByteArray, writtenAs);
    QVERIFY(!bytes.isEmpty() && !writtenAs.isEmpty());
    const std::optional<Reading> restored = decodeBytes(bytes);
    QVERIFY(restored);
    QCOMPARE(*restored, held);
    QCOMPARE(restored->sign.mayanName, sign);
    QCOMPARE(encodeReading(held), writtenAs);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("written.zod"));
    QVERIFY(writeReading(path, held));
    QCOMPARE(bytesOf(path), writtenAs);
}

void TestSavedReadingFile::encodeKeepsFourLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("line breaks") << QStringLiteral("Ana\r\nMaria\rde\nla Cruz");
    QTest::newRow("controls") << QString::fromLatin1("a\x01\x0b\x0c\x0e z", 7);
    QTest::newRow("every Latin-1 character") << [] {
        QString all;
        for (int code = 1; code <= 255; ++code)
            all.append(QChar(code));
        return all;
    }();
    QTest::newRow("emoji and CJK") << QStringLiteral("王小明 🐆🌙");
}

void TestSavedReadingFile::encodeKeepsFourLines()
{
    QFETCH(QString, name);
    const QByteArray bytes = encodeReading(reading(name, "December", 31, 2050));
    QCOMPARE(bytes.count('\r'), 4);
    QCOMPARE(bytes.count('\n'), 4);
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 5);
    for (int i = 0; i < 4; ++i)
        QVERIFY(lines[i].endsWith('\r'));
    QVERIFY(lines[4].isEmpty());
}

void TestSavedReadingFile::roundTrip_data()
{
    QTest::addColumn<Reading>("input");
    QTest::addColumn<QString>("name");

    QTest::newRow("latin") << reading("Ana Maria de la Cruz", "January", 1, 1900)
                           << QStringLiteral("Ana Maria de la Cruz");
    QTest::newRow("accented") << reading("Zoë Ångström-Müller", "February", 29, 2000)
                              << QStringLiteral("Zoë Ångström-Müller");
    QTest::newRow("cyrillic") << reading("Анастасия", "March", 31, 2050)
                              << QStringLiteral("Анастасия");
    QTest::newRow("cjk") << reading("王小明", "April", 15, 1987) << QStringLiteral("王小明");
    QTest::newRow("emoji") << reading("Kim 🐆🌙", "May", 26, 1999) << QStringLiteral("Kim 🐆🌙");
    QTest::newRow("blanks around")
            << reading("   O'Brien & Co  ", "June", 9, 1950) << QStringLiteral("O'Brien & Co");
    QTest::newRow("tabs are no blanks")
            << reading("\tZel\t", "July", 10, 2010) << QStringLiteral("\tZel\t");
    const QStringList months = SignTable::monthNames();
    for (int i = 0; i < months.size(); ++i)
        QTest::addRow("%s", qPrintable(months[i]))
                << reading("Zel", months[i], i + 20, 1960 + i) << QStringLiteral("Zel");
}

void TestSavedReadingFile::roundTrip()
{
    QFETCH(Reading, input);
    QFETCH(QString, name);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.zod"));
    QString error;
    QVERIFY2(writeReading(path, input, &error), qPrintable(error));
    QCOMPARE(bytesOf(path), encodeReading(input));

    const std::optional<Reading> restored = readReading(path);
    QVERIFY(restored);
    QCOMPARE(restored->name, name);
    QCOMPARE(restored->month, input.month);
    QCOMPARE(restored->day, input.day);
    QCOMPARE(restored->year, input.year);
}

void TestSavedReadingFile::otherLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QStringList fields {"Zel", "March", "5", "1987"};
    QTest::newRow("CR LF") << fileOf(fields);
    QTest::newRow("LF") << fileOf(fields, "\n");
    QTest::newRow("CR") << fileOf(fields, "\r");
    QByteArray noEnd = fileOf(fields);
    noEnd.chop(2);
    QTest::newRow("no end after the year") << noEnd;
    QTest::newRow("mixed") << scrambledLine("Zel") + "\r" + scrambledLine("March") + "\n"
                    + scrambledLine("5") + "\r\n" + scrambledLine("1987");
    QTest::newRow("an empty fifth line") << validFile() + "\r\n";
    QTest::newRow("five lines") << validFile() + scrambledLine("more") + "\r\n";
    QByteArray many = validFile();
    for (int i = 0; i < 496; ++i)
        many += scrambledLine(QString::number(i)) + "\r\n";
    QTest::newRow("500 lines") << many;
    QTest::newRow("junk after the fifth line")
            << validFile() + "\r\n" + QByteArray(64 * 1024 * 1024 / 64, '\0') + "\xff\xfe";
}

void TestSavedReadingFile::otherLineEnds()
{
    QFETCH(QByteArray, bytes);
    const std::optional<Reading> restored = decodeBytes(bytes);
    QVERIFY(restored);
    QVERIFY(*restored == reading("Zel", "March", 5, 1987));
}

void TestSavedReadingFile::onlyFiveLinesAreRead()
{
    const QByteArray fifth = scrambledLine("fifth") + "\r\n";
    QByteArray data = validFile() + fifth + QByteArray(10 * 1024 * 1024, 'x');
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(decodeReading(buffer));
    QCOMPARE(buffer.pos(), qint64(validFile().size() + fifth.size()));

    // A fifth line ended by a lone CR: its end is found without reading on.
    QByteArray lone = validFile() + scrambledLine("fifth") + "\r" + scrambledLine("sixth");
    QBuffer loneBuffer(&lone);
    QVERIFY(loneBuffer.open(QIODevice::ReadOnly));
    QVERIFY(decodeReading(loneBuffer));
    QCOMPARE(loneBuffer.pos(), qint64(validFile().size() + scrambledLine("fifth").size() + 1));
}

void TestSavedReadingFile::notASavedReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const auto withFields = [](const QString &name, const QString &month, const QString &day,
                               const QString &year) {
        return fileOf(QStringList {name, month, day, year});
    };
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("only CR") << QByteArray("\r");
    QTest::newRow("only LF") << QByteArray("\n");
    QTest::newRow("four empty lines") << QByteArray("\r\n\r\n\r\n\r\n");
    QTest::newRow("only the name") << fileOf(QStringList {"Zel"});
    QTest::newRow("three lines") << fileOf(QStringList {"Zel", "March", "5"});
    QTest::newRow("name empty") << withFields("", "March", "5", "1987");
    QTest::newRow("name only blanks") << withFields("    ", "March", "5", "1987");
    QTest::newRow("month lower case") << withFields("Zel", "march", "5", "1987");
    QTest::newRow("month short") << withFields("Zel", "Mar", "5", "1987");
    QTest::newRow("month empty") << withFields("Zel", "", "5", "1987");
    QTest::newRow("month with a blank") << withFields("Zel", "March ", "5", "1987");
    QTest::newRow("month number") << withFields("Zel", "3", "5", "1987");
    QTest::newRow("fields swapped") << withFields("Zel", "5", "March", "1987");
    QTest::newRow("day 0") << withFields("Zel", "March", "0", "1987");
    QTest::newRow("day 32") << withFields("Zel", "March", "32", "1987");
    QTest::newRow("day 05") << withFields("Zel", "March", "05", "1987");
    QTest::newRow("day +5") << withFields("Zel", "March", "+5", "1987");
    QTest::newRow("day -5") << withFields("Zel", "March", "-5", "1987");
    QTest::newRow("day with a blank") << withFields("Zel", "March", " 5", "1987");
    QTest::newRow("day 5.0") << withFields("Zel", "March", "5.0", "1987");
    QTest::newRow("day empty") << withFields("Zel", "March", "", "1987");
    QTest::newRow("day in Arabic-Indic digits") << withFields("Zel", "March", "٥", "1987");
    QTest::newRow("day huge") << withFields("Zel", "March", "4294967301", "1987");
    QTest::newRow("year 1899") << withFields("Zel", "March", "5", "1899");
    QTest::newRow("year 2051") << withFields("Zel", "March", "5", "2051");
    QTest::newRow("year 01987") << withFields("Zel", "March", "5", "01987");
    QTest::newRow("year 87") << withFields("Zel", "March", "5", "87");
    QTest::newRow("year empty") << withFields("Zel", "March", "5", "");
    QTest::newRow("year hex") << withFields("Zel", "March", "5", "0x7C3");
    QTest::newRow("not scrambled") << QByteArray("Zel\r\nMarch\r\n5\r\n1987\r\n");
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919 + 13) % 256));
    QTest::newRow("binary junk") << junk;
    QTest::newRow("month not UTF-8")
            << fileOf(QList<QByteArray> {scrambledLine("Zel"), shiftedBytes("M\xE4rz"),
                                         scrambledLine("5"), scrambledLine("1987")});
    QTest::newRow("day not UTF-8")
            << fileOf(QList<QByteArray> {scrambledLine("Zel"), scrambledLine("March"),
                                         shiftedBytes("5\xC3"), scrambledLine("1987")});
    QTest::newRow("year not UTF-8")
            << fileOf(QList<QByteArray> {scrambledLine("Zel"), scrambledLine("March"),
                                         scrambledLine("5"), shiftedBytes("\xF0\x80\x80")});
    QTest::newRow("name line too long")
            << fileOf(QList<QByteArray> {QByteArray(MaxLineBytes + 1, 'A'), scrambledLine("March"),
                                         scrambledLine("5"), scrambledLine("1987")});
    QTest::newRow("fifth line too long") << validFile() + QByteArray(MaxLineBytes + 1, 'A');
}

void TestSavedReadingFile::notASavedReading()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!decodeBytes(bytes));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("bad.zod"));
    QVERIFY(writeBytes(path, bytes));
    QVERIFY(!readReading(path));
}

void TestSavedReadingFile::hugeLineIsRefusedUnread_data()
{
    QTest::addColumn<int>("line");
    QTest::newRow("first line") << 0;
    QTest::newRow("second line") << 1;
    QTest::newRow("fourth line") << 3;
}

void TestSavedReadingFile::hugeLineIsRefusedUnread()
{
    QFETCH(int, line);
    const QByteArray huge(10 * 1024 * 1024, char('A' + Scrambler::offset));
    QList<QByteArray> lines {scrambledLine("Zel"), scrambledLine("March"), scrambledLine("5"),
                             scrambledLine("1987")};
    lines[line] = huge;
    QByteArray data = fileOf(lines);
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(!decodeReading(buffer));
    // Refused at the bound, far before the end.
    QVERIFY2(buffer.pos() <= 4 * 64 + MaxLineBytes + 1, qPrintable(QString::number(buffer.pos())));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("huge.zod"));
    QVERIFY(writeBytes(path, data));
    QVERIFY(!readReading(path));
}

void TestSavedReadingFile::longestLineIsRead()
{
    const QString name(MaxLineBytes, u'A');
    QVERIFY(scrambledLine(name).size() == MaxLineBytes);
    const std::optional<Reading> restored
            = decodeBytes(encodeReading(reading(name, "March", 5, 1987)));
    QVERIFY(restored);
    QCOMPARE(restored->name, name);
    QVERIFY(!decodeBytes(encodeReading(reading(name + u'A', "March", 5, 1987))));
}

void TestSavedReadingFile::singleByteNameIsRead()
{
    // A name of Windows-1252 bytes is no UTF-8 and reads as Windows-1252.
    const QByteArray bytes
            = fileOf(QList<QByteArray> {shiftedBytes("Ren\xE9 \x80"), scrambledLine("March"),
                                        scrambledLine("5"), scrambledLine("1987")});
    const std::optional<Reading> restored = decodeBytes(bytes);
    QVERIFY(restored);
    QCOMPARE(restored->name, QStringLiteral("René €"));
}

void TestSavedReadingFile::unreadableDevice()
{
    QByteArray data = validFile();
    QBuffer closed(&data);
    QVERIFY(!decodeReading(closed));
    QBuffer writeOnly(&data);
    QVERIFY(writeOnly.open(QIODevice::WriteOnly));
    QVERIFY(!decodeReading(writeOnly));
}

void TestSavedReadingFile::unreadablePaths()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(!readReading(folder.filePath(QStringLiteral("missing.zod"))));
    QVERIFY(!readReading(QString()));

    const QString directory = folder.filePath(QStringLiteral("x.zod"));
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(!readReading(directory));

    const QString locked = folder.filePath(QStringLiteral("locked.zod"));
    QVERIFY(writeBytes(locked, validFile()));
    QVERIFY(readReading(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    if (QFile file(locked); file.open(QIODevice::ReadOnly))
        QSKIP(runningAsRoot() ? "Running as root, who reads any file"
                              : "The file system ignores read permission");
    QVERIFY(!readReading(locked));
}

void TestSavedReadingFile::writeGivesExactBytes()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.zod"));
    const Reading input = reading("Zel", "March", 5, 1987);
    QString error = QStringLiteral("untouched");
    QVERIFY(writeReading(path, input, &error));
    QCOMPARE(bytesOf(path), encodeReading(input));
    QCOMPARE(bytesOf(path), validFile());

    // A longer file in its place leaves nothing of itself behind.
    QVERIFY(writeBytes(path, QByteArray(1000, 'x')));
    QVERIFY(writeReading(path, input));
    QCOMPARE(bytesOf(path), validFile());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("reading.zod")});
}

void TestSavedReadingFile::writeIntoReadOnlyFolderFails()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString locked = folder.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(
                locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });
    if (canCreateIn(locked))
        QSKIP(runningAsRoot() ? "Running as root, who writes into any folder"
                              : "The file system ignores write permission");

    const QString path = QDir(locked).filePath(QStringLiteral("reading.zod"));
    QString error;
    QVERIFY(!writeReading(path, reading("Zel", "March", 5, 1987), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void TestSavedReadingFile::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("folder made read-only") << false;
    QTest::newRow("no room to write") << true;
}

void TestSavedReadingFile::failedWriteKeepsTheOldFile()
{
    QFETCH(bool, diskFull);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.zod"));
    const QByteArray old = encodeReading(reading("Анастасия Old Reading", "October", 12, 1975));
    QVERIFY(writeBytes(path, old));
    const Reading input = reading("A much longer name than the old one", "May", 30, 2001);

    QString error;
    bool written = false;
    if (diskFull) {
#if defined(Q_OS_WASM)
        QSKIP("A web page's memory file system sets no limit on the size of a file");
#elif defined(Q_OS_UNIX)
        // Room for a few bytes only: the new text cannot be written out.
        FileSizeLimit limit(8);
        QVERIFY(limit.active);
        written = writeReading(path, input, &error);
#else
        QSKIP("a limit on the size of written files needs POSIX");
#endif
    } else {
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto unlock = qScopeGuard([&] {
            QFile::setPermissions(folder.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
        });
        if (canCreateIn(folder.path()))
            QSKIP(runningAsRoot() ? "Running as root, who writes into any folder"
                                  : "The file system ignores write permission");
        written = writeReading(path, input, &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(bytesOf(path), old);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("reading.zod")});
}

void TestSavedReadingFile::pipesAreNoReadings()
{
#if defined(Q_OS_WASM)
    QSKIP("A web page's memory file system has no named pipes");
#elif !defined(Q_OS_UNIX)
    QSKIP("named pipes in the file system are POSIX's");
#else
    // Never a system device: Qt 6.4's QSaveFile run as root would replace it by a regular file.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pipe = folder.filePath(QStringLiteral("pipe.zod"));
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    const auto isPipe = [&] {
        struct stat info
        {
        };
        return stat(QFile::encodeName(pipe).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
    };

    QString error;
    QVERIFY(!writeReading(pipe, reading("Zel", "March", 5, 1987), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(isPipe());
    QCOMPARE(QDir(folder.path())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                | QDir::System),
             QStringList {QStringLiteral("pipe.zod")});
    // Reading returns at once instead of waiting for a writer.
    QVERIFY(!readReading(pipe));
#endif
}

void TestSavedReadingFile::writeOntoFolderFails()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString directory = folder.filePath(QStringLiteral("x.zod"));
    QVERIFY(QDir().mkpath(directory));
    QString error;
    QVERIFY(!writeReading(directory, reading("Zel", "March", 5, 1987), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(directory).isDir());
    QVERIFY(!writeReading(folder.filePath(QStringLiteral("no/such/folder/r.zod")),
                          reading("Zel", "March", 5, 1987), &error));
    QVERIFY(!error.isEmpty());
    // No reason asked for: still refused.
    QVERIFY(!writeReading(directory, reading("Zel", "March", 5, 1987)));
}

void TestSavedReadingFile::writeRefusesNameItCannotReadBack()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("reading.zod"));
    QVERIFY(writeBytes(path, validFile()));
    // Three UTF-8 bytes a character.
    const QString name(MaxLineBytes / 3 + 1, QChar(0x738B));
    QString error;
    QVERIFY(!writeReading(path, reading(name, "March", 5, 1987), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(bytesOf(path), validFile());

    // The longest name the name box holds is saved and read back.
    const QString longest(32767, QChar(0x738B));
    QVERIFY(writeReading(path, reading(longest, "March", 5, 1987), &error));
    const std::optional<Reading> restored = readReading(path);
    QVERIFY(restored);
    QCOMPARE(restored->name, longest);
}

QTEST_MAIN(TestSavedReadingFile)
#include "tst_savedreadingfile.moc"
