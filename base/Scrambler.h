#pragma once

#include <QString>

// The scrambling of saved readings and of the stored setting: each byte shifted up by a fixed
// offset.
namespace Scrambler {

// Greater than 13, so that no scrambled byte is ever CR or LF; the smallest such value loses the
// fewest bytes. Saved readings and stored dates are only readable by a build with the same value.
inline constexpr int offset = 14;

// A scrambled text is a text of byte values 0 to 255, one character per byte. Plain texts become
// bytes as UTF-8 first, so names in any script survive; a character with a byte whose shifted
// value would leave 0 to 255 (from U+80000 on) is left out whole, and the rest survives exactly.
QString scramble(const QString &text);
// Decodes the unshifted bytes as UTF-8, or as Windows-1252 where they are not UTF-8.
QString unscramble(const QString &scrambled);

// The byte view of a scrambled text and back, for writing it to a file.
QByteArray toBytes(const QString &scrambled);
QString fromBytes(const QByteArray &bytes);

} // namespace Scrambler
