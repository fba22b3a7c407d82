#pragma once

#include "sign/Reading.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// The saved reading (.zod) file: exactly four lines, each the scrambled text of one field and
// ended by CR LF, nothing before or after: the name, the English month name, the day and the
// year as decimal text without leading zeros. The sign is not saved: it follows from the date.
namespace SavedReadingFile {

// No line of a saved reading is longer: the name box holds at most 32767 UTF-16 units, at most
// 3 UTF-8 bytes each (98301 bytes). A longer line means the file is not a saved reading, and the
// rest of it is never read.
inline constexpr qint64 MaxLineBytes = 128 * 1024;
// Reading stops after this many lines (the four fields and one more), whatever follows.
inline constexpr int MaxLinesRead = 5;
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2050;

QByteArray encodeReading(const Reading &reading);

// Replaces the file at path as a whole, or leaves it as it was: on failure returns false and
// puts a reason fit for the user in *errorText (when given). A reading whose name is too long to
// be read back (see MaxLineBytes), or a path that names a device or a pipe, is refused the same
// way.
bool writeReading(const QString &path, const Reading &reading, QString *errorText = nullptr);

// Reads a saved reading from the device's current position: at most MaxLinesRead lines of at
// most MaxLineBytes bytes each. A line ends at CR LF, LF or CR; lines missing at the end read as
// empty. Returns nothing for anything that is not a saved reading: a name that is empty or only
// blanks, a month that is not exactly one of the twelve names, a day that is not 1 to 31 or a
// year that is not 1900 to 2050 as plain decimal text (digits only, no sign, blanks or leading
// zero: "05" is refused, since it is never written), an over-long line, or an unreadable device.
// The name comes back without the blanks at either end. A name whose bytes are not UTF-8 is the
// single-byte text and reads as Windows-1252 (see Scrambler::unscramble). The reading carries
// the sign of its date.
std::optional<Reading> decodeReading(QIODevice &device);
// The same for the file at path; nothing when it is missing, no regular file (a folder, a device,
// a pipe) or cannot be read.
std::optional<Reading> readReading(const QString &path);

} // namespace SavedReadingFile
