// Reads and writes zones of a controller through a link, one request at a time: each
// request gets a new id, an answer of another request is not taken for it, and a request
// left unanswered or answered "not ready" is sent again, up to Essais times in all, before
// the port answers SerTimeOut (or the last "not ready"). Retries never reorder requests:
// the next request leaves only once this one is settled.
#pragma once

#include "transfer/ControllerLink.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace g20seq::host {

class TControllerPort {
public:
    struct TReponse {
        TErreurSerie Code = SerTimeOut;
        std::vector<std::uint8_t> Payload;
    };

    static constexpr int EssaisParDefaut = 3;
    static constexpr std::chrono::milliseconds DelaiParDefaut{1000};

    explicit TControllerPort(IControllerLink& Link, int Essais = EssaisParDefaut,
                             std::chrono::milliseconds Delai = DelaiParDefaut);

    TReponse Lire(TTypeZones TypeZone, int Numero);
    TReponse Ecrire(TTypeZones TypeZone, int Numero, std::span<const std::uint8_t> Octets);

private:
    TReponse Echanger(TSimMessage Requete);

    IControllerLink& FLink;
    int FEssais;
    std::chrono::milliseconds FDelai;
    std::uint32_t FRequete = 0;
    std::mutex FMutex;
};

} // namespace g20seq::host
