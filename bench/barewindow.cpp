// The floor for start-up: a Qt Widgets program that shows one empty window, of the size given
// as "<width>x<height>", and ends once it has been painted. It reports exactly what the start-up
// probe reports, the same way.
#include "bench/ChildReport.h"
#include "bench/PaintMarker.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

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

    QWidget window;
    window.setFixedSize(sizeArgument(QCoreApplication::arguments()));
    window.setWindowTitle(QStringLiteral("Bare window"));
    PaintMarker marker([&window](const QWidget *painted) { return painted == &window; }, [&window] {
        ChildReport::printStamp("painted");
        ChildReport::printWindowSize(window.width(), window.height());
        ChildReport::printMemory();
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    window.show();
    ChildReport::printStamp("shown");
    return app.exec();
}
