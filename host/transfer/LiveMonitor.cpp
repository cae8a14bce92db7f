#include "transfer/LiveMonitor.h"

#include "transfer/QueuedTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/support/ByteArray.h>

#include <algorithm>

namespace g20seq::host {

namespace {

// The status zones read every period.
constexpr TTypeZones ZonesReleves[] = {PrcDiagnostic, PrcDefautsPresents, PrcMouchard,
                                       PrcHorodateur};
// How long the thread waits for a notification before it looks at the clock again.
constexpr std::chrono::milliseconds AttenteMax{100};

} // namespace

TLiveMonitor::TLiveMonitor(TCustomEprom& Eprom, INotificationSource& Notifications,
                           TControllerPort& Port, std::chrono::milliseconds Periode,
                           TEcouteurs Ecouteurs)
    : FEprom(Eprom), FNotifications(Notifications), FPort(Port), FPeriode(Periode),
      FEcouteurs(std::move(Ecouteurs)), FFil() {
    for (const TTypeZones type : ZonesReleves)
        FTenues.emplace_back(&FEprom, type, 0);
    FFil = std::thread([this] { Suivre(); });
}

TLiveMonitor::~TLiveMonitor() {
    FArret = true;
    FFil.join();
}

void TLiveMonitor::Suivre() {
    auto releve = std::chrono::steady_clock::now();
    while (!FArret) {
        if (std::chrono::steady_clock::now() >= releve) {
            Relever();
            releve += FPeriode;
        }
        if (const auto notification = FNotifications.Notification(AttenteMax);
            notification && notification->TypeZone == PrcSignatures)
            Signature(*notification);
    }
}

void TLiveMonitor::Signature(const TSimMessage& Notification) {
    TZoneList signatures;
    FEprom.GetZoneByMapping(static_cast<int>(Notification.Adresse),
                            static_cast<int>(Notification.Payload.size()), &signatures);
    const auto trame = std::make_unique<TByteArray>();
    std::size_t debut = 0;
    for (auto& signature : signatures) {
        const std::size_t taille = signature->GetTailleReceiveZone();
        if (debut + taille > Notification.Payload.size())
            break;
        std::copy_n(Notification.Payload.begin() + static_cast<std::ptrdiff_t>(debut), taille,
                    trame->begin());
        debut += taille;
        if (signature->SerialDecode(*trame, static_cast<int>(taille)) != SerSansErreur) {
            ++FRefusees;
            continue;
        }
        FEprom.AnalyseSignature(signature.get());
        auto copie = FEcouteurs.Signature ? signature->Duplicate() : nullptr;
        FEprom.SetSignature(std::move(signature));
        if (copie != nullptr)
            FEcouteurs.Signature(std::move(copie));
        ++FSignatures;
    }
    DireDefauts();
}

void TLiveMonitor::DireDefauts() {
    if (FEcouteurs.Defauts)
        FEcouteurs.Defauts(DefautsPresents(FEprom));
}

void TLiveMonitor::Relever() {
    for (const TZoneHolder& zone : FTenues) {
        if (!zone)
            continue;
        const TControllerPort::TReponse reponse = FPort.Lire(zone->GetTypeZone(), 0);
        if (reponse.Code == SerSansErreur)
            AdoptAnswer(FEprom, *zone.Get(), reponse.Payload);
    }
    ++FReleves;
    DireDefauts();
    if (FEcouteurs.Etat)
        FEcouteurs.Etat(ReleverEtat(FEprom));
}

} // namespace g20seq::host
