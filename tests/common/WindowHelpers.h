#pragma once

#include "sign/modMayanAnimalMoonSign.h"

#include <QList>
#include <QStringList>
#include <QWidget>

// Closes and destroys every window a test left open, without running any exit path.
void closeAllWindows();

// The program's visible top-level windows.
QList<QWidget *> visibleWindows();

// Opens one of the program's windows the way a test looks at it: "main", "result", "report",
// "about", or anything else for the exit appeal window. The result and report windows show the
// sign with the given table index, the report for Ana, born March 7, 1990.
QWidget *openProgramWindow(const QString &which, int signIndex);

// The sign with the given Mayan name, or with the given table index, from a filled table.
modMayanAnimalMoonSign::SignRecord signNamed(const QString &mayanName);
modMayanAnimalMoonSign::SignRecord filledSign(int index);
// The result window's four captions for a sign, in the language of the translations installed.
QStringList captionsOf(const modMayanAnimalMoonSign::SignRecord &sign);

// The first visible window of a type, or nullptr.
template<typename Window>
Window *visibleWindow()
{
    for (QWidget *widget : visibleWindows()) {
        if (auto *window = qobject_cast<Window *>(widget))
            return window;
    }
    return nullptr;
}
