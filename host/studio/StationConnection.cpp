#include "studio/StationConnection.h"

#include "SafeSave.h"

namespace g20seq::host {

TStationConnection::TStationConnection(TCustomEprom& Eprom, const std::string& Adresse,
                                       IEventLogProxy* Journal, TLiveMonitor::TEcouteur Signatures)
    : FAdresse(Adresse), FRequetes(TTcpLink::FromText(Adresse)),
      FEcoute(TTcpLink::FromText(Adresse)), FPort(*FRequetes), FEngine(FPort, Journal) {
    const TErreurSerie code = FPort.Lire(PrcIdentification, 0).Code;
    if (code != SerSansErreur)
        throw EHostIOError("no answer from the controller at " + Adresse + " (" +
                           ErreurSerieName(code) + ")");
    FEcoute->Notification(std::chrono::milliseconds(0)); // connected from now on
    FMoniteur = std::make_unique<TLiveMonitor>(
        Eprom, *FEcoute, FPort, TLiveMonitor::PeriodeParDefaut, std::move(Signatures));
    FEngine.InstallOn(Eprom);
}

TStationConnection::~TStationConnection() {
    FEngine.WaitIdle();
}

} // namespace g20seq::host
