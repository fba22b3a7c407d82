#include "savedreading/SavedReadingFile.h"

#include "base/Blanks.h"
#include "base/Scrambler.h"
#include "savedreading/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <array>

namespace SavedReadingFile {

namespace {

constexpr char lineEnd[] = "\r\n";

std::array<QString, 4> fields(const Reading &reading)
{
    return {reading.name, reading.month, QString::number(reading.day),
            QString::number(reading.year)};
}

enum class LineRead { Line, TooLong };

// One line of at most MaxLineBytes bytes, without its end (CR LF, LF or CR). The end of the data
// ends the line too; a line missing altogether reads as empty.
LineRead readLine(QIODevice &device, QByteArray &line)
{
    line.clear();
    char byte = 0;
    while (device.getChar(&byte)) {
        if (byte == '\n')
            return LineRead::Line;
        if (byte == '\r') {
            char next = 0;
            if (device.peek(&next, 1) == 1 && next == '\n')
                device.getChar(&next);
            return LineRead::Line;
        }
        if (line.size() >= MaxLineBytes)
            return LineRead::TooLong;
        line.append(byte);
    }
    return LineRead::Line;
}

// Plain decimal text as the file holds it: digits only, no leading zero, within [low, high].
std::optional<int> plainNumber(const QString &text, int low, int high)
{
    if (text.isEmpty() || text.size() > 4 || text.front() == u'0')
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

QByteArray encodeReading(const Reading &reading)
{
    QByteArray bytes;
    for (const QString &field : fields(reading)) {
        bytes += Scrambler::toBytes(Scrambler::scramble(field));
        bytes += lineEnd;
    }
    return bytes;
}

bool writeReading(const QString &path, const Reading &reading, QString *errorText)
{
    const auto fail = [errorText](const QString &reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };

    for (const QString &field : fields(reading)) {
        if (Scrambler::toBytes(Scrambler::scramble(field)).size() > MaxLineBytes)
            return fail(QCoreApplication::translate("SavedReadingFile",
                                                    "The name is too long to be saved."));
    }
    return AtomicFile::replace(path, encodeReading(reading), errorText);
}

std::optional<Reading> decodeReading(QIODevice &device)
{
    if (!device.isOpen() || !device.isReadable())
        return std::nullopt;

    std::array<QString, MaxLinesRead> lines;
    QByteArray line;
    for (QString &text : lines) {
        if (readLine(device, line) == LineRead::TooLong)
            return std::nullopt;
        text = Scrambler::unscramble(Scrambler::fromBytes(line));
    }

    const QString name = trimBlanks(lines[0]);
    const std::optional<int> day = plainNumber(lines[2], 1, 31);
    const std::optional<int> year = plainNumber(lines[3], FirstYear, LastYear);
    if (name.isEmpty() || !day || !year)
        return std::nullopt;
    // A month that is not exactly one of the twelve names makes no reading.
    return Reading::of(name, lines[1], *day, *year);
}

std::optional<Reading> readReading(const QString &path)
{
    // Devices and pipes are no saved readings (and opening a pipe would wait for a writer).
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeReading(file);
}

} // namespace SavedReadingFile
