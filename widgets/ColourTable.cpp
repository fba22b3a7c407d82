#include "widgets/ColourTable.h"

#include <QGuiApplication>
#include <QWidget>

namespace ColourTable {

namespace {

// One role in every colour group; children that set no colour of their own for the role follow.
void setRole(QPalette::ColorRole role, const QColor &colour,
             std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        QPalette palette = widget->palette();
        palette.setColor(role, colour);
        widget->setPalette(palette);
    }
}

} // namespace

QColor systemColour(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(role);
}

void keepSystemColours(std::initializer_list<QWidget *> widgets)
{
    // Every role becomes the widget's own, so none follows the window.
    QPalette system = QGuiApplication::palette();
    system.setResolveMask(~QPalette::ResolveMask(0));
    for (QWidget *widget : widgets)
        widget->setPalette(system);
}

void setTextColour(const QColor &colour, std::initializer_list<QWidget *> widgets)
{
    setRole(QPalette::WindowText, colour, widgets);
}

void setWindowColour(const QColor &colour, std::initializer_list<QWidget *> widgets)
{
    setRole(QPalette::Window, colour, widgets);
}

void setBackground(const QColor &colour, std::initializer_list<QWidget *> widgets)
{
    setWindowColour(colour, widgets);
    for (QWidget *widget : widgets)
        widget->setAutoFillBackground(true);
}

} // namespace ColourTable
