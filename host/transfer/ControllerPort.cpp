#include "transfer/ControllerPort.h"

#include <thread>

namespace g20seq::host {

namespace {

// Pause before a request the controller was not ready for is sent again.
constexpr std::chrono::milliseconds PauseNonPret{20};

} // namespace

TControllerPort::TControllerPort(IControllerLink& Link, int Essais, std::chrono::milliseconds Delai)
    : FLink(Link), FEssais(std::max(Essais, 1)), FDelai(Delai) {}

TControllerPort::TReponse TControllerPort::Lire(TTypeZones TypeZone, int Numero) {
    TSimMessage requete;
    requete.Kind = TSimKind::Read;
    requete.TypeZone = TypeZone;
    requete.Numero = static_cast<std::uint16_t>(Numero);
    return Echanger(std::move(requete));
}

TControllerPort::TReponse TControllerPort::Ecrire(TTypeZones TypeZone, int Numero,
                                                  std::span<const std::uint8_t> Octets) {
    TSimMessage requete;
    requete.Kind = TSimKind::Write;
    requete.TypeZone = TypeZone;
    requete.Numero = static_cast<std::uint16_t>(Numero);
    requete.Payload.assign(Octets.begin(), Octets.end());
    return Echanger(std::move(requete));
}

TControllerPort::TReponse TControllerPort::Echanger(TSimMessage Requete) {
    const std::lock_guard lock(FMutex);
    TReponse reponse;
    for (int essai = 0; essai < FEssais; ++essai) {
        Requete.Requete = ++FRequete;
        const auto answer = FLink.Echanger(Requete, FDelai);
        if (!answer || answer->Requete != Requete.Requete || answer->Kind != TSimKind::Answer ||
            answer->TypeZone != Requete.TypeZone || answer->Numero != Requete.Numero) {
            reponse = {SerTimeOut, {}};
            continue;
        }
        reponse = {answer->Code, answer->Payload};
        if (answer->Code != SerErrCoffretNonPret)
            return reponse;
        std::this_thread::sleep_for(PauseNonPret);
    }
    return reponse;
}

} // namespace g20seq::host
