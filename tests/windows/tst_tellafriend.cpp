#include "base/Blanks.h"

#include "tests/common/ScriptedDesktop.h"
#include "ui/modTellAFriend.h"
#include "web/modHelpPages.h"

#include <QTest>
#include <QUrlQuery>

using modTellAFriend::Referral;

Q_DECLARE_METATYPE(Referral)

namespace {

Referral complete()
{
    return {QStringLiteral("Ann Lee"), QStringLiteral("ann@example.org"),
            QStringLiteral("Have a look"), QStringLiteral("Bo Kim"),
            QStringLiteral("bo@example.net")};
}

Referral untouchedForm()
{
    return {QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
            QStringLiteral("Your Message\r\n"), QStringLiteral("Friend's Name"),
            QStringLiteral("Friend's Email Address")};
}

// The given referral with one field changed.
Referral with(QString Referral::*field, const QString &value, Referral referral = complete())
{
    referral.*field = value;
    return referral;
}

QString shownText(const ScriptedDesktop &desktop)
{
    return desktop.messages.isEmpty() ? QString() : desktop.messages.first().text;
}

QUrl submitted(const Referral &referral, ScriptedDesktop &desktop)
{
    modTellAFriend::SubmitReferral(referral);
    return desktop.openedUrls.isEmpty() ? QUrl() : desktop.openedUrls.first();
}

} // namespace

class TestTellAFriend : public QObject
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

void TestTellAFriend::formChecks_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("wentOn");
    QTest::addColumn<int>("opened");

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    Referral same = with(&Referral::friendEmail, QStringLiteral("ann@example.org"));
    Referral bothEmpty = with(&Referral::email, QString(), with(&Referral::friendEmail, QString()));
    Referral sameNoAt = with(&Referral::email, QStringLiteral("ann"),
                             with(&Referral::friendEmail, QStringLiteral("ann")));

    QTest::newRow("untouched form") << untouchedForm() << proper << false << 0;
    QTest::newRow("same address") << same << distinct << false << 0;
    QTest::newRow("both empty") << bothEmpty << distinct << false << 0;
    QTest::newRow("same before malformed") << sameNoAt << distinct << false << 0;
    QTest::newRow("own lacks @") << with(&Referral::email, "ann.example.org") << proper << false
                                 << 0;
    QTest::newRow("friend's lacks @")
            << with(&Referral::friendEmail, "bo.example.net") << proper << false << 0;
    QTest::newRow("own lacks dot") << with(&Referral::email, "ann@example") << proper << false << 0;
    QTest::newRow("friend's lacks dot")
            << with(&Referral::friendEmail, "bo@example") << proper << false << 0;
    QTest::newRow("own empty") << with(&Referral::email, QString()) << proper << false << 0;
    QTest::newRow("name at prompt")
            << with(&Referral::name, "Your Name") << "Please Enter Your Name" << true << 0;
    QTest::newRow("addresses differ only in case")
            << with(&Referral::friendEmail, "ANN@example.org") << QString() << true << 1;
    QTest::newRow("complete") << complete() << QString() << true << 1;
}

void TestTellAFriend::formChecks()
{
    QFETCH(Referral, referral);
    QFETCH(QString, shown);
    QFETCH(bool, wentOn);
    QFETCH(int, opened);
    ScriptedDesktop desktop;
    QCOMPARE(modTellAFriend::submitForm(referral), wentOn);
    QCOMPARE(desktop.messages.size(), shown.isEmpty() ? 0 : 1);
    QCOMPARE(shownText(desktop), shown);
    QCOMPARE(desktop.openedUrls.size(), opened);
    if (!shown.isEmpty())
        QCOMPARE(desktop.messages.first().icon, MessageIcon::Critical);
}

void TestTellAFriend::fieldChecks_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("shown");
    QTest::newRow("name empty") << with(&Referral::name, "") << "Please Enter Your Name";
    QTest::newRow("name at prompt")
            << with(&Referral::name, "Your Name") << "Please Enter Your Name";
    QTest::newRow("name before email")
            << with(&Referral::name, "", with(&Referral::email, "")) << "Please Enter Your Name";
    QTest::newRow("email empty") << with(&Referral::email, "") << "Please Enter Your Email";
    QTest::newRow("email at prompt")
            << with(&Referral::email, "Your Email Address") << "Please Enter Your Email";
    QTest::newRow("message empty") << with(&Referral::message, "") << "Please Enter Your Message";
    QTest::newRow("message at prompt")
            << with(&Referral::message, "Your Message") << "Please Enter Your Message";
    QTest::newRow("message before friend")
            << with(&Referral::message, "", with(&Referral::friendName, ""))
            << "Please Enter Your Message";
    QTest::newRow("friend's name empty")
            << with(&Referral::friendName, "") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name at prompt")
            << with(&Referral::friendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's email empty")
            << with(&Referral::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's email at prompt")
            << with(&Referral::friendEmail, "Friend's Email Address")
            << "Please Enter Your Friend's Email";
    QTest::newRow("prompt with its line break is a message")
            << with(&Referral::message, "Your Message\r\n") << QString();
    QTest::newRow("complete") << complete() << QString();
}

void TestTellAFriend::fieldChecks()
{
    QFETCH(Referral, referral);
    QFETCH(QString, shown);
    ScriptedDesktop desktop;
    modTellAFriend::SubmitReferral(referral);
    QCOMPARE(shownText(desktop), shown);
    QCOMPARE(desktop.messages.size(), shown.isEmpty() ? 0 : 1);
    QCOMPARE(desktop.openedUrls.size(), shown.isEmpty() ? 1 : 0);
}

void TestTellAFriend::untouchedMessageKeepsItsLineBreak()
{
    Referral referral = complete();
    referral.message = QStringLiteral("Your Message\r\n");
    ScriptedDesktop desktop;
    const QUrl url = submitted(referral, desktop);
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("taf3"), QUrl::FullyEncoded),
             QStringLiteral("Your%20Message%0D%0A"));
}

void TestTellAFriend::exactUrl()
{
    const QString site = modHelp::siteAddress();
    const Referral referral {QStringLiteral("Ann & Bob"), QStringLiteral("ann+1@x.org"),
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
    QCOMPARE(modTellAFriend::referralUrl(referral).toString(QUrl::FullyEncoded), expected);
    ScriptedDesktop desktop;
    QCOMPARE(submitted(referral, desktop).toString(QUrl::FullyEncoded), expected);
}

void TestTellAFriend::valuesSurviveTheQuery_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::newRow("plain") << complete();
    QTest::newRow("query delimiters")
            << Referral {"A&taf5=evil", "a=b@c.d", "x&y=z", "?q", "f;g@h.i"};
    QTest::newRow("fragment and plus") << Referral {"#top", "a+b@c.d", "1+1 = 2", "C++", "e@f.g#h"};
    QTest::newRow("line breaks and tabs")
            << Referral {"Ann", "a@b.c", "Hi\r\nthere\n\tbye\r", "Bo", "d@e.f"};
    QTest::newRow("percent signs") << Referral {"100%", "a%20@b.c", "%0D%0A", "%zz", "d@e.f"};
    QTest::newRow("other scripts")
            << Referral {"Zoë Ångström", "josé@exämple.es", "Привет 🐆🌙", "王小明", "d@e.f"};
}

void TestTellAFriend::valuesSurviveTheQuery()
{
    QFETCH(Referral, referral);
    ScriptedDesktop desktop;
    const QUrlQuery query(submitted(referral, desktop));
    const auto items = query.queryItems(QUrl::FullyDecoded);
    const QStringList expected {
            referral.name,        referral.email,
            referral.message,     referral.friendName,
            referral.friendEmail, modHelp::siteAddress() + "/zel-free-mayan-animal-sign"};
    QCOMPARE(items.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items.at(i).first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items.at(i).second, expected.at(i));
    }
}

void TestTellAFriend::trimBlanks_data()
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

void TestTellAFriend::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(::trimBlanks(text), trimmed);
}

QTEST_MAIN(TestTellAFriend)
#include "tst_tellafriend.moc"
