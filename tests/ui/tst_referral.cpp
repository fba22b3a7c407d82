#include "base/Blanks.h"

#include "tests/common/ScriptedDesktop.h"
#include "ui/Referral.h"
#include "web/SitePages.h"

#include <QTest>
#include <QUrlQuery>

using Referral::Form;

Q_DECLARE_METATYPE(Referral::Form)

namespace {

Form complete()
{
    return {QStringLiteral("Ann Lee"), QStringLiteral("ann@example.org"),
            QStringLiteral("Have a look"), QStringLiteral("Bo Kim"),
            QStringLiteral("bo@example.net")};
}

Form untouchedForm()
{
    return {QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Friend's Name"),
            QStringLiteral("Friend's Email Address")};
}

// The given form with one field changed.
Form with(QString Form::*field, const QString &value, Form form = complete())
{
    form.*field = value;
    return form;
}

QString shownText(const ScriptedDesktop &desktop)
{
    return desktop.messages.isEmpty() ? QString() : desktop.messages.first().text;
}

QUrl submitted(const Form &referral, ScriptedDesktop &desktop)
{
    Referral::send(referral);
    return desktop.openedUrls.isEmpty() ? QUrl() : desktop.openedUrls.first();
}

} // namespace

class TestReferral : public QObject
{
    Q_OBJECT

private slots:
    void formChecks_data();
    void formChecks();
    void fieldChecks_data();
    void fieldChecks();
    void untouchedMessageKeepsItsLineBreak();
    void exactUrl();
    void valuesSurviveTheQuery_data();
    void valuesSurviveTheQuery();
    void trimBlanks_data();
    void trimBlanks();
};

void TestReferral::formChecks_data()
{
    QTest::addColumn<Form>("referral");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("wentOn");
    QTest::addColumn<int>("opened");

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    Form same = with(&Form::friendEmail, QStringLiteral("ann@example.org"));
    Form bothEmpty = with(&Form::email, QString(), with(&Form::friendEmail, QString()));
    Form sameNoAt = with(&Form::email, QStringLiteral("ann"),
                         with(&Form::friendEmail, QStringLiteral("ann")));

    QTest::newRow("untouched form") << untouchedForm() << proper << false << 0;
    QTest::newRow("same address") << same << distinct << false << 0;
    QTest::newRow("both empty") << bothEmpty << distinct << false << 0;
    QTest::newRow("same before malformed") << sameNoAt << distinct << false << 0;
    QTest::newRow("own lacks @") << with(&Form::email, "ann.example.org") << proper << false << 0;
    QTest::newRow("friend's lacks @")
            << with(&Form::friendEmail, "bo.example.net") << proper << false << 0;
    QTest::newRow("own lacks dot") << with(&Form::email, "ann@example") << proper << false << 0;
    QTest::newRow("friend's lacks dot")
            << with(&Form::friendEmail, "bo@example") << proper << false << 0;
    QTest::newRow("own empty") << with(&Form::email, QString()) << proper << false << 0;
    QTest::newRow("name at prompt")
            << with(&Form::name, "Your Name") << "Please Enter Your Name" << true << 0;
    QTest::newRow("addresses differ only in case")
            << with(&Form::friendEmail, "ANN@example.org") << QString() << true << 1;
    QTest::newRow("complete") << complete() << QString() << true << 1;
}

void TestReferral::formChecks()
{
    QFETCH(Form, referral);
    QFETCH(QString, shown);
    QFETCH(bool, wentOn);
    QFETCH(int, opened);
    ScriptedDesktop desktop;
    QCOMPARE(Referral::submit(referral), wentOn);
    QCOMPARE(desktop.messages.size(), shown.isEmpty() ? 0 : 1);
    QCOMPARE(shownText(desktop), shown);
    QCOMPARE(desktop.openedUrls.size(), opened);
    if (!shown.isEmpty())
        QCOMPARE(desktop.messages.first().icon, MessageIcon::Critical);
}

void TestReferral::fieldChecks_data()
{
    QTest::addColumn<Form>("referral");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name empty") << with(&Form::name, "") << "Please Enter Your Name";
    QTest::newRow("name at prompt") << with(&Form::name, "Your Name") << "Please Enter Your Name";
    QTest::newRow("name before email")
            << with(&Form::name, "", with(&Form::email, "")) << "Please Enter Your Name";
    QTest::newRow("email empty") << with(&Form::email, "") << "Please Enter Your Email";
    QTest::newRow("email at prompt")
            << with(&Form::email, "Your Email Address") << "Please Enter Your Email";
    QTest::newRow("message empty") << with(&Form::message, "") << "Please Enter Your Message";
    QTest::newRow("message at prompt")
            << with(&Form::message, "Your Message") << "Please Enter Your Message";
    QTest::newRow("message before friend")
            << with(&Form::message, "", with(&Form::friendName, "")) << "Please Enter Your Message";
    QTest::newRow("friend's name empty")
            << with(&Form::friendName, "") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name at prompt")
            << with(&Form::friendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's email empty")
            << with(&Form::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's email at prompt") << with(&Form::friendEmail, "Friend's Email Address")
                                              << "Please Enter Your Friend's Email";
    QTest::newRow("prompt with its line break is a message")
            << with(&Form::message, "Your Message\r\n") << QString();
    QTest::newRow("complete") << complete() << QString();
}

void TestReferral::fieldChecks()
{
    QFETCH(Form, referral);
    QFETCH(QString, shown);
    ScriptedDesktop desktop;
    Referral::send(referral);
    QCOMPARE(shownText(desktop), shown);
    QCOMPARE(desktop.messages.size(), shown.isEmpty() ? 0 : 1);
    QCOMPARE(desktop.openedUrls.size(), shown.isEmpty() ? 1 : 0);
}

void TestReferral::untouchedMessageKeepsItsLineBreak()
{
    Form referral = complete();
    referral.message = QStringLiteral("Your Message\r\n");
    ScriptedDesktop desktop;
    const QUrl url = submitted(referral, desktop);
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("taf3"), QUrl::FullyEncoded),
             QStringLiteral("Your%20Message%0D%0A"));
}

void TestReferral::exactUrl()
{
    const QString site = SitePages::siteAddress();
    const Form referral {QStringLiteral("Ann & Bob"), QStringLiteral("ann+1@x.org"),
                         QStringLiteral("a=b\n#tag é"), QStringLiteral("Zoë"),
                         QStringLiteral("z@y.fr")};
    // The site's own address travels encoded too: "http%3A%2F%2F...%2Fzel-free-mayan-animal-sign".
    const QString encodedSite = QString(site)
                                        .replace(QStringLiteral(":"), QStringLiteral("%3A"))
                                        .replace(QStringLiteral("/"), QStringLiteral("%2F"));
    const QString expected
            = site
            + QStringLiteral(
                      "/zelvs-refer-a-friend.php"
                      "?taf1=Ann%20%26%20Bob&taf2=ann%2B1%40x.org&taf3=a%3Db%0A%23tag%20%C3%A9"
                      "&taf4=Zo%C3%AB&taf5=z%40y.fr&taf6=")
            + encodedSite + QStringLiteral("%2Fzel-free-mayan-animal-sign");
    QCOMPARE(Referral::url(referral).toString(QUrl::FullyEncoded), expected);
    ScriptedDesktop desktop;
    QCOMPARE(submitted(referral, desktop).toString(QUrl::FullyEncoded), expected);
}

void TestReferral::valuesSurviveTheQuery_data()
{
    QTest::addColumn<Form>("referral");
    QTest::newRow("plain") << complete();
    QTest::newRow("query delimiters") << Form {"A&taf5=evil", "a=b@c.d", "x&y=z", "?q", "f;g@h.i"};
    QTest::newRow("fragment and plus") << Form {"#top", "a+b@c.d", "1+1 = 2", "C++", "e@f.g#h"};
    QTest::newRow("line breaks and tabs")
            << Form {"Ann", "a@b.c", "Hi\r\nthere\n\tbye\r", "Bo", "d@e.f"};
    QTest::newRow("percent signs") << Form {"100%", "a%20@b.c", "%0D%0A", "%zz", "d@e.f"};
    QTest::newRow("other scripts")
            << Form {"Zoë Ångström", "josé@exämple.es", "Привет 🐆🌙", "王小明", "d@e.f"};
}

void TestReferral::valuesSurviveTheQuery()
{
    QFETCH(Form, referral);
    ScriptedDesktop desktop;
    const QUrlQuery query(submitted(referral, desktop));
    const auto items = query.queryItems(QUrl::FullyDecoded);
    const QStringList expected {
            referral.name,        referral.email,
            referral.message,     referral.friendName,
            referral.friendEmail, SitePages::siteAddress() + "/zel-free-mayan-animal-sign"};
    QCOMPARE(items.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items.at(i).first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items.at(i).second, expected.at(i));
    }
}

void TestReferral::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("spaces both ends") << "  Ann Lee  "
                                      << "Ann Lee";
    QTest::newRow("only spaces") << "   "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("inner spaces kept") << "Ann   Lee"
                                       << "Ann   Lee";
    QTest::newRow("tabs kept") << "\tAnn\t"
                               << "\tAnn\t";
    QTest::newRow("line breaks kept") << " \r\nAnn\r\n "
                                      << "\r\nAnn\r\n";
    QTest::newRow("space inside tabs kept") << "\t Ann \t"
                                            << "\t Ann \t";
    QTest::newRow("no-break space kept") << "\u00A0Ann\u00A0 "
                                         << "\u00A0Ann\u00A0";
}

void TestReferral::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(::trimBlanks(text), trimmed);
}

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
