// The floor for start-up: a Qt Widgets program that shows one empty window, of the size given
// as "<width>x<height>", and ends once it has been painted. With "text" as second argument the
// window also shows one line of text in the default font: the floor for any window with words.
// It reports exactly what the start-up probe reports, the same way.
#include "bench/ChildReport.h"
#include "bench/PaintMarker.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

QSize sizeArgument(const QStringList &arguments)
{
    const QStringList parts = arguments.value(1).split(QLatin1Char('x'));
    const QSize size(parts.value(0).toInt(), parts.value(1).toInt());
    return size.isValid() && !size.isEmpty() ? size : QSize(479, 273);
}

} // namespace

int main(int argc, char **argv)
{
    ChildReport::printStamp("main");
    QApplication app(argc, argv);
    ChildReport::printStamp("application");

    const QStringList arguments = QCoreApplication::arguments();
    QWidget window;
    window.setFixedSize(sizeArgument(arguments));
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (arguments.value(2) == QLatin1String("text"))
        new QLabel(QStringLiteral("Find My Mayan Animal Sign"), &window);
    PaintMarker marker([&window](const QWidget *painted) { return painted == &window; },
                       [&window] { ChildReport::reportPaintedAndExit(window); });
    window.show();
    ChildReport::printStamp("shown");
    return app.exec();
}
