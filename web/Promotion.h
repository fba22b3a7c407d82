#pragma once

#include <optional>

// The promotional strip of the main window: two overlapping offers, one of which a draw at the
// first start of a run brings to the front.
namespace Promotion {

enum class Offer { CoBrand, FullyBranded };

// Maps a uniform value in [0, 1) to the draw 1 to 7: 6r + 1 rounded half to even, so the end
// values 1 and 7 come up half as often as the others.
int draw(double r);

// The offer a draw brings to the front: the co-brand one on an odd draw up to 5, the fully-branded
// one on an even draw. A 7 brings neither: the offers stay as they are.
std::optional<Offer> offerFor(int draw);

// Draws with the desktop's next random number and tells which offer comes to the front.
std::optional<Offer> drawOffer();

} // namespace Promotion
