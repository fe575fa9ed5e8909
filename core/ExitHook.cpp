#include "core/ExitHook.h"

#include <atomic>
#include <cstdlib>

namespace {

std::atomic<bool> armed = false;
std::function<void()> exitAction;

void OnExit()
{
    if (armed.exchange(false))
        exitAction();
}

} // namespace

void ArmExitHook(std::function<void()> atExit)
{
    // Registered once, after everything it uses was constructed, so it runs before any of it is destroyed.
    static const bool registered = std::atexit(OnExit) == 0;
    exitAction = std::move(atExit);
    armed = registered;
}

void DisarmExitHook()
{
    armed = false;
}
