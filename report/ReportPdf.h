#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>

class QLocale;
class QTextDocument;

// The report as a PDF document: what a person without a printer keeps or passes on.
namespace ReportPdf {

// The paper of the locale's country: Letter where it measures in US units, A4 elsewhere, as
// QLocale::measurementSystem() tells.
QPageSize pageSizeFor(const QLocale &locale);

// The whole document on pages of the given size, laid out as printing lays it out, with the
// title in the document's properties and the text kept as text.
QByteArray render(const QTextDocument &document, const QString &title, const QPageSize &pageSize);

// Renders the document and puts it in the place of the file at path as AtomicFile::replace does:
// on failure the old file stays and *errorText (when given) says why.
bool write(const QString &path, const QTextDocument &document, const QString &title,
           const QPageSize &pageSize, QString *errorText = nullptr);

} // namespace ReportPdf
