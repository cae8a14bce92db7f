#include "eprom/EpromG20.h"

#include "interface/ProtocolInterface.h"
#include "model/DataProxy.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/Format.h"
#include "zones/Acquittements.h"
#include "zones/Apprentissage.h"
#include "zones/AssignationPoints.h"
#include "zones/CompteurFraise.h"
#include "zones/CompteurG20.h"
#include "zones/Configuration.h"
#include "zones/ConfigurationG20.h"
#include "zones/DefautsPresents.h"
#include "zones/DiagnosticG20.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"
#include "zones/Horodateur.h"
#include "zones/Identification.h"
#include "zones/LanguesEffectives.h"
#include "zones/LienProcess.h"
#include "zones/Mesure.h"
#include "zones/Mouchard.h"
#include "zones/Periodes.h"
#include "zones/ProgrammeG20.h"
#include "zones/SignalisationModification.h"
#include "zones/SignatureG20.h"
#include "zones/SignaturesPerdues.h"
#include "zones/Soudage.h"
#include "zones/Thermique.h"
#include "zones/TypeLogicielsAdditionnels.h"
#include "zones/ZoneCalcul.h"

#include <cstdint>
#include <iterator>

namespace g20seq {

namespace {

constexpr int LogInformation = 1;
constexpr int Aucune = TZoneCreator::NoLogicalZone;

// Where the class of a creator comes from: the row itself, or one of the class references
// the EPROM fixes at construction.
enum class TClasse : std::uint8_t { Propre, Configuration, Electrode, Programme, Signature };

struct TCreateurG20 {
    TClasse Classe;
    TZoneClass ClassePropre; // the class of a TClasse::Propre row
    TTypeZones PhysicalZone;
    int LogicalZone;
};

// The zone creators of the G20, in registration order. Creators are asked from the last
// to the first.
constexpr TCreateurG20 CreateursG20[] = {
    {TClasse::Propre, ZoneClassOf<TIdentificationG20>, PrcIdentification, Aucune},
    {TClasse::Propre, ZoneClassOf<TDiagnosticG20>, PrcDiagnostic, Aucune},
    {TClasse::Propre, ZoneClassOf<TDefautsPresentsG20>, PrcDefautsPresents, Aucune},
    {TClasse::Propre, ZoneClassOf<TThermiqueG20>, PrcThermique, Aucune},
    {TClasse::Propre, ZoneClassOf<TAcquittementsG20>, PrcAcquittements, Aucune},
    {TClasse::Propre, ZoneClassOf<TSignalisationModificationG20>, PrcSignalisationModification,
     Aucune},
    {TClasse::Propre, ZoneClassOf<TSignaturesPerduesG20>, PrcSignaturesPerdues, Aucune},
    {TClasse::Propre, ZoneClassOf<TMouchardG20>, PrcMouchard, Aucune},
    {TClasse::Propre, ZoneClassOf<TTypeLogicielsAdditionnelsG20>, PrcTypeLogicielsAdditionnels,
     Aucune},
    {TClasse::Propre, ZoneClassOf<TLanguesEffectivesG20>, PrcLanguesEffectives, Aucune},
    {TClasse::Propre, ZoneClassOf<THorodateur>, PrcHorodateur, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationMini, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationMaxi, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationRAZ, Aucune},
    {TClasse::Configuration, nullptr, PrcConfiguration, PrcConfiguration},
    {TClasse::Electrode, nullptr, PrcElectrodeMini, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodeMaxi, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodesRAZ, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodes, PrcElectrodes},
    {TClasse::Propre, ZoneClassOf<TCompteurG20>, PrcCompteursMini, Aucune},
    {TClasse::Propre, ZoneClassOf<TCompteurG20>, PrcCompteursMaxi, Aucune},
    {TClasse::Propre, ZoneClassOf<TCompteurG20>, PrcCompteursRAZ, Aucune},
    {TClasse::Propre, ZoneClassOf<TCompteurG20>, PrcCompteurs, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammesMini, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammesMaxi, Aucune},
    {TClasse::Programme, nullptr, PrcprogrammesRAZ, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammes, PrcProgrammes},
    {TClasse::Propre, ZoneClassOf<TMesureG20>, PrcMesures, Aucune},
    {TClasse::Signature, nullptr, PrcSignatures, Aucune},
    {TClasse::Propre, ZoneClassOf<TLienProcessAvanceG20>, PrcLienProcessAvance, PrcProgrammes},
    {TClasse::Propre, ZoneClassOf<TAssignationPoints>, PrcAssignationPoint, PrcAssignationPoint},
    {TClasse::Propre, ZoneClassOf<TFraise>, PrcFraiseMini, Aucune},
    {TClasse::Propre, ZoneClassOf<TFraise>, PrcFraiseMaxi, Aucune},
    {TClasse::Propre, ZoneClassOf<TFraise>, PrcFraiseRAZ, Aucune},
    {TClasse::Propre, ZoneClassOf<TFraise>, PrcFraise, PrcFraise},
    {TClasse::Propre, ZoneClassOf<TCompteurFraise>, PrcCompteurFraise, Aucune},
    {TClasse::Propre, ZoneClassOf<TApprentissage>, PrcApprentissage, Aucune},
    {TClasse::Propre, ZoneClassOf<TPeriodesG20>, PrcPeriodes, Aucune},
    {TClasse::Propre, ZoneClassOf<TSoudageG20>, PrcSoudage, Aucune},
};
static_assert(std::size(CreateursG20) == 39);

// Class of the signatures, by variant.
constexpr TZoneClass SignatureClassAC = ZoneClassOf<TSignatureG20>;
constexpr TZoneClass SignatureClassMF = ZoneClassOf<TSignatureG20MF>;

// Zone types the G20 adds to the core's, for every variant and for each one.
const TSetOfTypesZones TypesG20{PrcDefautsPresents,  PrcThermique,
                                PrcEtatNovram,       PrcZonesModifies,
                                PrcRAZZonesNovram,   PrcSignaturesPerdues,
                                PrcMouchard,         PrcLanguesEffectives,
                                PrcMesures,          PrcTypeLogicielsAdditionnels,
                                PrcAssignationPoint, PrcFraiseMini,
                                PrcFraiseMaxi,       PrcFraiseRAZ,
                                PrcFraise,           PrcCompteurFraise};
const TSetOfTypesZones TypesAC{PrcPeriodes, PrcSoudage};
const TSetOfTypesZones TypesMF{PrcApprentissage};
// Zone types kept in memory in addition to the core's.
const TSetOfTypesZones VolatilesG20{PrcDefautsPresents, PrcConfiguration, PrcElectrodes};

// Logical zones the G20 adds, created in this order.
constexpr TTypeZones LogicalZonesG20[] = {PrcAssignationPoint, PrcFraise};

// Transfer rules: in-file zones are sent to the controller except these, and received
// from it except these; of the zones not in files only these are received.
const TSetOfTypesZones NonEnvoyes{PrcCompteurs, PrcCompteurFraise, PrcLienProcessAvance};
const TSetOfTypesZones NonRecus{PrcLienProcessAvance};
const TSetOfTypesZones RecusHorsFichier{PrcDefautsPresents};

// Tab sheets the G20 adds to the logical zones: inserted before Avant, or appended when
// Avant is null; SeulementMF: on medium-frequency controllers only.
struct TOngletG20 {
    TTypeZones TypeZone;
    bool SeulementMF;
    TIDOnglet Onglet;
    const char* Avant;
};

constexpr TOngletG20 OngletsG20[] = {
    {PrcConfiguration, true, IDTabMF, "IDTabConfAdvParam"},
    {PrcConfiguration, false, IDTabEthernet, "IDTabConfAdvParam"},
    {PrcElectrodes, true, IDTabTransfo, "IDTabElecAdvParam"},
    {PrcAssignationPoint, false, IDTabAssignationPoints, nullptr},
    {PrcFraise, false, IDTabCU, nullptr},
};

} // namespace

TEpromG20::TEpromG20(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole)
    : TEprom(Key, NomEprom, aProtocole) {
    FLienProcessClass = ZoneClassOf<TLienProcess>;
}

TEpromG20::~TEpromG20() {
    FZoneCreators.clear();
}

std::unique_ptr<TEpromG20> TEpromG20::New(const std::string& NomEprom,
                                          TInterfacedPersistent* aProtocole) {
    return TEprom::Create<TEpromG20>(NomEprom, aProtocole);
}

bool TEpromG20::IsMF() const {
    return FDescription != nullptr && FDescription->TypeCourant() == tcMF;
}

void TEpromG20::InitTypeZones() {
    FDescription = std::make_unique<TEpromDescriptionG20>(this, GetNomEprom(), GetNomProtocole());
    TEprom::InitTypeZones();
    FSetOfTypesZones.Exclude(PrcPolling);
    FSetOfTypesZones = FSetOfTypesZones + TypesG20 + (IsMF() ? TypesMF : TypesAC);
    FSetOfVolatileTypesZones.Exclude(PrcPolling);
    FSetOfVolatileTypesZones = FSetOfVolatileTypesZones + VolatilesG20;
    for (TTypeZones typeZone : LogicalZonesG20)
        CreateLogicalZones(typeZone, ZoneProtocole(typeZone));
    RegisterZoneCreators();
}

void TEpromG20::RegisterZoneCreators() {
    FConfigurationClass = ZoneClassOf<TConfigurationG20>;
    FElectrodeClass = ZoneClassOf<TElectrodeG20>;
    FProgrammeClass = ZoneClassOf<TProgrammeG20>;
    FSignatureClass = IsMF() ? SignatureClassMF : SignatureClassAC;
    const TZoneClass classes[] = {nullptr, FConfigurationClass, FElectrodeClass, FProgrammeClass,
                                  FSignatureClass};
    for (const TCreateurG20& createur : CreateursG20) {
        const TZoneClass classe = createur.Classe == TClasse::Propre
                                      ? createur.ClassePropre
                                      : classes[static_cast<int>(createur.Classe)];
        RegisterZoneCreator(
            std::make_unique<TZoneCreator>(classe, createur.PhysicalZone, createur.LogicalZone));
    }
}

void TEpromG20::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    TEprom::AddTabSheets(aLogicalZone);
    for (const TOngletG20& onglet : OngletsG20) {
        if (onglet.TypeZone != aLogicalZone->GetTypeZone() || (onglet.SeulementMF && !IsMF()))
            continue;
        auto tabSheet = std::make_unique<TKEVTabSheet>(onglet.Onglet, aLogicalZone);
        if (onglet.Avant != nullptr)
            aLogicalZone->InsertTabSheet(onglet.Avant, std::move(tabSheet));
        else
            aLogicalZone->AddTabSheet(std::move(tabSheet));
    }
}

std::unique_ptr<TCustomZoneCPS> TEpromG20::CreateZoneCPS(TZoneReference* aReference) {
    std::unique_ptr<TCustomZoneCPS> zone = TEprom::CreateZoneCPS(aReference);
    if (zone == nullptr)
        return nullptr;
    const TTypeZones typeZone = aReference->GetTypeZone();
    const bool dansFichier = aReference->GetDansFichier();
    zone->SetLoadToCPS(dansFichier && !NonEnvoyes.Contains(typeZone));
    zone->SetSaveFromCPS(dansFichier ? !NonRecus.Contains(typeZone)
                                     : RecusHorsFichier.Contains(typeZone));
    return zone;
}

// ---------------------------------------------------------------------------------------
// Present faults

int TEpromG20::GetNbDefautsNonBloquants() {
    const TZoneHolder zone(this, PrcDefautsPresents, 0);
    const auto* defauts = zone.As<IDefautsPresents>();
    return defauts != nullptr ? defauts->GetNbDefautsNonBloquants() : 0;
}

int TEpromG20::GetNbDefautsBloquants() {
    const TZoneHolder zone(this, PrcDefautsPresents, 0);
    const auto* defauts = zone.As<IDefautsPresents>();
    return defauts != nullptr ? defauts->GetNbDefautsBloquants() : 0;
}

void TEpromG20::GetDefautsPresents(TStringList* defauts) {
    if (defauts == nullptr)
        return;
    const TZoneHolder zone(this, PrcDefautsPresents, 0);
    if (const auto* presents = zone.As<IDefautsPresents>())
        presents->GetDefautsPresents(defauts);
    else
        defauts->Clear();
}

std::string TEpromG20::GetIdentifiantCPS() {
    const TZoneHolder configuration(this, PrcConfiguration, 0, true);
    const auto* identification = configuration.As<IConfiguration>();
    return identification != nullptr ? identification->GetIdentifiantCPS() : std::string();
}

bool TEpromG20::GetModeDegradeEprom() {
    const int premier = FDescription->GetMinZone(PrcElectrodes);
    for (int numero = premier; premier >= 0 && numero <= FDescription->GetMaxZone(PrcElectrodes);
         ++numero) {
        const TZoneHolder compteurs(this, PrcCompteurs, numero);
        const auto* compteur = compteurs.As<ICompteurEx>();
        if (compteur != nullptr && compteur->GetModeSoudageDegrade())
            return true;
    }
    return false;
}

void TEpromG20::GetZoneByMapping(int Adresse, int Longeur, TZoneList* Liste) {
    if (FListeZones == nullptr || Liste == nullptr)
        return;
    for (const auto& references : *FListeZones) {
        for (const auto& reference : references) {
            if (reference->GetTypeZone() == PrcLienProcessAvance)
                break;
            IZoneProtocole* protocole = ZoneProtocole(reference->GetTypeZone());
            if (protocole == nullptr)
                break;
            const Int64 adresse =
                Int64{protocole->GetAdresse()} +
                Int64{reference->GetNumeroZone()} * protocole->GetTailleReceiveZone();
            if (adresse == Adresse) {
                MapZone(*reference, Adresse, Longeur, *Liste);
                return;
            }
        }
    }
}

void TEpromG20::MapZone(const TZoneReference& aReference, int Adresse, int Longeur,
                        TZoneList& Liste) {
    const TTypeZones typeZone = aReference.GetTypeZone();
    const std::string source = "GetZoneByMapping (" + GetNomEprom() + ")";
    const std::string adresse = Format("Adresse %d, TypeZone %d", Adresse, int{typeZone});
    LogEvent(this, source, "Recherche zone", adresse, LogInformation, CatEprom);
    const TZoneHolder zone(this, typeZone, aReference.GetNumeroZone(), true);
    if (!zone)
        return;
    if (typeZone == PrcSignatures) {
        const int taille = zone->GetTailleReceiveZone();
        for (int record = 0; taille > 0 && record < Longeur / taille; ++record)
            Liste.push_back(zone->Duplicate());
    } else if (zone->GetSaveFromCPS()) {
        Liste.push_back(zone->Duplicate());
    } else {
        LogEvent(this, source, "Zone non SaveFromCPS", adresse, LogAnomaly, CatEprom);
    }
}

// ---------------------------------------------------------------------------------------
// Weld results, counters and tip dressing

int TEpromG20::NumeroFraise(int NumeroElectrode) {
    const TZoneHolder electrode(this, PrcElectrodes, NumeroElectrode);
    const auto* electrodeEx = electrode.As<IElectrodeEx>();
    return electrodeEx != nullptr ? electrodeEx->GetNumeroFraise() : -1;
}

std::unique_ptr<TCustomZoneCPS> TEpromG20::GetZoneCompteurFraise(int& NumeroElectrode) {
    const int fraise = NumeroFraise(NumeroElectrode);
    if (fraise < 0)
        return nullptr;
    const TZoneHolder compteur(this, PrcCompteurFraise, fraise);
    return compteur ? compteur->Duplicate() : nullptr;
}

void TEpromG20::AnalyseSignature(TCustomZoneCPS* Signature) {
    if (Signature == nullptr)
        return;
    const TTypeZones typeZone = Signature->GetTypeZone();
    if (typeZone != PrcSignatures) {
        LogEvent(this, "AnalyseSignature",
                 Format("Erreur type zone %d (%s)", int{typeZone}, TypeZoneName(typeZone)),
                 GetNomEprom(), LogAnomaly, CatEprom);
        return;
    }
    const auto* signature = dynamic_cast<const TSignature*>(Signature);
    if (signature == nullptr)
        return;
    const TypesSignature type = signature->GetTypeSignature();
    if (type == SigDefaut || type == SigAcquittement || type == SigMiseSousTension) {
        const TZoneHolder zone(this, PrcDefautsPresents, 0);
        if (auto* defauts = zone.As<IDefautsPresents>()) {
            const std::string code = Format("%02.2d", signature->GetNumeroDefaut());
            if (type == SigDefaut)
                defauts->Ajouter(code);
            else if (type == SigAcquittement)
                defauts->Supprimer(code);
            else
                defauts->Vider();
        }
    }
    if (type == SigProgElementaire || type == SigDefaut || type == SigAcquittement)
        UpdateCompteurs(*signature);
}

void TEpromG20::UpdateCompteurs(const TSignature& Signature) {
    TCompteursSignature valeurs;
    Signature.UpdateCpt(valeurs);
    const TZoneHolder zone(this, PrcCompteurs, valeurs.NumeroElectrode);
    auto* compteurs = zone.As<TCompteurG20>();
    if (compteurs == nullptr)
        return;
    compteurs->SetCompteurPointsAbsolu(valeurs.CompteurPointsAbsolu);
    compteurs->SetCompteurPoints(valeurs.CompteurPoints);
    compteurs->SetCompteurRodages(valeurs.CompteurRodage);
    compteurs->SetCompteurPointsInterPalier(valeurs.CompteurPointsIP);
    compteurs->SetDemandeRodageNeuve(valeurs.DemandeRodageneuve);
    compteurs->SetDemandeRodageInterpalier(valeurs.DemandeRodageIP);
    compteurs->SetDemandeRodageFinCU(valeurs.DemandeRodageFinCU);
    compteurs->SetDemandeChangement(valeurs.AlarmeChangementElectrode);
    compteurs->SetFinDeVie(valeurs.FinDeVie);
    compteurs->SetModeSoudageDegrade(valeurs.ModeSoudageDegrade);
}

template <class TPreparation>
std::unique_ptr<TCustomZoneCPS> TEpromG20::Acquittement(const TPreparation& Preparer) {
    const TZoneHolder zone(this, PrcAcquittements, 0);
    if (!zone)
        return nullptr;
    std::unique_ptr<TCustomZoneCPS> copie = zone->Duplicate();
    auto* acquittement = dynamic_cast<TAcquittementsG20*>(copie.get());
    if (acquittement == nullptr)
        return nullptr;
    Preparer(*acquittement);
    return copie;
}

std::unique_ptr<TCustomZoneCPS>
TEpromG20::CompteursReinitialises(int NumElectrode, int CompteurPoints, int CompteurRodages) {
    const TZoneHolder zone(this, PrcCompteurs, NumElectrode);
    std::unique_ptr<TCustomZoneCPS> copie = zone ? zone->Duplicate() : nullptr;
    auto* compteurs = dynamic_cast<TCompteur*>(copie.get());
    if (compteurs == nullptr)
        return nullptr;
    compteurs->SetCompteurPoints(CompteurPoints);
    compteurs->SetCompteurRodages(CompteurRodages);
    return copie;
}

std::unique_ptr<TCustomZoneCPS> TEpromG20::CompteurFraiseReinitialise(int NumElectrode,
                                                                      int CompteurPoints) {
    std::unique_ptr<TCustomZoneCPS> copie = GetZoneCompteurFraise(NumElectrode);
    auto* compteur = dynamic_cast<TCompteurFraise*>(copie.get());
    if (compteur == nullptr)
        return nullptr;
    compteur->SetCompteurFraiseRodeuse(CompteurPoints);
    return copie;
}

void TEpromG20::ReinitCU(TReinitCUs Typereinit, int NumElectrode, int CompteurPoints,
                         int CompteurRodages, TStringList* ListeZones) {
    if (ListeZones == nullptr)
        return;
    const auto ajouter = [ListeZones](std::unique_ptr<TCustomZoneCPS> Zone) {
        if (Zone != nullptr)
            ListeZones->AddObject("", Zone.release());
    };
    if (Typereinit.Contains(ReinitCompteurs))
        ajouter(CompteursReinitialises(NumElectrode, CompteurPoints, CompteurRodages));
    if (Typereinit.Contains(ReinitFraise)) {
        if (Typereinit.Contains(ReinitCompteurs))
            LogEvent(this, "ReinitCU",
                     "ReinitFraise & ReinitCompteur non compatibles dans la même requête", "",
                     LogError, CatKevnet);
        else
            ajouter(CompteurFraiseReinitialise(NumElectrode, CompteurPoints));
    }
    const bool rodage = Typereinit.Contains(RodageNeuve) ||
                        Typereinit.Contains(RodageInterPalier) || Typereinit.Contains(RodageFinCU);
    if (Typereinit.Contains(Changement) || rodage) {
        const bool changement = Typereinit.Contains(Changement);
        ajouter(Acquittement([&](TAcquittementsG20& Zone) {
            Zone.AcquittementElectrode(!changement, NumElectrode);
        }));
    }
    if (Typereinit.Contains(ChangementFraise)) {
        const int fraise = NumeroFraise(NumElectrode);
        if (fraise >= 0)
            ajouter(Acquittement(
                [fraise](TAcquittementsG20& Zone) { Zone.AcquittementFraise(fraise); }));
    }
}

} // namespace g20seq
