#include "ui/modMayanAnimalMoonSignDisplay.h"

#include "sign/modMayanAnimalMoonSign.h"
#include "ui/frmMayanAnimalMoonSignResult.h"

#include <QLabel>

namespace modMayanAnimalMoonSign {

namespace {

// The pictures in table order; only their position is ever used.
constexpr const char *pictureFiles[SignCount]
        = {"01bat.jpg",    "02scorpion.jpg", "03deer.jpg",  "04owl.jpg",   "05peacock.jpg",
           "06lizard.jpg", "07monkey.jpg",   "08hawk.jpg",  "09balam.jpg", "10dog.jpg",
           "11snake.jpg",  "12rabbit.jpg",   "13turtle.jpg"};

} // namespace

QPixmap animalPicture(int pictureNumber)
{
    if (pictureNumber < 1 || pictureNumber > SignCount)
        return {};
    return QPixmap(QStringLiteral(":/animals/") + QLatin1String(pictureFiles[pictureNumber - 1]));
}

void DisplayMoonSign(const QString &mayanName)
{
    const std::optional<int> row = LookupMayanName(mayanName);
    const std::optional<SignRecord> found = row ? signRecord(*row) : std::nullopt;
    if (!found)
        return;
    const SignRecord &sign = *found;
    frmMayanAnimalMoonSignResult *window = frmMayanAnimalMoonSignResult::loaded();
    // The Mayan name is the same in every language; the rest is read in the person's.
    const QString animal = displayText(sign.animalName);
    const QString captions[]
            = {sign.mayanName, animal, displayText(sign.crystal), displayText(sign.interpretation)};
    for (int i = 0; i < 4; ++i)
        window->setResultCaption(i, captions[i]);
    window->setAnimalPicture(animalPicture(sign.pictureNumber()));
    window->findChild<QLabel *>(QStringLiteral("imgAnimalPics"))->setAccessibleName(animal);
}

} // namespace modMayanAnimalMoonSign
