#include "base/Translations.h"
#include "sign/Reading.h"
#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "tests/common/ScriptedDesktop.h"
#include "tests/common/WindowHelpers.h"
#include "ui/ExitAppealWindow.h"
#include "widgets/WindowLook.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <climits>

namespace {

// Where a text sits in its widget, and the room the widget gives it.
struct TextRoom
{
    QRect needed;
    QRect available;
};

// A wrapped text in a fixed box must fit as Windows draws it too: there every glyph advances a
// whole pixel, so a line holds fewer words and a paragraph may need a line more than here.
// A web page draws every text unhinted, with fonts that carry no hinting: only that is measured.
QSize wrappedSize(const QLabel *label, int width)
{
    const QRect box(0, 0, width, INT_MAX);
    const int flags = Qt::TextWordWrap | (label->alignment() & Qt::AlignHorizontal_Mask);
    const QSize drawn = label->fontMetrics().boundingRect(box, flags, label->text()).size();
#ifdef Q_OS_WASM
    return drawn;
#else
    QFont wholePixels = label->font();
    wholePixels.setHintingPreference(QFont::PreferFullHinting);
    return drawn.expandedTo(
            QFontMetrics(wholePixels).boundingRect(box, flags, label->text()).size());
#endif
}

// The text block is measured first, then placed as the label aligns it: a wrapped block measured
// in an unbounded box would otherwise be centred far below the label.
TextRoom labelRoom(const QLabel *label)
{
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize size = label->wordWrap() ? wrappedSize(label, room.width())
                                         : label->fontMetrics().size(0, label->text());
    return {QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, room), room};
}

TextRoom buttonRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool isCheckBox = qobject_cast<const QCheckBox *>(button);
    const QStyle::SubElement contents
            = isCheckBox ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    QRect room = button->style()->subElementRect(contents, &option, button);
    // A push button's caption is drawn centred and unclipped, so the margins above and below it
    // are room too, up to the frame: Windows' style keeps wide ones around a low button's caption.
    if (!isCheckBox) {
        const int frame
                = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        room.setTop(frame);
        room.setBottom(button->height() - 1 - frame);
    }
    const QRect needed = button->fontMetrics().boundingRect(
            room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    return {needed, room};
}

// The title sits on the frame; the style places it, and the box itself is its room.
TextRoom groupBoxRoom(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                     QStyle::SC_GroupBoxLabel, box);
    const QRect needed(label.topLeft(),
                       box->fontMetrics().size(Qt::TextShowMnemonic, box->title()));
    return {needed, box->rect()};
}

QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    return {};
}

TextRoom textRoom(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return labelRoom(label);
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return buttonRoom(button);
    return groupBoxRoom(qobject_cast<const QGroupBox *>(widget));
}

// The part of a widget its parents leave on screen, in the widget's own coordinates.
QRect unclipped(const QWidget *widget)
{
    QRect area = widget->rect();
    QPoint offset;
    for (const QWidget *w = widget; !w->isWindow(); w = w->parentWidget()) {
        offset += w->pos();
        area &= w->parentWidget()->rect().translated(-offset);
    }
    return area;
}

// Empty when the whole text shows; otherwise what it needs against what it gets.
QString textMisfit(const QWidget *widget)
{
    const TextRoom room = textRoom(widget);
    const QRect available = room.available & unclipped(widget);
    if (available.contains(room.needed))
        return {};
    return QStringLiteral("%1 \"%2\": needs %3x%4 at (%5,%6), has %7x%8 at (%9,%10)")
            .arg(widget->objectName(), shownText(widget).left(40))
            .arg(room.needed.width())
            .arg(room.needed.height())
            .arg(room.needed.x())
            .arg(room.needed.y())
            .arg(available.width())
            .arg(available.height())
            .arg(available.x())
            .arg(available.y());
}

bool textFits(const QWidget *widget)
{
    return textMisfit(widget).isEmpty();
}

// A label sized to its caption grows right and down: a longer caption must not run into the
// control beside it. Empty when it stays clear of every sibling.
QString autoSizeOverlap(const QWidget *widget)
{
    if (!widget->property("autoSize").toBool())
        return {};
    for (const QWidget *sibling :
         widget->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (sibling != widget && sibling->isVisible()
            && sibling->geometry().intersects(widget->geometry()))
            return QStringLiteral("%1 \"%2\" runs into %3")
                    .arg(widget->objectName(), shownText(widget).left(40), sibling->objectName());
    }
    return {};
}

QList<QWidget *> widgetsShowingText(QWidget *window)
{
    QList<QWidget *> shown;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool kind = qobject_cast<QLabel *>(widget) || qobject_cast<QAbstractButton *>(widget)
                || qobject_cast<QGroupBox *>(widget);
        if (kind && widget->isVisibleTo(window) && !shownText(widget).isEmpty())
            shown << widget;
    }
    return shown;
}

QWidget *makeWithText(const QString &kind, QWidget *parent)
{
    const QString text = QStringLiteral("Know your Mayan Animal Sign Personality now");
    if (kind == QLatin1String("button"))
        return new QPushButton(text, parent);
    if (kind == QLatin1String("check box"))
        return new QCheckBox(text, parent);
    if (kind == QLatin1String("group box"))
        return new QGroupBox(text, parent);
    auto *label = new QLabel(text, parent);
    label->setWordWrap(kind == QLatin1String("wrapped label"));
    return label;
}

// variant: the sign shown in the result and report windows, the appeal drawn by the exit window.
QWidget *openWindow(const QString &which, int variant, ScriptedDesktop &desktop)
{
    // The exit window draws one of its four appeals from the next random number.
    desktop.randomAnswers = {(variant + 0.5) / 4};
    return openProgramWindow(which, SignTable::signs().at(variant % SignTable::signCount));
}

} // namespace

// The windows place their controls at fixed positions; at a higher scale and in every language the
// text must still fit the boxes drawn for it, with no text cut off and no blurred picture.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void cleanupTestCase();
    void measureSeesCutText_data();
    void measureSeesCutText();
    void measureSeesAutoSizeOverlap();
    void autoSizeCaptionKeepsClearOfItsControl_data();
    void autoSizeCaptionKeepsClearOfItsControl();
    void everyTextFits_data();
    void everyTextFits();
};

void TestScaling::cleanup()
{
    closeProgramWindows();
}

void TestScaling::cleanupTestCase()
{
    Translations::install(QString());
}

void TestScaling::measureSeesCutText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("roomy");
    QTest::addColumn<QRect>("cut");
    const QRect roomy(0, 0, 400, 100);
    QTest::newRow("label too narrow") << QStringLiteral("label") << roomy << QRect(0, 0, 100, 100);
    QTest::newRow("label past the window")
            << QStringLiteral("label") << roomy << QRect(300, 0, 400, 100);
    QTest::newRow("wrapped label too low")
            << QStringLiteral("wrapped label") << roomy << QRect(0, 0, 100, 20);
    QTest::newRow("button") << QStringLiteral("button") << roomy << QRect(0, 0, 100, 100);
    QTest::newRow("check box") << QStringLiteral("check box") << roomy << QRect(0, 0, 100, 100);
    QTest::newRow("group box") << QStringLiteral("group box") << roomy << QRect(0, 0, 100, 100);
}

void TestScaling::measureSeesCutText()
{
    QFETCH(QString, kind);
    QFETCH(QRect, roomy);
    QFETCH(QRect, cut);
    QWidget window;
    window.resize(500, 200);
    QWidget *widget = makeWithText(kind, &window);
    widget->setGeometry(roomy);
    window.show();
    QVERIFY2(textFits(widget), qPrintable(textMisfit(widget)));
    widget->setGeometry(cut);
    QVERIFY(!textFits(widget));
}

void TestScaling::measureSeesAutoSizeOverlap()
{
    QWidget window;
    window.resize(500, 200);
    auto *label = new QLabel(QStringLiteral("Name"), &window);
    label->setProperty("autoSize", true);
    label->move(30, 30);
    auto *box = new QWidget(&window);
    box->setGeometry(80, 25, 200, 23);
    window.show();
    label->resize(label->sizeHint());
    QVERIFY2(autoSizeOverlap(label).isEmpty(), qPrintable(autoSizeOverlap(label)));
    label->setText(QStringLiteral("A much longer caption"));
    label->resize(label->sizeHint());
    QVERIFY(!autoSizeOverlap(label).isEmpty());
}

// A caption that fits stays where the form puts it, to the pixel; one longer than the form's room
// grows left, away from the control beside it, and ends where the form ends it.
void TestScaling::autoSizeCaptionKeepsClearOfItsControl_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("growsLeft");
    QTest::newRow("fits") << QStringLiteral("Name") << false;
    QTest::newRow("longer than its room") << QStringLiteral("A longer caption") << true;
}

void TestScaling::autoSizeCaptionKeepsClearOfItsControl()
{
    QFETCH(QString, caption);
    QFETCH(bool, growsLeft);
    QWidget window;
    window.resize(500, 200);
    const QRect form(100, 30, 60, 13);
    auto *label = new QLabel(caption, &window);
    label->setProperty("autoSize", true);
    label->setGeometry(form);
    auto *box = new QWidget(&window);
    box->setGeometry(170, 25, 200, 23);
    window.show();
    WindowLook::fitAutoSizeLabels(&window);
    QCOMPARE(label->size(), label->sizeHint());
    if (growsLeft)
        QCOMPARE(label->geometry().right(), form.right());
    else
        QCOMPARE(label->pos(), form.topLeft());
    QVERIFY2(autoSizeOverlap(label).isEmpty(), qPrintable(autoSizeOverlap(label)));
}

// Every window in English and in every language the program speaks: a translation is often longer.
void TestScaling::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("variant");
    for (const QString &language : QStringList {QString()} + Translations::available()) {
        const QByteArray in = language.isEmpty() ? "C" : language.toLatin1();
        QTest::addRow("%s main", in.constData()) << language << QStringLiteral("main") << 0;
        QTest::addRow("%s about", in.constData()) << language << QStringLiteral("about") << 0;
        for (int sign = 0; sign < SignTable::signCount; ++sign) {
            const QByteArray name = SignTable::signs().at(sign).mayanName.toUtf8();
            QTest::addRow("%s result %s", in.constData(), name.constData())
                    << language << QStringLiteral("result") << sign;
            QTest::addRow("%s report %s", in.constData(), name.constData())
                    << language << QStringLiteral("report") << sign;
        }
        for (int appeal = 0; appeal < 4; ++appeal)
            QTest::addRow("%s exit appeal %d", in.constData(), appeal)
                    << language << QStringLiteral("exit appeal") << appeal;
    }
}

void TestScaling::everyTextFits()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    QFETCH(int, variant);
    QVERIFY(Translations::install(language));
    ScriptedDesktop desktop;
    QWidget *shown = openWindow(window, variant, desktop);
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    if (auto *appeal = qobject_cast<ExitAppealWindow *>(shown))
        QCOMPARE(appeal->appealIndex(), variant);
    // The Open button lies below the client area on purpose: only its access key reaches it.
    const QStringList outOfSight {QStringLiteral("cmdOpen")};
    QStringList misfits;
    int checked = 0;
    for (QWidget *widget : widgetsShowingText(shown)) {
        if (outOfSight.contains(widget->objectName()))
            continue;
        ++checked;
        if (!textFits(widget))
            misfits << textMisfit(widget);
        if (!autoSizeOverlap(widget).isEmpty())
            misfits << autoSizeOverlap(widget);
    }
    QVERIFY(checked > 0);
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1String("; "))));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
