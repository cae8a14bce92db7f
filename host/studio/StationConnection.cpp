#include "studio/StationConnection.h"

#include "SafeSave.h"
#include "transfer/QueuedTransfer.h"

#include <g20seq/interface/ZoneInterfaces.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/support/ByteArray.h>
#include <g20seq/support/StringList.h>

#include <algorithm>

namespace g20seq::host {

TStationConnection::TStationConnection(TCustomEprom& Eprom, const std::string& Adresse,
                                       IEventLogProxy* Journal, TLiveMonitor::TEcouteurs Ecouteurs)
    : FEprom(Eprom), FAdresse(Adresse), FRequetes(TTcpLink::FromText(Adresse)),
      FEcoute(TTcpLink::FromText(Adresse)), FPort(*FRequetes), FEngine(FPort, Journal) {
    const TErreurSerie code = FPort.Lire(PrcIdentification, 0).Code;
    if (code != SerSansErreur)
        throw EHostIOError("no answer from the controller at " + Adresse + " (" +
                           ErreurSerieName(code) + ")");
    // Once the controller answered on the listening connection it tells that connection
    // every signature: no weld after the connection is missed.
    TControllerPort(*FEcoute).Lire(PrcIdentification, 0);
    FMoniteur = std::make_unique<TLiveMonitor>(
        Eprom, *FEcoute, FPort, TLiveMonitor::PeriodeParDefaut, std::move(Ecouteurs));
    FEngine.InstallOn(Eprom);
}

TErreurSerie TStationConnection::Envoyer(const TCustomZoneCPS& Zone) {
    const auto trame = std::make_unique<TByteArray>();
    const int longueur = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
    const auto reponse =
        FPort.Ecrire(Zone.GetTypeZone(), Zone.GetNumeroZone(),
                     std::vector<std::uint8_t>(trame->begin(), trame->begin() + longueur));
    if (reponse.Code == SerSansErreur)
        AdoptAnswer(FEprom, Zone, reponse.Payload); // an empty answer (a command) adopts nothing
    return reponse.Code;
}

template <class TPreparation>
TErreurSerie TStationConnection::Acquitter(const TPreparation& Preparer) {
    const TZoneHolder zone(&FEprom, PrcAcquittements, 0);
    if (!zone)
        return SerErrZoneRead;
    const auto copie = zone->Duplicate();
    void* acquittement = nullptr;
    if (copie->QueryInterface(IAcquittements::IID, &acquittement) != THResult::S_OK)
        return SerErrZoneRead;
    Preparer(*static_cast<IAcquittements*>(acquittement));
    return Envoyer(*copie);
}

TErreurSerie TStationConnection::AcquitterDefauts() {
    constexpr int TousLesDefauts = 255;
    return Acquitter([](IAcquittements& Zone) { Zone.AcquitterDefaut(TousLesDefauts); });
}

TErreurSerie TStationConnection::AcquitterElectrode(bool Rodage, int Electrode) {
    return Acquitter([&](IAcquittements& Zone) { Zone.AcquitterElectrode(Rodage, Electrode); });
}

TErreurSerie TStationConnection::ReinitialiserCompteurs(int Electrode) {
    TStringList zones;
    FEprom.ReinitCU(TReinitCUs{ReinitCompteurs}, Electrode, 0, 0, &zones);
    TErreurSerie code = zones.Count() > 0 ? SerSansErreur : SerErrZoneRead;
    for (int i = 0; i < zones.Count(); ++i) {
        const std::unique_ptr<TCustomZoneCPS> zone(static_cast<TCustomZoneCPS*>(zones.Objects(i)));
        if (code == SerSansErreur)
            code = Envoyer(*zone);
    }
    return code;
}

TErreurSerie TStationConnection::MettreAHeure() {
    const TZoneHolder horloge(&FEprom, PrcHorodateur, 0);
    return horloge ? Envoyer(*horloge->Duplicate()) : SerErrZoneRead;
}

TStationConnection::~TStationConnection() {
    FEngine.WaitIdle();
}

} // namespace g20seq::host
