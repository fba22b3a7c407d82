#include "base/AppInfo.h"
#include "base/Scrambler.h"
#include "base/SettingsStore.h"
#include "base/Translations.h"
#include "report/ReportWindow.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ExitAppealWindow.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "web/SitePages.h"
#include "web/UpdateReminder.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

// A rich text piece by piece, each run of one style (a label, its value) on its own.
QMap<QString, QString> pieces(const QTextDocument *document, const QString &where)
{
    QMap<QString, QString> texts;
    int n = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto piece = block.begin(); !piece.atEnd(); ++piece)
            texts[where + QLatin1Char('/') + QString::number(n++)] = piece.fragment().text();
    }
    return texts;
}

// Every text a person can read in a window or hear from a screen reader, by where it is shown.
QMap<QString, QString> readableTexts(QWidget *window)
{
    QMap<QString, QString> texts;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString where = widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts[where] = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts[where] = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            texts[where] = box->title();
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            texts[where] = line->text();
        else if (auto *lines = qobject_cast<QPlainTextEdit *>(widget))
            texts[where] = lines->toPlainText();
        else if (auto *report = qobject_cast<QTextEdit *>(widget))
            texts.insert(pieces(report->document(), where));
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts[where + QLatin1Char('/') + QString::number(i)] = list->itemText(i);
        }
        if (!widget->accessibleName().isEmpty())
            texts[where + QStringLiteral("/accessible")] = widget->accessibleName();
    }
    for (const QAction *action : window->findChildren<QAction *>())
        texts[QStringLiteral("action/") + action->objectName()] = action->text();
    for (const QMenu *menu : window->findChildren<QMenu *>())
        texts[QStringLiteral("menu/") + menu->objectName()] = menu->title();
    return texts;
}

// What is left of a text once the parts that read the same in every language are taken out: the
// program's and the maker's names, the site's address, the Mayan names, the person's name, numbers
// and punctuation.
QString wordsToTranslate(QString text)
{
    QStringList names {AppInfo::windowCaption(),
                       AppInfo::applicationTitle(),
                       QStringLiteral("Velmora Softwares"),
                       SitePages::siteAddress(),
                       QStringLiteral("Balam"),
                       QStringLiteral("Ana")};
    for (const Sign &sign : SignTable::signs())
        names << sign.mayanName;
    text.remove(QChar(0x2060));
    for (const QString &name : names)
        text.remove(name);
    static const QRegularExpression noWord(QStringLiteral("[^\\p{L}]+"));
    return text.replace(noWord, QStringLiteral(" ")).trimmed();
}

// Words that a translation rightly keeps as English writes them.
bool sameInLanguage(const QString &words, const QString &language)
{
    static const QMap<QString, QStringList> same {
            {QStringLiteral("de"),
             {"Name", "OK", "April", "August", "September", "November", "Amethyst"}},
            {QStringLiteral("fr"), {"OK", "Scorpion", "Alexandrite", "Serpentine"}},
            {QStringLiteral("pt_BR"), {"OK"}},
    };
    return words.isEmpty() || same.value(language).contains(words);
}

// The texts that read the same in the language as in English, and should not.
QStringList leftInEnglish(const QStringList &english, const QStringList &translated,
                          const QString &language, const QStringList &where)
{
    QStringList left;
    for (int i = 0; i < english.size(); ++i) {
        const QString words = wordsToTranslate(translated.value(i));
        if (translated.value(i) == english.at(i) && !sameInLanguage(words, language))
            left << where.value(i) + QStringLiteral(": ") + translated.value(i).left(60);
    }
    return left;
}

QWidget *openWindow(const QString &which, int sign, ScriptedDesktop &desktop)
{
    desktop.randomAnswers = {0.1};
    return openProgramWindow(which, SignTable::signs().at(sign));
}

// The texts that share an access key where one key press reaches them all: the window's buttons
// with its menu bar, or the items of one menu.
QStringList sharedAccessKeys(QWidget *window)
{
    QList<QStringList> reachedTogether {{}};
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        reachedTogether.first() << button->text();
    if (const auto *menuBar = window->findChild<QMenuBar *>()) {
        for (const QAction *action : menuBar->actions())
            reachedTogether.first() << action->text();
    }
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *action : menu->actions())
            items << action->text();
        reachedTogether << items;
    }
    QStringList shared;
    for (const QStringList &texts : reachedTogether) {
        QMap<QKeySequence, QStringList> byKey;
        for (const QString &text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (!key.isEmpty())
                byKey[key] << text;
        }
        for (const QStringList &same : std::as_const(byKey)) {
            if (same.size() > 1)
                shared << same.join(QStringLiteral(" / "));
        }
    }
    return shared;
}

QMap<QString, QString> textsIn(const QString &language, const QString &window, int sign)
{
    Translations::install(language);
    ScriptedDesktop desktop;
    const QMap<QString, QString> texts = readableTexts(openWindow(window, sign, desktop));
    closeProgramWindows();
    return texts;
}

// A person's action that ends in a message box or a file dialog.
using Trigger = std::function<void(ScriptedDesktop &)>;

void leaveNameBlank(ScriptedDesktop &)
{
    MainWindow::showFresh()->find();
}

void openSomethingElse(ScriptedDesktop &desktop)
{
    desktop.pathAnswer = QStringLiteral("/nowhere/notes.txt");
    MainWindow::showFresh()->open();
}

void typeSpaceInAddress(ScriptedDesktop &)
{
    auto *appeal = new ExitAppealWindow;
    appeal->show();
    QTest::keyClick(child<QLineEdit>(appeal, "txtEmail"), Qt::Key_Space);
}

// The addresses filled in, everything else left at its prompt.
void referOnlyAddresses(const QString &email, const QString &friendEmail)
{
    auto *appeal = new ExitAppealWindow;
    appeal->show();
    child<QLineEdit>(appeal, "txtEmail")->setText(email);
    child<QLineEdit>(appeal, "txtFriendEmail")->setText(friendEmail);
    appeal->submit();
}

void askUpdate(ScriptedDesktop &desktop)
{
    SettingsStore::write(QStringLiteral("Duration"), QStringLiteral("2026-01-01"));
    desktop.todayAnswer = QDate(2026, 12, 7);
    desktop.messageAnswer = MessageButton::No;
    UpdateReminder::check();
}

ReportWindow *reportOfAna()
{
    auto *report = new ReportWindow(anaWith(signNamed(QStringLiteral("Jaguar"))));
    report->show();
    return report;
}

void saveIntoFolder(ScriptedDesktop &desktop)
{
    // A folder cannot be written as a file: the dialog, then the failure.
    desktop.pathAnswer = QDir::tempPath();
    reportOfAna()->save();
}

void savePdfIntoMissingFolder(ScriptedDesktop &desktop)
{
    desktop.pathAnswer = QDir::tempPath() + QStringLiteral("/no such folder/report.pdf");
    reportOfAna()->save();
}

void printWithoutPrinter(ScriptedDesktop &)
{
    reportOfAna()->print();
}

// Every message text, dialog title and file filter the action brought up, in order.
QStringList shownBy(const Trigger &trigger, const QString &language)
{
    Translations::install(language);
    ScriptedDesktop desktop;
    trigger(desktop);
    QStringList shown;
    for (const FileRequest &request : desktop.fileRequests)
        shown << request.title << request.filter;
    for (const MessageRequest &message : desktop.messages)
        shown << message.text;
    closeProgramWindows();
    return shown;
}

// English (the empty code) and every translation.
QStringList everyLanguage()
{
    return QStringList {QString()} + Translations::available();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(Trigger)

// The program in every language it speaks: everything a person reads is in the language, and what
// it stores is not.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void monthListShowsTheLanguageAndKeepsEnglish();
    void readingSavedInOneLanguageOpensInAnother_data();
    void readingSavedInOneLanguageOpensInAnother();
    void nothingLeftInEnglish_data();
    void nothingLeftInEnglish();
    void messagesInTheLanguage_data();
    void messagesInTheLanguage();
    void accessKeysDifferWithinAWindow_data();
    void accessKeysDifferWithinAWindow();
};

void TestLanguages::cleanup()
{
    closeProgramWindows();
    Translations::install(QString());
}

void TestLanguages::monthListShowsTheLanguageAndKeepsEnglish()
{
    QVERIFY(Translations::install(QStringLiteral("es")));
    ScriptedDesktop desktop;
    MainWindow *window = MainWindow::showFresh();
    auto *months = child<QComboBox>(window, "cboMonth");
    QCOMPARE(months->count(), 12);
    for (int i = 0; i < months->count(); ++i) {
        QCOMPARE(months->itemData(i).toString(), SignTable::monthNames().at(i));
        QCOMPARE(months->itemText(i), SignTable::displayText(SignTable::monthNames().at(i)));
    }
    QCOMPARE(months->itemText(4), QStringLiteral("mayo"));
    child<QLineEdit>(window, "txtName")->setText(QStringLiteral("Ana"));
    months->setCurrentIndex(4);
    child<QComboBox>(window, "cboDate")->setCurrentText(QStringLiteral("30"));
    window->find();
    // The rule reads the English month: late May is Tzub, not the Kaw of the rest of May.
    const Reading &found = visibleWindow<ResultWindow>()->shownReading();
    QCOMPARE(found.month, QStringLiteral("May"));
    QCOMPARE(found.sign.mayanName, QStringLiteral("Tzub"));
}

void TestLanguages::readingSavedInOneLanguageOpensInAnother_data()
{
    QTest::addColumn<QString>("savedIn");
    for (const QString &language : everyLanguage())
        QTest::addRow("saved in %s", language.isEmpty() ? "English" : qPrintable(language))
                << language;
}

// Saved in one language, the reading opens in every other with the same person and date, and
// saving it again there writes the same bytes.
void TestLanguages::readingSavedInOneLanguageOpensInAnother()
{
    QFETCH(QString, savedIn);
    QTemporaryDir folder;
    ScriptedDesktop desktop;
    QVERIFY(Translations::install(savedIn));
    MainWindow *window = MainWindow::showFresh();
    child<QLineEdit>(window, "txtName")->setText(QStringLiteral("José Núñez"));
    child<QComboBox>(window, "cboMonth")->setCurrentIndex(1);
    child<QComboBox>(window, "cboDate")->setCurrentText(QStringLiteral("29"));
    child<QComboBox>(window, "cboYear")->setCurrentText(QStringLiteral("1984"));
    window->find();
    const QString saved = folder.filePath(QStringLiteral("saved.zod"));
    desktop.pathAnswer = saved;
    ReportWindow(visibleWindow<ResultWindow>()->shownReading()).save();
    const QByteArray bytes = contents(saved);
    QVERIFY(!bytes.isEmpty());

    for (const QString &language : everyLanguage()) {
        if (language == savedIn)
            continue;
        closeProgramWindows();
        QVERIFY(Translations::install(language));
        MainWindow::showFresh()->openReading(saved);
        const Reading opened = visibleWindow<ResultWindow>()->shownReading();
        QCOMPARE(opened.name, QStringLiteral("José Núñez"));
        QCOMPARE(opened.month, QStringLiteral("February"));
        QCOMPARE(opened.day, 29);
        QCOMPARE(opened.year, 1984);
        QCOMPARE(opened.sign.mayanName, QStringLiteral("Coz"));
        desktop.pathAnswer = folder.filePath(language + QStringLiteral("again.zod"));
        ReportWindow(opened).save();
        QCOMPARE(contents(desktop.pathAnswer), bytes);
    }
    QVERIFY(desktop.messages.isEmpty());
}

void TestLanguages::nothingLeftInEnglish_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("sign");
    for (const QString &language : Translations::available()) {
        const QByteArray in = language.toLatin1();
        for (const char *window : {"main", "about", "report", "exit appeal"})
            QTest::addRow("%s %s", in.constData(), window) << language << window << 8;
        for (int sign = 0; sign < SignTable::signCount; ++sign) {
            QTest::addRow("%s result %s", in.constData(),
                          SignTable::signs().at(sign).mayanName.toLatin1().constData())
                    << language << "result" << sign;
        }
    }
}

void TestLanguages::nothingLeftInEnglish()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(int, sign);
    const QMap<QString, QString> english = textsIn(QString(), window, sign);
    const QMap<QString, QString> translated = textsIn(language, window, sign);
    QCOMPARE(translated.keys(), english.keys());
    const QStringList left
            = leftInEnglish(english.values(), translated.values(), language, english.keys());
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("; "))));
}

void TestLanguages::messagesInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Trigger>("trigger");
    const QList<QPair<const char *, Trigger>> triggers {
            {"name left blank", leaveNameBlank},
            {"open a file that is no reading", openSomethingElse},
            {"space in an address", typeSpaceInAddress},
            {"referral at its prompts",
             [](ScriptedDesktop &) {
                 referOnlyAddresses(QStringLiteral("ann@example.org"),
                                    QStringLiteral("bo@example.net"));
             }},
            {"same addresses",
             [](ScriptedDesktop &) {
                 referOnlyAddresses(QStringLiteral("ann@example.org"),
                                    QStringLiteral("ann@example.org"));
             }},
            {"improper address",
             [](ScriptedDesktop &) {
                 referOnlyAddresses(QStringLiteral("ann"), QStringLiteral("bo@example.net"));
             }},
            {"update question", askUpdate},
            {"save into a folder", saveIntoFolder},
            {"save a PDF into a missing folder", savePdfIntoMissingFolder},
            {"print without a printer", printWithoutPrinter},
    };
    for (const QString &language : Translations::available()) {
        for (const auto &[name, trigger] : triggers)
            QTest::addRow("%s %s", language.toLatin1().constData(), name) << language << trigger;
    }
}

void TestLanguages::messagesInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(Trigger, trigger);
    const QStringList english = shownBy(trigger, QString());
    const QStringList translated = shownBy(trigger, language);
    QVERIFY(!english.isEmpty());
    QCOMPARE(translated.size(), english.size());
    const QStringList left = leftInEnglish(english, translated, language, english);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("; "))));
}

// English keeps Alt+F for both its File menu and its Find button; a translation gives every button
// and menu of a window a key of its own.
void TestLanguages::accessKeysDifferWithinAWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString &language : Translations::available()) {
        for (const char *window : {"main", "result", "report", "exit appeal"})
            QTest::addRow("%s %s", qPrintable(language), window) << language << window;
    }
}

void TestLanguages::accessKeysDifferWithinAWindow()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QVERIFY(Translations::install(language));
    ScriptedDesktop desktop;
    const QStringList shared = sharedAccessKeys(openWindow(window, 8, desktop));
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
