#include "report/ReportPdf.h"

#include "base/AppInfo.h"
#include "savedreading/AtomicFile.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>

namespace {

// The page margins of a Qt printer that prints to a PDF file; QTextDocument::print adds its own
// 2 cm around the text, on paper and here alike.
const QMarginsF printerMargins(10, 10, 10, 10);

} // namespace

QPageSize ReportPdf::pageSizeFor(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

QByteArray ReportPdf::render(const QTextDocument &document, const QString &title,
                             const QPageSize &pageSize)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(AppInfo::applicationTitle());
    writer.setPageLayout(
            QPageLayout(pageSize, QPageLayout::Portrait, printerMargins, QPageLayout::Point));
    // The painter that print() opens writes the whole file when it ends, before print returns.
    document.print(&writer);
    return bytes;
}

bool ReportPdf::write(const QString &path, const QTextDocument &document, const QString &title,
                      const QPageSize &pageSize, QString *errorText)
{
    // Made in memory first: the file is then written through AtomicFile, whose unbuffered writes
    // meet a full disk before anything replaces the old file.
    return AtomicFile::replace(path, render(document, title, pageSize), errorText);
}
