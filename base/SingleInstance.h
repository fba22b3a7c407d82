#pragma once

#include <QLockFile>

// Holds the per-user lock that tells a second start of the program that one is already running.
class SingleInstance
{
public:
    SingleInstance();

    // True when no other living instance holds the lock; the lock is then ours until destruction.
    bool acquire();

    static QString lockFilePath();

private:
    QLockFile lock;
};
