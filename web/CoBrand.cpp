#include "web/CoBrand.h"

#include "base/Desktop.h"

#include <QWidget>

#include <cmath>

qint16 intCoBrandRandomNumber = 0;

namespace {

// Explicit rather than std::nearbyint, so the draw never depends on the floating-point
// environment someone else may have changed.
double roundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return lower;
    if (fraction > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

void raiseIfThere(QWidget *widget)
{
    if (widget)
        widget->raise();
}

} // namespace

int coBrandDraw(double r)
{
    return static_cast<int>(roundHalfToEven(6.0 * r + 1.0));
}

void CoBrand_Randomize(QWidget *lblCobrand, QWidget *lblFullBrand)
{
    const int draw = coBrandDraw(desktop().nextRandom());
    intCoBrandRandomNumber = static_cast<qint16>(draw);
    if (draw == 7)
        return;
    raiseIfThere(draw % 2 == 1 ? lblCobrand : lblFullBrand);
}
