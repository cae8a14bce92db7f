#include "sim/SimulatedController.h"

#include "Station.h"
#include "protocol/ProtocoleG20.h"
#include "protocol/TableG20.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/interface/ZoneInterfaces.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>
#include <g20seq/support/ByteArray.h>
#include <g20seq/zones/ProgrammeFields.h>

#include <algorithm>

namespace g20seq::host {

namespace {

// How the controller takes a write, by zone type; other types refuse writes.
enum class TRegle : std::uint8_t {
    Decodee,      // decoded into a scratch zone, stored and echoed
    Compteurs,    // the 9 written bytes merged into the 12 held
    Acquittement, // a command on faults, electrodes and cutters; no payload back
    Surveillance, // the change monitoring flag, stored; no payload back
};

struct TEcriture {
    TTypeZones TypeZone;
    TRegle Regle;
};

constexpr TEcriture Ecritures[] = {
    {PrcConfiguration, TRegle::Decodee},
    {PrcElectrodes, TRegle::Decodee},
    {PrcProgrammes, TRegle::Decodee},
    {PrcAssignationPoint, TRegle::Decodee},
    {PrcFraise, TRegle::Decodee},
    {PrcApprentissage, TRegle::Decodee},
    {PrcHorodateur, TRegle::Decodee},
    {PrcSignaturesPerdues, TRegle::Decodee},
    {PrcCompteurFraise, TRegle::Decodee},
    {PrcCompteurs, TRegle::Compteurs},
    {PrcAcquittements, TRegle::Acquittement},
    {PrcSignalisationModification, TRegle::Surveillance},
};

const TEcriture* RegleEcriture(int TypeZone) {
    const auto regle = std::find_if(std::begin(Ecritures), std::end(Ecritures),
                                    [&](const TEcriture& e) { return e.TypeZone == TypeZone; });
    return regle == std::end(Ecritures) ? nullptr : regle;
}

// Acknowledgement types (first byte of the 2 written).
enum TAcquittement : std::uint8_t {
    AcqDefaut = 1,
    AcqRodage = 2,
    AcqChangement = 3,
    AcqRepetition = 4,
    AcqSansRepetition = 5,
    AcqFraise = 7,
};
constexpr std::uint8_t TousLesDefauts = 255;

// Bytes of the 12 held for an electrode's counters.
constexpr int OctetRodages = 2;                   // dressings done, 2 bytes
constexpr int OctetDemandes = 8;                  // request and state flags
constexpr int OctetPalier = 9;                    // current step
constexpr std::uint8_t DemandesEcrites = 0x03;    // the two a host writes
constexpr std::uint8_t DemandesRodage = 0x07;     // new, inter-step, end of compensation
constexpr std::uint8_t DemandesChangement = 0x1F; // and change, end of life

} // namespace

TSimulatedController::TSimulatedController(const std::string& Nom, const std::string& Image)
    : FNom(Nom), FProtocole(std::make_unique<TProtocoleG20>()) {
    FStation = Image.empty() ? std::make_unique<TStation>(Nom, FProtocole.get())
                             : TStation::Open(Image, false, FProtocole.get());
    Charger();
}

TSimulatedController::~TSimulatedController() {
    ArreterSoudures();
}

// Every zone the controller has: in-file zones as a new image or the image gives them
// (counters in their 12-byte form), status zones zeroed until the controller writes them.
void TSimulatedController::Charger() {
    TCustomEprom& eprom = FStation->Eprom();
    const auto trame = std::make_unique<TByteArray>();
    for (const TZoneProtocoleRow& row : G20Zones) {
        for (int numero = 0; numero < std::max(row.Zones, 1); ++numero) {
            const TZoneHolder zone(&eprom, row.TypeZone, numero);
            if (!zone)
                continue;
            const int taille = zone->GetTailleReceiveZone();
            trame->fill(0);
            int longueur = 0;
            try {
                longueur = row.TypeZone == PrcCompteurs ? zone->FileEncode(*trame, 0, taille)
                                                        : zone->SerialEncode(*trame, 0, taille);
            } catch (const std::exception&) {
                longueur = 0; // a zone the controller never sends back: zeroed
            }
            if (longueur != taille)
                trame->fill(0);
            FZones[{row.TypeZone, numero}].assign(trame->begin(), trame->begin() + taille);
        }
    }
    const auto maintenant = std::chrono::system_clock::now();
    const std::pair<TTypeZones, TOctets> etats[] = {
        {PrcIdentification, TStatusPayloads::Identification()},
        {PrcHorodateur, TStatusPayloads::DateHeure(maintenant)},
        {PrcMouchard, TStatusPayloads::Mouchard({0, 0, maintenant})},
    };
    for (const auto& [type, octets] : etats)
        if (auto held = FZones.find({type, 0});
            held != FZones.end() && held->second.size() == octets.size())
            held->second = octets;
}

std::optional<TSimMessage> TSimulatedController::Traiter(const TSimMessage& Requete) {
    const std::lock_guard lock(FMutex);
    if (FArrete || (Requete.Kind != TSimKind::Read && Requete.Kind != TSimKind::Write))
        return std::nullopt;
    const TCle zone{Requete.TypeZone, Requete.Numero};
    TReponse reponse{SerSansErreur, {}};
    if (auto erreur = FErreurs.find(zone); erreur != FErreurs.end()) {
        reponse.Code = erreur->second.first;
        if (--erreur->second.second <= 0)
            FErreurs.erase(erreur);
    } else if (Requete.Kind == TSimKind::Read) {
        reponse = Lire(zone);
        ++FLectures;
    } else {
        reponse = Ecrire(zone, Requete.Payload);
        ++FEcritures;
    }
    TSimMessage answer{Requete.Requete, TSimKind::Answer, Requete.TypeZone,          Requete.Numero,
                       reponse.Code,    Adresse(zone),    std::move(reponse.Payload)};
    return answer;
}

TSimulatedController::TReponse TSimulatedController::Lire(const TCle& Zone) const {
    const auto held = FZones.find(Zone);
    if (held == FZones.end())
        return {SerErrCoffretAdresse, {}};
    return {SerSansErreur, held->second};
}

TSimulatedController::TReponse
TSimulatedController::Ecrire(const TCle& Zone, const std::vector<std::uint8_t>& Octets) {
    const TZoneHolder zone(&FStation->Eprom(), static_cast<TTypeZones>(Zone.first), Zone.second);
    if (!zone)
        return {SerErrCoffretAdresse, {}};
    const TEcriture* regle = RegleEcriture(Zone.first);
    if (regle == nullptr)
        return {SerErrRequeteInterdite, {}};
    if (static_cast<int>(Octets.size()) != zone->GetTailleSendZone())
        return {SerErrNbrOctetsWrite, {}};
    switch (regle->Regle) {
    case TRegle::Decodee:
        return EcrireDecodee(Zone, Octets);
    case TRegle::Compteurs:
        return EcrireCompteurs(Zone, Octets);
    case TRegle::Acquittement:
        return Acquitter(Octets);
    case TRegle::Surveillance:
        FZones[Zone] = Octets;
        return {SerSansErreur, {}};
    }
    return {SerErrRequeteInterdite, {}};
}

bool TSimulatedController::DecodeDansLaStation(const TCle& Zone,
                                               const std::vector<std::uint8_t>& Octets) const {
    const TZoneHolder zone(&FStation->Eprom(), static_cast<TTypeZones>(Zone.first), Zone.second);
    if (!zone || Octets.size() > TByteArray().size())
        return false;
    const auto trame = std::make_unique<TByteArray>();
    std::copy(Octets.begin(), Octets.end(), trame->begin());
    try {
        const auto essai = zone->CreateSameZone();
        return essai->SerialDecode(*trame, static_cast<int>(Octets.size())) == SerSansErreur;
    } catch (const std::exception&) {
        return false;
    }
}

TSimulatedController::TReponse
TSimulatedController::EcrireDecodee(const TCle& Zone, const std::vector<std::uint8_t>& Octets) {
    std::vector<std::uint8_t> gardes = Octets;
    if (const auto alteration = FAlterations.find(Zone.first); alteration != FAlterations.end()) {
        alteration->second(gardes);
        FAlterations.erase(alteration);
    }
    if (!DecodeDansLaStation(Zone, gardes))
        return {SerErrCoffretDonnees, {}};
    FZones[Zone] = gardes;
    return {SerSansErreur, std::move(gardes)};
}

void TSimulatedController::AltererEcriture(
    TTypeZones TypeZone, std::function<void(std::vector<std::uint8_t>&)> Alteration) {
    const std::lock_guard lock(FMutex);
    FAlterations[TypeZone] = std::move(Alteration);
}

// The host writes the four counters and two requests: the step, the end-of-life value and
// the other flags stay the controller's.
TSimulatedController::TReponse
TSimulatedController::EcrireCompteurs(const TCle& Zone, const std::vector<std::uint8_t>& Octets) {
    std::vector<std::uint8_t> fusion = FZones.at(Zone);
    std::copy(Octets.begin(), Octets.begin() + OctetDemandes, fusion.begin());
    fusion[OctetDemandes] = static_cast<std::uint8_t>((fusion[OctetDemandes] & ~DemandesEcrites) |
                                                      (Octets[OctetDemandes] & DemandesEcrites));
    if (!DecodeDansLaStation(Zone, fusion))
        return {SerErrCoffretDonnees, {}};
    FZones[Zone] = fusion;
    return {SerSansErreur, std::move(fusion)};
}

TSimulatedController::TReponse
TSimulatedController::Acquitter(const std::vector<std::uint8_t>& Octets) {
    const std::uint8_t numero = Octets[1];
    const auto zone = [&](TTypeZones TypeZone) -> std::vector<std::uint8_t>* {
        const auto held = FZones.find({TypeZone, numero});
        return held == FZones.end() ? nullptr : &held->second;
    };
    switch (Octets[0]) {
    case AcqDefaut: {
        const auto present = FZones.find({PrcDefautsPresents, 0});
        if (present == FZones.end())
            return {SerErrCoffretDonnees, {}};
        std::vector<std::uint8_t>& defauts = present->second;
        if (numero == TousLesDefauts)
            std::fill(defauts.begin(), defauts.end(), 0);
        else if (numero / 8u < defauts.size())
            defauts[numero / 8] &= static_cast<std::uint8_t>(~(1u << (numero % 8)));
        return {SerSansErreur, {}};
    }
    case AcqRodage:
    case AcqChangement: {
        std::vector<std::uint8_t>* compteurs = zone(PrcCompteurs);
        if (compteurs == nullptr)
            return {SerErrCoffretDonnees, {}};
        std::vector<std::uint8_t>& c = *compteurs;
        if (Octets[0] == AcqRodage) {
            const int rodages = ((c[OctetRodages] << 8) | c[OctetRodages + 1]) + 1;
            c[OctetRodages] = static_cast<std::uint8_t>(rodages >> 8);
            c[OctetRodages + 1] = static_cast<std::uint8_t>(rodages);
            c[OctetDemandes] &= static_cast<std::uint8_t>(~DemandesRodage);
        } else {
            std::fill(c.begin(), c.begin() + OctetDemandes, 0);
            c[OctetDemandes] &= static_cast<std::uint8_t>(~DemandesChangement);
            c[OctetPalier] = 1;
        }
        return {SerSansErreur, {}};
    }
    case AcqRepetition:
    case AcqSansRepetition:
        return {SerSansErreur, {}};
    case AcqFraise: {
        std::vector<std::uint8_t>* fraise = zone(PrcCompteurFraise);
        if (fraise == nullptr)
            return {SerErrCoffretDonnees, {}};
        std::fill(fraise->begin(), fraise->end(), 0);
        return {SerSansErreur, {}};
    }
    default:
        return {SerErrCoffretDonnees, {}};
    }
}

std::uint32_t TSimulatedController::Adresse(const TCle& Zone) const {
    IZoneProtocole* ligne =
        FProtocole->PourStation(FNom).GetZoneProtocole(static_cast<TTypeZones>(Zone.first));
    return ligne == nullptr ? 0
                            : ligne->GetAdresse() + static_cast<std::uint32_t>(Zone.second) *
                                                        ligne->GetTailleReceiveZone();
}

std::optional<std::vector<std::uint8_t>> TSimulatedController::Payload(TTypeZones TypeZone,
                                                                       int Numero) const {
    const std::lock_guard lock(FMutex);
    const auto held = FZones.find({TypeZone, Numero});
    if (held == FZones.end())
        return std::nullopt;
    return held->second;
}

void TSimulatedController::SetPayload(TTypeZones TypeZone, int Numero,
                                      std::vector<std::uint8_t> Bytes) {
    const std::lock_guard lock(FMutex);
    if (auto held = FZones.find({TypeZone, Numero}); held != FZones.end())
        held->second = std::move(Bytes);
}

void TSimulatedController::InjecterErreur(TTypeZones TypeZone, int Numero, TErreurSerie Code,
                                          int Fois) {
    const std::lock_guard lock(FMutex);
    FErreurs[{TypeZone, Numero}] = {Code, Fois};
}

void TSimulatedController::Arreter(bool Arrete) {
    const std::lock_guard lock(FMutex);
    FArrete = Arrete;
}

int TSimulatedController::Lectures() const {
    const std::lock_guard lock(FMutex);
    return FLectures;
}

int TSimulatedController::Ecritures() const {
    const std::lock_guard lock(FMutex);
    return FEcritures;
}

// ---------------------------------------------------------------------------------------
// Welding

namespace {

// Faults a weld may raise: current too low, electrode end of life, lost signature.
constexpr int DefautsPossibles[] = {8, 10, 17};
constexpr std::uint8_t BitFinDeVie = 0x10;
constexpr std::uint8_t BitChangement = 0x08;
constexpr int OctetFinDeVie = 10; // end-of-life value, 2 bytes

std::uint16_t Mot(const TOctets& Octets, int Offset) {
    return static_cast<std::uint16_t>((Octets[Offset] << 8) | Octets[Offset + 1]);
}

void SetMot(TOctets& Octets, int Offset, std::uint32_t Valeur) {
    Octets[Offset] = static_cast<std::uint8_t>(Valeur >> 8);
    Octets[Offset + 1] = static_cast<std::uint8_t>(Valeur);
}

} // namespace

void TSimulatedController::SetReglageSoudure(TReglageSoudure Reglage) {
    const std::lock_guard lock(FMutex);
    if (Reglage.Programmes.empty())
        Reglage.Programmes = {0};
    FAlea = Reglage.Graine;
    FReglage = std::move(Reglage);
}

void TSimulatedController::SetEcouteur(std::function<void(const TSimMessage&)> Ecouteur) {
    const std::lock_guard lock(FMutex);
    FEcouteur = std::move(Ecouteur);
}

std::uint32_t TSimulatedController::Aleatoire() {
    FAlea = FAlea * 1103515245u + 12345u;
    return FAlea >> 8;
}

int TSimulatedController::ElectrodeDuProgramme(int Programme) const {
    const auto held = FZones.find({PrcProgrammes, Programme});
    const TZoneHolder zone(&FStation->Eprom(), PrcProgrammes, Programme);
    if (held == FZones.end() || !zone)
        return 0;
    const auto trame = std::make_unique<TByteArray>();
    std::copy(held->second.begin(), held->second.end(), trame->begin());
    const auto programme = zone->CreateSameZone();
    if (programme->SerialDecode(*trame, static_cast<int>(held->second.size())) != SerSansErreur)
        return 0;
    const auto* champ = programme->GetFieldByID(ChampsProgramme::IDNumeroElectrode.ID());
    return champ != nullptr ? champ->GetAsInteger() : 0;
}

// The counters move along the electrode's steps (each step's point count is where it ends);
// past the last step's count minus the alarm the change is asked, past it the electrode is
// at its end of life.
void TSimulatedController::Compter(TStatusPayloads::TSoudure& Soudure) {
    const auto held = FZones.find({PrcCompteurs, Soudure.Electrode});
    const TZoneHolder electrode(&FStation->Eprom(), PrcElectrodes, Soudure.Electrode);
    void* interface = nullptr;
    if (held == FZones.end() || !electrode ||
        electrode->QueryInterface(IElectrode::IID, &interface) != THResult::S_OK)
        return;
    const auto& pas = *static_cast<IElectrode*>(interface);
    TOctets& c = held->second;
    const std::uint16_t points = static_cast<std::uint16_t>(Mot(c, 0) + 1);
    SetMot(c, 0, points);
    SetMot(c, 4, Mot(c, 4) + 1);
    SetMot(c, 6, Mot(c, 6) + 1);
    int palier = std::clamp<int>(c[OctetPalier], 1, pas.GetNombrePaliers());
    while (palier < pas.GetNombrePaliers() && points > pas.GetPalier(palier - 1) &&
           pas.GetPalier(palier) > pas.GetPalier(palier - 1))
        ++palier;
    c[OctetPalier] = static_cast<std::uint8_t>(palier);
    const int finDeVie = pas.GetPalier(palier - 1);
    SetMot(c, OctetFinDeVie, static_cast<std::uint32_t>(finDeVie));
    if (finDeVie > 0 && points >= finDeVie - pas.GetAlarme())
        c[OctetDemandes] |= BitChangement;
    if (finDeVie > 0 && points >= finDeVie)
        c[OctetDemandes] |= BitFinDeVie;
    Soudure.Palier = palier;
    Soudure.EtatElectrode = static_cast<std::uint8_t>(c[OctetDemandes] & 0x9F);
    Soudure.CompteurPoints = points;
    Soudure.CompteurRodages = Mot(c, OctetRodages);
    Soudure.CompteurPointsInterPalier = Mot(c, 4);
    Soudure.CompteurPointsAbsolu = Mot(c, 6);
}

void TSimulatedController::Souder() {
    TSimMessage notification;
    std::function<void(const TSimMessage&)> ecouteur;
    {
        const std::lock_guard lock(FMutex);
        const auto maintenant = std::chrono::system_clock::now();
        TStatusPayloads::TSoudure soudure;
        soudure.Instant = maintenant;
        soudure.Programme = FReglage.Programmes[FSoudures % FReglage.Programmes.size()];
        soudure.Electrode = ElectrodeDuProgramme(soudure.Programme);
        soudure.Intensite = static_cast<std::uint16_t>(9000 + Aleatoire() % 2000);
        soudure.PourcentEquivalent = static_cast<std::uint16_t>(400 + Aleatoire() % 300);
        soudure.Effort = 350;
        soudure.TempsAccostage = 120;
        Compter(soudure);
        if (FReglage.TauxDefauts > 0 && (Aleatoire() % 10000) < FReglage.TauxDefauts * 10000) {
            soudure.NumeroDefaut = DefautsPossibles[Aleatoire() % std::size(DefautsPossibles)];
            ++FSouduresEnDefaut;
            if (auto present = FZones.find({PrcDefautsPresents, 0}); present != FZones.end())
                present->second[soudure.NumeroDefaut / 8] |=
                    static_cast<std::uint8_t>(1u << (soudure.NumeroDefaut % 8));
        }
        ++FSoudures;
        const std::pair<TTypeZones, TOctets> etats[] = {
            {PrcHorodateur, TStatusPayloads::DateHeure(maintenant)},
            {PrcMouchard, TStatusPayloads::Mouchard({FSoudures, 0, maintenant})},
            {PrcSignatures,
             TStatusPayloads::Signature(soudure, VarianteOfName(FNom) == TVariante::MF)},
        };
        for (const auto& [type, octets] : etats)
            FZones[{type, 0}] = octets;
        notification = {0,
                        TSimKind::Notification,
                        PrcSignatures,
                        0,
                        SerSansErreur,
                        Adresse({PrcSignatures, 0}),
                        FZones[{PrcSignatures, 0}]};
        ecouteur = FEcouteur;
    }
    if (ecouteur)
        ecouteur(notification);
}

void TSimulatedController::DemarrerSoudures(double ParSeconde) {
    ArreterSoudures();
    const auto periode = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / std::max(ParSeconde, 0.01)));
    {
        const std::lock_guard lock(FMutex);
        FSouder = true;
    }
    FSoudeur = std::thread([this, periode] {
        auto prochaine = std::chrono::steady_clock::now();
        for (;;) {
            prochaine += periode;
            {
                std::unique_lock lock(FMutex);
                if (FArretSoudures.wait_until(lock, prochaine, [this] { return !FSouder; }))
                    return;
            }
            Souder();
        }
    });
}

void TSimulatedController::ArreterSoudures() {
    {
        const std::lock_guard lock(FMutex);
        FSouder = false;
    }
    FArretSoudures.notify_all();
    if (FSoudeur.joinable())
        FSoudeur.join();
}

std::uint32_t TSimulatedController::Soudures() const {
    const std::lock_guard lock(FMutex);
    return FSoudures;
}

std::uint32_t TSimulatedController::SouduresEnDefaut() const {
    const std::lock_guard lock(FMutex);
    return FSouduresEnDefaut;
}

} // namespace g20seq::host
