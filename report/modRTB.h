#pragma once

class QTextEdit;
class QWidget;

// The report box's web links, as a rich edit control with automatic address recognition shows
// them: every web address in the box's text is drawn as a link, and a press of the left mouse
// button on one opens it in the browser (through modHelp::OpenWebPage). One box is served at a
// time; the recognition itself lives in widgets/LinkDetector.h.
namespace modRTB {

// Idle -> serving: marks the addresses already in the box, keeps marking them as the text changes
// and opens the one under a left press. DisableLinkDetection belongs to the closing of the
// window (a box destroyed before it is not touched again). Enabling while already serving is a
// programming error (asserted in debug builds; a release build first stops serving the old box).
void EnableLinkDetection(QTextEdit *box, QWidget *form);
// Serving -> idle: stops recognising and opening; the text keeps the links it has. Does nothing
// while idle.
void DisableLinkDetection();
bool isServingLinks();

} // namespace modRTB
