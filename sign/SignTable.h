#pragma once

#include "sign/Sign.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The thirteen Mayan moon signs and the rule from a birth date to its sign. Immutable data and
// pure lookups: no window, no state.
namespace SignTable {

inline constexpr int signCount = 13;

// In calendar order, Tzootz first and Aak last.
const std::array<Sign, signCount> &signs();

// The sign whose Mayan name is exactly mayanName (case and blanks count); "Jaguar" is the Mayan
// name of the sign whose animal is "Balam".
std::optional<Sign> signNamed(const QString &mayanName);

// The sign of a birth on day of month; nothing when month is not one of the twelve names.
std::optional<Sign> signOn(const QString &month, int day);

// The twelve month names in calendar order, in English: the rule compares them and saved readings
// keep them; the month list shows each through displayText().
const QStringList &monthNames();

// An animal, crystal, interpretation or month of the table as the person reads it, in the
// language of the translations installed. The table and a reading keep the English texts.
QString displayText(const QString &text);

} // namespace SignTable
