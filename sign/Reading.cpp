#include "sign/Reading.h"

#include "sign/SignTable.h"

std::optional<Reading> Reading::of(const QString &name, const QString &month, int day, int year)
{
    const std::optional<Sign> sign = SignTable::signOn(month, day);
    if (!sign)
        return std::nullopt;
    return Reading {name, day, month, year, *sign};
}
