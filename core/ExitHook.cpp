#include "core/ExitHook.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace {

std::mutex actionsMutex;
// By key, which grows with each arming: the latest armed runs first.
std::map<int, std::function<void()>> actions;
int nextKey = 1;

void OnExit()
{
    std::map<int, std::function<void()>> armed;
    {
        const std::lock_guard lock(actionsMutex);
        armed.swap(actions);
    }
    for (auto it = armed.rbegin(); it != armed.rend(); ++it)
        it->second();
}

} // namespace

int ArmExitHook(std::function<void()> atExit)
{
    // Registered once, after everything it uses was constructed, so it runs before any of it is destroyed.
    static const bool registered = std::atexit(OnExit) == 0;
    if (!registered)
        return 0;
    const std::lock_guard lock(actionsMutex);
    actions.emplace(nextKey, std::move(atExit));
    return nextKey++;
}

void DisarmExitHook(int key)
{
    const std::lock_guard lock(actionsMutex);
    actions.erase(key);
}
