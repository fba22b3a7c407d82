#pragma once

#include "widgets/ColourTable.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// The look every window of the program shares.
namespace WindowLook {

enum class Minimise { No, Yes };

// Caption, icon, background, a fixed client size the user cannot change, no maximise button,
// and labels marked autoSize sized to their captions.
void apply(QWidget *window, QSize clientSize, Minimise minimise = Minimise::No,
           const QColor &background = QColor(ColourTable::windowGreen));
// Labels marked autoSize take exactly the size of their caption, growing right and down; one that
// would then run into a control beside it grows left instead, as far as its container allows.
void fitAutoSizeLabels(QWidget *container);
void centreOnScreen(QWidget *window);
// Shows a window centred on the screen at its own size.
void showCentred(QWidget *window);
// Shows a dialog modal to the whole program. On the desktop the call returns once the dialog has
// closed; a web page cannot wait inside a call, and there it returns at once, the dialog taking
// the keys while it is open and handing them back when it closes.
void runModal(QDialog *dialog);
// A wrapping caption that holds a web address: the address is kept on one line by word joiners
// (U+2060) where a line could break inside it (after "http://", say); screen readers are given the
// caption as written.
void setCaptionKeepingAddress(QLabel *label, const QString &caption, const QString &address);
QIcon applicationIcon();
// The picture at path (":/animals/01bat.jpg") for a screen of the given device pixel ratio: past
// 100 % from its twin twice as large beside it (":/animals/01bat@2x.jpg"), never the small one
// scaled up. Its size, in the units of the window, is that of the small picture.
QPixmap picture(const QString &path, qreal devicePixelRatio);

} // namespace WindowLook
