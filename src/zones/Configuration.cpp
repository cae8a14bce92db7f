#include "zones/Configuration.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "model/TypeDefaut.h"
#include "support/Exceptions.h"
#include "support/Format.h"

#include <algorithm>
#include <memory>
#include <span>

namespace g20seq {

namespace {

using namespace ChampsConfiguration;

// Kind of a base field; Aucun marks identifiers that only have captions.
enum class TGenre : std::uint8_t { Aucun, Booleen, Entier, Enumere };

// One base field: how it is created, where it is shown, its value captions and its
// caption (NomChamp).
struct TChampBase {
    TFieldHandle Champ;
    TGenre Genre;
    int Min;
    int Max;
    int Defaut;
    TIDOnglet Onglet;
    std::span<const TIDZone> Valeurs;
    const char* Libelle;
};

constexpr TIDZone Langues[] = {
    {"IDLangue_0", "Français"}, {"IDLangue_1", "Anglais"},   {"IDLangue_2", "Allemand"},
    {"IDLangue_3", "Espagnol"}, {"IDLangue_9", "Portugais"}, {"IDLangue_4", "Italien"},
    {"IDLangue_5", "Suedois"},  {"IDLangue6", "Finnois"},    {"IDLangue_7", "Néerlandais"},
    {"IDLangue_8", "Polonais"}, {"IDLangue_10", "Slovaque"}, {"IDLangue_11", "Tchèque"},
    {"IDLangue_12", "Turque"},
};

constexpr TIDZone Parites[] = {
    {"IDParite_0", "Sans"},
    {"IDParite_1", "Impaire"},
    {"IDParite_2", "Paire"},
};

constexpr TIDZone CUContinu[] = {
    {"IDCUContinu_0", "Paliers"},
    {"IDCUContinu_1", "Segments"},
    {"IDCUContinu_2", "Segments en % d'une référence"},
};

constexpr TIDZone ChangementPermanent[] = {
    {"IDChangementPermanent_0", "Sur alarme"},
    {"IDChangementPermanent_1", "En permanence"},
};

constexpr TIDZone ActivationToutesElectrodes[] = {
    {"IDCUActivationToutesElectrodes_0", "l'électrode en cours"},
    {"IDCUActivationToutesElectrodes_1", "l'ensemble des électrodes"},
};

constexpr auto B = TGenre::Booleen;
constexpr auto I = TGenre::Entier;
constexpr auto E = TGenre::Enumere;

// The base fields in creation order, then the identifiers that only have captions.
constexpr TChampBase ChampsBase[] = {
    {IDProgEditeDCY1, B, 0, 1, 0, IDTabSelProg, CfgNonOui,
     "Mode dernier programme édité pour DCY1"},
    {IDProgrammeDCY1, I, 0, 32, 0, IDTabSelProg, {}, "Numéro du programme lié au départ cycle 1"},
    {IDProgrammeMiniDCY1,
     I,
     0,
     31,
     0,
     IDTabSelProg,
     {},
     "Programme minimum autorisé (départ cycle 1)"},
    {IDProgrammeMaxiDCY1,
     I,
     0,
     31,
     31,
     IDTabSelProg,
     {},
     "Programme maximum autorisé (départ cycle 1)"},
    {IDProgEditeDCY2, B, 0, 1, 0, IDTabSelProg, CfgNonOui,
     "Mode dernier programme édité pour DCY2"},
    {IDProgrammeDCY2, I, 0, 32, 0, IDTabSelProg, {}, "Numéro du programme lié au départ cycle 2"},
    {IDProgrammeMiniDCY2,
     I,
     0,
     31,
     0,
     IDTabSelProg,
     {},
     "Programme minimum autorisé (départ cycle 2)"},
    {IDProgrammeMaxiDCY2,
     I,
     0,
     31,
     31,
     IDTabSelProg,
     {},
     "Programme maximum autorisé (départ cycle 2)"},
    {IDParite, E, 0, 2, 0, IDTabSelProg, Parites, "Type de parité"},
    {IDCUChargeProgAlarme, B, 0, 1, 0, IDTabSelProg, CfgNonOui,
     "Sélection prioritaire des programmes en alarme"},
    {IDCUContinue, B, 0, 1, 0, IDTabCU, CUContinu, "Type de compensation d'usure"},
    {IDChangementPermanent, B, 0, 1, 0, IDTabCU, ChangementPermanent, "Changement d'électrode"},
    {IDCUActivationToutesElectrodes, B, 0, 1, 0, IDTabCU, ActivationToutesElectrodes,
     "Les sorties liées à la compensation d'usure sont activées en fonction de"},
    {IDCURodageAlarme, B, 0, 1, 1, IDTabCU, CfgNonOui, "Rodage avec alarme"},
    {IDReInitialisationCompteurs, B, 0, 1, 0, IDTabCU, CfgNonOui,
     "Réinitialisation du compteur de points au clavier"},
    {IDCUConsignesLiees, B, 0, 1, 0, IDTabCU, CfgNonOui,
     "Incrémentation automatique de l'intensité des paliers suivants"},
    {IDCUPointsLies, B, 0, 1, 0, IDTabCU, CfgNonOui,
     "Incrémentation automatique des points de palier suivant"},
    {IDReposDGNNF, B, 0, 1, 1, IDTabESTOR, CfgReposNF,
     "Etat des sorties au repos : Défaut général"},
    {IDReposDFANF, B, 0, 1, 1, IDTabESTOR, CfgReposNF,
     "Etat des sorties au repos : Défaut de type A"},
    {IDReposDASNF, B, 0, 1, 0, IDTabESTOR, CfgReposNF,
     "Etat des sorties au repos : Demande autorisation de soudage"},
    {IDLangue, E, 0, 12, 0, IDTabConfAdvParam, Langues, "Langue"},
    {IDNbRepetitionPointAuto,
     I,
     0,
     9,
     0,
     IDTabConfAdvParam,
     {},
     "Répétition automatique du même point"},
    {IDRepetPointF4ClePrg, B, 0, 1, 0, IDTabConfAdvParam, CfgNonOui,
     "Acquittements avec clé sur position PRG : F4 - Répéter point"},
    {IDPointSuivantF5ClePrg, B, 0, 1, 0, IDTabConfAdvParam, CfgNonOui,
     "Acquittements avec clé sur position PRG : F5 - Point suivant"},
    {IDCUAcqF7ClePrg, B, 0, 1, 0, IDTabConfAdvParam, CfgNonOui,
     "Acquittements avec clé sur position PRG : F7 - Compensation d'usure"},
    {IDMotDePasseAcquittement, I, 0, 9999, 0, IDTabConfAdvParam, {}, "Mot de passe acquittement"},
    {IDAvecParite, TGenre::Aucun, 0, 0, 0, IDTabSelProg, {}, "Avec parité"},
    {IDPariteImpaire, TGenre::Aucun, 0, 0, 0, IDTabSelProg, {}, "Parité impaire"},
    {IDModeAssignationPoint, TGenre::Aucun, 0, 0, 0, IDTabConfAdvParam, CfgModeAssignationPoint,
     "Mode assignation point"},
};

const TChampBase* ChampBase(const std::string& IDChamp) {
    const auto found =
        std::find_if(std::begin(ChampsBase), std::end(ChampsBase),
                     [&](const TChampBase& champ) { return IDChamp == champ.Champ.ID(); });
    return found != std::end(ChampsBase) ? found : nullptr;
}

std::unique_ptr<TKEVField> NewChamp(const TChampBase& Champ, TPersistent* Owner,
                                    TInterfacedPersistent* Parent) {
    switch (Champ.Genre) {
    case TGenre::Booleen:
        return std::make_unique<TKEVBooleanField>(Champ.Champ.ID(), Owner, Parent,
                                                  Champ.Defaut != 0);
    case TGenre::Entier:
        return std::make_unique<TKEVIntegerField>(Champ.Champ.ID(), Owner, Parent, Champ.Min,
                                                  Champ.Max, Champ.Defaut, 1.0);
    case TGenre::Enumere:
        return std::make_unique<TKEVEnumField>(Champ.Champ.ID(), Owner, Parent, Champ.Valeurs,
                                               Champ.Defaut, 0);
    case TGenre::Aucun:
        break;
    }
    return nullptr;
}

} // namespace

TConfiguration::TConfiguration(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                               TInterfacedPersistent* aLogicalZone)
    : TZoneFamilleCPS(AOwner, TypeZone, Numero, aLogicalZone, PrcConfiguration),
      FstrListDefauts(true) {
    try {
        CreateBaseFields();
        FstrListDefauts.SetSorted(true);
        FstrListDefauts.SetCaseSensitive(true);
        FstrListDefauts.SetDuplicates(TDuplicates::dupError);
    } catch (const std::exception& e) {
        LogCreationError(e.what());
    }
}

TConfiguration::~TConfiguration() = default;

void TConfiguration::CreateBaseFields() {
    for (const TChampBase& champ : ChampsBase)
        if (champ.Genre != TGenre::Aucun)
            AddField(champ.Champ, NewChamp(champ, this, TabSheet(champ.Onglet)));
    if (!Variante().Hardware.Contains(thNoKeyReady))
        Field(IDMotDePasseAcquittement).Unlink();
}

std::string TConfiguration::ClassName() const {
    return "TConfiguration";
}

THResult TConfiguration::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IConfiguration::IID) {
        *Obj = static_cast<IConfiguration*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TConfiguration::AddRef() {
    return TZoneCPS::AddRef();
}

int TConfiguration::Release() {
    return TZoneCPS::Release();
}

TErreurSerie TConfiguration::FileDecode(const TByteArray& Trame, int LngTrame) {
    const auto copie = std::make_unique<TByteArray>(Trame);
    return SerialDecode(*copie, LngTrame);
}

int TConfiguration::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

std::string TConfiguration::NomChamp(const std::string& IDChamp) const {
    if (const TChampBase* champ = ChampBase(IDChamp))
        return Translate(IDConfigurationSection, champ->Champ.ID(), champ->Libelle);
    return TZoneCPS::NomChamp(IDChamp);
}

std::string TConfiguration::DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                              std::string& IDZone, std::string& IDValeur) const {
    const TChampBase* champ = ChampBase(IDChamp);
    if (champ == nullptr || champ->Valeurs.empty())
        return TZoneCPS::DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
    IDZone = IDConfigurationSection;
    return DetailParPosition(IDConfigurationSection, champ->Valeurs, IDChamp, Valeur, IDValeur);
}

TDefaut* TConfiguration::AddDefaut(const std::string& Numero, TInterfacedPersistent* Parent,
                                   TGroupeDefaut Groupe, int DefaultValue, int MaxValue,
                                   int MinValue, const std::string& Text) {
    auto field =
        std::make_unique<TKEVDefautField>(Numero, this, Parent, MinValue, MaxValue, DefaultValue);
    // Created managed (an unmanaged definition would drop its group) and not configurable
    // (its field stays out of the tab sheet until the definition gets its pair).
    auto defaut = std::make_unique<TDefaut>(this, Numero, true, false, field.get(), Groupe);
    AddField(std::move(field));
    FstrListDefauts.AddObject(Format("%s=%s", Numero, Text), defaut.get());
    return defaut.release();
}

bool TConfiguration::IsModeAmperes() const {
    throw Exception("Function \"isModeAmpere()\" can not be called from class " + ClassName());
}

std::string TConfiguration::GetDescriptionTypeDefaut(int NumeroTypeDefaut) const {
    return LibelleTypeDefaut(NumeroTypeDefaut);
}

std::string TConfiguration::GetIdentifiantCPS() const {
    return "";
}

TDefaut* TConfiguration::GetDefautParIndex(int IndexDefaut) const {
    if (IndexDefaut < 0 || IndexDefaut >= FstrListDefauts.Count())
        return nullptr;
    return dynamic_cast<TDefaut*>(FstrListDefauts.Objects(IndexDefaut));
}

TDefaut* TConfiguration::GetDefautParNom(const std::string& NumeroDefaut) const {
    return GetDefautParIndex(FstrListDefauts.IndexOfName(NumeroDefaut));
}

std::string TConfiguration::GetTexteDefaut(const std::string& NumeroDefaut) const {
    const int index = FstrListDefauts.IndexOfName(NumeroDefaut);
    return index >= 0 ? FstrListDefauts.ValueFromIndex(index) : std::string();
}

void TConfiguration::SetAvecParite(bool Value) {
    if (!Value)
        SetParite(0);
    else if (GetParite() == 0)
        SetParite(1);
}

void TConfiguration::SetPariteImpaire(bool Value) {
    if (GetAvecParite())
        SetParite(Value ? 1 : 2);
}

int TConfiguration::GetInteger(const TFieldHandle& Handle) const {
    const TKEVField* field = FindField(Handle);
    return field != nullptr ? field->GetAsInteger() : 0;
}

void TConfiguration::SetInteger(const TFieldHandle& Handle, int Value) {
    if (TKEVField* field = FindField(Handle))
        field->SetAsInteger(Value);
}

bool TConfiguration::GetBoolean(const TFieldHandle& Handle) const {
    const TKEVField* field = FindField(Handle);
    return field != nullptr && field->GetAsBoolean();
}

void TConfiguration::SetBoolean(const TFieldHandle& Handle, bool Value) {
    if (TKEVField* field = FindField(Handle))
        field->SetAsBoolean(Value);
}

TInterfacedPersistent* TConfiguration::TabSheet(TIDOnglet Onglet) const {
    const auto* logicalZone = dynamic_cast<const TKEVLogicalZone*>(GetLogicalZone());
    if (logicalZone == nullptr || Onglet >= OngletCount)
        return nullptr;
    return logicalZone->GetTabByID(IDOnglet(Onglet).IDZone);
}

TConfiguration::TVariante TConfiguration::Variante() const {
    TVariante variante;
    TCustomEprom* eprom = GetEprom();
    const auto* description = eprom != nullptr
                                  ? dynamic_cast<const TEpromDescription*>(eprom->GetDescription())
                                  : nullptr;
    if (description == nullptr)
        return variante;
    variante.Courant = description->TypeCourant();
    variante.IO = description->TypeIO();
    variante.Hardware = description->Hardware();
    if (const auto* g20 = dynamic_cast<const TEpromDescriptionG20*>(description))
        variante.ProfilC1 = g20->ProfilC1();
    return variante;
}

void TConfiguration::LogCreationError(const std::string& Text) const {
    LogEvent(this, "Create", Text, ZoneConfigurationCaption, LogAnomaly, CatZRT);
}

} // namespace g20seq
