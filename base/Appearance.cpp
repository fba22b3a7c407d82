#include "base/Appearance.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    const QStringList standIns = {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), standIns);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns);
}
