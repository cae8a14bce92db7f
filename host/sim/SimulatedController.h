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
#include "sim/StatusPayloads.h"

#include <g20seq/support/Object.h>

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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
    // The next accepted write of a zone of TypeZone is changed by Alteration before the
    // controller stores it and answers it, as a controller that corrects a value does; the
    // changed bytes must still decode.
    void AltererEcriture(TTypeZones TypeZone,
                         std::function<void(std::vector<std::uint8_t>&)> Alteration);
    // A stopped controller answers nothing.
    void Arreter(bool Arrete);
    // Requests answered so far, writes among them.
    int Lectures() const;
    int Ecritures() const;

    // How the controller welds: the programs it cycles through, the share of welds that
    // raise a fault (0..1), and the seed of its choices.
    struct TReglageSoudure {
        std::vector<int> Programmes{0};
        double TauxDefauts = 0;
        std::uint32_t Graine = 1;
    };
    void SetReglageSoudure(TReglageSoudure Reglage);
    // Told every notification (a signature record written), on the welding thread, outside
    // the controller's lock.
    void SetEcouteur(std::function<void(const TSimMessage&)> Ecouteur);
    // One weld now: the program's electrode counts one point more (and changes step, raises
    // the end-of-life flags), a fault may be raised, the weld total and the clock move on,
    // and the signature record is written and notified.
    void Souder();
    // Welds ParSeconde times a second on a thread of its own, until ArreterSoudures.
    void DemarrerSoudures(double ParSeconde);
    void ArreterSoudures();
    std::uint32_t Soudures() const;
    // Welds that raised a fault (their signatures are fault signatures).
    std::uint32_t SouduresEnDefaut() const;

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
    // The weld's electrode counts one point more; answers its signature's electrode part.
    void Compter(TStatusPayloads::TSoudure& Soudure);
    int ElectrodeDuProgramme(int Programme) const;
    std::uint32_t Aleatoire();

    std::string FNom;
    std::unique_ptr<TProtocoleG20> FProtocole;
    std::unique_ptr<TStation> FStation;
    std::map<TCle, std::vector<std::uint8_t>> FZones;
    std::map<TCle, std::pair<TErreurSerie, int>> FErreurs;
    std::map<int, std::function<void(std::vector<std::uint8_t>&)>> FAlterations;
    bool FArrete = false;
    int FLectures = 0;
    int FEcritures = 0;
    TReglageSoudure FReglage;
    std::uint32_t FAlea = 1;
    std::uint32_t FSoudures = 0;
    std::uint32_t FSouduresEnDefaut = 0;
    std::function<void(const TSimMessage&)> FEcouteur;
    mutable std::mutex FMutex;
    std::thread FSoudeur;
    std::condition_variable FArretSoudures;
    bool FSouder = false;
};

} // namespace g20seq::host
