#pragma once

#include <QString>

// The program's own wording around the maker's site: the About description, the exit window's
// appeals and the invitation to try the maker's other programs.
namespace ProgramTexts {

// The fixed description followed by a rights notice that names the site.
QString aboutDescription();
// One of the exit window's four appeals, n from 0 to 3; each names the site.
QString supportText(int n);
// The invitation shown beside the maker's catalogue of programs.
QString catalogueText();

} // namespace ProgramTexts
