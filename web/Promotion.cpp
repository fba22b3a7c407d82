#include "web/Promotion.h"

#include "base/Desktop.h"

#include <cmath>

namespace Promotion {

namespace {

constexpr int neither = 7;

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

} // namespace

int draw(double r)
{
    return static_cast<int>(roundHalfToEven(6.0 * r + 1.0));
}

std::optional<Offer> offerFor(int draw)
{
    if (draw == neither)
        return std::nullopt;
    return draw % 2 == 1 ? Offer::CoBrand : Offer::FullyBranded;
}

std::optional<Offer> drawOffer()
{
    return offerFor(draw(desktop().nextRandom()));
}

} // namespace Promotion
