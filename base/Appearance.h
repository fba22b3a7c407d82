#pragma once

// Verdana and MS Sans Serif are not on every system: the same installed face stands in for both
// everywhere, whatever fontconfig would prefer on a given machine.
void installFontSubstitutions();
