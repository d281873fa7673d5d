#pragma once

#include <QtGlobal>

#include <chrono>

namespace tabulet::net {

// What one sender may cost the listener. Tests shorten the waits.
struct ListenerLimits
{
    std::chrono::milliseconds idleTimeout{30000};   // no byte for this long: the transfer is dropped
    std::chrono::milliseconds headerTimeout{30000}; // the whole header must have come by then
    // The body must come at least this fast on average (after one idle limit's grace), so that a
    // sender trickling a byte now and then cannot hold a transfer for ever.
    qint64 minimumBodyRate = 16 * 1024; // bytes per second
    int maxTransfers = 4;               // senders served at the same time
    qint64 maxFileLength = qint64{256} << 20;
    qint64 freeSpaceReserve = qint64{64} << 20; // left free in the temporary folder
    std::chrono::milliseconds relistenDelay{5000}; // before trying again to open a busy port
};

} // namespace tabulet::net
