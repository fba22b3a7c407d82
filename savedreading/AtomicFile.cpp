#include "savedreading/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool AtomicFile::replace(const QString &path, const QByteArray &bytes, QString *errorText)
{
    const auto fail = [errorText](const QString &reason) {
        if (errorText)
            *errorText = reason;
        return false;
    };

    // Works around Qt 6.4: its QSaveFile puts a regular file in the place of a device or a pipe.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return fail(QCoreApplication::translate("AtomicFile", "%1 is not a regular file.")
                            .arg(QDir::toNativeSeparators(path)));

    QSaveFile file(path);
    // Works around Qt 6.4: a buffered QSaveFile only meets a full disk while committing, and then
    // commits the cut-short text anyway. Written straight through (unbuffered), every failure
    // shows here, and cancelling keeps the old file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is followed by one more, which reports why the rest did not fit.
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0 || file.error() != QFileDevice::NoError) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(reason);
        }
        written += count;
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
