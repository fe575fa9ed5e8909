#pragma once

#include <QString>

// "Pellmark": one running instance per user, wherever and however it was started. The lock lives only
// where no other user can create or hold it: the user's runtime directory /run/user/<uid> when that is
// ours and closed to others (whatever XDG_RUNTIME_DIR says), else a private directory of ours under the
// cache directory. Empty when neither can be had. The test suites isolate their runs with
// TESSALY_TEST_LOCK_DIR, a private directory of ours that then takes the lock instead; no session sets it.
QString singleInstanceLockPath();

// Takes the lock for the rest of the process. Returns false only when a running copy of ours holds it.
// When no lock can be made at all, says why on stderr and returns true: a second window is a smaller harm
// than a program that never starts. The descriptor is never closed: the kernel drops the lock when the
// process ends, however it ends.
bool AcquireSingleInstanceLock();
