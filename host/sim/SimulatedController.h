// A simulated G20 controller: the payload of every zone of one AC or MF station, answering
// reads and writes as the controller does. Writes are checked by decoding them into a
// scratch zone of the controller's own station (its own module instance, never a host's);
// counters, acknowledgements and the change monitoring follow the controller's rules.
//
// Tests inject a result code for the next requests of a zone, or stop the controller (it
// then answers nothing and the host times out). Thread-safe: each request is handled under
// the controller's lock.
#pragma once

#include "sim/SimMessage.h"

#include <g20seq/support/Object.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace g20seq::host {

class TProtocoleG20;
class TStation;

class TSimulatedController {
public:
    // The station Nom ("GA..." AC, "GM..." MF) with the zones of a new image of that name,
    // or of the image Image when it is not empty.
    explicit TSimulatedController(const std::string& Nom, const std::string& Image = "");
    ~TSimulatedController();
    TSimulatedController(const TSimulatedController&) = delete;
    TSimulatedController& operator=(const TSimulatedController&) = delete;

    const std::string& Nom() const { return FNom; }

    // Answers a read or a write; nothing while stopped or for another kind of message.
    std::optional<TSimMessage> Traiter(const TSimMessage& Requete);

    // What the controller holds for zone (TypeZone, Numero), if it has the zone.
    std::optional<std::vector<std::uint8_t>> Payload(TTypeZones TypeZone, int Numero) const;
    // Sets the payload of a zone it has (tests).
    void SetPayload(TTypeZones TypeZone, int Numero, std::vector<std::uint8_t> Bytes);
    // The next Fois requests for zone (TypeZone, Numero) are answered with Code alone.
    void InjecterErreur(TTypeZones TypeZone, int Numero, TErreurSerie Code, int Fois = 1);
    // A stopped controller answers nothing.
    void Arreter(bool Arrete);
    // Requests answered so far, writes among them.
    int Lectures() const;
    int Ecritures() const;

private:
    using TCle = std::pair<int, int>;
    struct TReponse {
        TErreurSerie Code;
        std::vector<std::uint8_t> Payload;
    };

    void Charger();
    TReponse Lire(const TCle& Zone) const;
    TReponse Ecrire(const TCle& Zone, const std::vector<std::uint8_t>& Octets);
    TReponse EcrireDecodee(const TCle& Zone, const std::vector<std::uint8_t>& Octets);
    TReponse EcrireCompteurs(const TCle& Zone, const std::vector<std::uint8_t>& Octets);
    TReponse Acquitter(const std::vector<std::uint8_t>& Octets);
    bool DecodeDansLaStation(const TCle& Zone, const std::vector<std::uint8_t>& Octets) const;
    std::uint32_t Adresse(const TCle& Zone) const;

    std::string FNom;
    std::unique_ptr<TProtocoleG20> FProtocole;
    std::unique_ptr<TStation> FStation;
    std::map<TCle, std::vector<std::uint8_t>> FZones;
    std::map<TCle, std::pair<TErreurSerie, int>> FErreurs;
    bool FArrete = false;
    int FLectures = 0;
    int FEcritures = 0;
    mutable std::mutex FMutex;
};

} // namespace g20seq::host
