// The floor for the main window: the window's own form in a QMainWindow, built from stock Qt
// classes, with the fonts and list rows the program gives it and nothing else of the program (no
// translations, settings, lock, link labels or desktop seam). Shown at the size given as
// "<width>x<height>", it ends once painted and reports exactly what the start-up probe reports,
// the same way.
#include "bench/ChildReport.h"
#include "bench/PaintMarker.h"
#include "ui_SameWindowForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

namespace {

// The program's text styles that the main window shows, as its font table gives them.
struct Face
{
    const char *family;
    qreal points;
    bool bold;
    bool underline;
};

constexpr Face boldLink {"Verdana", 8.25, true, true};
constexpr Face boldBody {"Verdana", 8.25, true, false};
constexpr Face boldList {"Verdana", 9, true, false};
constexpr Face plainList {"Verdana", 9, false, false};
constexpr Face plainBody {"Verdana", 8.25, false, false};
constexpr Face heading {"Verdana", 9.75, true, false};

// The stand-ins the program registers, so that Verdana is found as the program finds it.
void installFontSubstitutions()
{
    const QStringList standIns = {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), standIns);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns);
}

template<typename Widget>
void giveFont(const Face &face, const QList<Widget *> &widgets)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(face.family)});
    font.setPointSizeF(face.points);
    font.setWeight(face.bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(face.underline);
    for (Widget *widget : widgets)
        widget->setFont(font);
}

bool inTitledFrame(const QWidget *widget)
{
    const auto *frame = qobject_cast<const QGroupBox *>(widget->parentWidget());
    return frame && !frame->title().isEmpty();
}

template<typename Widget, typename Test>
QList<Widget *> childrenWhere(const QWidget *client, Test test)
{
    QList<Widget *> chosen = client->findChildren<Widget *>();
    chosen.removeIf([&test](const Widget *widget) { return !test(widget); });
    return chosen;
}

// Each widget is chosen by its kind and place rather than its name, so that renaming the form's
// widgets leaves the floor as it is; the styles come in the order the program gives them.
void giveFonts(const QWidget *client)
{
    const auto isLink = [](const QLabel *label) {
        return label->property("link").toBool();
    };
    giveFont(boldLink, childrenWhere<QLabel>(client, isLink));
    giveFont(boldBody,
             childrenWhere<QLabel>(client, [&isLink](const QLabel *l) { return !isLink(l); }));
    giveFont(boldBody, childrenWhere<QPushButton>(client, inTitledFrame));
    giveFont(boldList, childrenWhere<QGroupBox>(client, [](const QGroupBox *frame) {
                 return !frame->title().isEmpty();
             }));
    giveFont(plainList, client->findChildren<QComboBox *>());
    giveFont(plainBody, client->findChildren<QLineEdit *>());
    giveFont(heading, childrenWhere<QPushButton>(client, [](const QPushButton *button) {
                 return !inTitledFrame(button);
             }));
}

QStringList numbers(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int number = first; number <= last; ++number)
        texts << QString::number(number);
    return texts;
}

// The month, day and year lists stand left to right.
bool fillLists(const QWidget *client)
{
    QList<QComboBox *> lists = client->findChildren<QComboBox *>();
    if (lists.size() != 3)
        return false;
    std::sort(lists.begin(), lists.end(), [](const QComboBox *a, const QComboBox *b) {
        return a->mapTo(a->window(), QPoint()).x() < b->mapTo(b->window(), QPoint()).x();
    });
    lists[0]->addItems({QStringLiteral("January"), QStringLiteral("February"),
                        QStringLiteral("March"), QStringLiteral("April"), QStringLiteral("May"),
                        QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
                        QStringLiteral("September"), QStringLiteral("October"),
                        QStringLiteral("November"), QStringLiteral("December")});
    lists[1]->addItems(numbers(1, 31));
    lists[2]->addItems(numbers(1900, 2050));
    return true;
}

QSize sizeArgument(const QStringList &arguments)
{
    const QStringList parts = arguments.value(1).split(QLatin1Char('x'));
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    return size.isValid() && !size.isEmpty() ? size : QSize(479, 292);
}

} // namespace

int main(int argc, char **argv)
{
    ChildReport::printStamp("main");
    QApplication app(argc, argv);
    ChildReport::printStamp("application");
    installFontSubstitutions();

    QMainWindow window;
    Ui::SameWindowForm form;
    form.setupUi(&window);
    giveFonts(window.centralWidget());
    window.setFixedSize(sizeArgument(QCoreApplication::arguments()));
    if (!fillLists(window.centralWidget())) {
        std::fputs("zel_samewindow: the form does not hold three lists\n", stderr);
        return 1;
    }
    PaintMarker marker([&window](const QWidget *painted) { return painted == &window; },
                       [&window] { ChildReport::reportPaintedAndExit(window); });
    window.show();
    ChildReport::printStamp("shown");
    return app.exec();
}
