#include "transfer/ImageTransfer.h"

#include "transfer/QueuedTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>

#include <algorithm>

namespace g20seq::host {

namespace {

// Runs Action on every zone of the transfer list of direction Sens until one is refused.
TBilanImage Parcourir(TCustomEprom& Eprom, bool Sens, const TProgressionImage& Progression,
                      const std::function<TErreurSerie(const TCustomZoneCPS&)>& Action) {
    TZoneQueue zones;
    Eprom.GetZonesTransfert(&zones, Sens);
    TBilanImage bilan;
    bilan.Total = static_cast<int>(zones.size());
    for (const auto& zone : zones) {
        bilan.Code = Action(*zone);
        if (!bilan.Reussi()) {
            bilan.Zone = zone->ZoneLabel();
            break;
        }
        ++bilan.Zones;
        if (Progression)
            Progression(bilan.Zones, bilan.Total);
    }
    return bilan;
}

} // namespace

TBilanImage EnvoyerImage(TCustomEprom& Eprom, TControllerPort& Port,
                         const TProgressionImage& Progression) {
    const auto trame = std::make_unique<TByteArray>();
    return Parcourir(Eprom, true, Progression, [&](const TCustomZoneCPS& Zone) {
        const int longueur = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
        return Port
            .Ecrire(Zone.GetTypeZone(), Zone.GetNumeroZone(),
                    std::span(trame->data(), static_cast<std::size_t>(std::max(longueur, 0))))
            .Code;
    });
}

TBilanImage RecevoirImage(TCustomEprom& Eprom, TControllerPort& Port,
                          const TProgressionImage& Progression) {
    return Parcourir(Eprom, false, Progression, [&](const TCustomZoneCPS& Zone) {
        const TControllerPort::TReponse reponse =
            Port.Lire(Zone.GetTypeZone(), Zone.GetNumeroZone());
        if (reponse.Code != SerSansErreur)
            return reponse.Code;
        if (reponse.Payload.size() > std::size_t{MaxBuffer})
            return SerErrNbrOctetsRead;
        return AdoptAnswer(Eprom, Zone, reponse.Payload) != nullptr ? SerSansErreur : SerErrDonnees;
    });
}

} // namespace g20seq::host
