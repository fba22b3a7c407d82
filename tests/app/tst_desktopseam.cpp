#include "tests/common/ScriptedDesktop.h"

#include <QTest>

#include <optional>

// A test that scripts the desktop inside another scripted one must hand the outer one back, and
// the last one to go must leave the desktop it found, not a dangling one.
class TestDesktopSeam : public QObject
{
    Q_OBJECT

private slots:
    void scriptedDesktopsNest();
};

void TestDesktopSeam::scriptedDesktopsNest()
{
    Desktop *const before = &desktop();
    std::optional<ScriptedDesktop> outer(std::in_place);
    {
        ScriptedDesktop inner;
        QCOMPARE(&desktop(), static_cast<Desktop *>(&inner));
        desktop().openUrl(QUrl(QStringLiteral("http://inner.example")));
    }
    QCOMPARE(&desktop(), static_cast<Desktop *>(&*outer));
    desktop().openUrl(QUrl(QStringLiteral("http://outer.example")));
    QCOMPARE(outer->openedUrls, QList<QUrl> {QUrl(QStringLiteral("http://outer.example"))});
    outer.reset();
    QCOMPARE(&desktop(), before);
}

QTEST_MAIN(TestDesktopSeam)
#include "tst_desktopseam.moc"
