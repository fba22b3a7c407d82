#pragma once

#include <QString>

// One of the thirteen Mayan moon signs. The animal, crystal and interpretation are kept in
// English; the person reads them through SignTable::displayText().
struct Sign
{
    QString mayanName;
    QString animal;
    QString crystal;
    QString interpretation;
    // The animal's picture among the program's resources.
    QString picture;

    bool operator==(const Sign &) const = default;
};
