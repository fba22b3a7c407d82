#include "base/Translations.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace {

// A text of the program and one of Qt's own standard buttons, as the person reads them.
QString programMonth()
{
    return QCoreApplication::translate("SignTable", "May");
}

QString qtYesButton()
{
    return QCoreApplication::translate("QPlatformTheme", "&Yes");
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyLanguageIsCompiledIn();
    void chooseLanguage_data();
    void chooseLanguage();
    void installReplacesTheLanguage_data();
    void installReplacesTheLanguage();
    void unknownLanguageLeavesEnglish();
    void systemLocale_data();
    void systemLocale();
    void languageOfThisProcess();
};

void TestTranslations::cleanup()
{
    Translations::install(QString());
}

void TestTranslations::everyLanguageIsCompiledIn()
{
    QStringList languages = Translations::available();
    languages.sort();
    QCOMPARE(languages, (QStringList {"de", "es", "fr", "pt_BR"}));
}

void TestTranslations::chooseLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Spanish") << QStringList {"es-ES", "es"} << "es";
    QTest::newRow("a region of German") << QStringList {"de-AT", "de"} << "de";
    QTest::newRow("a locale's name") << QStringList {"es_MX.UTF-8"} << "es";
    QTest::newRow("a region of French") << QStringList {"fr-CA", "fr-Latn-CA"} << "fr";
    QTest::newRow("Brazil") << QStringList {"pt-BR", "pt"} << "pt_BR";
    QTest::newRow("Portuguese alone") << QStringList {"pt"} << "pt_BR";
    QTest::newRow("Portugal") << QStringList {"pt-PT", "pt-Latn-PT"} << "";
    QTest::newRow("first one spoken") << QStringList {"it-IT", "it", "de-DE"} << "de";
    QTest::newRow("English before German") << QStringList {"en-GB", "de-DE"} << "";
    QTest::newRow("C") << QStringList {"C"} << "";
    QTest::newRow("POSIX") << QStringList {"POSIX", "es"} << "";
    QTest::newRow("none spoken") << QStringList {"it-IT", "it"} << "";
    QTest::newRow("nothing") << QStringList {} << "";
}

void TestTranslations::chooseLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::chooseLanguage(uiLanguages), chosen);
}

// The rows run in this order, each over the one before: a language replaces the last one whole.
void TestTranslations::installReplacesTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("yes");
    QTest::newRow("es") << "es"
                        << "mayo"
                        << "&Sí";
    QTest::newRow("fr") << "fr"
                        << "mai"
                        << "&Oui";
    QTest::newRow("pt_BR") << "pt_BR"
                           << "maio"
                           << "&Sim";
    QTest::newRow("de") << "de"
                        << "Mai"
                        << "&Ja";
    QTest::newRow("English") << ""
                             << "May"
                             << "&Yes";
}

void TestTranslations::installReplacesTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, month);
    QFETCH(QString, yes);
    QVERIFY(Translations::install(language));
    QCOMPARE(programMonth(), month);
    QCOMPARE(qtYesButton(), yes);
}

void TestTranslations::unknownLanguageLeavesEnglish()
{
    QVERIFY(Translations::install(QStringLiteral("de")));
    QVERIFY(!Translations::install(QStringLiteral("it")));
    QCOMPARE(programMonth(), QStringLiteral("May"));
    QCOMPARE(qtYesButton(), QStringLiteral("&Yes"));
}

// The locale as Linux names it in the environment, whether or not the machine has generated it.
void TestTranslations::systemLocale_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("es_ES") << "es_ES.UTF-8"
                           << ""
                           << ""
                           << "es";
    QTest::newRow("de_DE") << "de_DE.UTF-8"
                           << ""
                           << ""
                           << "de";
    QTest::newRow("de_CH") << "de_CH.UTF-8"
                           << ""
                           << ""
                           << "de";
    QTest::newRow("C") << "C"
                       << ""
                       << ""
                       << "";
    QTest::newRow("C.UTF-8") << "C.UTF-8"
                             << ""
                             << ""
                             << "";
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << ""
                           << ""
                           << "";
    QTest::newRow("fr_FR") << "fr_FR.UTF-8"
                           << ""
                           << ""
                           << "fr";
    QTest::newRow("pt_BR") << "pt_BR.UTF-8"
                           << ""
                           << ""
                           << "pt_BR";
    QTest::newRow("pt_PT") << "pt_PT.UTF-8"
                           << ""
                           << ""
                           << "";
    QTest::newRow("it_IT") << "it_IT.UTF-8"
                           << ""
                           << ""
                           << "";
    QTest::newRow("LC_ALL over LANG") << "de_DE.UTF-8"
                                      << "es_ES.UTF-8"
                                      << ""
                                      << "es";
    QTest::newRow("LANGUAGE list") << "it_IT.UTF-8"
                                   << ""
                                   << "it:de"
                                   << "de";
    QTest::newRow("LANGUAGE English first") << "de_DE.UTF-8"
                                            << ""
                                            << "en:de"
                                            << "";
}

void TestTranslations::systemLocale()
{
#ifdef Q_OS_WIN
    QSKIP("Windows takes the language from the user's settings, not from LANG, LC_ALL or LANGUAGE");
#endif
#if !QT_CONFIG(process)
    QSKIP("A web page starts no other process, which would read its locale from its environment");
#else
    QFETCH(QString, lang);
    QFETCH(QString, lcAll);
    QFETCH(QString, language);
    QFETCH(QString, chosen);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), lang);
    if (!lcAll.isEmpty())
        environment.insert(QStringLiteral("LC_ALL"), lcAll);
    if (!language.isEmpty())
        environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("ZEL_EXPECTED_LANGUAGE"), chosen);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("languageOfThisProcess")});
    QVERIFY(child.waitForFinished(30000));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardOutput().constData());
#endif
}

// Run by systemLocale in a process of its own, which reads the locale from its environment once.
void TestTranslations::languageOfThisProcess()
{
    if (!qEnvironmentVariableIsSet("ZEL_EXPECTED_LANGUAGE"))
        QSKIP("run by systemLocale, with a locale in the environment");
    const QString expected = qEnvironmentVariable("ZEL_EXPECTED_LANGUAGE");
    QCOMPARE(Translations::installForSystem(), expected);
    // English is no translation at all: the texts stay the sources, byte for byte.
    QCOMPARE(programMonth() == QLatin1String("May"), expected.isEmpty());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
