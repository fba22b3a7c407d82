#include "report/SavedReadingFile.h"
#include "sign/modMayanAnimalMoonSign.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <optional>

using modMayanAnimalMoonSign::BirthInputType;

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

std::optional<BirthInputType> decode(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    require(buffer.open(QIODevice::ReadOnly));
    std::optional<BirthInputType> reading = SavedReadingFile::decodeReading(buffer);
    require(buffer.pos() <= endOfReadableLines(bytes));
    return reading;
}

void checkFields(const BirthInputType &reading)
{
    const QString &name = reading.strName;
    require(!name.isEmpty());
    require(name.front() != u' ' && name.back() != u' ');
    require(englishMonths().contains(reading.strMonth));
    require(reading.intDate >= 1 && reading.intDate <= 31);
    require(reading.intYear >= 1900 && reading.intYear <= 2050);
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

void checkRoundTrip(const BirthInputType &reading)
{
    const QByteArray file = SavedReadingFile::encodeReading(reading);
    checkLayout(file);
    const std::optional<BirthInputType> again = decode(file);
    require(again.has_value());
    require(again->strName == reading.strName);
    require(again->strMonth == reading.strMonth);
    require(again->intDate == reading.intDate);
    require(again->intYear == reading.intYear);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<BirthInputType> reading = decode(bytes)) {
        checkFields(*reading);
        checkRoundTrip(*reading);
    }
    return 0;
}
