#pragma once

#include <QString>

// "Pellmark": one running instance per user, wherever and however it was started. The lock lives only
// where no other user can create or hold it: the user's runtime directory /run/user/<uid> when that is
// ours and closed to others (whatever XDG_RUNTIME_DIR says), else a private directory of ours under the
// cache directory. Empty when neither can be had. The test suites isolate their runs with
// TESSALY_TEST_LOCK_DIR, a private directory of ours that then takes the lock instead; no session sets it.
QString singleInstanceLockPath();

enum class SingleInstanceLock
{
    Acquired,      // this copy runs
    HeldByAnother, // a running copy of ours holds it
    Unavailable,   // no lock can be had here (a link, a FIFO or a directory in its place): said on stderr
};

// Takes the lock for the rest of the process. Where no lock can be had, the session bus's name decides
// instead (Session::ClaimBusName). The descriptor is never closed: the kernel drops the lock when the
// process ends, however it ends.
SingleInstanceLock AcquireSingleInstanceLock();
