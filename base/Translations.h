#pragma once

#include <QString>
#include <QStringList>

// The program's own translations (compiled in) and Qt's translations of its standard buttons and
// dialogs, in one language at a time. Installed before the first window is built: windows take
// their captions, and size their auto-size labels, once when they are made.
namespace Translations {

// The languages the program is translated into, besides its own English ("de", "es", "fr",
// "pt_BR").
QStringList available();

// The first of the person's languages, in their order of preference, that the program speaks:
// a language code from available(), or the empty text for English. A country the program has no
// translation for falls back to the language ("de_AT" reads "de"); a language alone to the country
// Qt's locale data gives it ("pt" reads "pt_BR"). English, "C" and "POSIX" stop the search, so a
// person who puts English before German reads English.
QString chooseLanguage(const QStringList &uiLanguages);

// Replaces the translations in use with those of the language ("" for English, which needs
// none). Returns false for a language the program has no translation for; English is then in use.
bool install(const QString &language);

// Installs the language chosen from the system's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG on
// Linux) and returns it, the empty text for English.
QString installForSystem();

} // namespace Translations
