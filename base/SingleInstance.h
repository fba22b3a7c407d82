#pragma once

#include <QString>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <QLockFile>
#endif

// Holds the per-user lock that tells a second start of the program that one is already running.
// On Windows the lock is a named mutex of the session, which the system releases the moment its
// process ends, however it ends; elsewhere a lock file whose dead holder is recognised by its
// process id and taken over.
class SingleInstance
{
public:
    // lockPath names the lock: the file itself, or on Windows the mutex made from it.
    explicit SingleInstance(const QString &lockPath = lockFilePath());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when no other living instance holds the lock; the lock is then ours until destruction.
    bool acquire();
    // After a failed acquire: whether a living process holds the lock, rather than the lock
    // being impossible to make (a folder that is missing, read-only or full).
    bool heldByAnother() const;

    // In the user's runtime folder, or the temporary folder where there is none (Windows).
    static QString lockFilePath();

private:
#ifdef Q_OS_WIN
    const QString mutexName;
    void *mutex = nullptr;
    bool anotherHolds = false;
#else
    QLockFile lock;
#endif
};
