#pragma once

#include <QtGlobal>

class QWidget;

// The draw of the last CoBrand_Randomize, 1 to 7.
extern qint16 intCoBrandRandomNumber;

// Maps a uniform value in [0, 1) to the draw 1 to 7: 6r + 1 rounded half to even, so the end
// values 1 and 7 come up half as often as the others.
int coBrandDraw(double r);

// Brings one of the two overlapping promotion labels to the front: the co-brand label on an odd
// draw up to 5, the fully-branded one on an even draw; a 7 leaves them as they are.
void CoBrand_Randomize(QWidget *lblCobrand, QWidget *lblFullBrand);
