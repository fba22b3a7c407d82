#include <QTest>

#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ProgramTexts.h"
#include "web/SitePages.h"
#include "widgets/PageLinks.h"

#include <QAccessible>
#include <QLabel>
#include <QTextLayout>

#include <algorithm>

namespace {

// The lengths below are counted without the site's address, which each text holds once and the
// build decides.
int lengthWithTheAddress(int lengthBesides)
{
    return lengthBesides + int(SitePages::siteAddress().size());
}

// The lines a word-wrapped label breaks its caption into, word joiners left out.
QStringList wrappedLines(const QLabel *label)
{
    const QString text = label->text();
    QTextLayout layout(text, label->font());
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines << text.mid(line.textStart(), line.textLength()).remove(QChar(0x2060));
    }
    layout.endLayout();
    return lines;
}

} // namespace

class TestProgramTexts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void lengths_data();
    void lengths();
    void sloganEndsWithTheSite();
    void supportTextNamesTheSite_data();
    void supportTextNamesTheSite();
    void aboutDescription();
    void catalogueMentions_data();
    void catalogueMentions();
    void catalogueFitsItsLabel();
    void siteAddressStaysOnOneLine_data();
    void siteAddressStaysOnOneLine();
};

void TestProgramTexts::cleanup()
{
    closeProgramWindows();
}

void TestProgramTexts::lengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");

    QTest::newRow("slogan") << PageLinks::siteSlogan() << 89;
    QTest::newRow("support 0") << ProgramTexts::supportText(0) << 201;
    QTest::newRow("support 1") << ProgramTexts::supportText(1) << 185;
    QTest::newRow("support 2") << ProgramTexts::supportText(2) << 134;
    QTest::newRow("support 3") << ProgramTexts::supportText(3) << 170;
}

void TestProgramTexts::lengths()
{
    QFETCH(QString, text);
    QFETCH(int, length);

    QCOMPARE(text.length(), lengthWithTheAddress(length));
}

void TestProgramTexts::sloganEndsWithTheSite()
{
    const QString slogan = PageLinks::siteSlogan();
    const QString ending
            = QStringLiteral("Visit ") + SitePages::siteAddress() + QStringLiteral(" Now");

    QVERIFY2(slogan.endsWith(ending), qPrintable(slogan));
    // Two short sentences of praise come before the invitation.
    const QString praise = slogan.left(slogan.length() - ending.length());
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?] "));
    QCOMPARE(praise.count(sentenceEnd), 2);
    QVERIFY(praise.endsWith(QLatin1Char(' ')));
}

void TestProgramTexts::supportTextNamesTheSite_data()
{
    QTest::addColumn<int>("n");

    for (int n = 0; n < 4; ++n)
        QTest::addRow("support %d", n) << n;
}

void TestProgramTexts::supportTextNamesTheSite()
{
    QFETCH(int, n);

    const QString text = ProgramTexts::supportText(n);
    QVERIFY2(text.contains(SitePages::siteAddress()), qPrintable(text));
    QVERIFY(!text.contains(QLatin1Char('%')));
    QVERIFY(!text.contains(QLatin1Char('\n')));
    QCOMPARE(text, text.trimmed());
}

void TestProgramTexts::aboutDescription()
{
    const QString fixed = QStringLiteral(
            "Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each "
            "animal of the Mayan zodiac is attributed with different characteristics which are "
            "reflected in your personality.");
    const QString text = ProgramTexts::aboutDescription();

    QVERIFY2(text.startsWith(fixed + QLatin1Char(' ')), qPrintable(text));
    const QString notice = text.mid(fixed.length() + 1);
    QVERIFY2(notice.contains(SitePages::siteAddress()), qPrintable(notice));
    // The sign and the maker's name never part at the end of a line.
    QVERIFY2(notice.startsWith(QStringLiteral("©\u00A0Velmora\u00A0Softwares,")),
             qPrintable(notice));
    // The About label has no room left beyond 29 characters besides the address.
    QVERIFY2(notice.length() <= lengthWithTheAddress(29), qPrintable(notice));
}

void TestProgramTexts::catalogueMentions_data()
{
    QTest::addColumn<QString>("subject");

    QTest::newRow("astrology") << QStringLiteral("astrology");
    QTest::newRow("tarot") << QStringLiteral("tarot");
    QTest::newRow("numerology") << QStringLiteral("numerology");
    QTest::newRow("psychic") << QStringLiteral("psychic");
    QTest::newRow("occult") << QStringLiteral("occult");
}

void TestProgramTexts::catalogueMentions()
{
    QFETCH(QString, subject);

    QVERIFY(ProgramTexts::catalogueText().contains(subject, Qt::CaseInsensitive));
}

void TestProgramTexts::catalogueFitsItsLabel()
{
    const QString text = ProgramTexts::catalogueText();

    QVERIFY2(text.length() >= 300 && text.length() <= 380,
             qPrintable(QString::number(text.length())));
    QVERIFY(!text.contains(QLatin1Char('\n')));
}

void TestProgramTexts::siteAddressStaysOnOneLine_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("random");
    QTest::newRow("main") << "main"
                          << "Label61" << 0.0;
    QTest::newRow("result") << "result"
                            << "Label61" << 0.0;
    QTest::newRow("report") << "report"
                            << "Label61" << 0.0;
    QTest::newRow("about") << "about"
                           << "Label1" << 0.0;
    // The exit appeal window draws one of four appeals.
    for (int appeal = 0; appeal < 4; ++appeal)
        QTest::addRow("exit appeal %d", appeal) << "appeal"
                                                << "Label2" << (appeal + 0.5) / 4;
}

void TestProgramTexts::siteAddressStaysOnOneLine()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(double, random);
    ScriptedDesktop desktop;
    desktop.randomAnswers = {random};
    QWidget *shown = openProgramWindow(window, signNamed(QStringLiteral("Jaguar")));
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    auto *caption = shown->findChild<QLabel *>(label);
    QVERIFY(caption && caption->wordWrap());

    const QString plain = QString(caption->text()).remove(QChar(0x2060));
    QVERIFY(plain.contains(SitePages::siteAddress()));
    QCOMPARE(QAccessible::queryAccessibleInterface(caption)->text(QAccessible::Name), plain);
    const QStringList lines = wrappedLines(caption);
    QVERIFY2(std::any_of(
                     lines.begin(), lines.end(),
                     [](const QString &line) { return line.contains(SitePages::siteAddress()); }),
             qPrintable(lines.join(QLatin1String(" | "))));
}

QTEST_MAIN(TestProgramTexts)
#include "tst_programtexts.moc"
