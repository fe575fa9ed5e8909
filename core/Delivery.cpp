#include "core/Delivery.h"

#include <algorithm>

bool Delivery::Take(const std::vector<std::uint64_t>& tickets, bool written)
{
    if (!written) {
        // The latest failure's time: a transmitter failing for minutes is not stuck at the first one.
        delivered = false;
        failedWriteTime = QTime::currentTime();
        return true;
    }
    const bool latest = std::find(tickets.cbegin(), tickets.cend(), lastTicket) != tickets.cend();
    if (!latest || delivered)
        return false;
    delivered = true;
    return true;
}
