#include "widgets/AddressScanner.h"

#include <algorithm>
#include <array>

namespace AddressScanner {

namespace {

struct AddressStart
{
    QLatin1StringView prefix;
    bool opensAsHttp;
};

constexpr std::array<AddressStart, 6> addressStarts = {{
        {QLatin1StringView("http://"), false},
        {QLatin1StringView("https://"), false},
        {QLatin1StringView("ftp://"), false},
        {QLatin1StringView("file://"), false},
        {QLatin1StringView("mailto:"), false},
        {QLatin1StringView("www."), true},
}};

// A character that glues the text before an address start to it ("awww.", "x.http://"), so that
// no address starts there.
bool continuesWord(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'_' || c == u'.' || c == u'-' || c == u'@'
            || c == u'/' || c == u'+';
}

// White space, control characters, embedded objects and the characters that may never appear in
// an address end it.
bool endsAddress(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control
            || c == QChar::ObjectReplacementCharacter || c == QChar::ReplacementCharacter
            || c == u'<' || c == u'>' || c == u'"';
}

// Characters that end a sentence rather than an address.
bool trailingPunctuation(QChar c)
{
    return c == u'.' || c == u',' || c == u';' || c == u':' || c == u'!' || c == u'?' || c == u')'
            || c == u']' || c == u'"' || c == u'\'';
}

// Where an address found from start (its body from bodyStart) to end really ends: trailing
// punctuation is left out, but a closing bracket that the address itself opened stays
// ("http://example.org/wiki/Foo_(bar)").
qsizetype trimmedEnd(QStringView text, qsizetype bodyStart, qsizetype end)
{
    while (end > bodyStart && trailingPunctuation(text[end - 1])) {
        const QChar last = text[end - 1];
        if (last == u')' || last == u']') {
            const QChar opening = last == u')' ? u'(' : u'[';
            const QStringView address = text.sliced(bodyStart, end - bodyStart);
            if (address.count(opening) >= address.count(last))
                break;
        }
        --end;
    }
    return end;
}

bool hasLetterOrNumber(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

} // namespace

QList<DetectedLink> findLinks(QStringView text)
{
    QList<DetectedLink> links;
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (i > 0 && continuesWord(text[i - 1])) {
            ++i;
            continue;
        }
        const QStringView rest = text.sliced(i);
        const auto start = std::find_if(
                addressStarts.begin(), addressStarts.end(), [rest](const AddressStart &start) {
                    return rest.startsWith(start.prefix, Qt::CaseInsensitive);
                });
        if (start == addressStarts.end()) {
            ++i;
            continue;
        }
        const qsizetype bodyStart = i + start->prefix.size();
        qsizetype end = bodyStart;
        while (end < size && !endsAddress(text[end]))
            ++end;
        end = trimmedEnd(text, bodyStart, end);
        const QStringView body = text.sliced(bodyStart, end - bodyStart);
        const bool complete = start->opensAsHttp
                ? !body.isEmpty() && body.front().isLetterOrNumber()
                : hasLetterOrNumber(body);
        if (!complete) {
            ++i;
            continue;
        }
        const QString written = text.sliced(i, end - i).toString();
        links.append(
                {i, end - i, start->opensAsHttp ? QStringLiteral("http://") + written : written});
        i = end;
    }
    return links;
}

} // namespace AddressScanner
