#include "sign/modMayanAnimalMoonSign.h"

#include <QStringList>

#include <array>
#include <iterator>

namespace modMayanAnimalMoonSign {

QString strMayanNames[SignSlots];
QString strAnimalNames[SignSlots];
QString strCrystals[SignSlots];
QString strInterpretations[SignSlots];

BirthInputType BirthInput;
QString strMoonSign;

namespace {

struct SignRow
{
    const char *mayanName;
    const char *animalName;
    const char *crystal;
};

// Row 8 holds the key "Jaguar" with the animal "Balam": the birth-date rule yields "Jaguar".
constexpr std::array<SignRow, SignCount> signRows = {{
        {"Tzootz", "Bat", "Rainbow Obsidan"},
        {"Dzec", "Scorpion", "Yellow Topaz"},
        {"Keh", "Deer / Stag", "Cymophaene"},
        {"Moan", "Owl", "Fire Opal"},
        {"Cutz", "Peacock", "Red Topaz"},
        {"Xibkay", "Lizard", "Garnet And Ruby"},
        {"Batz", "Monkey", "Pearl"},
        {"Coz", "Hawk", "Amethyst"},
        {"Jaguar", "Balam", "Alexandrite"},
        {"Pek", "Dog", "Pearl"},
        {"Kaw", "Snake", "Emereld"},
        {"Tzub", "Rabbit", "Malaquite"},
        {"Aak", "Turtle / Tortoise", "Serpentine"},
}};

struct MonthRule
{
    const char *month;
    int thresholdDay;
    const char *before;
    const char *from;
};

constexpr std::array<MonthRule, 12> monthRules = {{
        {"January", 10, "Xibkay", "Batz"},
        {"February", 7, "Batz", "Coz"},
        {"March", 7, "Coz", "Jaguar"},
        {"April", 4, "Jaguar", "Pek"},
        {"May", 2, "Pek", "Kaw"},
        {"June", 27, "Tzub", "Aak"},
        {"July", 26, "Aak", "Tzootz"},
        {"August", 23, "Tzootz", "Dzec"},
        {"September", 20, "Dzec", "Keh"},
        {"October", 18, "Keh", "Moan"},
        {"November", 15, "Moan", "Cutz"},
        {"December", 13, "Cutz", "Xibkay"},
}};

// May alone has a second threshold: from day 30 it belongs to "Tzub".
constexpr int lateMayThreshold = 30;
constexpr const char *lateMaySign = "Tzub";

QString signForDay(const MonthRule &rule, int day)
{
    if (QLatin1String(rule.month) == QLatin1String("May") && day >= lateMayThreshold)
        return QString::fromLatin1(lateMaySign);
    return QString::fromLatin1(day >= rule.thresholdDay ? rule.from : rule.before);
}

// The four columns as they are filled, built once: refilling then shares their text.
struct SignColumns
{
    QString mayanNames[SignCount];
    QString animalNames[SignCount];
    QString crystals[SignCount];
    QString interpretations[SignCount];
};

const SignColumns &signColumns()
{
    static const SignColumns columns = [] {
        SignColumns built;
        for (int i = 0; i < SignCount; ++i) {
            built.mayanNames[i] = QString::fromLatin1(signRows[i].mayanName);
            built.animalNames[i] = QString::fromLatin1(signRows[i].animalName);
            built.crystals[i] = QString::fromLatin1(signRows[i].crystal);
            built.interpretations[i] = interpretationText(i);
        }
        return built;
    }();
    return columns;
}

// A slot that already shares the value's text holds it; writing it again would change nothing.
void fillSlot(QString &slot, const QString &value)
{
    if (!slot.isSharedWith(value))
        slot = value;
}

} // namespace

void FillSignTables()
{
    const SignColumns &columns = signColumns();
    for (int i = 0; i < SignCount; ++i) {
        fillSlot(strMayanNames[i], columns.mayanNames[i]);
        fillSlot(strAnimalNames[i], columns.animalNames[i]);
        fillSlot(strCrystals[i], columns.crystals[i]);
        fillSlot(strInterpretations[i], columns.interpretations[i]);
    }
}

std::optional<int> LookupMayanName(const QString &mayanName)
{
    FillSignTables();
    // The upper bound is 13, and the search stops one short of it: slot 13 is never compared.
    const int upperBound = int(std::size(strMayanNames)) - 1;
    for (int i = 0; i < upperBound; ++i) {
        if (strMayanNames[i] == mayanName)
            return i;
    }
    return std::nullopt;
}

std::optional<SignRecord> signRecord(int index)
{
    if (index < 0 || index >= SignCount)
        return std::nullopt;
    FillSignTables();
    return SignRecord {index, strMayanNames[index], strAnimalNames[index], strCrystals[index],
                       strInterpretations[index]};
}

const QStringList &monthNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const MonthRule &rule : monthRules)
            list << QString::fromLatin1(rule.month);
        return list;
    }();
    return names;
}

void FindMoonSign()
{
    for (const MonthRule &rule : monthRules) {
        if (BirthInput.strMonth == QLatin1String(rule.month)) {
            strMoonSign = signForDay(rule, BirthInput.intDate);
            return;
        }
    }
}

} // namespace modMayanAnimalMoonSign
