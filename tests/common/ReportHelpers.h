#pragma once

#include "sign/modMayanAnimalMoonSign.h"

#include <QPoint>

class QTextEdit;

// A birth input as Find would store it.
modMayanAnimalMoonSign::BirthInputType reading(const QString &name, const QString &month, int day,
                                               int year);

// A point in the middle of the character at position, in the box's viewport coordinates.
QPoint characterCentre(QTextEdit *box, int position);
