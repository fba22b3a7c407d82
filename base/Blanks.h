#pragma once

#include <QString>

// Removes blanks (spaces) at both ends of a name or a form field; tabs and line breaks are part
// of what the person typed and stay.
inline QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
