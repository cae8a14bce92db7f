#include "transfer/LiveTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>

#include <algorithm>

namespace g20seq::host {

namespace {

constexpr int NiveauAnomalie = 2; // the event log's level of an anomaly

} // namespace

std::unique_ptr<TCustomZoneCPS> TLiveTransfer::Repondre(TCustomEprom& Eprom,
                                                        const TCustomZoneCPS& Zone) {
    const auto trame = std::make_unique<TByteArray>();
    const int longueur = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
    const TControllerPort::TReponse reponse =
        FPort.Ecrire(Zone.GetTypeZone(), Zone.GetNumeroZone(),
                     std::span(trame->data(), static_cast<std::size_t>(std::max(longueur, 0))));
    if (reponse.Code != SerSansErreur) {
        if (FJournal != nullptr)
            FJournal->AddLog(nullptr, "TLiveTransfer.Repondre", ErreurSerieName(reponse.Code),
                             Zone.ZoneLabel(), NiveauAnomalie, "Kevnet");
        return nullptr;
    }
    if (reponse.Payload.empty())
        return Zone.Duplicate(); // a command: the controller took it
    return AdoptAnswer(Eprom, Zone, reponse.Payload);
}

} // namespace g20seq::host
