#include "tests/common/ReportHelpers.h"

#include <QTextCursor>
#include <QTextEdit>

modMayanAnimalMoonSign::BirthInputType reading(const QString &name, const QString &month, int day,
                                               int year)
{
    return {name, qint16(day), month, qint16(year)};
}

QPoint characterCentre(QTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box->cursorRect(cursor);
    // The last character of a line: its right edge lies on the next line, so take a few pixels.
    const int right = after.y() == before.y() ? after.x() : before.x() + 4;
    return QPoint((before.x() + right) / 2, before.center().y());
}
