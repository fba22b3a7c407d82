#pragma once

#include <QPixmap>
#include <QString>

namespace modMayanAnimalMoonSign {

// Looks the Mayan name up and fills the result window (loading it if needed) with the sign's
// four captions and picture; a name that matches no sign leaves everything as it was.
void DisplayMoonSign(const QString &mayanName);

// The animal picture by its number, 1 to 13 in the order of the sign table.
QPixmap animalPicture(int pictureNumber);

} // namespace modMayanAnimalMoonSign
