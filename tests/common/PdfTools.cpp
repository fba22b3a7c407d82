#include "tests/common/PdfTools.h"

#include <QFile>

namespace PdfTools {

const char *unavailableReason()
{
#ifdef Q_OS_WIN
    // Wine even shows their Linux files under Z:, but a Windows program cannot start them.
    return "poppler's pdftotext and pdfinfo are Linux programs: a Windows test cannot read the PDF "
           "back with them";
#elif !QT_CONFIG(process)
    return "A web page starts no other program: poppler's pdftotext and pdfinfo cannot read the "
           "PDF back there";
#else
    for (const char *tool : {"/usr/bin/pdftotext", "/usr/bin/pdfinfo"}) {
        if (!QFile::exists(QString::fromLatin1(tool)))
            return "poppler-utils is not installed";
    }
    return nullptr;
#endif
}

} // namespace PdfTools
