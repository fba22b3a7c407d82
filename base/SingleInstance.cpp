#include "base/SingleInstance.h"

#include "base/AppInfo.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath)
    : lock(lockPath)
{
    // The lock lives as long as the program runs, so age says nothing; a lock whose process has
    // died (a crash, a kill) is still recognised by its process id and taken over.
    lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock.tryLock(0);
}

bool SingleInstance::heldByAnother() const
{
    return lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(AppInfo::executableName() + QStringLiteral(".lock"));
}
