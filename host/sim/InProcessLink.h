// The link to a simulated controller of the same process: each request goes through the
// same framing as over TCP (encoded, then decoded on the other side) and is answered at
// once; a stopped controller answers nothing.
#pragma once

#include "sim/SimulatedController.h"
#include "transfer/ControllerLink.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace g20seq::host {

class TInProcessLink final : public IControllerLink {
public:
    explicit TInProcessLink(TSimulatedController& Controleur) : FControleur(Controleur) {}
    std::optional<TSimMessage> Echanger(const TSimMessage& Requete,
                                        std::chrono::milliseconds Delai) override;

private:
    TSimulatedController& FControleur;
};

// The notifications of a simulated controller of the same process, queued as the
// controller tells them and taken by the host's thread.
class TInProcessNotifications final : public INotificationSource {
public:
    explicit TInProcessNotifications(TSimulatedController& Controleur);
    ~TInProcessNotifications() override;
    std::optional<TSimMessage> Notification(std::chrono::milliseconds Delai) override;

private:
    TSimulatedController& FControleur;
    std::mutex FMutex;
    std::condition_variable FArrivee;
    std::deque<TSimMessage> FFile;
};

} // namespace g20seq::host
