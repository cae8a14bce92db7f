// The link to a controller over TCP: connects on first use and again after the link was
// lost or a request timed out (a late answer would otherwise be taken for the next one).
// A host uses one link for its requests and another for the notifications: requests skip
// the notifications that come meanwhile.
#pragma once

#include "sim/FrameSocket.h"
#include "transfer/ControllerLink.h"

#include <cstdint>
#include <memory>
#include <string>

namespace g20seq::host {

class TTcpLink final : public IControllerLink, public INotificationSource {
public:
    // Hote: a numeric IPv4 address or a host name.
    TTcpLink(std::string Hote, std::uint16_t Port);
    // "HOST:PORT"; raises EHostIOError for another text.
    static std::unique_ptr<TTcpLink> FromText(const std::string& Adresse);

    std::optional<TSimMessage> Echanger(const TSimMessage& Requete,
                                        std::chrono::milliseconds Delai) override;
    // The controller's next notification, waiting up to Delai (connecting first when
    // needed); nothing when none came or the link is down.
    std::optional<TSimMessage> Notification(std::chrono::milliseconds Delai) override;

private:
    bool Connecter();

    std::string FHote;
    std::uint16_t FPort;
    std::unique_ptr<TFrameSocket> FSocket;
};

} // namespace g20seq::host
