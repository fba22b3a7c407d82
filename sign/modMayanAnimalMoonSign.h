#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The thirteen Mayan moon signs, the birth input of the last Find and the rule from birth date
// to sign. Knows no window: the result window fills itself through DisplayMoonSign (ui/).
namespace modMayanAnimalMoonSign {

// 14 slots: 0 to 12 hold the signs, slot 13 stays empty and is never searched.
inline constexpr int SignSlots = 14;
inline constexpr int SignCount = 13;

extern QString strMayanNames[SignSlots];
extern QString strAnimalNames[SignSlots];
extern QString strCrystals[SignSlots];
extern QString strInterpretations[SignSlots];

struct BirthInputType
{
    QString strName;
    qint16 intDate = 0;
    QString strMonth;
    qint16 intYear = 0;
};

// Written by Find only; read by the rule, the report and the saved reading files.
extern BirthInputType BirthInput;
// The Mayan name the rule chose for the last Find; empty before the first.
extern QString strMoonSign;

// One sign seen across the four columns.
struct SignRecord
{
    int index = 0;
    QString mayanName;
    QString animalName;
    QString crystal;
    QString interpretation;

    int pictureNumber() const { return index + 1; }
};

void FillSignTables();
QString interpretationText(int index);

// Refills the table, then compares slots 0 to 12 exactly; the first equal slot wins.
std::optional<int> LookupMayanName(const QString &mayanName);
// Refills the table and reads the sign in slot index; nothing for an index outside 0 to 12.
std::optional<SignRecord> signRecord(int index);

// The twelve month names in calendar order, in English: the rule compares them and saved readings
// keep them; the month list shows each through displayText().
const QStringList &monthNames();

// An animal, crystal, interpretation or month of the table as the person reads it, in the
// language of the translations installed. The table and the birth input keep the English texts.
QString displayText(const QString &text);

// Reads BirthInput.strMonth and BirthInput.intDate, writes strMoonSign; a month that is none of
// the twelve names leaves strMoonSign as it was.
void FindMoonSign();

} // namespace modMayanAnimalMoonSign
