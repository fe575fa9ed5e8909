#pragma once

#include <QString>

// "Pellmark": one running instance per user session.
QString singleInstanceLockPath();

// Takes the lock for the rest of the process, or returns false when another instance holds it.
// The descriptor is never closed: the kernel drops the lock when the process ends, however it ends.
bool AcquireSingleInstanceLock();
