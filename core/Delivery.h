#pragma once

#include <cstdint>
#include <QTime>
#include <vector>

// Whether the transmitter took the state as it stands, from the device writer's word on the reports it
// was handed: false from a report it did not take until the latest report is written.
class Delivery
{
public:
    bool Delivered() const { return delivered; }
    // When a write last failed (local time).
    QTime FailedWriteTime() const { return failedWriteTime; }
    // The ticket of the last report handed to the device writer, 0 before any.
    std::uint64_t LastTicket() const { return lastTicket; }

    void Sent(std::uint64_t ticket) { lastTicket = ticket; }
    // Nothing is owed to a transmitter that went: the next one is told everything.
    void Forget() { delivered = true; }
    // The writer wrote, or failed, these tickets. True when Delivered() or FailedWriteTime() changed.
    bool Take(const std::vector<std::uint64_t>& tickets, bool written);

private:
    std::uint64_t lastTicket = 0;
    bool delivered = true;
    QTime failedWriteTime;
};
