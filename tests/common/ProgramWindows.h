#pragma once

#include "sign/Reading.h"
#include "sign/Sign.h"

#include <QString>
#include <QStringList>

class QWidget;

// The sign with the given Mayan name; the test fails hard when there is none.
Sign signNamed(const QString &mayanName);

// Ana, born March 7, 1990, with the given sign: the reading the report window tests show.
Reading anaWith(const Sign &sign);

// Opens one of the program's windows the way a test looks at it: "main", "result", "report",
// "about", or anything else for the exit appeal window. The result and report windows show Ana's
// reading with the given sign.
QWidget *openProgramWindow(const QString &which, const Sign &sign);

// The result window's four captions for a sign, in the language of the translations installed.
QStringList captionsOf(const Sign &sign);

// Closes and destroys every window a test left open, without running the exit path.
void closeProgramWindows();
