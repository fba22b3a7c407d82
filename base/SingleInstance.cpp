#include "base/SingleInstance.h"

#include "base/AppInfo.h"

#include <QDir>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QCryptographicHash>

#include <qt_windows.h>
#endif

#ifdef Q_OS_WIN

namespace {

// A mutex name may hold no backslash and is limited in length: the path's digest stands for it.
QString mutexNameFor(const QString &lockPath)
{
    const QByteArray digest = QCryptographicHash::hash(QDir::cleanPath(lockPath).toLower().toUtf8(),
                                                       QCryptographicHash::Sha1);
    return QStringLiteral("Local\\") + AppInfo::executableName() + QLatin1Char('-')
            + QString::fromLatin1(digest.toHex());
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath)
    : mutexName(mutexNameFor(lockPath))
{ }

SingleInstance::~SingleInstance()
{
    if (mutex)
        CloseHandle(mutex);
}

bool SingleInstance::acquire()
{
    if (mutex)
        return true;
    HANDLE handle = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(mutexName.utf16()));
    anotherHolds = handle && GetLastError() == ERROR_ALREADY_EXISTS;
    if (!handle || anotherHolds) {
        if (handle)
            CloseHandle(handle);
        return false;
    }
    mutex = handle;
    return true;
}

bool SingleInstance::heldByAnother() const
{
    return anotherHolds;
}

#else

SingleInstance::SingleInstance(const QString &lockPath)
    : lock(lockPath)
{
    // The lock lives as long as the program runs, so age says nothing; a lock whose process has
    // died (a crash, a kill) is still recognised by its process id and taken over.
    lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return lock.tryLock(0);
}

bool SingleInstance::heldByAnother() const
{
    return lock.error() == QLockFile::LockFailedError;
}

#endif

QString SingleInstance::lockFilePath()
{
#ifdef Q_OS_WIN
    // Windows has no runtime folder of its own: Qt would answer with the root of the user's home.
    const QString folder = QDir::tempPath();
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
#endif
    return QDir(folder).filePath(AppInfo::executableName() + QStringLiteral(".lock"));
}
