#pragma once

#include <QFont>

#include <initializer_list>

class QWidget;

// The fonts of the program's texts in one table: family, size in points (fractions kept, so
// 8.25 stays 8.25), bold and underline. Verdana and MS Sans Serif are asked for by name; where
// they are missing the substitution installed at start-up stands in.
namespace FontTable {

enum class Text {
    Body, // Verdana 8.25
    BoldBody, // Verdana 8.25 bold
    Link, // Verdana 8.25 underlined
    BoldLink, // Verdana 8.25 bold underlined
    List, // Verdana 9
    BoldList, // Verdana 9 bold
    Heading, // Verdana 9.75 bold
    Report, // Verdana 9.75
    SignName, // Verdana 14.25 bold
    Dialog, // MS Sans Serif 8.25
    Banner, // MS Sans Serif 18
};

QFont font(Text text);
// Gives each widget the font of the text. Call it after the form is set up and before anything
// measures the widgets (the labels that size themselves to their captions).
void apply(Text text, std::initializer_list<QWidget *> widgets);

} // namespace FontTable
