#include "zones/ElectrodeG20.h"

#include "model/DataProxy.h"
#include "model/EditorOpeners.h"
#include "model/KEVNumericFields.h"
#include "model/ZoneCodec.h"
#include "support/Format.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace g20seq {

namespace {

using enum TGenreChamp;
using enum TAffichageChamp;
using namespace IDElectrode;
using namespace IDElectrodeG20;
using payload::Bits;
using payload::Constant;
using payload::Number;
using payload::Skip;

// Translation section of the captions of the G20 fields and of their values.
constexpr const char* SectionElectrodeG20 = "IDElectrodeG20";

// Type of wear compensation, then (read at value + 2) which electrodes an extended
// replacement replaces.
constexpr TIDZone ListeRemplacement[] = {
    {"IDCURemplacementEtendu_RL", "Remplacement limité"},
    {"IDCURemplacementEtendu_RE", "Remplacement étendu"},
    {"IDCURemplacementEtendu_RESeule", "Uniquement les électrodes en remplacement étendu"},
    {"IDCURemplacementEtendu_Toutes", "Toutes les électrodes"},
};

constexpr TIDZone ListeNonOui[] = {
    {"IDCfg_Non_Oui_0", "Non"},
    {"IDCfg_Non_Oui_1", "Oui"},
};

constexpr TIDZone ListeModeSoudageDegrade[] = {
    {"IDModeSoudageDegrade_0", "Normal"},
    {"IDModeSoudageDegrade_1", "Dégradé"},
};

constexpr TIDZone ListeTypeMesure[] = {
    {"IDTypeMesure_Secondaire", "Secondaire"},
    {"IDTypeMesure_Primaire", "Primaire"},
};

// Transformer/diode assemblies: rated power, secondary voltage, number of diodes.
constexpr TIDZone ListeTypeEnsemble[] = {
    {"IDTypeEnsemble_Inconnu", "Transformateur inconnu"},
    {"IDTypeEnsemble_1", "100 kVA - 8,5 V - 2 diodes"},
    {"IDTypeEnsemble_2", "130 kVA - 9,5 V - 2 diodes"},
    {"IDTypeEnsemble_3", "160 kVA - 10 V - 4 diodes"},
    {"IDTypeEnsemble_4", "180 kVA - 11 V - 4 diodes"},
    {"IDTypeEnsemble_5", "210 kVA - 12 V - 4 diodes"},
};

constexpr const char* TabPaliers = "IDTabPaliers";
constexpr const char* TabRodage = "IDTabRodage";
constexpr const char* TabTransfo = "IDTabTransfo";
constexpr const char* TabAvance = "IDTabElecAdvParam";

// The G20 fields in creation order (which is also their order in the field order list).
// The two Relier rows put IDNombreRodage next to IDDecalage (before IDNumeroFraise is
// inserted at it) and IDMargeRodage at the end of the dressing sheet. Defaults of the
// current-sensor gain and of the first-pulse angle gap are those of 50 Hz mains
// (DefautsSecteur gives the 60 Hz ones).
constexpr TDefChampElectrode ChampsG20[] = {
    {IDPostFDVE, Entier, 0, 99, 0, 1, TabPaliers, {}, Toujours},
    {IDCURemplacementEtendu, Booleen, 0, 1, 0, 1, TabRodage, IDDecalage, Toujours},
    {IDCURemplaceToutes, Booleen, 0, 1, 0, 1, TabRodage, IDDecalage, Toujours},
    {IDCURodageNeuve, Booleen, 0, 1, 0, 1, TabRodage, IDDecalage, Toujours},
    {IDCURodageInterPalier, Booleen, 0, 1, 0, 1, TabRodage, IDDecalage, Toujours},
    {IDNombreRodage, Relier, 0, 0, 0, 1, TabRodage, IDDecalage, Toujours},
    {IDNumeroFraise, Entier, 0, 3, 0, 1, TabRodage, IDNombreRodage, Toujours},
    {IDTypeEnsembleTransfoDiode, Enumere, 0, 5, 1, 1, TabTransfo, {}, MF},
    {IDNombreTores, Entier, 1, 2, 1, 1, TabTransfo, {}, MF},
    {IDFrequenceTransformateur, Entier, 800, 1200, 1000, 1, TabTransfo, {}, Jamais},
    {IDRapportTransformation, Reel, 0, 4000, 0, 0.1, TabTransfo, {}, MF},
    {IDOffsetRapport, Entier, 0, 65535, 0, 1, TabTransfo, {}, MF},
    {IDRapportTransfoIntFaible, Reel, 0, 4000, 0, 0.1, TabTransfo, {}, MF},
    {IDOffsetRapportIntFaible, Entier, 0, 65535, 0, 1, TabTransfo, {}, MF},
    {IDLimiteIntFaible, Entier, 0, 65535, 0, 1, TabTransfo, {}, MF},
    {IDTypeMesure, Enumere, 0, 1, 0, 1, TabTransfo, {}, MF},
    {IDGainServo2, Entier, 0, 999, 0, 1, TabAvance, IDCoefficientEtalonnage, Toujours},
    {IDGainBobineIntensite, Entier, 10, 2600, 150, 1, TabAvance, {}, AC},
    {IDRapportMesure, Reel, 1, 9999, 100, 0.01, TabAvance, IDGainBobineIntensite, AC},
    {IDGainCapteurEffort, Entier, 0, 999, 0, 1, TabAvance, IDGainBobineIntensite, Toujours},
    {IDOffsetEffortSV, Signe, -100, 100, 0, 1, TabAvance, IDGainBobineIntensite, Toujours},
    {IDOffsetEffortSV2, Signe, -100, 100, 0, 1, TabAvance, IDGainBobineIntensite, Toujours},
    {IDDebutMesure, Entier, 1, 255, 1, 1, TabAvance, {}, MF},
    {IDSeuilArretMesure, Entier, 10, 100, 100, 1, TabAvance, {}, MF},
    {IDDureePassageGOPO, Entier, 50, 200, 100, 10, TabAvance, {}, TOR},
    {IDDureeOuverturePO, Entier, 40, 200, 100, 10, TabAvance, {}, TOR},
    {IDAngleSlope, Entier, 90, 153, 130, 1, TabAvance, {}, AC},
    {IDDeltaPsiPulse1, Entier, 0, 60, 15, 1, TabAvance, {}, AC},
    {IDIntensiteThermique, Entier, 0, 3000, 0, 10, TabAvance, {}, Toujours},
    {IDDureeIntegrationThermique, Entier, 60, 240, 60, 1, TabAvance, {}, AC},
    {IDIntensiteThCycle, Entier, 0, 3000, 0, 10, TabAvance, {}, AC},
    {IDDureeIntegrationThCycle, Entier, 2, 240, 60, 1, TabAvance, {}, AC},
    {IDCUFacteurMarche, Booleen, 0, 1, 0, 1, TabAvance, {}, Toujours},
    {IDCUControleThermique, Booleen, 0, 1, 1, 1, TabAvance, {}, MF},
    {IDModeSoudageDegrade, Booleen, 0, 1, 0, 1, TabAvance, {}, Toujours},
    {IDDebitEau, Entier, 4, 8, 4, 1, TabAvance, {}, MF},
    {IDTemperatureEau, Entier, 1, 99, 20, 1, TabAvance, {}, MF},
    {IDDeltaPsiRecuit, Entier, 0, 60, 0, 1, nullptr, {}, Jamais},
    {IDDeltaPsiPulse2, Entier, 0, 60, 0, 1, nullptr, {}, Jamais},
    {IDAngleDemarrageRegul, Entier, 90, 153, 110, 1, nullptr, {}, Jamais},
    {IDMargeRodage, Relier, 0, 0, 0, 1, TabRodage, {}, Toujours},
};

// Captions of the G20 fields. The last three fields are set by the controller's maker and
// never shown: their caption is their identifier.
constexpr TFieldCaption NomsG20[] = {
    {IDPostFDVE, "Nombre de points autorisés après la fin de vie de l'électrode et avant "
                 "l'activation du défaut N°10"},
    {IDCURemplacementEtendu, "Type de compensation d'usure"},
    {IDCURemplaceToutes, "Remplacement si exécution en étendu"},
    {IDCURodageNeuve, "Rodage électrode neuve"},
    {IDCURodageInterPalier, "Rodage inter-palier"},
    {IDNumeroFraise, "Numéro de fraise"},
    {IDTypeEnsembleTransfoDiode, "Type de l'ensemble transformateur/diodes"},
    {IDNombreTores, "Nombre de tores"},
    {IDFrequenceTransformateur, "Fréquence du transformateur (Hz)"},
    {IDRapportTransformation, "Rapport de transformation"},
    {IDOffsetRapport, "Offset du rapport de transformation"},
    {IDRapportTransfoIntFaible, "Rapport transformation intensité faible"},
    {IDOffsetRapportIntFaible, "Offset du rapport de transformation intensité faible"},
    {IDLimiteIntFaible, "Limite intensité faible"},
    {IDTypeMesure, "Type de mesure"},
    {IDGainServo2, "Gain de la servovanne N°2 (daN/V)"},
    {IDGainBobineIntensite, "Gain du capteur de courant (mV/kA)"},
    {IDRapportMesure, "Rapport de mesure"},
    {IDGainCapteurEffort, "Gain du capteur d'effort (daN/V)"},
    {IDOffsetEffortSV, "Offset effort servo-vanne (daN)"},
    {IDOffsetEffortSV2, "Offset effort servo-vanne 2 (daN)"},
    {IDDebutMesure, "Début de mesure (ms)"},
    {IDSeuilArretMesure, "Seuil d'arrêt mesure (%)"},
    {IDDureePassageGOPO, "Durée de passage de GO à PO"},
    {IDDureeOuverturePO, "Durée d'ouverture en PO"},
    {IDAngleSlope, "Angle de début d'upslope et de fin de downslope (°)"},
    {IDDeltaPsiPulse1, "Ecart angle 1ère/2ème demi-période de la 1ère pulsation"},
    {IDIntensiteThermique, "Intensité thermique"},
    {IDDureeIntegrationThermique, "Durée d'integration de l'intensité thermique (s)"},
    {IDIntensiteThCycle, "Intensité thermique cycle"},
    {IDDureeIntegrationThCycle, "Durée d'integration de l'intensité thermique cycle (s)"},
    {IDCUFacteurMarche, "Contrôle du facteur de marche"},
    {IDCUControleThermique, "Contrôle thermique des diodes"},
    {IDModeSoudageDegrade, "Mode de soudage dégradé"},
    {IDDebitEau, "Débit d'eau (l/min)"},
    {IDTemperatureEau, "Température de l'eau (°C)"},
    {IDDeltaPsiRecuit, IDDeltaPsiRecuit.ID()},
    {IDDeltaPsiPulse2, IDDeltaPsiPulse2.ID()},
    {IDAngleDemarrageRegul, IDAngleDemarrageRegul.ID()},
};

// Captions of the values of the enumerated and boolean G20 fields.
constexpr TValeursChamp ValeursG20[] = {
    {IDCURemplacementEtendu, ListeRemplacement, 0},
    {IDCURemplaceToutes, ListeRemplacement, 2},
    {IDCURodageNeuve, ListeNonOui, 0},
    {IDCURodageInterPalier, ListeNonOui, 0},
    {IDTypeEnsembleTransfoDiode, ListeTypeEnsemble, 0},
    {IDTypeMesure, ListeTypeMesure, 0},
    {IDCUFacteurMarche, ListeNonOui, 0},
    {IDCUControleThermique, ListeNonOui, 0},
    {IDModeSoudageDegrade, ListeModeSoudageDegrade, 0},
};

// Factory defaults that depend on the mains frequency of the host settings.
struct TDefautSecteur {
    TFieldHandle Champ;
    Int64 Defaut60Hz;
    Int64 DefautAutre;
};

constexpr TDefautSecteur DefautsSecteur[] = {
    {IDGainBobineIntensite, 180, 150},
    {IDDeltaPsiPulse1, 11, 15},
};

// Displayed range of the toroid calibration coefficient on a medium-frequency controller.
constexpr double CoefficientEtalonnageMiniMF = 0.05;
constexpr double CoefficientEtalonnageMaxiMF = 20.0;

// Values the Maxi companion takes after every field was set to its maximum (raw units).
struct TValeurRaw {
    TFieldHandle Champ;
    Int64 Raw;
};

constexpr TValeurRaw SurchargesMaxi[] = {
    {IDGainBobineIntensite, 2600},
    {IDRapportMesure, 9999},
    {IDIntensiteThermique, 3000},
};

// Fields whose change can switch the ampere mode.
constexpr TFieldHandle ChampsModeAmpere[] = {IDGainBobineIntensite, IDRapportMesure};

constexpr double SeuilModeAmpere = 1000.0;
constexpr double RatioAmpere = 1.0;
constexpr double RatioDizaineAmperes = 10.0;

// The controller payload. Bytes 55 and 56 carry coded values (Codages).
constexpr TPayloadItem ItemsPayload[] = {
    Number(0, 2, IDPaliers, 0, TElectrode::NbPaliers),
    Number(20, 2, IDAlarme),
    Number(22, 2, IDDecalage),
    Number(24, 2, IDNombreIP),
    Bits(26, 7, IDCUFacteurMarche),
    Bits(26, 6, IDCUControleThermique),
    Bits(26, 5, IDModeSoudageDegrade),
    Bits(26, 3, IDCURemplaceToutes),
    Bits(26, 2, IDCURodageInterPalier),
    Bits(26, 1, IDCURodageNeuve),
    Bits(26, 0, IDCURemplacementEtendu),
    Number(27, 1, IDNombreRodage),
    Number(28, 1, IDMargeRodage),
    Number(29, 1, IDPostFDVE),
    Number(30, 2, IDIntensiteThermique),
    Number(32, 2, IDGainBobineIntensite),
    Number(34, 2, IDRapportMesure),
    Number(36, 2, IDCoefficientEtalonnage),
    Number(38, 2, IDGainServo),
    Number(40, 2, IDGainServo2),
    Number(42, 2, IDGainCapteurEffort),
    Number(44, 1, IDDeltaPsiPulse1),
    Number(45, 1, IDDeltaPsiPulse2),
    Number(46, 1, IDDeltaPsiRecuit),
    Number(47, 1, IDAngleSlope),
    Number(48, 1, IDAngleDemarrageRegul),
    Number(49, 1, IDDebutMesure),
    Number(50, 1, IDSeuilArretMesure),
    Constant(51, 1, 10),
    Constant(52, 1, 0),
    Number(53, 1, IDNombreTores),
    Number(54, 1, IDTypeEnsembleTransfoDiode),
    Skip(55, 2),
    Number(57, 1, IDTemperatureEau),
    Number(58, 2, IDRapportTransformation),
    Number(60, 2, IDOffsetRapport),
    Number(62, 2, IDRapportTransfoIntFaible),
    Number(64, 2, IDOffsetRapportIntFaible),
    Number(66, 2, IDLimiteIntFaible),
    Number(68, 1, IDTypeMesure),
    Number(69, 1, IDNumeroFraise),
    Number(70, 1, IDDureePassageGOPO),
    Number(71, 1, IDDureeOuverturePO),
    Number(72, 1, IDOffsetEffortSV),
    Number(73, 1, IDOffsetEffortSV2),
    Number(74, 1, IDDureeIntegrationThermique),
    Number(75, 1, IDDureeIntegrationThCycle),
    Number(76, 2, IDIntensiteThCycle),
    Skip(78, 1),
};

constexpr TPayloadLayout LayoutPayload{ItemsPayload};
static_assert(LayoutPayload.Size() == TElectrodeG20::TaillePayload);

constexpr TCodageChamp Codages[] = {
    {IDFrequenceTransformateur,
     55,
     {800, 1000, 1200},
     "GetFrequenceTransfo",
     "SetFrequenceTransfo"},
    {IDDebitEau, 56, {4, 6, 8}, "GetDebitEau", "SetDebitEau"},
};

Int64 DefautSelonSecteur(const TDefChampElectrode& Def, bool Secteur60Hz) {
    for (const TDefautSecteur& defaut : DefautsSecteur)
        if (defaut.Champ == Def.Champ)
            return Secteur60Hz ? defaut.Defaut60Hz : defaut.DefautAutre;
    return Def.Defaut;
}

// The value captions of a field (empty for a field without).
std::span<const TIDZone> Captions(const TFieldHandle& Champ) {
    const auto row = std::find_if(std::begin(ValeursG20), std::end(ValeursG20),
                                  [&Champ](const TValeursChamp& v) { return Champ == v.Champ; });
    return row != std::end(ValeursG20) ? row->Liste : std::span<const TIDZone>{};
}

} // namespace

TElectrodeG20::TElectrodeG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TElectrode(AOwner, TypeZone, Numero, aLogicalZone) {
    SetTailles(TaillePayload, TaillePayload);
    CreateFields();
    try {
        ChangeCoeffModeAmpere(this);
        InitCompagnon();
    } catch (const std::exception& e) {
        LogEvent(this, "Create", e.what(), LibelleZone(), LogAnomaly, CatZRT);
    }
}

std::string TElectrodeG20::ClassName() const {
    return "TElectrodeG20";
}

THResult TElectrodeG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IElectrodeEx::IID) {
        *Obj = static_cast<IElectrodeEx*>(this);
        return THResult::S_OK;
    }
    return TElectrode::QueryInterface(IID, Obj);
}

int TElectrodeG20::AddRef() {
    return TElectrode::AddRef();
}

int TElectrodeG20::Release() {
    return TElectrode::Release();
}

void TElectrodeG20::CreateFields() {
    try {
        const TVarianteElectrode variante = Variante();
        const bool secteur60Hz = FrequenceSecteur() == 60;
        for (const TDefChampElectrode& def : ChampsG20)
            CreerChamp(def, variante, DefautSelonSecteur(def, secteur60Hz), Captions(def.Champ));
        if (variante.MF) {
            auto& coefficient = dynamic_cast<IKEVDoubleField&>(Field(IDCoefficientEtalonnage));
            coefficient.SetMin(CoefficientEtalonnageMiniMF);
            coefficient.SetMax(CoefficientEtalonnageMaxiMF);
        }
        if (GetTypeZone() == PrcElectrodes)
            for (const TFieldHandle& id : ChampsModeAmpere)
                FSuivisModeAmpere.push_back(
                    Field(id).Subscribe([this](TKEVField&) { ChangeCoeffModeAmpere(this); }));
    } catch (const std::exception& e) {
        LogEvent(this, "CreateFields", "CreateFields (" + std::string(e.what()) + ")",
                 LibelleZone(), LogAnomaly, CatZRT);
    }
}

void TElectrodeG20::InitCompagnon() {
    if (GetTypeZone() != PrcElectrodeMini && GetTypeZone() != PrcElectrodeMaxi)
        return;
    const bool maxi = GetTypeZone() == PrcElectrodeMaxi;
    for (int i = 0; i < GetFieldCount(); ++i) {
        if (maxi)
            GetFields(i)->SetToMax();
        else
            GetFields(i)->SetToMin();
    }
    if (maxi)
        for (const TValeurRaw& valeur : SurchargesMaxi)
            SetRawValue(valeur.Champ, valeur.Raw);
}

void TElectrodeG20::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    // The copy and the ratio that follows it form one change of the zone; both zones are
    // locked together, as the copy itself locks them.
    const auto* source = dynamic_cast<const TZoneCPS*>(Source);
    const TLockPair lock = LockWith(source != nullptr ? *source : *this);
    TElectrode::Assign(Source);
    if (GetTypeZone() == PrcElectrodes)
        ChangeCoeffModeAmpere(this);
}

std::unique_ptr<TCustomZoneCPS> TElectrodeG20::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                      Word Numero,
                                                      TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TElectrodeG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

bool TElectrodeG20::IsModeAmperes() const {
    if (Variante().MF)
        return false;
    const TKEVField* gain = FindField(IDGainBobineIntensite);
    const TKEVField* rapport = FindField(IDRapportMesure);
    if (gain == nullptr || rapport == nullptr)
        return false;
    return gain->GetAsFloat() / rapport->GetAsFloat() >= SeuilModeAmpere;
}

void TElectrodeG20::ChangeCoeffModeAmpere(TObject*) {
    auto* intensite = dynamic_cast<TKEVNumericField*>(FindField(IDIntensiteThermique));
    if (intensite != nullptr)
        intensite->SetRatio(IsModeAmperes() ? RatioAmpere : RatioDizaineAmperes);
}

bool TElectrodeG20::SaisieZoneCPS(void* aOwner, void* FormReference) {
    return OpenEditor(*this, aOwner, FormReference);
}

std::string TElectrodeG20::NomChamp(const std::string& IDChamp) const {
    std::string nom;
    if (DetailParChamp(SectionElectrodeG20, NomsG20, IDChamp, nom))
        return nom;
    return TElectrode::NomChamp(IDChamp);
}

std::string TElectrodeG20::DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                             std::string& IDZone, std::string& IDValeur) const {
    std::string detail;
    if (DetailValeurTable(ValeursG20, SectionElectrodeG20, IDChamp, Valeur, detail, IDValeur)) {
        IDZone = SectionElectrodeG20;
        return detail;
    }
    return TElectrode::DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
}

const TPayloadLayout& TElectrodeG20::Layout() {
    return LayoutPayload;
}

int TElectrodeG20::SerialEncode(TByteArray& Trame, int LngTrame, int) const {
    if (GetTypeZone() != PrcElectrodes)
        return 0;
    const int fin = LayoutPayload.Encode(*this, Trame, LngTrame);
    for (const TCodageChamp& codage : Codages)
        EncoderCode(codage, Trame, LngTrame);
    return fin;
}

TErreurSerie TElectrodeG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [](TElectrodeG20& Copy, const TByteArray& Data, int& Offset) {
                              return Copy.DecoderPayload(Data, Offset);
                          });
}

int TElectrodeG20::DecoderPayload(const TByteArray& Trame, int& Offset) {
    const int lus = LayoutPayload.Decode(*this, Trame, 0, Offset);
    for (const TCodageChamp& codage : Codages)
        DecoderCode(codage, Trame, Offset);
    return lus;
}

void TElectrodeG20::EncoderCode(const TCodageChamp& Codage, TByteArray& Trame, int Start) const {
    const Int64 valeur = GetRawValue(Codage.Champ);
    const auto* code = std::find(std::begin(Codage.Valeurs), std::end(Codage.Valeurs), valeur);
    if (code == std::end(Codage.Valeurs)) {
        const std::string message = Format(SFieldBadValue, IntToStr(valeur));
        LogEvent(this, Codage.SourceGet, message, Codage.Champ.ID(), LogAnomaly, CatZRT);
        throw EFieldError(message);
    }
    PutByte(Trame, Start + Codage.Offset,
            static_cast<Byte>(std::distance(std::begin(Codage.Valeurs), code)));
}

void TElectrodeG20::DecoderCode(const TCodageChamp& Codage, const TByteArray& Trame, int& Offset) {
    Offset = Codage.Offset;
    const int code = GetByte(Trame, Codage.Offset);
    if (code >= static_cast<int>(std::size(Codage.Valeurs))) {
        const std::string message = Format(SFieldBadValue, GetAsString(Codage.Champ));
        LogEvent(this, Codage.SourceSet, message, Format("%s : code %d", Codage.Champ.ID(), code),
                 LogAnomaly, CatZRT);
        throw EFieldError(message);
    }
    SetRawValue(Codage.Champ, Codage.Valeurs[code]);
}

int TElectrodeG20::GetPostFDVE() const {
    return GetAsInteger(IDPostFDVE);
}

bool TElectrodeG20::GetCURemplacementEtendu() const {
    return GetAsBoolean(IDCURemplacementEtendu);
}

bool TElectrodeG20::GetCURemplaceToutes() const {
    return GetAsBoolean(IDCURemplaceToutes);
}

bool TElectrodeG20::GetCURodageNeuve() const {
    return GetAsBoolean(IDCURodageNeuve);
}

bool TElectrodeG20::GetCURodageInterPalier() const {
    return GetAsBoolean(IDCURodageInterPalier);
}

int TElectrodeG20::GetNumeroFraise() const {
    return GetAsInteger(IDNumeroFraise);
}

int TElectrodeG20::GetTypeEnsembleTransfoDiode() const {
    return GetAsInteger(IDTypeEnsembleTransfoDiode);
}

int TElectrodeG20::GetGainBobineIntensite() const {
    return GetAsInteger(IDGainBobineIntensite);
}

double TElectrodeG20::GetRapportMesure() const {
    return GetAsFloat(IDRapportMesure);
}

int TElectrodeG20::GetIntensiteThermique() const {
    return GetAsInteger(IDIntensiteThermique);
}

int TElectrodeG20::GetDebitEau() const {
    return GetAsInteger(IDDebitEau);
}

int TElectrodeG20::GetTemperatureEau() const {
    return GetAsInteger(IDTemperatureEau);
}

} // namespace g20seq
