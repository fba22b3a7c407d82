#include "report/ReportWindow.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/ScriptedPrinter.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ExitAppealWindow.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "web/SitePages.h"
#include "widgets/LinkLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    void windowsSayWhereYouAre_data();
    void windowsSayWhereYouAre();
    void menusCarryTheirTitles();
    void linksArePressedByReaderAndKeys_data();
    void linksArePressedByReaderAndKeys();
    void coveredOfferIsNotThere_data();
    void coveredOfferIsNotThere();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void standardKeysRunTheirCommands_data();
    void standardKeysRunTheirCommands();
    void accessKeyLeavesTheFocusOnItsButton();
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

void TestAccessibility::windowsSayWhereYouAre_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("main") << "main"
                          << "Zel Mayan Animal Sign v1.05" << int(QAccessible::Window);
    QTest::newRow("result") << "result"
                            << "Zel Mayan Animal Sign Result: Jaguar, Balam, Alexandrite"
                            << int(QAccessible::Window);
    QTest::newRow("report") << "report"
                            << "Zel Mayan Animal Sign Report" << int(QAccessible::Dialog);
    QTest::newRow("about") << "about"
                           << "About Zel Mayan Animal Sign" << int(QAccessible::Dialog);
    QTest::newRow("exit appeal") << "exit appeal"
                                 << "Before You Go: Support Zel Mayan Animal Sign"
                                 << int(QAccessible::Window);
}

void TestAccessibility::windowsSayWhereYouAre()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(int, role);
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(int(accessible->role()), role);
    // What is seen stays: every window's title is the program's.
    QCOMPARE(shown->windowTitle(), QStringLiteral("Zel Mayan Animal Sign v1.05"));
}

void TestAccessibility::menusCarryTheirTitles()
{
    ScriptedDesktop desktop;
    for (const char *window : {"main", "result"}) {
        QStringList names;
        for (QMenu *menu : openWindow(QString::fromLatin1(window))->findChildren<QMenu *>()) {
            if (menu->objectName().startsWith(QLatin1String("mnu")))
                names << QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name);
        }
        QCOMPARE(names, QStringList({"File", "Help"}));
    }
}

void TestAccessibility::linksArePressedByReaderAndKeys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("page");
    using SitePages::Page;
    const auto row = [](const char *window, const char *link, Page page) {
        QTest::addRow("%s %s", window, link)
                << QString::fromLatin1(window) << QString::fromLatin1(link) << int(page);
    };
    row("main", "Label61", Page::Home);
    row("main", "lblFullBrand", Page::FullyBranded);
    row("result", "lblFullBrand", Page::FullyBranded);
    row("report", "lblCobrand", Page::CoBrand);
    row("about", "lblHomePage", Page::Home);
    row("about", "lblCoBrand", Page::FullyBranded);
    row("exit appeal", "lblGoToHome", Page::SoftwareCatalog);
}

// A screen reader's press and the keys a person presses on the focused link each follow it.
void TestAccessibility::linksArePressedByReaderAndKeys()
{
    QFETCH(QString, window);
    QFETCH(QString, link);
    QFETCH(int, page);
    ScriptedDesktop desktop;
    auto *label = openWindow(window)->findChild<LinkLabel *>(link);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QVERIFY(accessible->state().focusable);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClick(label, Qt::Key_Space);
    QTest::keyClick(label, Qt::Key_A);
    const QUrl url = SitePages::pageUrl(SitePages::Page(page));
    QCOMPARE(desktop.openedUrls, QList<QUrl>({url, url, url}));
}

void TestAccessibility::coveredOfferIsNotThere_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("coBrandDrawn");
    QTest::addColumn<QString>("covered");
    QTest::newRow("main") << "main" << false << "lblCobrand";
    QTest::newRow("main, co-brand drawn") << "main" << true << "lblFullBrand";
    QTest::newRow("result") << "result" << false << "lblCobrand";
    QTest::newRow("report") << "report" << false << "lblFullBrand";
}

void TestAccessibility::coveredOfferIsNotThere()
{
    QFETCH(QString, window);
    QFETCH(bool, coBrandDrawn);
    QFETCH(QString, covered);
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window);
    if (coBrandDrawn)
        static_cast<MainWindow *>(shown)->bringToFront(Promotion::Offer::CoBrand);
    auto *lower = shown->findChild<LinkLabel *>(covered);
    QWidget *strip = lower->parentWidget();
    QVERIFY(strip->childAt(strip->rect().center()) != lower);
    QVERIFY(QAccessible::queryAccessibleInterface(lower)->state().invisible);
    const QList<LinkLabel *> offers = strip->findChildren<LinkLabel *>();
    QCOMPARE(std::count_if(offers.begin(), offers.end(),
                           [](LinkLabel *offer) { return offer->isVisible(); }),
             1);
}

void TestAccessibility::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("main Find") << "main"
                               << "cmdProceed" << true;
    QTest::newRow("main Open") << "main"
                               << "cmdOpen" << true;
    QTest::newRow("main name box") << "main"
                                   << "txtName" << false;
    QTest::newRow("result Back") << "result"
                                 << "cmdBack" << true;
    QTest::newRow("exit appeal Refer") << "exit appeal"
                                       << "cmdSubmit" << true;
    QTest::newRow("exit appeal name box") << "exit appeal"
                                          << "txtName" << false;
}

void TestAccessibility::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(bool, pressed);
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window);
    QStringList presses;
    for (QPushButton *button : shown->findChildren<QPushButton *>()) {
        QVERIFY(!button->isDefault());
        connect(button, &QPushButton::clicked, this,
                [&presses, button] { presses << button->objectName(); });
    }
    QTest::keyClick(shown->findChild<QWidget *>(control), Qt::Key_Return);
    QCOMPARE(presses, pressed ? QStringList(control) : QStringList());
}

void TestAccessibility::standardKeysRunTheirCommands_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("runs");
    QTest::newRow("main Ctrl+O") << "main" << QKeySequence(QKeySequence::Open) << "open dialog";
    QTest::newRow("main F1") << "main" << QKeySequence(QKeySequence::HelpContents) << "help";
    QTest::newRow("main Ctrl+Q") << "main" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "exit appeal";
    QTest::newRow("result Ctrl+P") << "result" << QKeySequence(QKeySequence::Print) << "report";
    QTest::newRow("result F1") << "result" << QKeySequence(QKeySequence::HelpContents) << "help";
    QTest::newRow("result Ctrl+Q")
            << "result" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "exit appeal";
    QTest::newRow("report Ctrl+S") << "report" << QKeySequence(QKeySequence::Save) << "save dialog";
    QTest::newRow("report Ctrl+P") << "report" << QKeySequence(QKeySequence::Print) << "no printer";
}

void TestAccessibility::standardKeysRunTheirCommands()
{
    QFETCH(QString, window);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, runs);
    ScriptedDesktop desktop;
    ScriptedPrinter printer;
    QWidget *shown = openWindow(window);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QString modal;
    QTimer::singleShot(0, this, [&modal] {
        if (QWidget *open = QApplication::activeModalWidget()) {
            modal = QString::fromLatin1(open->metaObject()->className());
            open->close();
        }
    });
    QTest::keySequence(shown, keys);
#ifdef Q_OS_WASM
    // A web page's modal window does not hold the key's call: it opens as the page goes on.
    QTest::qWait(50);
#endif
    const QMap<QString, bool> ran {
            {"open dialog", desktop.fileRequests.size() == 1},
            {"save dialog", desktop.fileRequests.size() == 1},
            {"help", desktop.openedUrls == QList {SitePages::pageUrl(SitePages::Page::OnlineHelp)}},
            {"exit appeal", visibleWindow<ExitAppealWindow>() != nullptr},
            {"report", modal == QLatin1String("ReportWindow")},
            {"no printer", desktop.messages.size() == 1}};
    QVERIFY2(ran.value(runs), qPrintable(runs));
}

// The focus comes back to the button whose access key opened a dialog, and a reader says so.
void TestAccessibility::accessKeyLeavesTheFocusOnItsButton()
{
    ScriptedDesktop desktop;
    QWidget *main = openWindow(QStringLiteral("main"));
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtName"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
#ifndef Q_OS_WASM
    // The key presses the button from its click animation's timer, which a web page fires only
    // once the test has handed control back to the browser.
    QTRY_COMPARE(desktop.fileRequests.size(), 1);
#endif
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOpen"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
