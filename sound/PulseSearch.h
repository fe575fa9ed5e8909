#pragma once

#include "sound/PulseOperation.h"

// Routes to the transmitter's sink when plan, given what was read, finds it: it becomes the default and the
// streams still on the old default follow, or, when the user asked, every stream on any other sink.
class PulseSearch final : public PulseOperation
{
public:
    PulseSearch(pa_context* context, std::function<RoutingPlan(const ServerSinks& seen)> plan,
                std::function<void(const ServerSinks& seen)> done);

private:
    void WithSinks(const ServerSinks& seen) override;

    std::function<RoutingPlan(const ServerSinks& seen)> plan;
};
