#pragma once

#include <QKeySequence>
#include <QList>

class QWidget;

// What makes a window usable from the keyboard and through a screen reader, without changing a
// pixel of it.
namespace KeyboardAccess {

// Enter presses the focused button, a button pressed by its access key takes the focus, each menu
// is named after its title, and a window made straight from QWidget is a window to a screen
// reader, not a filler.
void apply(QWidget *window);
// Tab meets the window's controls in the order the window gives them, from the one that opens
// with the focus, and then its links.
void putLinksLast(QWidget *firstControl);
// The keys of Quit: the platform's, or Ctrl+Q where Qt names none (a desktop without a session of
// its own, say), as most programs take it.
QList<QKeySequence> quitKeys();

} // namespace KeyboardAccess
