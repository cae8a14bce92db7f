#include "studio/StationConnection.h"

#include "SafeSave.h"

namespace g20seq::host {

TStationConnection::TStationConnection(TCustomEprom& Eprom, const std::string& Adresse,
                                       IEventLogProxy* Journal, TLiveMonitor::TEcouteurs Ecouteurs)
    : FAdresse(Adresse), FRequetes(TTcpLink::FromText(Adresse)),
      FEcoute(TTcpLink::FromText(Adresse)), FPort(*FRequetes), FEngine(FPort, Journal) {
    const TErreurSerie code = FPort.Lire(PrcIdentification, 0).Code;
    if (code != SerSansErreur)
        throw EHostIOError("no answer from the controller at " + Adresse + " (" +
                           ErreurSerieName(code) + ")");
    FEcoute->Notification(std::chrono::milliseconds(0)); // connected from now on
    FMoniteur = std::make_unique<TLiveMonitor>(
        Eprom, *FEcoute, FPort, TLiveMonitor::PeriodeParDefaut, std::move(Ecouteurs));
    FEngine.InstallOn(Eprom);
}

// The acknowledgement command: type 1 (faults), number 255 (all of them).
TErreurSerie TStationConnection::AcquitterDefauts() {
    constexpr std::uint8_t TousLesDefauts[] = {1, 255};
    return FPort.Ecrire(PrcAcquittements, 0, TousLesDefauts).Code;
}

TStationConnection::~TStationConnection() {
    FEngine.WaitIdle();
}

} // namespace g20seq::host
