#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "widgets/ColourTable.h"
#include "widgets/FontTable.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {

QWidget *openWindow(const QString &which)
{
    return openProgramWindow(which, signNamed(QStringLiteral("Jaguar")));
}

#if QT_CONFIG(style_stylesheet)
// No style sheet of its own, and none taken over from a parent: Qt's style-sheet machinery is
// never started for the windows.
bool carriesNoLook(const QWidget *widget)
{
    return widget->styleSheet().isEmpty() && !widget->style()->inherits("QStyleSheetStyle");
}
#endif

QImage drawn(const QFont &font)
{
    QImage image(320, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter,
                     QStringLiteral("Find My Mayan Animal Sign ÄÑ 1900"));
    return image;
}

} // namespace

// The fonts and colours come from the program's tables, not from style sheets in the forms.
class TestTextLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void formsCarryNoLook_data();
    void formsCarryNoLook();
    void textsTakeTheirLook_data();
    void textsTakeTheirLook();
    void controlsKeepSystemColours();
    void standInDrawsAsTheNamedFamily_data();
    void standInDrawsAsTheNamedFamily();
    void dateListsPopUpInTheirFont_data();
    void dateListsPopUpInTheirFont();
};

void TestTextLook::initTestCase()
{
    // MS Sans Serif gets a stand-in of its own here, so that a text that took Verdana's entry of
    // the table, or the other way round, shows in its family.
    QFont::removeSubstitutions(QStringLiteral("MS Sans Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Serif"));
    QFont::insertSubstitutions(
            QStringLiteral("Zel Face With Stand-ins"),
            {QStringLiteral("Zel Face Nobody Has"), QStringLiteral("DejaVu Serif")});
}

void TestTextLook::cleanup()
{
    closeProgramWindows();
}

void TestTextLook::formsCarryNoLook_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main", "result", "report", "about", "exit appeal"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestTextLook::formsCarryNoLook()
{
#if !QT_CONFIG(style_stylesheet)
    QSKIP("This Qt has no style sheets at all (the web page's is built without them)");
#else
    QFETCH(QString, window);
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window);
    QStringList styled;
    for (const QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!carriesNoLook(widget))
            styled << widget->objectName() + QStringLiteral(": ") + widget->styleSheet();
    }
    QVERIFY2(styled.isEmpty(), qPrintable(styled.join(QLatin1String("; "))));
#endif
}

void TestTextLook::textsTakeTheirLook_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");
    const auto row = [](const char *window, const char *widget, const char *family, qreal points,
                        bool bold, bool underline, QColor colour) {
        QTest::addRow("%s %s", window, widget)
                << QString::fromLatin1(window) << QString::fromLatin1(widget)
                << QString::fromLatin1(family) << points << bold << underline << colour;
    };
    const QColor any;
    row("main", "Label61", "Verdana", 8.25, true, true, Qt::white);
    row("main", "Label3", "Verdana", 8.25, true, false, QColor(255, 255, 128));
    row("main", "fraDetails", "Verdana", 9, true, false, QColor(255, 192, 128));
    row("main", "cboMonth", "Verdana", 9, false, false, any);
    row("result", "lblResult_0", "Verdana", 14.25, true, false, QColor(255, 255, 0));
    row("result", "lblResult_3", "Verdana", 8.25, false, false, QColor(255, 255, 192));
    row("result", "Label13", "Verdana", 8.25, true, true, QColor(0, 0, 255));
    row("about", "lblHomePage", "Verdana", 8.25, false, true, Qt::white);
    row("about", "Label2", "Verdana", 9.75, true, false, QColor(255, 192, 128));
    row("report", "RTB", "Verdana", 9.75, false, false, any);
    row("report", "cmdSave", "MS Sans Serif", 8.25, false, false, any);
    row("exit appeal", "Label1", "MS Sans Serif", 18, false, false, any);
    row("exit appeal", "Frame2", "Verdana", 9.75, true, false, Qt::white);
    row("exit appeal", "Check1", "Verdana", 8.25, false, false, QColor(0, 0, 128));
}

void TestTextLook::textsTakeTheirLook()
{
    QFETCH(QString, window);
    QFETCH(QString, widget);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);
    ScriptedDesktop desktop;
    auto *shown = openWindow(window)->findChild<QWidget *>(widget);
    QVERIFY(shown);
    const QFont font = shown->font();
    // The table names the family; the widget asks for the face Qt draws for that name.
    QCOMPARE(font.family(), QFontInfo(QFont(family)).family());
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
    QVERIFY(!font.italic());
    if (colour.isValid())
        QCOMPARE(shown->palette().color(QPalette::WindowText), colour);
}

void TestTextLook::controlsKeepSystemColours()
{
    QWidget window;
    auto *kept = new QPushButton(&window);
    auto *plain = new QPushButton(&window);
    ColourTable::keepSystemColours({kept});
    ColourTable::setBackground(ColourTable::windowGreen, {&window});
    const QColor green(ColourTable::windowGreen);
    QCOMPARE(plain->palette().color(QPalette::Window), green);
    QCOMPARE(kept->palette().color(QPalette::Window), ColourTable::systemColour(QPalette::Window));
    QVERIFY(kept->palette().color(QPalette::Window) != green);
    // A colour set afterwards comes on top of the kept ones.
    ColourTable::setTextColour(Qt::red, {kept});
    QCOMPARE(kept->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(kept->palette().color(QPalette::Button), ColourTable::systemColour(QPalette::Button));
}

void TestTextLook::standInDrawsAsTheNamedFamily_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("installed");
    const auto rows = [](const char *family, bool installed) {
        for (const bool bold : {false, true}) {
            QTest::addRow("%s%s", family, bold ? " bold" : "")
                    << QString::fromLatin1(family) << bold << installed;
        }
    };
    rows("Verdana", true);
    rows("MS Sans Serif", true);
    rows("DejaVu Serif", true);
    rows("dejavu serif", true);
    rows("Zel Face With Stand-ins", true);
    rows("Zel Face Nobody Has", false);
}

void TestTextLook::standInDrawsAsTheNamedFamily()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, installed);
    const QString standIn = FontTable::installedFamily(family);
    QCOMPARE(QFontDatabase::families().contains(standIn), installed);
    QFont named(family, 9, bold ? QFont::Bold : QFont::Normal);
    QFont asked = named;
    asked.setFamilies({standIn});
    QCOMPARE(drawn(asked), drawn(named));
}

void TestTextLook::dateListsPopUpInTheirFont_data()
{
    QTest::addColumn<QString>("list");
    QTest::newRow("month") << QStringLiteral("cboMonth");
    QTest::newRow("day") << QStringLiteral("cboDate");
    QTest::newRow("year") << QStringLiteral("cboYear");
}

void TestTextLook::dateListsPopUpInTheirFont()
{
    QFETCH(QString, list);
    QWidget *window = openWindow(QStringLiteral("main"));
    auto *box = window->findChild<QComboBox *>(list);
    QVERIFY(box);
    box->showPopup();
    const QFont shown = box->view()->font();
    box->hidePopup();
    const QFont expected = FontTable::font(FontTable::Text::List);
    QCOMPARE(QFontInfo(shown).family(), QFontInfo(expected).family());
    QCOMPARE(shown.pointSizeF(), expected.pointSizeF());
    QCOMPARE(shown.bold(), expected.bold());
}

QTEST_MAIN(TestTextLook)
#include "tst_textlook.moc"
