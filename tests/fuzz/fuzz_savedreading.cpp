#include "savedreading/SavedReadingFile.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// Trapping rather than asserting keeps the checks in every build type and hands libFuzzer a
// crash, so it saves the input that broke them.
void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// Written out here rather than taken from the sign model: a saved reading holds English names
// whatever the month list shows, so the model must not be able to widen what is accepted.
const QStringList &englishMonths()
{
    static const QStringList months
            = {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
               QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
               QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
               QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return months;
}

// Where the reader must stop at the latest: after the last line it may read (ended by CR LF,
// LF or CR), or at the end of the data.
qsizetype endOfReadableLines(const QByteArray &bytes)
{
    int lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if ((bytes[i] == '\r' || bytes[i] == '\n') && ++lines == SavedReadingFile::MaxLinesRead)
            return i + 1;
    }
    return bytes.size();
}

std::optional<Reading> decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    require(buffer.open(QIODevice::ReadOnly));
    std::optional<Reading> reading = SavedReadingFile::decodeReading(buffer);
    require(buffer.pos() <= endOfReadableLines(bytes));
    return reading;
}

void checkFields(const Reading &reading)
{
    const QString &name = reading.name;
    require(!name.isEmpty());
    require(name.front() != u' ' && name.back() != u' ');
    require(englishMonths().contains(reading.month));
    require(reading.day >= 1 && reading.day <= 31);
    require(reading.year >= 1900 && reading.year <= 2050);
    // The sign follows from the date alone.
    require(SignTable::signOn(reading.month, reading.day) == reading.sign);
}

// Four lines, each ended by CR LF, and no other CR or LF anywhere.
void checkLayout(const QByteArray &file)
{
    require(file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.chopped(2).split('\n');
    require(lines.size() == 4);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const bool last = i == lines.size() - 1;
        require(last || line.endsWith('\r'));
        require(!(last ? line : line.chopped(1)).contains('\r'));
    }
}

void checkRoundTrip(const Reading &reading)
{
    const QByteArray file = SavedReadingFile::encodeReading(reading);
    checkLayout(file);
    const std::optional<Reading> again = decode(file);
    require(again.has_value());
    require(again->name == reading.name);
    require(again->month == reading.month);
    require(again->day == reading.day);
    require(again->year == reading.year);
    require(again->sign == reading.sign);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<Reading> reading = decode(bytes)) {
        checkFields(*reading);
        checkRoundTrip(*reading);
    }
    return 0;
}
