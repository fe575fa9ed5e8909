#include "core/ExitHook.h"

#include <atomic>
#include <cstdlib>

namespace {

// The process-wide entry atexit needs: the hooks of the run in progress.
std::atomic<ExitHooks*> hooksInUse = nullptr;

} // namespace

ExitHooks::ExitHooks()
{
    hooksInUse = this;
}

ExitHooks::~ExitHooks()
{
    ExitHooks* self = this;
    hooksInUse.compare_exchange_strong(self, nullptr);
}

int ExitHooks::Arm(std::function<void()> atExit)
{
    // Registered once, at the first arming, after everything it uses was constructed, so it runs before
    // any of it is destroyed.
    static const bool registered = std::atexit(runArmed) == 0;
    if (!registered)
        return 0;
    const std::lock_guard lock(mutex);
    actions.emplace(nextKey, std::move(atExit));
    return nextKey++;
}

void ExitHooks::Disarm(int key)
{
    const std::lock_guard lock(mutex);
    actions.erase(key);
}

void ExitHooks::runArmed()
{
    ExitHooks* const hooks = hooksInUse.exchange(nullptr);
    if (!hooks)
        return;
    std::map<int, std::function<void()>> armed;
    {
        const std::lock_guard lock(hooks->mutex);
        armed.swap(hooks->actions);
    }
    for (auto it = armed.rbegin(); it != armed.rend(); ++it)
        it->second();
}
