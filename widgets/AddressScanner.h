#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One web address found in a paragraph: where it starts, how many characters it spans and the
// address it opens (a "www." address opens as http://www....).
struct DetectedLink
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString href;

    friend bool operator==(const DetectedLink &, const DetectedLink &) = default;
};

// Finds the web addresses of plain text, as a rich edit control recognises them: http://,
// https://, ftp://, file://, mailto: and "www." forms, without the punctuation that ends a
// sentence.
namespace AddressScanner {

// The addresses of one paragraph's text, in order.
QList<DetectedLink> findLinks(QStringView text);

} // namespace AddressScanner
