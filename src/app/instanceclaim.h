#pragma once

#include "app/instancehandover.h"

#include <functional>

namespace tabulet::app {

// One running copy per user: the first start claims the instance, a later start hands its command
// line over and ends.
class InstanceClaim
{
public:
    using Receiver = std::function<void(const Handover &handover)>;

    virtual ~InstanceClaim() = default;

    // True in the first copy, which from now on passes every handover to the receiver on the main
    // thread; false in a later copy once the running copy has taken its handover.
    virtual bool claim(Receiver receiver) = 0;

    // True once a claim found the instance name held by another user: this copy runs without it,
    // and later starts cannot reach it.
    virtual bool nameHeldByOtherUser() const { return false; }

    // Stops taking handovers: a first copy that may not run after all must not answer later
    // starts, or they would end without anything shown.
    virtual void withdraw() {}
};

} // namespace tabulet::app
