#pragma once

#include <QString>

// "Pellmark": one running instance per user. The lock lives only where no other user can create or hold
// it: $XDG_RUNTIME_DIR when that is ours and closed to others, else a private directory of ours under the
// cache directory. Empty when neither can be had.
QString singleInstanceLockPath();

// Takes the lock for the rest of the process. Returns false only when a running copy of ours holds it.
// When no lock can be made at all, says why on stderr and returns true: a second window is a smaller harm
// than a program that never starts. The descriptor is never closed: the kernel drops the lock when the
// process ends, however it ends.
bool AcquireSingleInstanceLock();
