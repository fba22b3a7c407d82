#include "base/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

// Where the build puts the compiled translations, as zel_<language>.qm.
const char programFolder[] = ":/i18n";
const char programPrefix[] = "zel_";

// The translators in use; both stay installed until another language replaces them.
struct InUse
{
    QTranslator program;
    QTranslator qt;
};

InUse &inUse()
{
    static InUse translators;
    return translators;
}

// Qt's own translations: the system's, or in a web page those the build puts beside the program's.
QString qtFolder()
{
#ifdef Q_OS_WASM
    return QLatin1String(programFolder);
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

void removeInstalled()
{
    QCoreApplication::removeTranslator(&inUse().program);
    QCoreApplication::removeTranslator(&inUse().qt);
}

// "es-ES", "es_ES.UTF-8" and "de_DE@euro" name the same language as "es_ES" and "de_DE".
QString localeName(const QString &uiLanguage)
{
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

bool isEnglish(const QString &name)
{
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    return language == QLatin1String("en") || language == QLatin1String("c")
            || language == QLatin1String("posix");
}

} // namespace

QStringList available()
{
    const QString prefix = QLatin1String(programPrefix);
    QStringList languages;
    const QStringList files = QDir(QLatin1String(programFolder))
                                      .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages << file.mid(prefix.size()).section(QLatin1Char('.'), 0, 0);
    return languages;
}

QString chooseLanguage(const QStringList &uiLanguages)
{
    // Listed only once a language other than English is asked for: an English start reads nothing.
    QStringList spoken;
    for (const QString &uiLanguage : uiLanguages) {
        const QString name = localeName(uiLanguage);
        if (name.isEmpty() || isEnglish(name))
            return {};
        if (spoken.isEmpty())
            spoken = available();
        if (spoken.contains(name))
            return name;
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (spoken.contains(language))
            return language;
        // A language named without a country is that of the country Qt's locale data gives it:
        // "pt" is Brazil's Portuguese. A named country keeps its own: "pt_PT" does not read
        // Brazil's, whose spelling, words and manner of address differ.
        if (name == language && spoken.contains(QLocale(language).name()))
            return QLocale(language).name();
    }
    return {};
}

bool install(const QString &language)
{
    removeInstalled();
    if (language.isEmpty())
        return true;
    InUse &translators = inUse();
    if (!translators.program.load(QLatin1String(programPrefix) + language,
                                  QLatin1String(programFolder)))
        return false;
    QCoreApplication::installTranslator(&translators.program);
    // Yes, No, OK and the file dialogs; a system without Qt's translations shows them in English.
    if (translators.qt.load(QStringLiteral("qtbase_") + language, qtFolder()))
        QCoreApplication::installTranslator(&translators.qt);
    return true;
}

QString installForSystem()
{
    const QString language = chooseLanguage(QLocale::system().uiLanguages());
    return install(language) ? language : QString();
}

} // namespace Translations
