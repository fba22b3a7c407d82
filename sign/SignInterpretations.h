#pragma once

// What each moon sign tells of the people born under it, in English, in table order: index 0 is
// Tzootz, 12 Aak. The text is marked for translation in the context "SignTable".
const char *signInterpretation(int index);
