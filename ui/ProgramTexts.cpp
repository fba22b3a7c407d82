#include "ui/ProgramTexts.h"

#include "base/AppInfo.h"
#include "web/SitePages.h"

#include <QCoreApplication>

#include <iterator>

namespace ProgramTexts {

QString aboutDescription()
{
    //: Followed by the rights notice " © Velmora Softwares, <site address>.", all in a fixed box
    //: of four lines. "Zel Mayan Animal Sign" is the program's name.
    const QString description = QCoreApplication::translate(
            "ProgramTexts",
            "Zel Mayan Animal Sign finds your Mayan animal sign from your date of birth. Each "
            "animal of the Mayan zodiac is attributed with different characteristics which are "
            "reflected in your personality.");
    // A name and an address: the notice reads the same in every language. No-break spaces keep
    // the sign and the maker's name on one line, as the address is.
    const QString maker = AppInfo::maker().replace(QLatin1Char(' '), QChar(0x00A0));
    return description + QStringLiteral(" ©\u00A0%1, %2.").arg(maker, SitePages::siteAddress());
}

QString supportText(int n)
{
    static const char *const appeals[] = {
            //: %1 is the site's address. A fixed box of four lines.
            QT_TRANSLATE_NOOP("ProgramTexts",
                              "Programs by Velmora Softwares can only be created and maintained "
                              "with your support. Your best support is to visit our discussion "
                              "board at %1 regularly and to join in its discussions and other "
                              "activities."),
            //: %1 is the site's address. A fixed box of four lines.
            QT_TRANSLATE_NOOP("ProgramTexts",
                              "Please visit %1 regularly and take part in the discussions and "
                              "activities there. Without regular visits from loyal users like "
                              "you, we simply cannot support and maintain our free programs."),
            //: %1 is the site's address. A fixed box of four lines.
            QT_TRANSLATE_NOOP("ProgramTexts",
                              "%1 is a free online discussion forum on all esoteric subjects. To "
                              "help us develop and maintain this software, please visit it "
                              "regularly."),
            //: %1 is the site's address. A fixed box of four lines.
            QT_TRANSLATE_NOOP("ProgramTexts",
                              "%1 needs your help! Visit it regularly and take part in its "
                              "discussions and activities to help us maintain this program and "
                              "develop many more programs by Velmora Softwares."),
    };
    Q_ASSERT(n >= 0 && n < int(std::size(appeals)));
    return QCoreApplication::translate("ProgramTexts", appeals[n]).arg(SitePages::siteAddress());
}

QString catalogueText()
{
    //: Beside the maker's catalogue, in a fixed box 233 by 257 pixels.
    return QCoreApplication::translate(
            "ProgramTexts",
            "If you enjoyed Zel Mayan Animal Sign, why not try our other programs? Velmora "
            "Softwares makes a whole range of software in astrology, psychic readings, tarot, "
            "numerology and the occult. Each one is simple to use, informative and fun, and a good "
            "companion for anyone curious about the hidden side of life. Have a look and find your "
            "next favourite.");
}

} // namespace ProgramTexts
