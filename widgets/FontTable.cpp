#include "widgets/FontTable.h"

#include <QFontDatabase>
#include <QWidget>

#include <algorithm>
#include <array>

namespace FontTable {

namespace {

struct Entry
{
    Text text;
    const char *family;
    qreal pointSize;
    bool bold;
    bool underline;
};

constexpr std::array<Entry, 11> table = {{
        {Text::Body, "Verdana", 8.25, false, false},
        {Text::BoldBody, "Verdana", 8.25, true, false},
        {Text::Link, "Verdana", 8.25, false, true},
        {Text::BoldLink, "Verdana", 8.25, true, true},
        {Text::List, "Verdana", 9, false, false},
        {Text::BoldList, "Verdana", 9, true, false},
        {Text::Heading, "Verdana", 9.75, true, false},
        {Text::Report, "Verdana", 9.75, false, false},
        {Text::SignName, "Verdana", 14.25, true, false},
        {Text::Dialog, "MS Sans Serif", 8.25, false, false},
        {Text::Banner, "MS Sans Serif", 18, false, false},
}};

// A family as the font database lists it; a family made by more than one foundry is listed with
// the foundry in brackets.
bool sameFamily(const QString &listed, const QString &family)
{
    const qsizetype foundry = listed.indexOf(QLatin1String(" ["));
    return QStringView(listed).left(foundry).compare(family, Qt::CaseInsensitive) == 0;
}

QString firstInstalled(const QStringList &candidates, const QStringList &installed)
{
    for (const QString &candidate : candidates) {
        const auto match = std::find_if(
                installed.cbegin(), installed.cend(),
                [&candidate](const QString &listed) { return sameFamily(listed, candidate); });
        if (match != installed.cend())
            return *match;
    }
    return {};
}

// The family each entry of the table asks for, found once: the font database and the
// substitutions do not change while the program runs.
const QString &installedFamilyOf(Text text)
{
    static const std::array<QString, table.size()> families = [] {
        std::array<QString, table.size()> found;
        for (std::size_t i = 0; i < table.size(); ++i)
            found[i] = installedFamily(QString::fromLatin1(table[i].family));
        return found;
    }();
    return families[std::size_t(text)];
}

} // namespace

QString installedFamily(const QString &family)
{
    const QString installed = firstInstalled(QStringList {family} + QFont::substitutes(family),
                                             QFontDatabase::families());
    return installed.isEmpty() ? family : installed;
}

QFont font(Text text)
{
    const Entry &entry = table[std::size_t(text)];
    Q_ASSERT(entry.text == text);
    QFont font;
    font.setFamilies({installedFamilyOf(text)});
    font.setPointSizeF(entry.pointSize);
    font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(entry.underline);
    return font;
}

void apply(Text text, std::initializer_list<QWidget *> widgets)
{
    const QFont chosen = font(text);
    for (QWidget *widget : widgets)
        widget->setFont(chosen);
}

} // namespace FontTable
