#pragma once

#include <QFont>

#include <initializer_list>

class QWidget;

// The fonts of the program's texts in one table: family, size in points (fractions kept, so
// 8.25 stays 8.25), bold and underline. Verdana and MS Sans Serif are asked for by name where
// they are installed; elsewhere the face that the substitution installed at start-up names.
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

// The face to ask for in place of a family: the family itself where it is installed, otherwise
// the first installed one among its substitutions, in their order; the family unchanged when
// none is. That is the face Qt would draw with, but asked for by its own name Qt neither looks
// for the missing family nor lists fallbacks for it, and equal faces share one font engine.
QString installedFamily(const QString &family);

QFont font(Text text);
// Gives each widget the font of the text. Call it after the form is set up and before anything
// measures the widgets (the labels that size themselves to their captions).
void apply(Text text, std::initializer_list<QWidget *> widgets);

} // namespace FontTable
