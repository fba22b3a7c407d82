#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

// The colours of the program's texts and backgrounds. They are set through the widgets'
// palettes, so every widget is still drawn by the platform's style.
namespace ColourTable {

inline constexpr QRgb windowGreen = qRgb(0, 128, 0);
inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb orange = qRgb(255, 192, 128);
inline constexpr QRgb darkOrange = qRgb(255, 128, 0);
inline constexpr QRgb yellow = qRgb(255, 255, 0);
inline constexpr QRgb lightYellow = qRgb(255, 255, 128);
inline constexpr QRgb paleYellow = qRgb(255, 255, 192);
inline constexpr QRgb blue = qRgb(0, 0, 255);
inline constexpr QRgb navy = qRgb(0, 0, 128);

// A colour of the system's palette, such as the face of a text box (Base).
QColor systemColour(QPalette::ColorRole role);

// Gives each widget the system's colours, whatever colours its window or frame has: a button
// or a box on the green window keeps its usual face. Colours set afterwards come on top.
void keepSystemColours(std::initializer_list<QWidget *> widgets);
// The text of a label or check box, the title of a frame.
void setTextColour(const QColor &colour, std::initializer_list<QWidget *> widgets);
// The colour a widget's style shades its own drawing from (a text box its rim), without filling
// the widget's area: what lies beneath still shows in a text box's rounded corners.
void setWindowColour(const QColor &colour, std::initializer_list<QWidget *> widgets);
// Fills each widget's whole area with the colour before its content is drawn.
void setBackground(const QColor &colour, std::initializer_list<QWidget *> widgets);

} // namespace ColourTable
