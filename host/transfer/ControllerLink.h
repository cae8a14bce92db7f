// The link between a host and a controller: one request out, its answer back. The
// simulated controller is reached in-process or over TCP on loopback; both carry the same
// messages (sim/SimMessage.h).
#pragma once

#include "sim/SimMessage.h"

#include <chrono>
#include <optional>

namespace g20seq::host {

class IControllerLink {
public:
    virtual ~IControllerLink() = default;
    // Sends Requete and waits up to Delai for the answer of that request; nothing when no
    // answer came in time or the link is down.
    virtual std::optional<TSimMessage> Echanger(const TSimMessage& Requete,
                                                std::chrono::milliseconds Delai) = 0;
};

// Where a host hears what the controller tells on its own (signature records written).
class INotificationSource {
public:
    virtual ~INotificationSource() = default;
    // The next notification, waiting up to Delai; nothing when none came.
    virtual std::optional<TSimMessage> Notification(std::chrono::milliseconds Delai) = 0;
};

} // namespace g20seq::host
