#pragma once

#include "sign/Sign.h"

#include <QString>

#include <optional>

// One person's reading: who, born when, and the sign that date falls under. Made by the main
// window from its lists or from a saved reading, and handed to the result and report windows and
// to the saved reading files.
struct Reading
{
    QString name;
    int day = 0;
    // The month's English name, as the rule compares it and saved readings keep it.
    QString month;
    int year = 0;
    Sign sign;

    // The reading of a birth date; nothing when month is not one of the twelve English names.
    static std::optional<Reading> of(const QString &name, const QString &month, int day, int year);

    bool operator==(const Reading &) const = default;
};
