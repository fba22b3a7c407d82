#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ResultWindow.h"
#include "widgets/LinkLabel.h"

#include <QAccessible>
#include <QTest>

namespace {

QWidget *openWindow(const QString &which)
{
    return openProgramWindow(which, signNamed(QStringLiteral("Jaguar")));
}

QAccessibleInterface *accessibleOf(QWidget *window, const QString &name)
{
    auto *widget = window->findChild<QWidget *>(name);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// Qt on Unix reports a combo box's name as its current item, so what the box is for travels as
// its description there; elsewhere the name carries it.
QString purposeOf(QAccessibleInterface *accessible)
{
#ifdef Q_OS_UNIX
    if (accessible->role() == QAccessible::ComboBox)
        return accessible->text(QAccessible::Description);
#endif
    return accessible->text(QAccessible::Name);
}

// Tab reaches a focusable control even where it lies outside the client area; a link is only
// reached by the mouse, so one outside the client area is out of anyone's reach.
bool personCanReach(QWidget *window, QWidget *widget)
{
    if (!widget->isVisibleTo(window))
        return false;
    if (widget->focusPolicy() & Qt::TabFocus)
        return true;
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return qobject_cast<LinkLabel *>(widget) && window->rect().intersects(area);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyReachableControlHasAName_data();
    void everyReachableControlHasAName();
    void namesSayWhatABoxHolds_data();
    void namesSayWhatABoxHolds();
    void resultLabelsReadTheSign_data();
    void resultLabelsReadTheSign();
    void pictureSaysWhatItShows_data();
    void pictureSaysWhatItShows();
};

void TestAccessibility::cleanup()
{
    closeProgramWindows();
}

void TestAccessibility::everyReachableControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"main", "result", "report", "about", "exit appeal"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestAccessibility::everyReachableControlHasAName()
{
    QFETCH(QString, window);
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window);
    QStringList unnamed;
    int reached = 0;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (!personCanReach(shown, widget))
            continue;
        ++reached;
        if (QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty())
            unnamed << widget->objectName();
    }
    QVERIFY(reached > 0);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));
}

void TestAccessibility::namesSayWhatABoxHolds_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *window, const char *control, const char *name) {
        QTest::addRow("%s %s", window, control)
                << QString::fromLatin1(window) << QString::fromLatin1(control)
                << QString::fromUtf8(name);
    };
    row("main", "txtName", "Name");
    row("main", "cboMonth", "Birth month");
    row("main", "cboDate", "Birth day");
    row("main", "cboYear", "Birth year");
    row("main", "cmdProceed", "Find My Mayan Animal Sign");
    row("report", "RTB", "Report");
    row("about", "picIcon", "Zel Mayan Animal Sign icon");
    row("exit appeal", "Picture1", "Zel Mayan Animal Sign icon");
    row("exit appeal", "txtName", "Your Name");
    row("exit appeal", "txtEmail", "Your Email Address");
    row("exit appeal", "txtFriendName", "Friend's Name");
    row("exit appeal", "txtFriendEmail", "Friend's Email Address");
    row("exit appeal", "txtMessage", "Your Message");
}

void TestAccessibility::namesSayWhatABoxHolds()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    ScriptedDesktop desktop;
    QAccessibleInterface *accessible = accessibleOf(openWindow(window), control);
    QVERIFY(accessible);
    QCOMPARE(purposeOf(accessible), name);
}

void TestAccessibility::resultLabelsReadTheSign_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    const Sign jaguar = signNamed(QStringLiteral("Jaguar"));
    QTest::newRow("Mayan name") << QStringLiteral("lblResult_0") << jaguar.mayanName;
    QTest::newRow("animal") << QStringLiteral("lblResult_1") << jaguar.animal;
    QTest::newRow("crystal") << QStringLiteral("lblResult_2") << jaguar.crystal;
    QTest::newRow("interpretation") << QStringLiteral("lblResult_3") << jaguar.interpretation;
}

void TestAccessibility::resultLabelsReadTheSign()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    ScriptedDesktop desktop;
    QAccessibleInterface *accessible = accessibleOf(openWindow(QStringLiteral("result")), label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    const QStringList read {accessible->text(QAccessible::Name),
                            accessible->text(QAccessible::Value)};
    QVERIFY2(read.contains(caption), qPrintable(read.join(QLatin1String(" | "))));
}

void TestAccessibility::pictureSaysWhatItShows_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first sign") << QString() << QStringLiteral("Jaguar")
                                << QStringLiteral("Picture of the jaguar");
    QTest::newRow("after another") << QStringLiteral("Jaguar") << QStringLiteral("Aak")
                                   << QStringLiteral("Picture of the turtle");
}

void TestAccessibility::pictureSaysWhatItShows()
{
    QFETCH(QString, before);
    QFETCH(QString, sign);
    QFETCH(QString, shown);
    ScriptedDesktop desktop;
    if (!before.isEmpty())
        ResultWindow::showReading(anaWith(signNamed(before)));
    ResultWindow *result = ResultWindow::showReading(anaWith(signNamed(sign)));
    QAccessibleInterface *accessible = accessibleOf(result, QStringLiteral("imgAnimalPics"));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), shown);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
