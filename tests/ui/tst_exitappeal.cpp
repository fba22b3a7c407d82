#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ExitAppealWindow.h"
#include "ui/ExitPath.h"
#include "ui/MainWindow.h"
#include "ui/ProgramTexts.h"
#include "web/SitePages.h"
#include "widgets/LinkLabel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

// A window standing for whatever else is open when the appeal window is closed.
class Bystander : public QWidget
{
public:
    bool closedByTheEnd = false;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        closedByTheEnd = ExitAppealWindow::isEnding();
        QWidget::closeEvent(event);
    }
};

template<typename Child>
Child *child(QWidget *window, const char *name)
{
    return window->findChild<Child *>(QLatin1String(name));
}

QString textOf(QWidget *box)
{
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        return lines->toPlainText();
    return static_cast<QLineEdit *>(box)->text();
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        lines->setPlainText(text);
    else
        static_cast<QLineEdit *>(box)->setText(text);
}

QStringList formTexts(QWidget *window)
{
    QStringList texts;
    for (const char *name :
         {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"})
        texts << textOf(child<QWidget>(window, name));
    return texts;
}

QStringList submittedValues(const QUrl &url)
{
    const QUrlQuery query(url);
    QStringList values;
    for (const char *key : {"taf1", "taf2", "taf3", "taf4", "taf5"})
        values << query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    return values;
}

ExitAppealWindow *activeAppeal()
{
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

} // namespace

class TestExitAppeal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drawsSupportAppeal_data();
    void drawsSupportAppeal();
    void promptsFollowFocus_data();
    void promptsFollowFocus();
    void untouchedMessageSurvivesFirstVisit();
    void blankInAddress_data();
    void blankInAddress();
    void submitsForm_data();
    void submitsForm();
    void visitBoxOpensHomePageEveryClick_data();
    void visitBoxOpensHomePageEveryClick();
    void catalogueLinkOpensCataloguePage();
    void staysOnTopWithoutTakingFocus();
    void tabOrder();
    void rendersAsLaidOut();
    void wrappedTextsFit_data();
    void wrappedTextsFit();
    void userExitShowsAppeal();
    void programEndShowsNoAppeal();
    void closingAppealEndsProgram_data();
    void closingAppealEndsProgram();

private:
    std::unique_ptr<ScriptedDesktop> scripted;
};

void TestExitAppeal::init()
{
    scripted = std::make_unique<ScriptedDesktop>();
}

void TestExitAppeal::cleanup()
{
    closeProgramWindows();
    scripted.reset();
}

void TestExitAppeal::drawsSupportAppeal_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("appeal");

    QTest::newRow("start of the range") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499999 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("rounds up to a quarter in single precision") << 0.249999997 << 1;
    QTest::newRow("just below three quarters") << 0.74999 << 2;
    QTest::newRow("just below the end") << 0.9999999 << 3;
    QTest::newRow("rounds up to the end in single precision") << 0.99999999 << 3;
}

void TestExitAppeal::drawsSupportAppeal()
{
    QFETCH(double, random);
    QFETCH(int, appeal);
    scripted->randomAnswers = {random};

    ExitAppealWindow *window = ExitAppealWindow::showFresh();

    QCOMPARE(window->appealIndex(), appeal);
    QCOMPARE(child<QLabel>(window, "Label2")->accessibleName(), ProgramTexts::supportText(appeal));
    QCOMPARE(scripted->seedCount, 1);
    QVERIFY(scripted->randomAnswers.isEmpty());
}

void TestExitAppeal::promptsFollowFocus_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QEvent::Type>("focus");
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("after");

    const QEvent::Type in = QEvent::FocusIn;
    const QEvent::Type out = QEvent::FocusOut;
    const Qt::FocusReason tab = Qt::TabFocusReason;
    const QList<std::pair<QString, QString>> lineBoxes = {
            {QStringLiteral("txtName"), QStringLiteral("Your Name")},
            {QStringLiteral("txtEmail"), QStringLiteral("Your Email Address")},
            {QStringLiteral("txtFriendName"), QStringLiteral("Friend's Name")},
            {QStringLiteral("txtFriendEmail"), QStringLiteral("Friend's Email Address")},
    };
    for (const auto &[box, prompt] : lineBoxes) {
        const QByteArray name = box.toLatin1();
        QTest::addRow("%s: prompt cleared on entry", name.data())
                << box << prompt << in << tab << QString();
        QTest::addRow("%s: blanks left refilled", name.data())
                << box << QStringLiteral("   ") << out << tab << prompt;
    }
    QTest::newRow("prompt with blanks around cleared")
            << "txtName"
            << "  Your Name " << in << Qt::MouseFocusReason << QString();
    QTest::newRow("own text kept on entry") << "txtName"
                                            << "Your Names" << in << tab << "Your Names";
    QTest::newRow("own text kept on leaving") << "txtEmail"
                                              << "a@b.c" << out << tab << "a@b.c";
    QTest::newRow("a message box over the window keeps an emptied box empty")
            << "txtName" << QString() << out << Qt::ActiveWindowFocusReason << QString();
    QTest::newRow("message at its prompt cleared") << "txtMessage"
                                                   << "Your Message" << in << tab << QString();
    QTest::newRow("message emptied gets the prompt without a line break")
            << "txtMessage" << QString() << out << tab << "Your Message";
    QTest::newRow("message of a line break only kept") << "txtMessage"
                                                       << "\n"
                                                       << out << tab << "\n";
}

void TestExitAppeal::promptsFollowFocus()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QEvent::Type, focus);
    QFETCH(Qt::FocusReason, reason);
    QFETCH(QString, after);
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    QWidget *field = child<QWidget>(window, box.toLatin1().constData());
    setTextOf(field, before);

    QFocusEvent event(focus, reason);
    QCoreApplication::sendEvent(field, &event);

    QCOMPARE(textOf(field), after);
}

void TestExitAppeal::untouchedMessageSurvivesFirstVisit()
{
    ExitAppealWindow *window = activeAppeal();
    QVERIFY(window);
    auto *message = child<QPlainTextEdit>(window, "txtMessage");
    QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));

    message->setFocus();
    QCOMPARE(QApplication::focusWidget(), message);
    QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));

    message->clear();
    child<QLineEdit>(window, "txtName")->setFocus();
    QCOMPARE(message->toPlainText(), QStringLiteral("Your Message"));

    message->setFocus();
    QCOMPARE(message->toPlainText(), QString());
}

void TestExitAppeal::blankInAddress_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refused");

    QTest::newRow("own address") << "txtEmail" << true;
    QTest::newRow("friend's address") << "txtFriendEmail" << true;
    QTest::newRow("own name") << "txtName" << false;
    QTest::newRow("friend's name") << "txtFriendName" << false;
}

void TestExitAppeal::blankInAddress()
{
    QFETCH(QString, box);
    QFETCH(bool, refused);
    ExitAppealWindow *window = activeAppeal();
    QVERIFY(window);
    auto *field = child<QLineEdit>(window, box.toLatin1().constData());
    field->setFocus();
    field->setText(QStringLiteral("ann"));
    // The real message box takes the focus away while it is up.
    scripted->onMessage = [window](const MessageRequest &) {
        child<QPushButton>(window, "cmdClose")->setFocus();
    };

    QTest::keyClick(field, Qt::Key_Space);

    QCOMPARE(scripted->messages.size(), refused ? 1 : 0);
    QCOMPARE(field->text(), refused ? QStringLiteral("ann") : QStringLiteral("ann "));
    QCOMPARE(QApplication::focusWidget(), field);
    if (refused) {
        QCOMPARE(scripted->messages.first().text,
                 QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(scripted->messages.first().icon, MessageIcon::Critical);
    }
    QTest::keyClick(field, Qt::Key_B);
    QVERIFY(field->text().endsWith(QLatin1Char('b')));
    QCOMPARE(scripted->messages.size(), refused ? 1 : 0);
}

void TestExitAppeal::submitsForm_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("sent");

    // In the order name, email, message, friend's name, friend's email; a null text leaves the
    // box as the window loaded it.
    const QString asLoaded;
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    QTest::newRow("untouched form") << QStringList(5, asLoaded) << proper << QStringList();
    QTest::newRow("message left as loaded")
            << QStringList {"Ann Lee", "ann@example.org", asLoaded, "Bo Kim", "bo@example.net"}
            << QString()
            << QStringList {"Ann Lee", "ann@example.org", "Your Message\r\n", "Bo Kim",
                            "bo@example.net"};
    QTest::newRow("blanks around values trimmed")
            << QStringList {"  Ann Lee ", " ann@example.org", " Hi ", "Bo Kim  ", "bo@example.net "}
            << QString()
            << QStringList {"Ann Lee", "ann@example.org", "Hi", "Bo Kim", "bo@example.net"};
    QTest::newRow("typed lines sent with CR LF")
            << QStringList {"Ann", "ann@example.org", "Hi\nthere", "Bo", "bo@example.net"}
            << QString()
            << QStringList {"Ann", "ann@example.org", "Hi\r\nthere", "Bo", "bo@example.net"};
    QTest::newRow("own address missing its dot")
            << QStringList {"Ann", "ann@example", "Hi", "Bo", "bo@example.net"} << proper
            << QStringList();
    QTest::newRow("friend's name at its prompt")
            << QStringList {"Ann", "ann@example.org", "Hi", asLoaded, "bo@example.net"}
            << QStringLiteral("Please Enter Your Friend's Name") << QStringList();
}

void TestExitAppeal::submitsForm()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, sent);
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    const char *boxes[] = {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < typed.size(); ++i) {
        if (!typed.at(i).isNull())
            setTextOf(child<QWidget>(window, boxes[i]), typed.at(i));
    }
    const QStringList before = formTexts(window);

    QTest::mouseClick(child<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);

    QCOMPARE(scripted->messages.isEmpty() ? QString() : scripted->messages.first().text, shown);
    QCOMPARE(scripted->openedUrls.size(), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty())
        QCOMPARE(submittedValues(scripted->openedUrls.first()), sent);
    QCOMPARE(formTexts(window), before);
    QVERIFY(window->isVisible());
}

void TestExitAppeal::visitBoxOpensHomePageEveryClick_data()
{
    QTest::addColumn<int>("clicks");

    QTest::newRow("one click") << 1;
    QTest::newRow("three clicks") << 3;
}

void TestExitAppeal::visitBoxOpensHomePageEveryClick()
{
    QFETCH(int, clicks);
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    auto *visit = child<QCheckBox>(window, "Check1");
    QVERIFY(visit->text().contains(SitePages::siteAddress()));

    for (int i = 0; i < clicks; ++i) {
        // On the tick box itself: the caption's click area is only as wide as its text.
        QTest::mouseClick(visit, Qt::LeftButton, {}, QPoint(8, visit->height() / 2));
        QVERIFY(!visit->isChecked());
    }

    const QList<QUrl> home(clicks, QUrl(SitePages::pageUrl(SitePages::Page::Home)));
    QCOMPARE(scripted->openedUrls, home);
}

void TestExitAppeal::catalogueLinkOpensCataloguePage()
{
    ExitAppealWindow *window = ExitAppealWindow::showFresh();

    QTest::mouseClick(child<LinkLabel>(window, "lblGoToHome"), Qt::LeftButton);

    const QList<QUrl> catalogue {QUrl(SitePages::pageUrl(SitePages::Page::SoftwareCatalog))};
    QCOMPARE(scripted->openedUrls, catalogue);
}

void TestExitAppeal::staysOnTopWithoutTakingFocus()
{
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->size(), QSize(741, 315));
    // Not a dialog: Esc leaves it open.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(window->isVisible());
}

void TestExitAppeal::tabOrder()
{
    ExitAppealWindow *window = activeAppeal();
    QVERIFY(window);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "cmdClose"));

    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }

    const QStringList expected
            = {"Check1",         "Picture1",      "txtName",    "cmdSubmit",   "txtEmail",
               "txtFriendEmail", "txtFriendName", "txtMessage", "lblGoToHome", "cmdClose"};
    QCOMPARE(visited, expected);
}

void TestExitAppeal::rendersAsLaidOut()
{
    ExitAppealWindow *window = ExitAppealWindow::showFresh();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QVERIFY(child<QWidget>(window, "txtMessage")->visibleRegion().isEmpty());
    QVERIFY(!child<QWidget>(window, "txtName")->visibleRegion().isEmpty());
    auto *link = child<QWidget>(window, "lblGoToHome");
    QCOMPARE(link->visibleRegion(), QRegion(link->rect()));
}

void TestExitAppeal::wrappedTextsFit_data()
{
    QTest::addColumn<int>("appeal");

    for (int appeal = 0; appeal < 4; ++appeal)
        QTest::addRow("appeal %d", appeal) << appeal;
}

void TestExitAppeal::wrappedTextsFit()
{
    QFETCH(int, appeal);
    scripted->randomAnswers = {(appeal + 0.5) / 4};
    ExitAppealWindow *window = ExitAppealWindow::showFresh();

    for (const char *name : {"Label2", "Label3"}) {
        auto *label = child<QLabel>(window, name);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
    }
    QCOMPARE(window->appealIndex(), appeal);
}

void TestExitAppeal::userExitShowsAppeal()
{
    MainWindow *main = MainWindow::showFresh();
    QVERIFY(QTest::qWaitForWindowExposed(main));

    main->close();

    const QList<QWidget *> windows = visibleWindows();
    QCOMPARE(windows.size(), 1);
    QVERIFY(qobject_cast<ExitAppealWindow *>(windows.first()));
}

void TestExitAppeal::programEndShowsNoAppeal()
{
    MainWindow::showFresh();

    ExitAppealWindow::endProgram();

    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(!ExitAppealWindow::isEnding());
}

void TestExitAppeal::closingAppealEndsProgram_data()
{
    QTest::addColumn<bool>("byExitButton");

    QTest::newRow("Exit button") << true;
    QTest::newRow("close box") << false;
}

void TestExitAppeal::closingAppealEndsProgram()
{
    QFETCH(bool, byExitButton);
    auto *bystander = new Bystander;
    bystander->show();
    ExitPath::userClosedWorkingWindow();
    auto *window = visibleWindow<ExitAppealWindow>();
    QVERIFY(window);
    QCOMPARE(visibleWindows().size(), 2);

    if (byExitButton)
        QTest::mouseClick(child<QPushButton>(window, "cmdClose"), Qt::LeftButton);
    else
        window->close();

    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(bystander->closedByTheEnd);
    QVERIFY(!ExitAppealWindow::isEnding());
}

QTEST_MAIN(TestExitAppeal)
#include "tst_exitappeal.moc"
