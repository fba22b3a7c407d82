#include "sign/SignTable.h"

#include "sign/SignInterpretations.h"

#include <QCoreApplication>

namespace SignTable {

namespace {

struct SignRow
{
    const char *mayanName;
    const char *animal;
    const char *crystal;
    const char *picture;
};

// Row 8 holds the Mayan name "Jaguar" with the animal "Balam": the birth-date rule yields
// "Jaguar". The animal and crystal are marked for translation but kept in English here: the person
// reads them through displayText(). Each row's interpretation is in SignInterpretations.cpp.
constexpr std::array<SignRow, signCount> signRows = {{
        {"Tzootz", QT_TRANSLATE_NOOP("SignTable", "Bat"),
         //: A crystal; the English misspells "Rainbow Obsidian".
         QT_TRANSLATE_NOOP("SignTable", "Rainbow Obsidan"), ":/animals/01bat.jpg"},
        {"Dzec", QT_TRANSLATE_NOOP("SignTable", "Scorpion"),
         QT_TRANSLATE_NOOP("SignTable", "Yellow Topaz"), ":/animals/02scorpion.jpg"},
        {"Keh", QT_TRANSLATE_NOOP("SignTable", "Deer / Stag"),
         //: A crystal: cymophane, the cat's-eye chrysoberyl.
         QT_TRANSLATE_NOOP("SignTable", "Cymophaene"), ":/animals/03deer.jpg"},
        {"Moan", QT_TRANSLATE_NOOP("SignTable", "Owl"), QT_TRANSLATE_NOOP("SignTable", "Fire Opal"),
         ":/animals/04owl.jpg"},
        {"Cutz", QT_TRANSLATE_NOOP("SignTable", "Peacock"),
         QT_TRANSLATE_NOOP("SignTable", "Red Topaz"), ":/animals/05peacock.jpg"},
        {"Xibkay", QT_TRANSLATE_NOOP("SignTable", "Lizard"),
         QT_TRANSLATE_NOOP("SignTable", "Garnet And Ruby"), ":/animals/06lizard.jpg"},
        {"Batz", QT_TRANSLATE_NOOP("SignTable", "Monkey"), QT_TRANSLATE_NOOP("SignTable", "Pearl"),
         ":/animals/07monkey.jpg"},
        {"Coz", QT_TRANSLATE_NOOP("SignTable", "Hawk"), QT_TRANSLATE_NOOP("SignTable", "Amethyst"),
         ":/animals/08hawk.jpg"},
        {"Jaguar",
         //: The Mayan word for jaguar, shown as this sign's animal under the caption of the
         //: animal's name in the reader's own language: the language's own name for the jaguar.
         QT_TRANSLATE_NOOP("SignTable", "Balam"), QT_TRANSLATE_NOOP("SignTable", "Alexandrite"),
         ":/animals/09balam.jpg"},
        {"Pek", QT_TRANSLATE_NOOP("SignTable", "Dog"), QT_TRANSLATE_NOOP("SignTable", "Pearl"),
         ":/animals/10dog.jpg"},
        {"Kaw", QT_TRANSLATE_NOOP("SignTable", "Snake"),
         //: A crystal; the English misspells "Emerald".
         QT_TRANSLATE_NOOP("SignTable", "Emereld"), ":/animals/11snake.jpg"},
        {"Tzub", QT_TRANSLATE_NOOP("SignTable", "Rabbit"),
         //: A crystal; the English misspells "Malachite".
         QT_TRANSLATE_NOOP("SignTable", "Malaquite"), ":/animals/12rabbit.jpg"},
        {"Aak", QT_TRANSLATE_NOOP("SignTable", "Turtle / Tortoise"),
         QT_TRANSLATE_NOOP("SignTable", "Serpentine"), ":/animals/13turtle.jpg"},
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
        {QT_TRANSLATE_NOOP("SignTable", "January"), 10, "Xibkay", "Batz"},
        {QT_TRANSLATE_NOOP("SignTable", "February"), 7, "Batz", "Coz"},
        {QT_TRANSLATE_NOOP("SignTable", "March"), 7, "Coz", "Jaguar"},
        {QT_TRANSLATE_NOOP("SignTable", "April"), 4, "Jaguar", "Pek"},
        //: The month.
        {QT_TRANSLATE_NOOP("SignTable", "May"), 2, "Pek", "Kaw"},
        {QT_TRANSLATE_NOOP("SignTable", "June"), 27, "Tzub", "Aak"},
        {QT_TRANSLATE_NOOP("SignTable", "July"), 26, "Aak", "Tzootz"},
        {QT_TRANSLATE_NOOP("SignTable", "August"), 23, "Tzootz", "Dzec"},
        {QT_TRANSLATE_NOOP("SignTable", "September"), 20, "Dzec", "Keh"},
        {QT_TRANSLATE_NOOP("SignTable", "October"), 18, "Keh", "Moan"},
        {QT_TRANSLATE_NOOP("SignTable", "November"), 15, "Moan", "Cutz"},
        {QT_TRANSLATE_NOOP("SignTable", "December"), 13, "Cutz", "Xibkay"},
}};

// May alone has a second threshold: from day 30 it belongs to "Tzub".
constexpr int lateMayThreshold = 30;
constexpr const char *lateMaySign = "Tzub";

QString signNameOn(const MonthRule &rule, int day)
{
    if (QLatin1String(rule.month) == QLatin1String("May") && day >= lateMayThreshold)
        return QString::fromLatin1(lateMaySign);
    return QString::fromLatin1(day >= rule.thresholdDay ? rule.from : rule.before);
}

} // namespace

const std::array<Sign, signCount> &signs()
{
    static const std::array<Sign, signCount> table = [] {
        std::array<Sign, signCount> built;
        for (int i = 0; i < signCount; ++i) {
            const SignRow &row = signRows[i];
            built[i] = {QString::fromLatin1(row.mayanName), QString::fromLatin1(row.animal),
                        QString::fromLatin1(row.crystal), QString::fromUtf8(signInterpretation(i)),
                        QString::fromLatin1(row.picture)};
        }
        return built;
    }();
    return table;
}

std::optional<Sign> signNamed(const QString &mayanName)
{
    for (const Sign &sign : signs()) {
        if (sign.mayanName == mayanName)
            return sign;
    }
    return std::nullopt;
}

std::optional<Sign> signOn(const QString &month, int day)
{
    for (const MonthRule &rule : monthRules) {
        if (month == QLatin1String(rule.month))
            return signNamed(signNameOn(rule, day));
    }
    return std::nullopt;
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

QString displayText(const QString &text)
{
    return QCoreApplication::translate("SignTable", text.toUtf8().constData());
}

} // namespace SignTable
