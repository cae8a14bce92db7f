#include "zones/ProgrammeG20.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/EditorOpeners.h"
#include "model/EpromDescription.h"
#include "model/KEVNumericFields.h"
#include "model/ZoneCodec.h"
#include "support/Format.h"
#include "support/Rounding.h"
#include "zones/Electrode.h"

#include <algorithm>
#include <array>
#include <utility>

namespace g20seq {

using namespace ChampsProgramme;

namespace {

constexpr const char* SectionProgrammeG20 = "IDProgrammeG20";

using TGenre = TProgramme::TGenre;
using TMasque = TProgrammeG20::TMasque;
using TInsertion = TProgrammeG20::TInsertion;

// Field captions of this generation, looked up before those of the base.
constexpr std::array<TFieldCaption, 22> NomsChampsG20 = {{
    {IDModeRegulation, "Régulation"},
    {IDModeControle, "Contrôle"},
    {IDSoudageDemiPeriode, "Soudage demi-période"},
    {IDPourcentDebutUpslope, "Consigne de soudage : Début upslope (%)"},
    {IDAmpereDebutUpslope, "Consigne de soudage : Début upslope (kA)"},
    {IDPourcentFinDownslope, "Consigne de soudage : Fin downslope (%)"},
    {IDAmpereFinDownslope, "Consigne de soudage : Fin downslope (kA)"},
    {IDSurveillanceThyristors, "Surveillance image thyritors pendant le soudage"},
    {IDRegulDebut5emePeriode, "Début de régulation à la 5ème demi-période"},
    {IDPhieFixe, "Phie pour calculs"},
    {IDAnglePhieFixe, "Angle phie"},
    {IDPressionPourcent2, "Consigne vanne proportionnelle N°2 (%)"},
    {IDConsignePression2, "Consigne vanne proportionnelle N°2 (daN)"},
    {IDEffortFinAccostage, "Effort autorisation fin accostage (daN)"},
    {IDEffortMiniForgeage, "Effort forgeage mini (daN)"},
    {IDEffortMaxiForgeage, "Effort forgeage maxi (daN)"},
    {IDControleEffort, "Cycle avec contrôle d'effort"},
    {IDReferenceIntensite, "Consigne intensité de référence"},
    {IDReferencePourcent, "Consigne pourcent de référence"},
    {IDReferenceTension, "Consigne tension de référence"},
    {IDVariationSegment, "Variation par rapport à la référence"},
    {IDToleranceEpaisseur, "Tolérance épaisseur de soudage"},
}};

// Value captions of a medium-frequency controller.
constexpr std::array<TIDZone, 2> ModeRegulationMFCaptions = {{
    {"IDModeRegulation_RapportCyclique", "Pourcentage rapport cyclique"},
    {"IDModeRegulation_RegulationIntensite", "Régulation d'intensité"},
}};
constexpr std::array<TIDZone, 3> ModeControleMFCaptions = {{
    {"IDModeControle_Sans", "Sans"},
    {"IDModeControle_Intensite", "Intensité"},
    {"IDModeControle_IntensitePourcent", "Intensité + %PWM"},
}};
constexpr std::array<TIDZone, 2> PhieFixeCaptions = {{
    {"IDPhieFixe_0", "Phie mesuré"},
    {"IDPhieFixe_1", "Phie fixe"},
}};

// Value captions of this generation's options; the regulation and monitoring modes take
// theirs here only on a medium-frequency controller.
struct TCaptionsG20 {
    TFieldHandle Field;
    std::span<const TIDZone> Captions;
    bool SeulementMF;
};
constexpr std::array<TCaptionsG20, 7> CaptionsValeursG20 = {{
    {IDModeRegulation, ModeRegulationMFCaptions, true},
    {IDModeControle, ModeControleMFCaptions, true},
    {IDSoudageDemiPeriode, TProgramme::NonOuiCaptions, false},
    {IDSurveillanceThyristors, TProgramme::NonOuiCaptions, false},
    {IDRegulDebut5emePeriode, TProgramme::NonOuiCaptions, false},
    {IDControleEffort, TProgramme::NonOuiCaptions, false},
    {IDPhieFixe, PhieFixeCaptions, false},
}};

// Times of a medium-frequency controller: ratio, raw maximum, then raw value and raw
// minimum when given (-1: unchanged).
struct TTempsMF {
    TFieldHandle Field;
    double Ratio;
    int Max;
    int Valeur;
    int Min;
};
constexpr std::array<TTempsMF, 11> TempsMF = {{
    {IDTempsPremierAccostage, 0.5, 250, -1, -1},
    {IDTempsAccostage, 0.5, 250, -1, -1},
    {IDTempsSoudage, 1.0, 1000, -1, -1},
    {IDTempsForgeage, 0.5, 250, 2, 2},
    {IDTempsIntervalGeneral, 0.5, 250, 0, -1},
    {IDIntervallePulsations, 1.0, 2000, 10, -1},
    {IDTempsUpslope, 1.0, 500, -1, -1},
    {IDTempsDownslope, 1.0, 500, -1, -1},
    {IDTempsPrechauffage, 1.0, 1000, -1, -1},
    {IDTempsTrempe, 1.0, 2000, -1, -1},
    {IDTempsRecuit, 1.0, 1000, -1, -1},
}};

constexpr std::array<TFieldHandle, 3> ChampsPourcent = {IDPaliersPourcent, IDPrechauffagePourcent,
                                                        IDRecuitPourcent};
constexpr std::array<TFieldHandle, 3> ChampsAmpere = {IDPaliersAmpere, IDPrechauffageAmpere,
                                                      IDRecuitAmpere};
constexpr std::array<TFieldHandle, 3> ChampsTension = {IDPaliersTension, IDPrechauffageTension,
                                                       IDRecuitTension};

// The fields this generation adds, by set-up step.
constexpr std::array<TInsertion, 2> InsertionsUpslope = {{
    {IDPaliersAmpere,
     {IDPourcentDebutUpslope, TGenre::Double, IDTabConsignes, 0.1, 100, 999, 100},
     TMasque::SaufMF},
    {IDPaliersAmpere,
     {IDPourcentFinDownslope, TGenre::Double, IDTabConsignes, 0.1, 100, 999, 100},
     TMasque::SaufMF},
}};
constexpr std::array<TInsertion, 2> InsertionsAmpereSlope = {{
    {{},
     {IDAmpereDebutUpslope, TGenre::Integer, IDTabConsignes, 10.0, 50, 9990, 50},
     TMasque::SaufMF},
    {{},
     {IDAmpereFinDownslope, TGenre::Integer, IDTabConsignes, 10.0, 50, 9990, 50},
     TMasque::SaufMF},
}};
constexpr std::array<TInsertion, 4> InsertionsReferences = {{
    {IDPaliersPourcent,
     {IDReferencePourcent, TGenre::Double, IDTabConsignes, 0.1, 100, 990, 100},
     TMasque::Jamais},
    {IDPaliersPourcent,
     {IDReferenceIntensite, TGenre::Integer, IDTabConsignes, 10.0, 50, 16000, 50},
     TMasque::Jamais},
    {IDPaliersPourcent,
     {IDReferenceTension, TGenre::Double, IDTabConsignes, 0.1, 100, 990, 100},
     TMasque::Jamais},
    {IDPaliersPourcent,
     {IDVariationSegment, TGenre::Double, IDTabConsignes, 0.1, 500, 2000, 1000,
      TProgrammeG20::NbSegments},
     TMasque::Jamais},
}};
constexpr std::array<TInsertion, 7> InsertionsEV = {{
    {IDEpaisseurSoudage,
     {IDPressionPourcent2, TGenre::Integer, IDTabEV, 1.0, 0, 100, 0},
     TMasque::Jamais},
    {IDEpaisseurSoudage,
     {IDConsignePression2, TGenre::Integer, IDTabEV, 1.0, 0, 9999, 0},
     TMasque::Jamais},
    {IDModeElectrovannes,
     {IDControleEffort, TGenre::Boolean, IDTabEV, 1.0, 0, 1, 1},
     TMasque::Jamais},
    {IDModeElectrovannes,
     {IDEffortFinAccostage, TGenre::Integer, IDTabEV, 1.0, 0, 9999, 0},
     TMasque::Jamais},
    {IDModeElectrovannes,
     {IDEffortMiniForgeage, TGenre::Integer, IDTabEV, 1.0, 0, 9999, 0},
     TMasque::Jamais},
    {IDModeElectrovannes,
     {IDEffortMaxiForgeage, TGenre::Integer, IDTabEV, 1.0, 0, 9999, 0},
     TMasque::Jamais},
    {IDEffortSoudage,
     {IDToleranceEpaisseur, TGenre::Double, IDTabEV, 0.1, 0, 255, 0},
     TMasque::SaufVarianteReconnue},
}};
constexpr std::array<TInsertion, 4> InsertionsAvancees = {{
    {IDControleFacteurMarche,
     {IDSurveillanceThyristors, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 1},
     TMasque::SiMF},
    {IDModeVolee,
     {IDRegulDebut5emePeriode, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 0},
     TMasque::SiMF},
    {IDSortieProgrammable,
     {IDPhieFixe, TGenre::Boolean, IDTabProgAdvParam, 1.0, 0, 1, 0},
     TMasque::SiMF},
    {IDSortieProgrammable,
     {IDAnglePhieFixe, TGenre::Integer, IDTabProgAdvParam, 1.0, 16, 78, 60},
     TMasque::SiMF},
}};

// The identifiers of the fields this generation adds (their values read as numbers).
bool EstChampG20(const std::string& IDChamp) {
    for (std::span<const TInsertion> table : {std::span<const TInsertion>(InsertionsUpslope),
                                              std::span<const TInsertion>(InsertionsAmpereSlope),
                                              std::span<const TInsertion>(InsertionsReferences),
                                              std::span<const TInsertion>(InsertionsEV),
                                              std::span<const TInsertion>(InsertionsAvancees)})
        for (const TInsertion& insertion : table)
            if (IDChamp == insertion.Def.Field.ID())
                return true;
    return false;
}

namespace p = payload;

// The 163-byte payload, words most significant byte first, raw values. The ampere set
// points come last: they are read in their place but stored after every other value.
constexpr std::array<TPayloadItem, 73> ItemsProgramme = {{
    p::Number(0, 2, IDPaliersPourcent, 0, TProgramme::NbPaliers),
    p::Number(40, 2, IDPaliersTension, 0, TProgramme::NbPaliers),
    p::Number(60, 2, IDPrechauffagePourcent),
    p::Number(64, 2, IDPrechauffageTension),
    p::Number(66, 2, IDRecuitPourcent),
    p::Number(70, 2, IDRecuitTension),
    p::Number(72, 2, IDVariationSegment, 0, TProgrammeG20::NbSegments),
    p::Number(92, 2, IDReferencePourcent),
    p::Number(94, 2, IDReferenceIntensite),
    p::Number(96, 2, IDReferenceTension),
    p::Number(98, 2, IDPourcentDebutUpslope),
    p::Number(100, 2, IDAmpereDebutUpslope),
    p::Number(102, 2, IDPourcentFinDownslope),
    p::Number(104, 2, IDAmpereFinDownslope),
    p::Number(106, 2, IDRetardElectrovanne2),
    p::Number(108, 2, IDDureeElectrovanne2),
    p::Number(110, 1, IDModeElectrovannes),
    p::Number(111, 1, IDPressionPourcent),
    p::Number(112, 2, IDConsignePression),
    p::Number(114, 2, IDConsignePression2),
    p::Number(116, 1, IDPressionPourcent2),
    p::Bits(117, 0, IDControleEffort),
    p::Number(118, 2, IDEffortFinAccostage),
    p::Number(120, 2, IDEffortMiniForgeage),
    p::Number(122, 2, IDEffortMaxiForgeage),
    p::Number(124, 2, IDEpaisseurSoudage),
    p::Number(126, 1, IDTempsPremierAccostage),
    p::Number(127, 1, IDTempsAccostage),
    p::Number(128, 2, IDTempsPrechauffage),
    p::Number(130, 2, IDTempsUpslope),
    p::Number(132, 2, IDTempsSoudage),
    p::Number(134, 2, IDIntervallePulsations),
    p::Number(136, 2, IDTempsDownslope),
    p::Number(138, 2, IDTempsTrempe),
    p::Number(140, 2, IDTempsRecuit),
    p::Number(142, 1, IDTempsForgeage),
    p::Number(143, 1, IDTempsIntervalGeneral),
    p::Number(144, 1, IDNombrePulsations),
    p::Bits(145, 0, IDAvecIntensite),
    p::Bits(145, 1, IDModeVolee),
    p::Bits(145, 2, IDControleFacteurMarche),
    p::Bits(145, 3, IDSurveillanceThyristors),
    p::Bits(145, 4, IDPhieFixe),
    p::Bits(145, 5, IDSoudageDemiPeriode),
    p::Bits(145, 6, IDRegulDebut5emePeriode),
    p::Number(146, 1, IDModeRegulation),
    p::Number(147, 1, IDModeControle),
    p::Number(148, 1, IDSeuilIntensiteHaut),
    p::Number(149, 1, IDSeuilIntensiteBas),
    p::Number(150, 1, IDSeuilIntensiteBasRepetitif),
    p::Number(151, 1, IDNombreSeuilIntensiteBasRepetitif),
    p::Number(152, 1, IDSeuilPourcentHaut),
    p::Number(153, 1, IDSeuilPourcentBas),
    p::Number(154, 1, IDSeuilPourcentHautRepetitif),
    p::Number(155, 1, IDNombreSeuilPourcentHautRepetitif),
    p::Number(156, 1, IDAnglePhieFixe),
    p::Number(157, 1, IDSortieProgrammable),
    p::Number(158, 1, IDNumeroElectrode),
    p::Number(159, 1, IDEffortSoudage),
    p::Number(160, 2, IDTempsFroid),
    p::Number(162, 1, IDToleranceEpaisseur),
    p::Number(20, 2, IDPaliersAmpere, 0, TProgramme::NbPaliers),
    p::Number(62, 2, IDPrechauffageAmpere),
    p::Number(68, 2, IDRecuitAmpere),
}};

constexpr TPayloadLayout LayoutProgramme(ItemsProgramme);
static_assert(LayoutProgramme.Size() == TProgrammeG20::TaillePayload);

constexpr std::array<TTypeModeRegulation, 4> TypesModeRegulation = {
    TTypeModeRegulation::mrPourcentDephasage, TTypeModeRegulation::mrPourcentIntensite,
    TTypeModeRegulation::mrRegulationIntensite, TTypeModeRegulation::mrCompensationTension};

} // namespace

TProgrammeG20::TProgrammeG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TProgramme(AOwner, TypeZone, Numero, aLogicalZone) {
    SetTailles(TaillePayload, TaillePayload);
    CreateFields();
    InitialiserCompagnon();
}

std::string TProgrammeG20::ClassName() const {
    return "TProgrammeG20";
}

std::unique_ptr<TCustomZoneCPS> TProgrammeG20::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                      Word Numero,
                                                      TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TProgrammeG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TProgrammeG20::CreateFields() {
    AjusterTemps();
    AfficherTemps();
    AjusterConsignes(ChampsPourcent, 10.0, IsTypeMF() ? 99.9 : 99.0);
    Inserer(InsertionsUpslope);
    AjusterAmperes();
    Inserer(InsertionsAmpereSlope);
    AjusterConsignes(ChampsTension, 10.0, 0.0);
    if (IsTypeMF())
        for (const TFieldHandle& id : ChampsTension)
            Field(id).Unlink();
    Inserer(InsertionsReferences);
    AjusterModes();
    if (GetTypeZone() == PrcProgrammes)
        FSuiviElectrode =
            Field(IDNumeroElectrode).Subscribe([this](TKEVField&) { ActualiserRapportsAmperes(); });
    AjusterEntreesSorties();
}

void TProgrammeG20::AjusterTemps() {
    if (!IsTypeMF()) {
        SetRawValue(IDTempsForgeage, 1);
        return;
    }
    for (const TTempsMF& temps : TempsMF) {
        TKEVNumericField& field = Numerique(temps.Field);
        field.SetRatio(temps.Ratio);
        field.SetRawMax(temps.Max);
        if (temps.Valeur >= 0)
            field.SetRawValue(temps.Valeur);
        if (temps.Min >= 0)
            field.SetRawMin(temps.Min);
    }
}

void TProgrammeG20::AfficherTemps() {
    if (IsTypeMF())
        Field(IDSoudageDemiPeriode).Unlink();
    Field(IDTempsFroid).Link(IDTempsTrempe.ID(), false);
    SetRawValue(IDTempsIntervalGeneral, 0);
}

void TProgrammeG20::AjusterConsignes(std::span<const TFieldHandle> Fields, double Mini,
                                     double Maxi) {
    for (const TFieldHandle& id : Fields)
        PourChaque(id, [Mini, Maxi](TKEVField& field) {
            auto& consigne = dynamic_cast<TKEVDoubleField&>(field);
            consigne.SetMin(Mini);
            consigne.SetAsFloat(Mini);
            if (Maxi > 0.0)
                consigne.SetMax(Maxi);
        });
}

void TProgrammeG20::AjusterAmperes() {
    const int maxi = IsTypeMF() ? 9990 : 16000;
    for (const TFieldHandle& id : ChampsAmpere)
        PourChaque(id, [maxi](TKEVField& field) {
            field.SetAsInteger(500);
            dynamic_cast<TKEVNumericField&>(field).SetRawMax(maxi);
        });
}

void TProgrammeG20::AjusterModes() {
    TKEVNumericField& regulation = Numerique(IDModeRegulation);
    TKEVNumericField& controle = Numerique(IDModeControle);
    if (IsTypeMF()) {
        regulation.SetRawValue(0);
        regulation.SetRawMax(1);
        controle.SetRawMax(2);
    } else {
        regulation.SetRawValue(2);
        regulation.SetRawMin(1);
        controle.SetRawValue(1);
    }
}

void TProgrammeG20::AjusterEntreesSorties() {
    if (IsFieldbus()) {
        Numerique(IDModeElectrovannes).SetRawValue(1);
        Numerique(IDModeElectrovannes).SetRawMin(1);
    }
    Inserer(InsertionsEV);
    if (!IsFieldbus()) {
        Field(IDEpaisseurSoudage).Unlink();
        Field(IDEffortSoudage).Unlink();
    }
    Inserer(InsertionsAvancees);
    Field(IDControleFacteurMarche).Unlink();
    if (IsFieldbus())
        Field(IDSortieProgrammable).Unlink();
}

void TProgrammeG20::Inserer(std::span<const TInsertion> Insertions) {
    for (const TInsertion& insertion : Insertions) {
        TKEVField* field =
            InsertField(insertion.RefField, insertion.Def.Field, CreerChamp(insertion.Def), false);
        if (Masquer(insertion.Masque))
            field->Unlink();
    }
}

bool TProgrammeG20::Masquer(TMasque Masque) const {
    switch (Masque) {
    case TMasque::SaufMF:
        return !IsTypeMF();
    case TMasque::SiMF:
        return IsTypeMF();
    case TMasque::SaufVarianteReconnue:
        return !IsVarianteReconnue();
    case TMasque::Jamais:
        break;
    }
    return false;
}

bool TProgrammeG20::IsFieldbus() const {
    const TCustomEpromDescription* description = Description();
    return description != nullptr && description->TypeIO() != tiTOR;
}

bool TProgrammeG20::IsVarianteReconnue() const {
    const auto* description = dynamic_cast<const TEpromDescriptionG20*>(Description());
    return description != nullptr && description->VarianteReconnue();
}

void TProgrammeG20::InitialiserCompagnon() {
    switch (GetTypeZone()) {
    case PrcProgrammesMini:
        for (int i = 0; i < GetFieldCount(); ++i)
            GetFields(i)->SetToMin();
        SetNumeroElectrode(ElectrodeMin());
        break;
    case PrcProgrammesMaxi:
        for (int i = 0; i < GetFieldCount(); ++i)
            GetFields(i)->SetToMax();
        SetNumeroElectrode(ElectrodeMax());
        break;
    case PrcprogrammesRAZ:
        SetNumeroElectrode(ElectrodeMin());
        break;
    default:
        break;
    }
}

void TProgrammeG20::ActualiserRapportsAmperes() {
    ChangeCoeffModeAmpere();
    Numerique(IDReferenceIntensite).SetRatio(IsModeAmperes() ? 1.0 : 10.0);
}

std::string TProgrammeG20::NomEprom() const {
    TCustomEprom* eprom = GetEprom();
    return eprom != nullptr ? eprom->GetNomEprom() : std::string();
}

void TProgrammeG20::Assign(const TPersistent* Source) {
    if (dynamic_cast<const TProgrammeG20*>(Source) == nullptr) {
        LogEvent(this, "Assign", "Type Mismatch", NomEprom(), LogAnomaly, CatZRT);
        return;
    }
    // A new electrode number is told once the copy has released the zone lock: its
    // observer asks the EPROM for the electrode.
    TZoneCPS::Assign(Source);
}

TErreurSerie TProgrammeG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    if (LngTrame != TaillePayload)
        return SerErrDonnees;
    int offset = 0;
    try {
        ReadThroughCopy(*this, [&](TCustomZoneCPS& Copy) {
            LayoutProgramme.Decode(dynamic_cast<TZoneCPS&>(Copy), Trame, 0, offset);
            return true;
        });
        return SerSansErreur;
    } catch (const std::exception& e) {
        const auto byteAt = [&Trame](int Index) {
            return Index < MaxBuffer ? Trame[static_cast<std::size_t>(Index)] : 0;
        };
        LogEvent(this, "SerialDecode (" + NomEprom() + ")",
                 Format("Erreur decodage Offset %d (%2.2X/%2.2X)", offset, byteAt(offset),
                        byteAt(offset + 1)),
                 Format("LngTrame %d Trame%s", LngTrame, HexDump(Trame, 0, LngTrame)), LogAnomaly,
                 CatZRT);
        LogEvent(this, "SerialDecode", e.what(), NomEprom(), LogAnomaly, CatZRT);
        return SerErrDonnees;
    }
}

int TProgrammeG20::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    int position = LngTrame;
    try {
        return LayoutProgramme.Encode(*this, Trame, LngTrame, position);
    } catch (const std::exception& e) {
        LogEvent(this, "SerialEncode", e.what(), NomEprom(), LogAnomaly, CatZRT);
        return position;
    }
}

bool TProgrammeG20::SaisieZoneCPS(void* aOwner, void* FormReference) {
    return OpenEditor(*this, aOwner, FormReference);
}

const TPayloadLayout& TProgrammeG20::Layout() {
    return LayoutProgramme;
}

std::string TProgrammeG20::NomChamp(const std::string& IDChamp) const {
    std::string caption;
    if (DetailParChamp(SectionProgrammeG20, NomsChampsG20, IDChamp, caption))
        return caption;
    return TProgramme::NomChamp(IDChamp);
}

std::string TProgrammeG20::DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                             std::string& IDZone, std::string& IDValeur) const {
    const bool mf = IsTypeMF();
    const auto entry = std::find_if(CaptionsValeursG20.begin(), CaptionsValeursG20.end(),
                                    [&IDChamp, mf](const TCaptionsG20& e) {
                                        return IDChamp == e.Field.ID() && (mf || !e.SeulementMF);
                                    });
    if (entry != CaptionsValeursG20.end()) {
        IDZone = SectionProgrammeG20;
        return DetailParPosition(SectionProgrammeG20, entry->Captions, IDChamp, Valeur, IDValeur);
    }
    if (!EstChampG20(IDChamp))
        return TProgramme::DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
    IDZone = SectionProgrammeG20;
    IDValeur.clear();
    return IntToStr(Valeur);
}

TTypeModeRegulation TProgrammeG20::GetTypeModeRegulation() const {
    const int mode = GetModeRegulation();
    if (mode < 0 || mode >= static_cast<int>(TypesModeRegulation.size()))
        return TTypeModeRegulation::mrNone;
    return TypesModeRegulation[static_cast<std::size_t>(mode)];
}

void TProgrammeG20::SetTypeModeRegulation(TTypeModeRegulation Value) {
    const auto found = std::find(TypesModeRegulation.begin(), TypesModeRegulation.end(), Value);
    if (found != TypesModeRegulation.end())
        SetModeRegulation(static_cast<int>(found - TypesModeRegulation.begin()));
}

bool TProgrammeG20::IsModeAmperes() const {
    const TZoneHolder electrode(GetEprom(), PrcElectrodes, GetNumeroElectrode());
    const auto* zone = electrode.As<TElectrode>();
    return zone != nullptr && zone->IsModeAmperes();
}

double TProgrammeG20::GetVariationSegment(int NumPalier) const {
    return Element(IDVariationSegment, NumPalier).GetAsFloat();
}

void TProgrammeG20::SetVariationSegment(int NumPalier, double Value) {
    Element(IDVariationSegment, NumPalier).SetAsFloat(Value);
}

double TProgrammeG20::GetAmpereDebutUpslopeCalc() const {
    return GetAmpereDebutUpslope() / 1000.0;
}

void TProgrammeG20::SetAmpereDebutUpslopeCalc(double Value) {
    SetAmpereDebutUpslope(static_cast<int>(RoundToEven(Value * 1000.0)));
}

double TProgrammeG20::GetAmpereFinDownslopeCalc() const {
    return GetAmpereFinDownslope() / 1000.0;
}

void TProgrammeG20::SetAmpereFinDownslopeCalc(double Value) {
    SetAmpereFinDownslope(static_cast<int>(RoundToEven(Value * 1000.0)));
}

double TProgrammeG20::GetReferenceIntensiteCalc() const {
    return Calcule(GetReferenceIntensite());
}

void TProgrammeG20::SetReferenceIntensiteCalc(double Value) {
    SetReferenceIntensite(DepuisCalcule(Value));
}

std::string TProgrammeG20::GetModeCtrlAsString() const {
    const TKEVField* field = FindField(IDModeControle);
    return field != nullptr ? field->GetAsString() : "?";
}

int TProgrammeG20::GetModeEVMini() const {
    return static_cast<int>(GetRawMin(IDModeElectrovannes));
}

int TProgrammeG20::GetModeRegulMini() const {
    return static_cast<int>(GetRawMin(IDModeRegulation));
}

TProgrammeG20* TProgrammeG20::GetProgrammationMini() const {
    return dynamic_cast<TProgrammeG20*>(GetZoneMini());
}

TProgrammeG20* TProgrammeG20::GetProgrammationMaxi() const {
    return dynamic_cast<TProgrammeG20*>(GetZoneMaxi());
}

} // namespace g20seq
