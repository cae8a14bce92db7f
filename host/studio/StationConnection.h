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
    // Acknowledges every fault present on the controller; answers the controller's code.
    TErreurSerie AcquitterDefauts();

private:
    std::string FAdresse;
    std::unique_ptr<TTcpLink> FRequetes;
    std::unique_ptr<TTcpLink> FEcoute;
    TControllerPort FPort;
    TLiveTransfer FEngine;
    std::unique_ptr<TLiveMonitor> FMoniteur;
};

} // namespace g20seq::host
