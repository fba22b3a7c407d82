#include "base/Scrambler.h"

#include <QStringDecoder>

#include <algorithm>

namespace Scrambler {

namespace {

bool carried(const QByteArray &utf8)
{
    return std::all_of(utf8.begin(), utf8.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) + offset <= 255; });
}

// The text as UTF-8 without the characters that have a byte the shift would push past 255. Such a
// character is left out whole: a byte of it left behind would spoil the decoding of the rest.
QByteArray carriedUtf8(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size()
                && text.at(i + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const QByteArray utf8 = QStringView(text).mid(i, length).toUtf8();
        if (carried(utf8))
            out.append(utf8);
        i += length;
    }
    return out;
}

QByteArray shifted(const QByteArray &bytes, int by)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (char byte : bytes) {
        const int code = static_cast<unsigned char>(byte) + by;
        if (code >= 0 && code <= 255)
            out.append(char(code));
    }
    return out;
}

// The characters that Windows-1252 places at 0x80 to 0x9F (unassigned codes keep their value).
constexpr char16_t windows1252High[32]
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code <= 0x9F ? QChar(windows1252High[code - 0x80])
                                                 : QChar(code));
    }
    return text;
}

QString decodeText(const QByteArray &bytes)
{
    // A byte-order mark at the start is part of the text, not a marker to drop.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

} // namespace

QByteArray toBytes(const QString &scrambled)
{
    // Scrambled texts hold only codes 0 to 255; anything else cannot come from scramble().
    QByteArray bytes;
    bytes.reserve(scrambled.size());
    for (QChar c : scrambled) {
        if (c.unicode() <= 0xFF)
            bytes.append(char(c.unicode()));
    }
    return bytes;
}

QString fromBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QString scramble(const QString &text)
{
    return fromBytes(shifted(carriedUtf8(text), offset));
}

QString unscramble(const QString &scrambled)
{
    return decodeText(shifted(toBytes(scrambled), -offset));
}

} // namespace Scrambler
