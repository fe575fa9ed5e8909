#pragma once

#include "sound/PulseOperation.h"
#include "sound/RoutingRecord.h"

// Gives back what a routing replaced, on a connected context, as PlanRestore decides.
class PulseRestore final : public PulseOperation
{
public:
    PulseRestore(pa_context* context, RoutingRecord record,
                 std::function<void(const ServerSinks& seen)> done);

private:
    void WithSinks(const ServerSinks& seen) override;

    RoutingRecord record;
};

// Connects on a loop of its own, without the program's event loop (so also from an exit path), and gives
// back what record names; waits at most timeoutMs. True when the restore ran to its end.
bool RestoreSynchronously(const RoutingRecord& record, int timeoutMs);
