#include "eprom/EpromG20.h"

#include "entry/ProtocolInterface.h"
#include "model/DataProxy.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/Format.h"
#include "zones/Configuration.h"
#include "zones/ConfigurationG20.h"
#include "zones/ElectrodeG20.h"
#include "zones/LienProcess.h"
#include "zones/ProgrammeG20.h"

#include <cstdint>
#include <iterator>

namespace g20seq {

namespace {

constexpr int LogInformation = 1;
constexpr int Aucune = TZoneCreator::NoLogicalZone;

// A zone class that is not built yet: its zone type has references but no creator, so
// asking for such a zone answers no zone.
constexpr TZoneClass NonConstruite = nullptr;

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
    {TClasse::Propre, NonConstruite /* TIdentificationG20 */, PrcIdentification, Aucune},
    {TClasse::Propre, NonConstruite /* TDiagnosticG20 */, PrcDiagnostic, Aucune},
    {TClasse::Propre, NonConstruite /* TDefautsPresentsG20 */, PrcDefautsPresents, Aucune},
    {TClasse::Propre, NonConstruite /* TThermiqueG20 */, PrcThermique, Aucune},
    {TClasse::Propre, NonConstruite /* TAcquittementsG20 */, PrcAcquittements, Aucune},
    {TClasse::Propre, NonConstruite /* TSignalisationModificationG20 */,
     PrcSignalisationModification, Aucune},
    {TClasse::Propre, NonConstruite /* TSignaturesPerduesG20 */, PrcSignaturesPerdues, Aucune},
    {TClasse::Propre, NonConstruite /* TMouchardG20 */, PrcMouchard, Aucune},
    {TClasse::Propre, NonConstruite /* TTypeLogicielsAdditionnelsG20 */,
     PrcTypeLogicielsAdditionnels, Aucune},
    {TClasse::Propre, NonConstruite /* TLanguesEffectivesG20 */, PrcLanguesEffectives, Aucune},
    {TClasse::Propre, NonConstruite /* THorodateur */, PrcHorodateur, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationMini, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationMaxi, Aucune},
    {TClasse::Configuration, nullptr, PrcConfigurationRAZ, Aucune},
    {TClasse::Configuration, nullptr, PrcConfiguration, PrcConfiguration},
    {TClasse::Electrode, nullptr, PrcElectrodeMini, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodeMaxi, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodesRAZ, Aucune},
    {TClasse::Electrode, nullptr, PrcElectrodes, PrcElectrodes},
    {TClasse::Propre, NonConstruite /* TCompteurG20 */, PrcCompteursMini, Aucune},
    {TClasse::Propre, NonConstruite /* TCompteurG20 */, PrcCompteursMaxi, Aucune},
    {TClasse::Propre, NonConstruite /* TCompteurG20 */, PrcCompteursRAZ, Aucune},
    {TClasse::Propre, NonConstruite /* TCompteurG20 */, PrcCompteurs, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammesMini, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammesMaxi, Aucune},
    {TClasse::Programme, nullptr, PrcprogrammesRAZ, Aucune},
    {TClasse::Programme, nullptr, PrcProgrammes, PrcProgrammes},
    {TClasse::Propre, NonConstruite /* TMesureG20 */, PrcMesures, Aucune},
    {TClasse::Signature, nullptr, PrcSignatures, Aucune},
    {TClasse::Propre, ZoneClassOf<TLienProcessAvanceG20>, PrcLienProcessAvance, PrcProgrammes},
    {TClasse::Propre, NonConstruite /* TAssignationPoints */, PrcAssignationPoint,
     PrcAssignationPoint},
    {TClasse::Propre, NonConstruite /* TFraise */, PrcFraiseMini, Aucune},
    {TClasse::Propre, NonConstruite /* TFraise */, PrcFraiseMaxi, Aucune},
    {TClasse::Propre, NonConstruite /* TFraise */, PrcFraiseRAZ, Aucune},
    {TClasse::Propre, NonConstruite /* TFraise */, PrcFraise, PrcFraise},
    {TClasse::Propre, NonConstruite /* TCompteurFraise */, PrcCompteurFraise, Aucune},
    {TClasse::Propre, NonConstruite /* TApprentissage */, PrcApprentissage, Aucune},
    {TClasse::Propre, NonConstruite /* TPeriodesG20 */, PrcPeriodes, Aucune},
    {TClasse::Propre, NonConstruite /* TSoudageG20 */, PrcSoudage, Aucune},
};
static_assert(std::size(CreateursG20) == 39);

// Class of the signatures, by variant.
constexpr TZoneClass SignatureClassAC = NonConstruite /* TSignatureG20 */;
constexpr TZoneClass SignatureClassMF = NonConstruite /* TSignatureG20MF */;

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
        if (classe != nullptr)
            RegisterZoneCreator(std::make_unique<TZoneCreator>(classe, createur.PhysicalZone,
                                                               createur.LogicalZone));
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

std::string TEpromG20::GetIdentifiantCPS() {
    const TZoneHolder configuration(this, PrcConfiguration, 0, true);
    const auto* identification = configuration.As<IConfiguration>();
    return identification != nullptr ? identification->GetIdentifiantCPS() : std::string();
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

} // namespace g20seq
