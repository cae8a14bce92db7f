// A station of the studio linked to its controller: the live transfer engine answers the
// station's editor windows from the controller, and a monitor follows the controller's
// signatures and status zones. Requests and notifications travel on two connections, so
// that no notification is lost while a request waits for its answer.
#pragma once

#include "transfer/ControllerPort.h"
#include "transfer/LiveMonitor.h"
#include "transfer/LiveTransfer.h"
#include "transfer/TcpLink.h"

#include <g20seq/interface/CustomEprom.h>
#include <g20seq/interface/ProxyInterface.h>

#include <memory>
#include <string>

namespace g20seq::host {

class TStationConnection {
public:
    // Links Eprom to the controller at Adresse ("HOST:PORT") and installs the live engine
    // as its send callback. Raises EHostIOError when the address is not HOST:PORT or the
    // controller does not answer.
    // Ecouteurs: told each signature received and the faults present (on the monitor's
    // thread).
    TStationConnection(TCustomEprom& Eprom, const std::string& Adresse, IEventLogProxy* Journal,
                       TLiveMonitor::TEcouteurs Ecouteurs = {});
    ~TStationConnection();
    TStationConnection(const TStationConnection&) = delete;
    TStationConnection& operator=(const TStationConnection&) = delete;

    const std::string& Adresse() const { return FAdresse; }
    TControllerPort& Port() { return FPort; }
    TLiveTransfer& Engine() { return FEngine; }
    const TLiveMonitor& Moniteur() const { return *FMoniteur; }
    // The commands of the live views, each prepared by the EPROM (acknowledgements, counter
    // resets, the clock) and written to the controller; each answers the controller's code
    // (the first refusal for a reset of several zones).
    // Every fault present.
    TErreurSerie AcquitterDefauts();
    // Tip dressing done (Rodage) or electrode changed, on electrode Electrode.
    TErreurSerie AcquitterElectrode(bool Rodage, int Electrode);
    // The point and dressing counters of electrode Electrode back to zero.
    TErreurSerie ReinitialiserCompteurs(int Electrode);
    // The controller's clock set to the computer's.
    TErreurSerie MettreAHeure();

private:
    // Writes Zone (a zone of the EPROM or a duplicate) to the controller; an answer with a
    // payload is taken into the EPROM's zone.
    TErreurSerie Envoyer(const TCustomZoneCPS& Zone);
    template <class TPreparation> TErreurSerie Acquitter(const TPreparation& Preparer);

    TCustomEprom& FEprom;
    std::string FAdresse;
    std::unique_ptr<TTcpLink> FRequetes;
    std::unique_ptr<TTcpLink> FEcoute;
    TControllerPort FPort;
    TLiveTransfer FEngine;
    std::unique_ptr<TLiveMonitor> FMoniteur;
};

} // namespace g20seq::host
