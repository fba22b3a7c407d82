#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/MainWindow.h"
#include "ui/ResultWindow.h"
#include "web/SitePages.h"
#include "widgets/LinkLabel.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QString::fromLatin1(name));
}

MainWindow *fillMainWindow(const QString &name, const QString &month, int day, int year)
{
    MainWindow *window = MainWindow::showFresh();
    child<QLineEdit>(window, "txtName")->setText(name);
    child<QComboBox>(window, "cboMonth")->setCurrentText(month);
    child<QComboBox>(window, "cboDate")->setCurrentText(QString::number(day));
    child<QComboBox>(window, "cboYear")->setCurrentText(QString::number(year));
    return window;
}

QStringList resultTexts(QWidget *result)
{
    QStringList texts;
    for (const char *name : {"lblResult_0", "lblResult_1", "lblResult_2", "lblResult_3"})
        texts << child<QLabel>(result, name)->text();
    return texts;
}

// The picture of the sign with the given number, 1 to 13 in table order.
QImage pictureOf(int number)
{
    return QPixmap(SignTable::signs().at(number - 1).picture).toImage();
}

QImage shownPicture(QWidget *result)
{
    return child<QLabel>(result, "imgAnimalPics")->pixmap().toImage();
}

// The class names of the visible windows: the working windows and anything an exit brings up.
QStringList visibleWindowClasses()
{
    QStringList classes;
    for (QWidget *window : visibleWindows())
        classes << QString::fromLatin1(window->metaObject()->className());
    return classes;
}

} // namespace

class TestWorkingWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void listsAfterLoad();
    void findShowsTheReading_data();
    void findShowsTheReading();
    void untouchedListsGiveXibkay();
    void backThenFindLeavesNothingOfTheFirstSign_data();
    void backThenFindLeavesNothingOfTheFirstSign();
    void blankNameIsRefused_data();
    void blankNameIsRefused();
    void blanksAroundTheNameAreDropped();
    void userExitLeavesNoWorkingWindow_data();
    void userExitLeavesNoWorkingWindow();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void layoutFacts();
    void hiddenOpenButtonIsReachable();
    void promotionalCaptions();
    void longValueWidensItsLabel();
    void handShowsOnceThePointerComesOver_data();
    void handShowsOnceThePointerComesOver();
};

void TestWorkingWindows::cleanup()
{
    closeProgramWindows();
}

void TestWorkingWindows::listsAfterLoad()
{
    MainWindow *window = MainWindow::showFresh();
    auto *months = child<QComboBox>(window, "cboMonth");
    auto *days = child<QComboBox>(window, "cboDate");
    auto *years = child<QComboBox>(window, "cboYear");
    QCOMPARE(months->count(), 12);
    QCOMPARE(days->count(), 31);
    QCOMPARE(years->count(), 151);
    QCOMPARE(years->itemText(0), QStringLiteral("1900"));
    QCOMPARE(years->itemText(150), QStringLiteral("2050"));
    QCOMPARE(days->itemText(30), QStringLiteral("31"));
    QCOMPARE(months->currentText(), QStringLiteral("January"));
    QCOMPARE(days->currentText(), QStringLiteral("1"));
    QCOMPARE(years->currentText(), QStringLiteral("1900"));
    // Drop-down lists: typing only moves the selection.
    QVERIFY(!months->isEditable() && !days->isEditable() && !years->isEditable());
    QTest::keyClick(months, Qt::Key_M);
    QCOMPARE(months->currentText(), QStringLiteral("March"));
}

void TestWorkingWindows::findShowsTheReading_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("picture");
    const QStringList jaguar = {"Jaguar", "Balam", "Alexandrite"};
    QTest::newRow("button, March 7") << false << "March" << 7 << jaguar << 9;
    QTest::newRow("menu, March 7") << true << "March" << 7 << jaguar << 9;
    QTest::newRow("July 26") << false << "July" << 26
                             << QStringList {"Tzootz", "Bat", "Rainbow Obsidan"} << 1;
    QTest::newRow("July 25") << true << "July" << 25
                             << QStringList {"Aak", "Turtle / Tortoise", "Serpentine"} << 13;
}

void TestWorkingWindows::findShowsTheReading()
{
    QFETCH(bool, throughMenu);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QStringList, captions);
    QFETCH(int, picture);
    ScriptedDesktop desktop;
    MainWindow *window = fillMainWindow(QStringLiteral("Ana"), month, day, 1990);
    if (throughMenu)
        child<QAction>(window, "mnuFind")->trigger();
    else
        QTest::mouseClick(child<QPushButton>(window, "cmdProceed"), Qt::LeftButton);

    QCOMPARE(visibleWindowClasses(), QStringList {"ResultWindow"});
    auto *result = visibleWindow<ResultWindow>();
    const Reading &reading = result->shownReading();
    QCOMPARE(reading.name, QStringLiteral("Ana"));
    QCOMPARE(reading.month, month);
    QCOMPARE(reading.day, day);
    QCOMPARE(reading.year, 1990);
    const QStringList shown = resultTexts(result);
    QCOMPARE(shown.mid(0, 3), captions);
    QCOMPARE(shown.at(3), SignTable::signs().at(picture - 1).interpretation);
    QCOMPARE(shownPicture(result), pictureOf(picture));
    QVERIFY(desktop.messages.isEmpty());
}

void TestWorkingWindows::untouchedListsGiveXibkay()
{
    MainWindow *window = fillMainWindow(QStringLiteral("Ana"), QStringLiteral("January"), 1, 1900);
    window->find();
    QCOMPARE(resultTexts(visibleWindow<ResultWindow>()).first(), QStringLiteral("Xibkay"));
}

void TestWorkingWindows::backThenFindLeavesNothingOfTheFirstSign_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void TestWorkingWindows::backThenFindLeavesNothingOfTheFirstSign()
{
    QFETCH(bool, throughMenu);
    fillMainWindow(QStringLiteral("Ana"), QStringLiteral("March"), 7, 1990)->find();
    auto *result = visibleWindow<ResultWindow>();
    if (throughMenu)
        child<QAction>(result, "mnuBack")->trigger();
    else
        QTest::mouseClick(child<QPushButton>(result, "cmdBack"), Qt::LeftButton);

    // A fresh main window, and nothing else.
    QCOMPARE(visibleWindowClasses(), QStringList {"MainWindow"});
    MainWindow *main = visibleWindow<MainWindow>();
    QVERIFY(child<QLineEdit>(main, "txtName")->text().isEmpty());
    QCOMPARE(child<QComboBox>(main, "cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(child<QComboBox>(main, "cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(main, "cboYear")->currentText(), QStringLiteral("1900"));
    QCOMPARE(child<QComboBox>(main, "cboMonth")->count(), 12);

    child<QLineEdit>(main, "txtName")->setText(QStringLiteral("Ben"));
    child<QComboBox>(main, "cboMonth")->setCurrentText(QStringLiteral("August"));
    main->find();
    result = visibleWindow<ResultWindow>();
    QCOMPARE(resultTexts(result).mid(0, 3), (QStringList {"Tzootz", "Bat", "Rainbow Obsidan"}));
    QCOMPARE(resultTexts(result).at(3), SignTable::signs().at(0).interpretation);
    QCOMPARE(shownPicture(result), pictureOf(1));
}

void TestWorkingWindows::blankNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "     ";
}

void TestWorkingWindows::blankNameIsRefused()
{
    QFETCH(QString, name);
    ScriptedDesktop desktop;
    MainWindow *window = fillMainWindow(name, QStringLiteral("May"), 30, 2000);
    child<QPushButton>(window, "cmdOpen")->setFocus();
    window->find();

    QCOMPARE(desktop.messages.size(), 1);
    const MessageRequest &message = desktop.messages.first();
    QCOMPARE(message.text, QStringLiteral("Please Enter Your Name"));
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(message.title, QStringLiteral("Zel Mayan Animal Sign"));
    // Nothing shown; the box keeps what was typed and has the focus again.
    QCOMPARE(visibleWindowClasses(), QStringList {"MainWindow"});
    auto *txtName = child<QLineEdit>(window, "txtName");
    QCOMPARE(txtName->text(), name);
    QCOMPARE(window->focusWidget(), txtName);
}

void TestWorkingWindows::blanksAroundTheNameAreDropped()
{
    fillMainWindow(QStringLiteral("  Ana  Maria \t "), QStringLiteral("May"), 1, 1950)->find();
    // Spaces go at both ends; what lies inside, and a tab, stay.
    const Reading &reading = visibleWindow<ResultWindow>()->shownReading();
    QCOMPARE(reading.name, QStringLiteral("Ana  Maria \t"));
    QCOMPARE(reading.sign.mayanName, QStringLiteral("Pek"));
}

void TestWorkingWindows::userExitLeavesNoWorkingWindow_data()
{
    QTest::addColumn<bool>("fromResult");
    QTest::addColumn<QString>("how");
    QTest::newRow("main, close box") << false << "close";
    QTest::newRow("main, File > Exit") << false << "mnuExit";
    QTest::newRow("result, close box") << true << "close";
    QTest::newRow("result, Exit button") << true << "cmdExit";
    QTest::newRow("result, File > Exit") << true << "mnuExit";
}

void TestWorkingWindows::userExitLeavesNoWorkingWindow()
{
    QFETCH(bool, fromResult);
    QFETCH(QString, how);
    QWidget *window = fillMainWindow(QStringLiteral("Ana"), QStringLiteral("June"), 27, 1980);
    if (fromResult) {
        MainWindow::showFresh()->close();
        closeProgramWindows();
        fillMainWindow(QStringLiteral("Ana"), QStringLiteral("June"), 27, 1980)->find();
        window = visibleWindow<ResultWindow>();
    }
    if (how == QLatin1String("close"))
        window->close();
    else if (how == QLatin1String("mnuExit"))
        window->findChild<QAction *>(how)->trigger();
    else
        QTest::mouseClick(window->findChild<QPushButton *>(how), Qt::LeftButton);

    const QStringList left = visibleWindowClasses();
    QVERIFY2(!left.contains(QStringLiteral("MainWindow"))
                     && !left.contains(QStringLiteral("ResultWindow")),
             qPrintable(left.join(QLatin1Char(' '))));
    // The exit ends at the appeal window, when there is one.
    QVERIFY(left.size() <= 1);
    if (!left.isEmpty())
        QCOMPARE(left.first(), QStringLiteral("ExitAppealWindow"));
}

void TestWorkingWindows::linksOpenTheirPages_data()
{
    QTest::addColumn<bool>("onResult");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    using SitePages::Page;
    for (bool onResult : {false, true}) {
        const char *window = onResult ? "result" : "main";
        const auto row = [&](const char *control, Page page) {
            QTest::addRow("%s %s", window, control) << onResult << control << int(page);
        };
        row("Label61", Page::Home);
        row("lblCobrand", Page::CoBrand);
        row("lblFullBrand", Page::FullyBranded);
        row("mnuOnline", Page::OnlineHelp);
        row("mnuVisit", Page::Home);
        row("mnuUpdate", Page::Download);
        row("mnuDonate", Page::Donate);
        row("mnuMakeMoney", Page::FullyBranded);
        if (onResult)
            row("Label13", Page::FullyBranded);
    }
}

void TestWorkingWindows::linksOpenTheirPages()
{
    QFETCH(bool, onResult);
    QFETCH(QString, control);
    QFETCH(int, page);
    ScriptedDesktop desktop;
    QWidget *window = fillMainWindow(QStringLiteral("Ana"), QStringLiteral("March"), 7, 1990);
    if (onResult) {
        static_cast<MainWindow *>(window)->find();
        window = visibleWindow<ResultWindow>();
    }
    if (auto *action = window->findChild<QAction *>(control))
        action->trigger();
    else
        QTest::mouseClick(window->findChild<LinkLabel *>(control), Qt::LeftButton);

    QCOMPARE(desktop.openedUrls.size(), 1);
    QCOMPARE(desktop.openedUrls.first(), SitePages::pageUrl(SitePages::Page(page)));
    // The window stays as it was.
    QVERIFY(window->isVisible());
}

void TestWorkingWindows::layoutFacts()
{
    MainWindow *main = fillMainWindow(QStringLiteral("Ana"), QStringLiteral("March"), 7, 1990);
    QCOMPARE(main->centralWidget()->size(), QSize(479, 273));
    QCOMPARE(main->minimumSize(), main->maximumSize());
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(main->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(main->windowTitle(), QStringLiteral("Zel Mayan Animal Sign v1.05"));
    // Tab order: name, month, day, year, Find, Open, the links, and round again.
    QStringList order;
    QWidget *widget = child<QLineEdit>(main, "txtName");
    for (int i = 0; i < 9; ++i, widget = widget->nextInFocusChain()) {
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(main))
            widget = widget->nextInFocusChain();
        order << widget->objectName();
    }
    QCOMPARE(order,
             (QStringList {"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed", "cmdOpen",
                           "Label61", "lblFullBrand", "txtName"}));
    // The fully-branded offer lies on top of the co-branding one.
    auto *strip = child<QGroupBox>(main, "fraFullBrand");
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), QStringLiteral("lblFullBrand"));

    main->find();
    auto *result = visibleWindow<ResultWindow>();
    QCOMPARE(result->centralWidget()->size(), QSize(616, 377));
    QVERIFY(result->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(result->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(result->focusWidget(), child<QPushButton>(result, "cmdBack"));
    strip = child<QGroupBox>(result, "fraFullBrand");
    QCOMPARE(strip->childAt(strip->rect().center())->objectName(), QStringLiteral("lblFullBrand"));
    // Print lies above the strip it overlaps.
    auto *print = child<QPushButton>(result, "cmdPrint");
    const QPoint overlap = print->mapTo(result->centralWidget(), QPoint(2, 2));
    QCOMPARE(result->centralWidget()->childAt(overlap), print);
}

void TestWorkingWindows::hiddenOpenButtonIsReachable()
{
    ScriptedDesktop desktop;
    MainWindow *window = MainWindow::showFresh();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *open = child<QPushButton>(window, "cmdOpen");
    // Below the client area, yet in the focus order and on Alt+O.
    QVERIFY(open->geometry().top() >= window->centralWidget()->height());
    child<QPushButton>(window, "cmdProceed")->setFocus();
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), open);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(desktop.fileRequests.size(), 1);
    // Alt+O is its access key. (Simulated key clicks do not reach access keys on the offscreen
    // platform; the end-to-end run presses the real keys.)
    QCOMPARE(QKeySequence::mnemonic(open->text()), QKeySequence(Qt::ALT | Qt::Key_O));
    QVERIFY(open->isVisible() && open->isEnabled());
    open->click();
    QCOMPARE(desktop.fileRequests.size(), 2);
    QCOMPARE(desktop.fileRequests.last().title, QStringLiteral("Select the source file"));
    QCOMPARE(desktop.fileRequests.last().filter, QStringLiteral("Zel Free Zodiac Signs (*.zod)"));
    // A cancelled dialog changes nothing.
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(visibleWindowClasses(), QStringList {"MainWindow"});
}

void TestWorkingWindows::promotionalCaptions()
{
    MainWindow *window = MainWindow::showFresh();
    const QString cobrand = child<LinkLabel>(window, "lblCobrand")->text();
    // The caption's doubled ampersand shows as one; its runs of blanks stay.
    QVERIFY(cobrand.contains(QStringLiteral("site's name &  link here.")));
    QVERIFY(!cobrand.contains(QStringLiteral("&&")));
    QVERIFY(cobrand.contains(QStringLiteral("details.    Click Here")));
    QCOMPARE(cobrand.size() + 1, 185);
    QCOMPARE(child<LinkLabel>(window, "lblFullBrand")->text().size(), 161);
    // Word joiners keep the address on one line; they are not part of the caption.
    const QString site = child<LinkLabel>(window, "Label61")->text().remove(QChar(0x2060));
    QVERIFY(site.endsWith(QStringLiteral("Visit ") + SitePages::siteAddress()
                          + QStringLiteral(" Now")));
    // 89 characters besides the address.
    QCOMPARE(site.size() - SitePages::siteAddress().size(), 89);
}

void TestWorkingWindows::longValueWidensItsLabel()
{
    auto *result = ResultWindow::showReading(anaWith(signNamed(QStringLiteral("Xibkay"))));
    auto *crystal = child<QLabel>(result, "lblResult_2");
    const int designWidth = 37;
    QVERIFY(crystal->width() > designWidth);
    QCOMPARE(crystal->width(), crystal->sizeHint().width());
    QCOMPARE(crystal->x(), 184);
    // The interpretation keeps its box.
    QCOMPARE(child<QLabel>(result, "lblResult_3")->size(), QSize(597, 125));
}

void TestWorkingWindows::handShowsOnceThePointerComesOver_data()
{
    QTest::addColumn<LinkLabel::Pointer>("pointer");
    QTest::newRow("monochrome hand") << LinkLabel::MonochromeHand;
    QTest::newRow("colour hand") << LinkLabel::ColourHand;
    QTest::newRow("arrow") << LinkLabel::Arrow;
}

void TestWorkingWindows::handShowsOnceThePointerComesOver()
{
    QFETCH(LinkLabel::Pointer, pointer);
    LinkLabel label;
    label.setPointer(pointer);
    QVERIFY(!label.testAttribute(Qt::WA_SetCursor));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    if (pointer == LinkLabel::Arrow) {
        QVERIFY(!label.testAttribute(Qt::WA_SetCursor));
        return;
    }
    QCOMPARE(label.cursor().shape(), Qt::BitmapCursor);
    const QCursor hand = LinkLabel::handCursor(pointer, label.devicePixelRatioF());
    QCOMPARE(label.cursor().pixmap().toImage(), hand.pixmap().toImage());
    QCOMPARE(label.cursor().hotSpot(), hand.hotSpot());
}

QTEST_MAIN(TestWorkingWindows)
#include "tst_workingwindows.moc"
