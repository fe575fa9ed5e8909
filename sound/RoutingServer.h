#pragma once

#include "sound/RoutingPlan.h"

#include <functional>

// The sound server as the routing drives it. Each operation reads the default and the sinks afresh and
// answers once, after its last change; when the connection goes first, it never answers.
class RoutingServer
{
public:
    virtual ~RoutingServer() = default;
    // While on, every sink that appears or changes is announced to the routing.
    virtual void WatchSinks(bool on) = 0;
    // plan decides from what was read; what it returns is carried out before done.
    virtual void Search(std::function<RoutingPlan(const ServerSinks& seen)> plan,
                        std::function<void()> done) = 0;
    // Only reads.
    virtual void Check(std::function<void(const ServerSinks& seen)> done) = 0;
    // Gives back what record names, as PlanRestore decides.
    virtual void Restore(const RoutingRecord& record, std::function<void()> done) = 0;
};
