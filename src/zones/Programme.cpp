#include "zones/Programme.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/EpromDescription.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "support/Format.h"
#include "support/Rounding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace g20seq {

using namespace ChampsProgramme;

namespace {

constexpr const char* SectionProgramme = "IDProgramme";

// Value captions of the enumerated fields.
constexpr std::array<TIDZone, 4> ModeRegulationCaptions = {{
    {"IDModeRegulation_0", "% Imax"},
    {"IDModeRegulation_1", "% Imax linéaire"},
    {"IDModeRegulation_2", "Régulation d'intensité"},
    {"IDModeRegulation_3", "Compensation de tension"},
}};
constexpr std::array<TIDZone, 3> ModeControleCaptions = {{
    {"IDModeControle_0", "Sans"},
    {"IDModeControle_1", "Intensité"},
    {"IDModeControle_2", "Psi & intensité"},
}};
constexpr std::array<TIDZone, 5> ModeElectrovannesCaptions = {{
    {"IDModeElectrovannes_0", "DCY1 --> EV1 et DCY2 --> EV2"},
    {"IDModeElectrovannes_1", "EV1"},
    {"IDModeElectrovannes_2", "EV2"},
    {"IDModeElectrovannes_3", "EV1 et EV2"},
    {"IDModeElectrovannes_4", "EV1 et EV2 en programme de pression"},
}};
constexpr std::array<TIDZone, 3> SortieProgrammableCaptions = {{
    {"IDSortieProgrammable_0", "Aucune sortie commandée"},
    {"IDSortieProgrammable_1", "Sortie n°1 commandée dès la sélection du programme"},
    {"IDSortieProgrammable_2", "Sortie n°2 commandée dès la sélection du programme"},
}};
constexpr std::array<TIDZone, 2> ModeVoleeCaptions = {{
    {"IDModeVolee_0", "Point par point"},
    {"IDModeVolee_1", "A la volée"},
}};

// Which caption list gives the values of a field.
struct TCaptionsChamp {
    TFieldHandle Field;
    std::span<const TIDZone> Captions;
};
constexpr std::array<TCaptionsChamp, 7> CaptionsValeurs = {{
    {IDModeElectrovannes, ModeElectrovannesCaptions},
    {IDControleFacteurMarche, TProgramme::NonOuiCaptions},
    {IDAvecIntensite, TProgramme::NonOuiCaptions},
    {IDModeVolee, ModeVoleeCaptions},
    {IDModeRegulation, ModeRegulationCaptions},
    {IDModeControle, ModeControleCaptions},
    {IDSortieProgrammable, SortieProgrammableCaptions},
}};

// Field captions, in the section "IDProgramme"; the pulse-width thresholds of a
// medium-frequency controller take those of NomsChampsMF.
constexpr std::array<TFieldCaption, 45> NomsChamps = {{
    {IDPaliersPourcent, "Consigne de soudage : %Imax paliers"},
    {IDPaliersAmpere, "Consigne de soudage : A paliers"},
    {IDPaliersTension, "Consigne de soudage : %U paliers"},
    {IDPrechauffagePourcent, "Consigne de soudage : %Imax Préchauffage"},
    {IDPrechauffageAmpere, "Consigne de soudage : A Préchauffage"},
    {IDPrechauffageTension, "Consigne de soudage : %U Préchauffage"},
    {IDRecuitPourcent, "Consigne de soudage : %Imax Recuit"},
    {IDRecuitAmpere, "Consigne de soudage : A Recuit"},
    {IDRecuitTension, "Consigne de soudage : %U Recuit"},
    {IDRetardElectrovanne2, "Retard électrovanne n°2"},
    {IDDureeElectrovanne2, "Durée électrovanne n°2"},
    {IDModeElectrovannes, "Mode électrovannes"},
    {IDPressionPourcent, "Consigne vanne proportionnelle (%)"},
    {IDConsignePression, "Consigne vanne proportionnelle (daN)"},
    {IDEpaisseurSoudage, "Epaisseur de soudage (mm)"},
    {IDEffortSoudage, "Effort de soudage (daN)"},
    {IDTempsPremierAccostage, "1er accostage"},
    {IDTempsAccostage, "Accostage"},
    {IDTempsPrechauffage, "Préchauffage"},
    {IDTempsUpslope, "Upslope"},
    {IDTempsSoudage, "Soudage"},
    {IDIntervallePulsations, "Intervalle de pulsation"},
    {IDTempsDownslope, "Downslope"},
    {IDTempsTrempe, "Trempe"},
    {IDTempsRecuit, "Recuit"},
    {IDTempsForgeage, "Forgeage"},
    {IDTempsIntervalGeneral, "Intervalle général"},
    {IDNombrePulsations, "Nombre de pulsations"},
    {IDControleFacteurMarche, "Contrôle du facteur de marche"},
    {IDModeVolee, "Mode de travail"},
    {IDAvecIntensite, "Cycle avec intensité"},
    {IDModeRegulation, "Régulation"},
    {IDModeControle, "Contrôle"},
    {IDSeuilIntensiteHaut, "Seuil haut (%)"},
    {IDSeuilIntensiteBas, "Seuils bas (%)"},
    {IDSeuilIntensiteBasRepetitif, "Seuil bas répétitif (%)"},
    {IDNombreSeuilIntensiteBasRepetitif, "Nombre de répétitions"},
    {IDSeuilPourcentHaut, "Seuil haut (%)"},
    {IDSeuilPourcentBas, "Seuils bas (%)"},
    {IDSeuilPourcentHautRepetitif, "Seuil haut répétitif (%)"},
    {IDNombreSeuilPourcentHautRepetitif, "Nombre de répétitions"},
    {IDSortieProgrammable, "N° de sortie programmable associée"},
    {IDNumeroElectrode, "Electrode"},
    {IDSoudageDemiPeriode, "Soudage demi-période"},
    {IDTempsFroid, "Temps froid"},
}};

constexpr std::array<TIDZone, 4> NomsChampsMF = {{
    {"IDSeuilPourcentHaut_MF", "Seuils %PWM : Seuil haut (%)"},
    {"IDSeuilPourcentBas_MF", "Seuils %PWM : Seuil bas (%)"},
    {"IDSeuilPourcentHautRepetitif_MF", "Seuils %PWM : Seuil haut répétitif (%)"},
    {"IDNombreSeuilPourcentHautRepetitif_MF", "Seuils %PWM : Nombre de répétitions"},
}};

// The pulse-width thresholds: on a medium-frequency controller their captions are those of
// the identifier followed by "_MF".
constexpr std::array<TFieldHandle, 4> SeuilsPWM = {IDSeuilPourcentHaut, IDSeuilPourcentBas,
                                                   IDSeuilPourcentHautRepetitif,
                                                   IDNombreSeuilPourcentHautRepetitif};

using TGenre = TProgramme::TGenre;

// The 45 fields every generation shares, in creation order (which is their order in the tab
// sheets). Values are those of an AC controller; the generation adjusts them. The electrode
// number gets its bounds from the EPROM description after creation.
constexpr std::array<TProgramme::TDefChamp, 45> ChampsBase = {{
    {IDTempsPremierAccostage, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsAccostage, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsSoudage, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsForgeage, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsIntervalGeneral, TGenre::Double, IDTabTemps, 1.0, 0, 200, 1},
    {IDNombrePulsations, TGenre::Integer, IDTabTemps, 1.0, 1, 20, 1},
    {IDIntervallePulsations, TGenre::Double, IDTabTemps, 1.0, 1, 200, 1},
    {IDTempsUpslope, TGenre::Double, IDTabTemps, 1.0, 0, 99, 0},
    {IDTempsDownslope, TGenre::Double, IDTabTemps, 1.0, 0, 99, 0},
    {IDTempsPrechauffage, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsFroid, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsTrempe, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDTempsRecuit, TGenre::Double, IDTabTemps, 1.0, 0, 200, 0},
    {IDSoudageDemiPeriode, TGenre::Boolean, IDTabTemps, 1.0, 0, 1, 0},
    {IDModeRegulation, TGenre::Enum, IDTabConsignes, 1.0, 0, 3, 0, 0, ModeRegulationCaptions},
    {IDModeControle, TGenre::Enum, IDTabConsignes, 1.0, 0, 2, 0, 0, ModeControleCaptions},
    {IDNumeroElectrode, TGenre::Integer, IDTabConsignes, 1.0, 0, 0, 0},
    {IDPaliersPourcent, TGenre::Double, IDTabConsignes, 0.1, 200, 990, 400, TProgramme::NbPaliers},
    {IDPrechauffagePourcent, TGenre::Double, IDTabConsignes, 0.1, 0, 990, 400},
    {IDRecuitPourcent, TGenre::Double, IDTabConsignes, 0.1, 0, 990, 400},
    {IDPaliersAmpere, TGenre::Integer, IDTabConsignes, 1.0, 50, 16000, 300, TProgramme::NbPaliers},
    {IDPrechauffageAmpere, TGenre::Integer, IDTabConsignes, 1.0, 50, 16000, 300},
    {IDRecuitAmpere, TGenre::Integer, IDTabConsignes, 1.0, 50, 16000, 300},
    {IDPaliersTension, TGenre::Double, IDTabConsignes, 0.1, 200, 990, 400, TProgramme::NbPaliers},
    {IDPrechauffageTension, TGenre::Double, IDTabConsignes, 0.1, 0, 990, 400},
    {IDRecuitTension, TGenre::Double, IDTabConsignes, 0.1, 0, 990, 400},
    {IDSeuilIntensiteHaut, TGenre::Integer, IDTabSeuils, 1.0, 3, 99, 3},
    {IDSeuilIntensiteBas, TGenre::Integer, IDTabSeuils, 1.0, 3, 99, 3},
    {IDSeuilIntensiteBasRepetitif, TGenre::Integer, IDTabSeuils, 1.0, 3, 99, 3},
    {IDNombreSeuilIntensiteBasRepetitif, TGenre::Integer, IDTabSeuils, 1.0, 0, 9, 0},
    {IDSeuilPourcentHaut, TGenre::Integer, IDTabSeuils, 1.0, 0, 99, 10},
    {IDSeuilPourcentBas, TGenre::Integer, IDTabSeuils, 1.0, 0, 99, 10},
    {IDSeuilPourcentHautRepetitif, TGenre::Integer, IDTabSeuils, 1.0, 0, 99, 10},
    {IDNombreSeuilPourcentHautRepetitif, TGenre::Integer, IDTabSeuils, 1.0, 1, 99, 1},
    {IDPressionPourcent, TGenre::Integer, IDTabEV, 1.0, 0, 100, 0},
    {IDConsignePression, TGenre::Integer, IDTabEV, 1.0, 0, 9999, 0},
    {IDEpaisseurSoudage, TGenre::Double, IDTabEV, 0.1, 0, 255, 0},
    {IDEffortSoudage, TGenre::Integer, IDTabEV, 10.0, 0, 255, 0},
    {IDModeElectrovannes, TGenre::Enum, IDTabEV, 1.0, 0, 4, 0, 0, ModeElectrovannesCaptions},
    {IDRetardElectrovanne2, TGenre::Integer, IDTabEV, 1.0, 0, 999, 0},
    {IDDureeElectrovanne2, TGenre::Integer, IDTabEV, 1.0, 0, 999, 0},
    {IDAvecIntensite, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 1},
    {IDControleFacteurMarche, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 0},
    {IDModeVolee, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 0},
    {IDSortieProgrammable, TGenre::Enum, IDTabProgAdvParam, 1.0, 0, 2, 0, 0,
     SortieProgrammableCaptions},
}};

// The ampere set points whose ratio follows the electrode's ampere mode.
constexpr std::array<TFieldHandle, 3> ChampsAmpere = {IDPaliersAmpere, IDPrechauffageAmpere,
                                                      IDRecuitAmpere};

} // namespace

TProgramme::TProgramme(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
    CreateBaseFields();
}

void TProgramme::CreateBaseFields() {
    for (const TDefChamp& def : ChampsBase)
        AddField(def.Field, CreerChamp(def));
    TKEVNumericField& froid = Numerique(IDTempsFroid);
    if (IsTypeMF()) {
        froid.SetRatio(CycleRatio());
        froid.SetRawMax(2000);
    }
    // Only the generation shows the cold time.
    froid.Unlink();
    TKEVNumericField& electrode = Numerique(IDNumeroElectrode);
    electrode.SetRawMax(ElectrodeMax());
    electrode.SetRawValue(ElectrodeMin());
    electrode.SetRawMin(ElectrodeMin());
}

std::string TProgramme::ClassName() const {
    return "TProgramme";
}

THResult TProgramme::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IProgramme::IID) {
        *Obj = static_cast<IProgramme*>(this);
        return THResult::S_OK;
    }
    if (IID == IEtatProgramme::IID) {
        *Obj = static_cast<IEtatProgramme*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TProgramme::AddRef() {
    return TZoneCPS::AddRef();
}

int TProgramme::Release() {
    return TZoneCPS::Release();
}

void TProgramme::Assign(const TPersistent* Source) {
    if (dynamic_cast<const TProgramme*>(Source) != nullptr)
        TZoneCPS::Assign(Source);
    else
        LogEvent(this, "Assign", "Type Mismatch", "", LogAnomaly, CatZRT);
}

TErreurSerie TProgramme::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TProgramme::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

std::string TProgramme::NomChamp(const std::string& IDChamp) const {
    std::string caption;
    std::string idValeur;
    const bool pwm = std::any_of(SeuilsPWM.begin(), SeuilsPWM.end(),
                                 [&IDChamp](const TFieldHandle& h) { return IDChamp == h.ID(); });
    if (pwm && IsTypeMF()
            ? DetailParCle(SectionProgramme, NomsChampsMF, IDChamp + "_MF", caption, idValeur)
            : DetailParChamp(SectionProgramme, NomsChamps, IDChamp, caption))
        return caption;
    return TZoneCPS::NomChamp(IDChamp);
}

std::string TProgramme::DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                          std::string& IDZone, std::string& IDValeur) const {
    const auto entry =
        std::find_if(CaptionsValeurs.begin(), CaptionsValeurs.end(),
                     [&IDChamp](const TCaptionsChamp& e) { return IDChamp == e.Field.ID(); });
    if (entry == CaptionsValeurs.end())
        return TZoneCPS::DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
    IDZone = SectionProgramme;
    return DetailParPosition(SectionProgramme, entry->Captions, IDChamp, Valeur, IDValeur);
}

TZoneCPS* TProgramme::GetZoneMaxi() const {
    return Companion(PrcProgrammesMaxi);
}

TZoneCPS* TProgramme::GetZoneMini() const {
    return Companion(PrcProgrammesMini);
}

TZoneCPS* TProgramme::GetZoneRAZ() const {
    return Companion(PrcprogrammesRAZ);
}

TZoneCPS* TProgramme::Companion(TTypeZones TypeZone) const {
    TCustomEprom* eprom = GetEprom();
    if (eprom == nullptr)
        return nullptr;
    return dynamic_cast<TZoneCPS*>(eprom->GetPhysicalZone(TypeZone, 0, true));
}

bool TProgramme::GetEtatIndicateur1() const {
    return false;
}

int TProgramme::GetEtatValeur1() const {
    return 0;
}

bool TProgramme::GetEtatIndicateur2() const {
    return false;
}

int TProgramme::GetEtatValeur2() const {
    return 0;
}

int TProgramme::GetEtatValeur3() const {
    return 0;
}

int TProgramme::GetEtatValeur4() const {
    return 10;
}

TDateTime TProgramme::GetEtatHorodatage() const {
    return Now();
}

int TProgramme::GetPaliersPourcentCount() const {
    return NbPaliers;
}

int TProgramme::GetPaliersAmpereCount() const {
    return NbPaliers;
}

int TProgramme::GetPaliersTensionCount() const {
    return NbPaliers;
}

double TProgramme::GetPaliersAmpereCalcule(int NumPalier) const {
    return Calcule(GetPaliersAmpere(NumPalier));
}

double TProgramme::GetPrechauffageAmpereCalcule() const {
    return Calcule(GetPrechauffageAmpere());
}

double TProgramme::GetRecuitAmpereCalcule() const {
    return Calcule(GetRecuitAmpere());
}

void TProgramme::ChangeCoeffModeAmpere() {
    const double ratio = IsModeAmperes() ? 1.0 : 10.0;
    for (const TFieldHandle& id : ChampsAmpere)
        PourChaque(id, [ratio](TKEVField& field) {
            dynamic_cast<TKEVNumericField&>(field).SetRatio(ratio);
        });
}

bool TProgramme::GetControleFacteurMarche() const {
    return GetAsBoolean(IDControleFacteurMarche);
}

void TProgramme::SetControleFacteurMarche(bool Value) {
    SetAsBoolean(IDControleFacteurMarche, Value);
}

int TProgramme::GetNombreSeuilIntensiteBasRepetitif() const {
    return GetAsInteger(IDNombreSeuilIntensiteBasRepetitif);
}

void TProgramme::SetNombreSeuilIntensiteBasRepetitif(int Value) {
    SetAsInteger(IDNombreSeuilIntensiteBasRepetitif, Value);
}

int TProgramme::GetNombreSeuilPourcentHautRepetitif() const {
    return GetAsInteger(IDNombreSeuilPourcentHautRepetitif);
}

void TProgramme::SetNombreSeuilPourcentHautRepetitif(int Value) {
    SetAsInteger(IDNombreSeuilPourcentHautRepetitif, Value);
}

int TProgramme::GetSeuilIntensiteBasRepetitif() const {
    return GetAsInteger(IDSeuilIntensiteBasRepetitif);
}

void TProgramme::SetSeuilIntensiteBasRepetitif(int Value) {
    SetAsInteger(IDSeuilIntensiteBasRepetitif, Value);
}

int TProgramme::GetSeuilPourcentHautRepetitif() const {
    return GetAsInteger(IDSeuilPourcentHautRepetitif);
}

void TProgramme::SetSeuilPourcentHautRepetitif(int Value) {
    SetAsInteger(IDSeuilPourcentHautRepetitif, Value);
}

double TProgramme::GetPrechauffagePourcent() const {
    return GetAsFloat(IDPrechauffagePourcent);
}

void TProgramme::SetPrechauffagePourcent(double Value) {
    SetAsFloat(IDPrechauffagePourcent, Value);
}

double TProgramme::GetPrechauffageTension() const {
    return GetAsFloat(IDPrechauffageTension);
}

void TProgramme::SetPrechauffageTension(double Value) {
    SetAsFloat(IDPrechauffageTension, Value);
}

double TProgramme::GetPaliersPourcent(int NumPalier) const {
    return Element(IDPaliersPourcent, NumPalier).GetAsFloat();
}

void TProgramme::SetPaliersPourcent(int NumPalier, double Value) {
    Element(IDPaliersPourcent, NumPalier).SetAsFloat(Value);
}

double TProgramme::GetPaliersTension(int NumPalier) const {
    return Element(IDPaliersTension, NumPalier).GetAsFloat();
}

void TProgramme::SetPaliersTension(int NumPalier, double Value) {
    Element(IDPaliersTension, NumPalier).SetAsFloat(Value);
}

int TProgramme::GetPaliersPourcentCPS(int NumPalier) const {
    return dynamic_cast<TKEVNumericField&>(Element(IDPaliersPourcent, NumPalier)).GetRawValue();
}

void TProgramme::SetPaliersPourcentCPS(int NumPalier, int Value) {
    dynamic_cast<TKEVNumericField&>(Element(IDPaliersPourcent, NumPalier)).SetRawValue(Value);
}

int TProgramme::GetPaliersTensionCPS(int NumPalier) const {
    return dynamic_cast<TKEVNumericField&>(Element(IDPaliersTension, NumPalier)).GetRawValue();
}

void TProgramme::SetPaliersTensionCPS(int NumPalier, int Value) {
    dynamic_cast<TKEVNumericField&>(Element(IDPaliersTension, NumPalier)).SetRawValue(Value);
}

int TProgramme::GetPaliersAmpere(int NumPalier) const {
    return Element(IDPaliersAmpere, NumPalier).GetAsInteger();
}

void TProgramme::SetPaliersAmpere(int NumPalier, int Value) {
    Element(IDPaliersAmpere, NumPalier).SetAsInteger(Value);
}

void TProgramme::SetPaliersAmpereCalcule(int NumPalier, double Value) {
    SetPaliersAmpere(NumPalier, DepuisCalcule(Value));
}

void TProgramme::SetPrechauffageAmpereCalcule(double Value) {
    SetPrechauffageAmpere(DepuisCalcule(Value));
}

void TProgramme::SetRecuitAmpereCalcule(double Value) {
    SetRecuitAmpere(DepuisCalcule(Value));
}

double TProgramme::CycleRatio() {
    return FrequenceSecteur() / 1000.0;
}

double TProgramme::Calcule(int Amperes) const {
    return IsModeAmperes() ? Amperes : Amperes / 1000.0;
}

int TProgramme::DepuisCalcule(double Valeur) const {
    return static_cast<int>(RoundToEven(IsModeAmperes() ? Valeur : Valeur * 1000.0));
}

std::unique_ptr<TKEVField> TProgramme::CreerChamp(const TDefChamp& Def) {
    TInterfacedPersistent* parent = Onglet(Def.Onglet);
    if (Def.Count == 0)
        return CreerSimple(Def, parent);
    auto array = std::make_unique<TKEVArrayField>(Def.Field.ID(), Def.Count, this, parent);
    for (int i = 0; i < Def.Count; ++i)
        array->SetField(i, CreerSimple(Def, nullptr));
    return array;
}

std::unique_ptr<TKEVField> TProgramme::CreerSimple(const TDefChamp& Def,
                                                   TInterfacedPersistent* Parent) {
    switch (Def.Genre) {
    case TGenre::Double:
        return std::make_unique<TKEVDoubleField>(Def.Field.ID(), this, Parent, Def.Ratio,
                                                 Def.Min * Def.Ratio, Def.Max * Def.Ratio,
                                                 Def.Initial * Def.Ratio);
    case TGenre::Integer:
        return std::make_unique<TKEVIntegerField>(Def.Field.ID(), this, Parent, Def.Min, Def.Max,
                                                  Def.Initial, Def.Ratio);
    case TGenre::Boolean:
        return std::make_unique<TKEVBooleanField>(Def.Field.ID(), this, Parent, Def.Initial != 0);
    case TGenre::Enum:
        break;
    }
    return std::make_unique<TKEVEnumField>(Def.Field.ID(), this, Parent, Def.Captions, Def.Initial,
                                           Def.Min);
}

TInterfacedPersistent* TProgramme::Onglet(TIDOnglet Id) const {
    const auto* logicalZone = CastExact<const TKEVLogicalZone>(GetLogicalZone());
    return logicalZone != nullptr ? logicalZone->GetTab(Id) : nullptr;
}

TCustomEpromDescription* TProgramme::Description() const {
    TCustomEprom* eprom = GetEprom();
    return eprom != nullptr ? eprom->GetDescription() : nullptr;
}

bool TProgramme::IsTypeMF() const {
    const TCustomEpromDescription* description = Description();
    return description != nullptr && description->TypeCourant() == tcMF;
}

int TProgramme::ElectrodeMin() const {
    const TCustomEpromDescription* description = Description();
    return description != nullptr ? std::max(0, description->GetMinZone(PrcElectrodes)) : 0;
}

int TProgramme::ElectrodeMax() const {
    const TCustomEpromDescription* description = Description();
    return description != nullptr ? std::max(0, description->GetMaxZone(PrcElectrodes)) : 0;
}

TKEVNumericField& TProgramme::Numerique(const TFieldHandle& Handle) const {
    return dynamic_cast<TKEVNumericField&>(Field(Handle));
}

void TProgramme::PourChaque(const TFieldHandle& Handle,
                            const std::function<void(TKEVField&)>& Action) {
    const TFieldSlot slot = Slot(Handle);
    if (slot.Array == nullptr) {
        Action(*slot.Field);
        return;
    }
    for (int i = 0; i < slot.Array->GetCount(); ++i)
        if (TKEVField* element = slot.Array->GetField(i))
            Action(*element);
}

} // namespace g20seq
