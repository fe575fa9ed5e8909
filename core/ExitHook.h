#pragma once

#include <functional>
#include <map>
#include <mutex>

// A process that ends through exit() without the end of its run (Qt ends it so when the display connection
// is lost) still leaves the transmitter off air, gives the sound back and keeps the run's settings: the
// parts of the run arm what each must do then, and the hooks run it, the latest armed first, as the end of
// a run would. Nothing at all unless armed.
//
// The run owns one; from its construction to its destruction it is the one the process's exit runs.
class ExitHooks final
{
public:
    ExitHooks();
    ~ExitHooks();
    ExitHooks(const ExitHooks&) = delete;
    ExitHooks& operator=(const ExitHooks&) = delete;

    // Armed by the start of a run; disarmed once the end of the run has done all of it itself. Returns the
    // action's key for Disarm.
    int Arm(std::function<void()> atExit);
    void Disarm(int key);

private:
    // What atexit runs: the armed actions of the hooks in use.
    static void runArmed();

    std::mutex mutex;
    // By key, which grows with each arming: the latest armed runs first.
    std::map<int, std::function<void()>> actions;
    int nextKey = 1;
};
