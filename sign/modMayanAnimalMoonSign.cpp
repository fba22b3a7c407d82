#include "sign/modMayanAnimalMoonSign.h"

#include <QCoreApplication>
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

// Row 8 holds the key "Jaguar" with the animal "Balam": the birth-date rule yields "Jaguar". The
// animal and crystal are marked for translation but kept in English here: the person reads them
// through displayText().
constexpr std::array<SignRow, SignCount> signRows = {{
        {"Tzootz", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Bat"),
         //: A crystal; the English misspells "Rainbow Obsidian".
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Rainbow Obsidan")},
        {"Dzec", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Scorpion"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Yellow Topaz")},
        {"Keh", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Deer / Stag"),
         //: A crystal: cymophane, the cat's-eye chrysoberyl.
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Cymophaene")},
        {"Moan", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Owl"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Fire Opal")},
        {"Cutz", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Peacock"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Red Topaz")},
        {"Xibkay", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Lizard"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Garnet And Ruby")},
        {"Batz", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Monkey"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Pearl")},
        {"Coz", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Hawk"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Amethyst")},
        {"Jaguar",
         //: The Mayan word for jaguar, shown as this sign's animal: usually kept as it is.
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Balam"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Alexandrite")},
        {"Pek", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Dog"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Pearl")},
        {"Kaw", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Snake"),
         //: A crystal; the English misspells "Emerald".
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Emereld")},
        {"Tzub", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Rabbit"),
         //: A crystal; the English misspells "Malachite".
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Malaquite")},
        {"Aak", QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Turtle / Tortoise"),
         QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "Serpentine")},
}};

struct MonthRule
{
    const char *month;
    int thresholdDay;
    const char *before;
    const char *from;
};

// The month names are the names the rule compares and saved readings keep; the month list shows
// them through displayText().
constexpr std::array<MonthRule, 12> monthRules = {{
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "January"), 10, "Xibkay", "Batz"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "February"), 7, "Batz", "Coz"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "March"), 7, "Coz", "Jaguar"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "April"), 4, "Jaguar", "Pek"},
        //: The month.
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "May"), 2, "Pek", "Kaw"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "June"), 27, "Tzub", "Aak"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "July"), 26, "Aak", "Tzootz"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "August"), 23, "Tzootz", "Dzec"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "September"), 20, "Dzec", "Keh"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "October"), 18, "Keh", "Moan"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "November"), 15, "Moan", "Cutz"},
        {QT_TRANSLATE_NOOP("modMayanAnimalMoonSign", "December"), 13, "Cutz", "Xibkay"},
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

QString displayText(const QString &text)
{
    return QCoreApplication::translate("modMayanAnimalMoonSign", text.toUtf8().constData());
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
