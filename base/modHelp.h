#pragma once

#include <QString>

// The text scrambler and the settings store. The web-page routines of the same module live in
// web/modHelpPages.h.
namespace modHelp {

// Greater than 13, so that no scrambled byte is ever CR or LF; the smallest such value loses the
// fewest bytes. Saved readings and stored dates are only readable by a build with the same value.
inline constexpr int ScrambleOffset = 14;

// A scrambled text is a text of byte values 0 to 255, one character per byte. Plain texts become
// bytes as UTF-8 first, so names in any script survive; a character with a byte whose shifted
// value would leave 0 to 255 (from U+80000 on) is left out whole, and the rest survives exactly.
QString ScrambleText(const QString &text);
// Decodes the unshifted bytes as UTF-8, or as Windows-1252 where they are not UTF-8.
QString UnscrambleText(const QString &scrambled);

// The byte view of a scrambled text and back, for writing it to a file.
QByteArray scrambledBytes(const QString &scrambled);
QString scrambledFromBytes(const QByteArray &bytes);

// The per-user store of the executable's name, section "Settings", key and value scrambled.
// An absent key reads as the empty text.
QString readSetting(const QString &key);
// Returns false when the store could not be written.
bool writeSetting(const QString &key, const QString &value);

} // namespace modHelp
