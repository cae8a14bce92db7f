// The link to a simulated controller of the same process: each request goes through the
// same framing as over TCP (encoded, then decoded on the other side) and is answered at
// once; a stopped controller answers nothing.
#pragma once

#include "sim/SimulatedController.h"
#include "transfer/ControllerLink.h"

namespace g20seq::host {

class TInProcessLink final : public IControllerLink {
public:
    explicit TInProcessLink(TSimulatedController& Controleur) : FControleur(Controleur) {}
    std::optional<TSimMessage> Echanger(const TSimMessage& Requete,
                                        std::chrono::milliseconds Delai) override;

private:
    TSimulatedController& FControleur;
};

} // namespace g20seq::host
