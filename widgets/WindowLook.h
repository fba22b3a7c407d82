#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>

class QWidget;

// The look every window of the program shares.
namespace WindowLook {

enum class Minimise { No, Yes };

// Caption, icon, background, a fixed client size the user cannot change, no maximise button,
// and labels marked autoSize sized to their captions.
void apply(QWidget *window, QSize clientSize, Minimise minimise = Minimise::No,
           const QColor &background = QColor(0, 128, 0));
// Labels marked autoSize take exactly the size of their caption, growing right and down.
void fitAutoSizeLabels(QWidget *container);
void centreOnScreen(QWidget *window);
QIcon applicationIcon();

} // namespace WindowLook
