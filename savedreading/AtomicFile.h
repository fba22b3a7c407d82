#pragma once

#include <QByteArray>
#include <QString>

// A file the program writes for the person, replaced as a whole or not at all.
namespace AtomicFile {

// Puts bytes in the place of the file at path, or leaves that file as it was: on failure returns
// false and puts a reason fit for the person in *errorText (when given). A path that names a
// device or a pipe is refused the same way.
bool replace(const QString &path, const QByteArray &bytes, QString *errorText = nullptr);

} // namespace AtomicFile
