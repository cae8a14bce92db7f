#include "model/EpromDescription.h"

#include <utility>

#include "model/DataProxy.h"
#include "model/IDZone.h"
#include "support/Exceptions.h"
#include "support/Format.h"

namespace g20seq {

namespace {

// Key (enumeration name) and caption of each value, indexed by the enumeration.
constexpr std::array<TIDZone, 3> TypeCourantCaptions = {{
    {"tcAC", "50-60 HZ"},
    {"tcMF", "DC"},
    {"tcTRI", "TRIPHASE"},
}};

constexpr std::array<TIDZone, 9> TypeIOCaptions = {{
    {"tiTOR", "TOR"},
    {"tiPROFIBUS_DP", "PROFIBUS-DP"},
    {"tiINTERBUS_S", "INTERBUS-S"},
    {"tiDeviceNet", "DeviceNet"},
    {"tiInterbusFO", "Interbus-FO"},
    {"tiEthernetIP", "EthernetIP"},
    {"tiProfinetIO_Cu", "ProfinetIO-Cu"},
    {"tiProfinetIO_FO", "ProfinetIO-FO"},
    {"tiHMS", "HMS"},
}};

constexpr std::array<TIDZone, 12> TypeMaterielCaptions = {{
    {"tmInconnu", "Inconnu"},
    {"tmCPSRS232", "CPS RS232"},
    {"tmCPSRS485", "CPS RS485"},
    {"tmG20RS485", "G20 RS485"},
    {"tmG20Ethernet", "G20 Ethernet"},
    {"tmG20BusTerrain", "G20 bus de terrain"},
    {"tmCPSMF", "CPS moyenne fréquence"},
    {"tmCPSTriphase", "CPS triphasée"},
    {"tmCPSIntegree", "CPS intégrée"},
    {"tmStationDiagnostic", "Station de diagnostic"},
    {"tmSimulateur", "Simulateur"},
    {"tmAutre", "Autre"},
}};

constexpr std::array<const char*, 2> NetworkTypeTexts = {"RS485", "Ethernet"};

struct TZoneBounds {
    TTypeZones TypeZone;
    int Min;
    int Max;
};

// Numbered zone types of every description; the others have no range (-1, -1).
constexpr std::array<TZoneBounds, 3> DefaultBounds = {{
    {PrcPeriodes, 0, 11},
    {PrcElectrodes, 0, 15},
    {PrcProgrammes, 0, 31},
}};

// G20 ranges: 128 programs, 128 point assignments, 4 tip dressers (and their counters).
constexpr std::array<TZoneBounds, 3> G20Bounds = {{
    {PrcProgrammes, 0, 127},
    {PrcAssignationPoint, 0, 127},
    {PrcFraise, 0, 3},
}};

struct TSharedBounds {
    TTypeZones TypeZone;
    TTypeZones Source;
};

// Zone types numbered like another type: one per program, per electrode, per tip dresser.
constexpr std::array<TSharedBounds, 8> SharedBounds = {{
    {PrcSoudage, PrcProgrammes},
    {PrcMesures, PrcProgrammes},
    {PrcLienProcess, PrcProgrammes},
    {PrcLienProcessAvance, PrcProgrammes},
    {PrcCompteurs, PrcElectrodes},
    {PrcMoyenneFrequence, PrcElectrodes},
    {PrcApprentissage, PrcElectrodes},
    {PrcCompteurFraise, PrcFraise},
}};

constexpr std::array<TTypeAcces, 8> AccesNotOfferedByDefault = {
    taActivationSD, taChangementSD, taAssignationPoint, taEnumerationMateriel,
    taNewMenuAWSW,  taSuiviDefauts, taProgCombine,      taNotRedoTraining};

constexpr int TypeAccesCount = taNotRedoTraining + 1;

// Protocol names of the controllers of the Mucom family; every other protocol maps memory.
constexpr std::array<const char*, 2> MucomProtocols = {"H31", "H35"};

struct TVariant {
    const char* Prefix;
    TTypeCourant TypeCourant;
};

// EPROM name prefixes of the G20 variants.
constexpr std::array<TVariant, 2> G20Variants = {{
    {"GA", tcAC},
    {"GM", tcMF},
}};

template <std::size_t N>
std::string TranslatedCaption(const std::array<TIDZone, N>& Captions, unsigned Index) {
    if (Index >= N)
        throw ERangeError();
    return Translate(IDEpromDescriptionSection, Captions[Index].IDZone, Captions[Index].Libelle);
}

TTypesAcces DefaultTypesAcces() {
    TTypesAcces result;
    for (int i = 0; i < TypeAccesCount; ++i)
        result.Include(static_cast<TTypeAcces>(i));
    for (TTypeAcces acces : AccesNotOfferedByDefault)
        result.Exclude(acces);
    return result;
}

std::size_t Slot(TTypeZones Index) {
    return static_cast<std::size_t>(TypeZoneFromInt(Index));
}

} // namespace

std::string TCustomEpromDescription::ClassName() const {
    return "TCustomEpromDescription";
}

TEpromDescription::TEpromDescription(TPersistent* aOwner, std::string aNomEprom,
                                     std::string aNomProtocole)
    : FOwner(aOwner), FNomEprom(std::move(aNomEprom)), FNomProtocole(std::move(aNomProtocole)),
      FTypesAcces(DefaultTypesAcces()) {
    FMaxZones.fill(-1);
    FMinZones.fill(-1);
    for (const TZoneBounds& bounds : DefaultBounds)
        SetZoneBounds(bounds.TypeZone, bounds.Min, bounds.Max);
}

std::string TEpromDescription::ClassName() const {
    return "TEpromDescription";
}

void TEpromDescription::SetZoneBounds(TTypeZones Index, int Min, int Max) {
    FMinZones[Slot(Index)] = Min;
    FMaxZones[Slot(Index)] = Max;
}

TTypeZones TEpromDescription::BoundsOf(TTypeZones Index) {
    for (const TSharedBounds& shared : SharedBounds)
        if (shared.TypeZone == Index)
            return shared.Source;
    return Index;
}

std::string TEpromDescription::NbProg() const {
    return IntToStr(GetMaxZone(PrcProgrammes));
}

int TEpromDescription::GetMaxZone(TTypeZones Index) const {
    return FMaxZones[Slot(BoundsOf(Index))];
}

int TEpromDescription::GetMinZone(TTypeZones Index) const {
    return FMinZones[Slot(BoundsOf(Index))];
}

int TEpromDescription::GetZoneNumber(TTypeZones Index) const {
    const int min = GetMinZone(Index);
    const int max = GetMaxZone(Index);
    if (min == -1 && max == -1)
        return 0;
    return max - min + 1;
}

TMesureEffort TEpromDescription::MesureEffort() const {
    return FMesureEffort;
}
TTypeCourant TEpromDescription::TypeCourant() const {
    return FTypeCourant;
}
TTypeIO TEpromDescription::TypeIO() const {
    return FTypeIO;
}

std::string TEpromDescription::Text() const {
    std::string text = TypeMaterielAsString() + " " + TypeIOAsString() + " ";
    const int programmes = GetZoneNumber(PrcProgrammes);
    if (programmes != 0)
        text += IntToStr(programmes) + "P ";
    return text + TypeCourantAsString();
}

TTypeMateriel TEpromDescription::TypeMateriel() const {
    return FTypeMateriel;
}
TTypesAcces TEpromDescription::TypesAcces() const {
    return FTypesAcces;
}
int TEpromDescription::OffsetImage() const {
    return FOffsetImage;
}
int TEpromDescription::DefautElec() const {
    return FDefautElec;
}
int TEpromDescription::DefautProg() const {
    return FDefautProg;
}
TNetworkType TEpromDescription::NetworkType() const {
    return FNetworkType;
}

TFamily TEpromDescription::Family() const {
    for (const char* protocol : MucomProtocols)
        if (FNomProtocole == protocol)
            return faMucom;
    return faMapping;
}

int TEpromDescription::Generation() const {
    return 1;
}
std::string TEpromDescription::NomEprom() const {
    return FNomEprom;
}

std::string TEpromDescription::TypeCourantAsString() const {
    return TranslatedCaption(TypeCourantCaptions, FTypeCourant);
}

std::string TEpromDescription::TypeIOAsString() const {
    return TranslatedCaption(TypeIOCaptions, FTypeIO);
}

std::string TEpromDescription::TypeMaterielAsString() const {
    return TranslatedCaption(TypeMaterielCaptions, FTypeMateriel);
}

std::string TEpromDescription::NetworkTypeAsString() const {
    if (static_cast<std::size_t>(FNetworkType) >= NetworkTypeTexts.size())
        throw ERangeError();
    return NetworkTypeTexts[FNetworkType];
}

int TEpromDescription::Avec_Courbes() const {
    return 0;
}
TSupportFunctions TEpromDescription::SupportFunctions() const {
    return FSupportFunctions;
}
int TEpromDescription::VersionFileMOTOR() const {
    return FVersionFileMOTOR;
}
int TEpromDescription::VersionFileTRAFO() const {
    return FVersionFileTRAFO;
}
int TEpromDescription::VersionFileGEOM() const {
    return FVersionFileGEOM;
}
int TEpromDescription::VersionFileSGUN() const {
    return FVersionFileSGUN;
}
int TEpromDescription::VersionFilePGUN() const {
    return FVersionFilePGUN;
}
int TEpromDescription::VersionFileAWL() const {
    return FVersionFileAWL;
}
int TEpromDescription::VersionFileAWAL() const {
    return FVersionFileAWAL;
}
Byte TEpromDescription::VersionHeaderACTP() const {
    return 0;
}
int TEpromDescription::VersionFileWS() const {
    return FVersionFileWS;
}

TEpromDescriptionG20::TEpromDescriptionG20(TPersistent* aOwner, const std::string& aNomEprom,
                                           const std::string& aNomProtocole)
    : TEpromDescription(aOwner, aNomEprom, aNomProtocole) {
    FTypesAcces.Include(taAssignationPoint);
    FNetworkType = ntEthernet;
    FTypeMateriel = tmG20Ethernet;
    for (const TZoneBounds& bounds : G20Bounds)
        SetZoneBounds(bounds.TypeZone, bounds.Min, bounds.Max);
    FHardware = THardware{thDatakey, thToreMesure, thNoKeyReady};
    RecogniseVariant();
}

std::string TEpromDescriptionG20::ClassName() const {
    return "TEpromDescriptionG20";
}

void TEpromDescriptionG20::RecogniseVariant() {
    const std::string prefix = FNomEprom.substr(0, 2);
    for (const TVariant& variant : G20Variants) {
        if (prefix != variant.Prefix)
            continue;
        FHardware = THardware{thNoKeyReady};
        FTypeIO = tiINTERBUS_S;
        FTypeCourant = variant.TypeCourant;
        FVarianteReconnue = true;
        return;
    }
    throw Exception(Format("Sequence '%s' not handled by the current library.", FNomEprom));
}

} // namespace g20seq
