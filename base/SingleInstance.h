#pragma once

#include <QLockFile>

// Holds the per-user lock that tells a second start of the program that one is already running.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockPath = lockFilePath());

    // True when no other living instance holds the lock; the lock is then ours until destruction.
    bool acquire();
    // After a failed acquire: whether a living process holds the lock, rather than the lock
    // being impossible to make (a folder that is missing, read-only or full).
    bool heldByAnother() const;

    static QString lockFilePath();

private:
    QLockFile lock;
};
