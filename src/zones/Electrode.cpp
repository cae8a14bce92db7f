#include "zones/Electrode.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/EpromDescription.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "support/Format.h"

#include <algorithm>

namespace g20seq {

namespace {

using enum TGenreChamp;
using enum TAffichageChamp;
using namespace IDElectrode;

// Translation section of the captions of the generation-independent fields.
constexpr const char* SectionElectrode = "IDElectrode";

// The generation-independent fields, in creation order. IDNombreRodage and IDMargeRodage
// are not shown at this level: a generation links them where its editor wants them.
constexpr TDefChampElectrode ChampsElectrode[] = {
    {IDPaliers, Paliers, 0, 65000, 0, 1, "IDTabPaliers", {}, Toujours},
    {IDAlarme, Entier, 0, 999, 0, 1, "IDTabPaliers", {}, Toujours},
    {IDNombreRodage, Entier, 0, 99, 0, 1, "IDTabRodage", {}, Jamais},
    {IDDecalage, Entier, 0, 65000, 0, 1, "IDTabRodage", {}, Toujours},
    {IDNombreIP, Entier, 1, 9999, 1, 1, "IDTabRodage", {}, Toujours},
    {IDMargeRodage, Entier, 0, 99, 30, 1, "IDTabRodage", {}, Jamais},
    {IDGainServo, Entier, 0, 999, 0, 1, "IDTabElecAdvParam", {}, Toujours},
    {IDCoefficientEtalonnage, Reel, 500, 2000, 1000, 0.001, "IDTabElecAdvParam", {}, Toujours},
};

// Captions of the generation-independent fields.
constexpr TFieldCaption NomsElectrode[] = {
    {IDPaliers, "Nombre de points du palier"},
    {IDAlarme, "Nombre de points entre l'alarme et la fin de vie électrode"},
    {IDDecalage, "Valeur du compteur de points après un acquittement rodage"},
    {IDNombreIP, "Nombre de points entre deux rodages inter-palier"},
    {IDNombreRodage, "Nombre de rodages"},
    {IDMargeRodage,
     "Nombre de points entre la demande de rodage et le défaut \"Rodage non effectué\""},
    {IDCoefficientEtalonnage, "Coefficient d'étalonnage du tore de mesure"},
    {IDGainServo, "Gain de la servovanne (daN/V)"},
};

bool EstAffiche(TAffichageChamp Affichage, const TVarianteElectrode& Variante) {
    switch (Affichage) {
    case Toujours:
        return true;
    case AC:
        return !Variante.MF;
    case MF:
        return Variante.MF;
    case TOR:
        return Variante.TOR;
    case Jamais:
        break;
    }
    return false;
}

// The field of a row (every kind but Relier), in no tab sheet yet.
std::unique_ptr<TKEVField> NouveauChamp(const TDefChampElectrode& Def, TPersistent* Owner,
                                        TInterfacedPersistent* Parent, Int64 Defaut,
                                        std::span<const TIDZone> Valeurs) {
    switch (Def.Genre) {
    case Paliers: {
        auto paliers =
            std::make_unique<TKEVArrayField>(Def.Champ.ID(), TElectrode::NbPaliers, Owner, Parent);
        for (int i = 0; i < TElectrode::NbPaliers; ++i)
            paliers->SetField(i, std::make_unique<TKEVIntegerField>(Def.Champ.ID(), Owner, nullptr,
                                                                    Def.Min, Def.Max, Defaut,
                                                                    Def.Ratio));
        return paliers;
    }
    case Signe:
        return std::make_unique<TKEVSignedIntegerField>(Def.Champ.ID(), Owner, Parent, Def.Min,
                                                        Def.Max, Defaut, Def.Ratio);
    case Reel:
        return std::make_unique<TKEVDoubleField>(Def.Champ.ID(), Owner, Parent, Def.Ratio,
                                                 Def.Min * Def.Ratio, Def.Max * Def.Ratio,
                                                 Defaut * Def.Ratio);
    case Booleen:
        return std::make_unique<TKEVBooleanField>(Def.Champ.ID(), Owner, Parent, Defaut != 0);
    case Enumere:
        return std::make_unique<TKEVEnumField>(Def.Champ.ID(), Owner, Parent, Valeurs,
                                               static_cast<int>(Defaut), 0);
    case Entier:
    case Relier:
        break;
    }
    return std::make_unique<TKEVIntegerField>(Def.Champ.ID(), Owner, Parent, Def.Min, Def.Max,
                                              Defaut, Def.Ratio);
}

} // namespace

TElectrode::TElectrode(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone)
    : TZoneFamilleCPS(AOwner, TypeZone, Numero, aLogicalZone, PrcElectrodes) {
    try {
        CreateBaseFields();
    } catch (const std::exception& e) {
        LogEvent(this, "Create", e.what(), LibelleZone(), LogAnomaly, CatZRT);
    }
}

std::string TElectrode::ClassName() const {
    return "TElectrode";
}

THResult TElectrode::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IElectrode::IID) {
        *Obj = static_cast<IElectrode*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TElectrode::AddRef() {
    return TZoneCPS::AddRef();
}

int TElectrode::Release() {
    return TZoneCPS::Release();
}

void TElectrode::CreateBaseFields() {
    const TVarianteElectrode variante = Variante();
    for (const TDefChampElectrode& def : ChampsElectrode)
        CreerChamp(def, variante, def.Defaut);
    FSecureCompteurs = {};
}

void TElectrode::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* electrode = dynamic_cast<const TElectrode*>(Source);
    // The saved counters are copied under both zones' locks, as the fields are.
    const TLockPair lock = LockWith(electrode != nullptr ? *electrode : *this);
    if (electrode != nullptr)
        FSecureCompteurs = electrode->FSecureCompteurs;
    TZoneCPS::Assign(Source);
}

TErreurSerie TElectrode::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TElectrode::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

std::string TElectrode::NomChamp(const std::string& IDChamp) const {
    std::string nom;
    if (DetailParChamp(SectionElectrode, NomsElectrode, IDChamp, nom))
        return nom;
    return TZoneCPS::NomChamp(IDChamp);
}

int TElectrode::NombrePaliers() const {
    return NbPaliers;
}

TSecureCompteurs TElectrode::GetElectrodeSecure() const {
    LogEvent(this, "TElectrode.GetElectrodeSecure", "Appel interdit pour cette classe",
             Format("Electrode %d", GetNumeroZone()), LogAnomaly, CatZRT);
    throw Exception(Format("%s Appel méthode TElectrode.GetElectrodeSecure invalide", ClassName()));
}

void TElectrode::SetElectrodeSecure(TSecureCompteurs) {
    LogEvent(this, "TElectrode.SetElectrodeSecure", "Appel interdit pour cette classe",
             Format("Electrode %d", GetNumeroZone()), LogAnomaly, CatZRT);
    throw Exception(Format("%s Appel méthode TElectrode.SetElectrodeSecure invalide", ClassName()));
}

bool TElectrode::ISLoadToCPSSecure() const {
    return false;
}

int TElectrode::GetNumeroElectrode() const {
    return GetNumeroZone();
}

int TElectrode::GetNombrePaliers() const {
    return NombrePaliers();
}

TKEVField& TElectrode::Palier(int NumPalier) const {
    if (Slot(IDPaliers).Array == nullptr)
        throw Exception(Format("Unable to access field: %s", IDPaliers.ID()));
    return Element(IDPaliers, NumPalier);
}

int TElectrode::GetPalier(int NumPalier) const {
    return Palier(NumPalier).GetAsInteger();
}

void TElectrode::SetPalier(int NumPalier, int Value) {
    Palier(NumPalier).SetAsInteger(Value);
}

int TElectrode::GetAlarme() const {
    return GetAsInteger(IDAlarme);
}

int TElectrode::GetNombreRodage() const {
    return GetAsInteger(IDNombreRodage);
}

int TElectrode::GetDecalage() const {
    return GetAsInteger(IDDecalage);
}

int TElectrode::GetNombreIP() const {
    return GetAsInteger(IDNombreIP);
}

int TElectrode::GetMargeRodage() const {
    return GetAsInteger(IDMargeRodage);
}

int TElectrode::GetGainServo() const {
    return GetAsInteger(IDGainServo);
}

double TElectrode::GetCoefficientEtalonnage() const {
    return GetAsFloat(IDCoefficientEtalonnage);
}

std::string TElectrode::LibelleZone() const {
    return Format("Zone électrode (#%d)", GetNumeroZone());
}

TVarianteElectrode TElectrode::Variante() const {
    TVarianteElectrode variante;
    TCustomEprom* eprom = GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    if (description != nullptr) {
        variante.MF = description->TypeCourant() == tcMF;
        variante.TOR = description->TypeIO() == tiTOR;
    }
    return variante;
}

TKEVTabSheet* TElectrode::Onglet(const char* Key) const {
    auto* logicalZone = CastExact<TKEVLogicalZone>(GetLogicalZone());
    if (Key == nullptr || logicalZone == nullptr)
        return nullptr;
    return logicalZone->GetTabByID(Key);
}

void TElectrode::CreerChamp(const TDefChampElectrode& Def, const TVarianteElectrode& Variante,
                            Int64 Defaut, std::span<const TIDZone> Valeurs) {
    if (Def.Genre == Relier) {
        Field(Def.Champ).Link(Def.Reference.Empty() ? "" : Def.Reference.ID(), true);
        return;
    }
    TKEVField* field =
        InsertField(Def.Reference, Def.Champ,
                    NouveauChamp(Def, this, Onglet(Def.Onglet), Defaut, Valeurs), true);
    if (!EstAffiche(Def.Affichage, Variante))
        field->Unlink();
}

bool TElectrode::DetailValeurTable(std::span<const TValeursChamp> Table, const std::string& Section,
                                   const std::string& IDChamp, int Valeur, std::string& Detail,
                                   std::string& IDValeur) const {
    const auto row = std::find_if(Table.begin(), Table.end(),
                                  [&](const TValeursChamp& v) { return IDChamp == v.Champ.ID(); });
    if (row == Table.end())
        return false;
    Detail = DetailParPosition(Section, row->Liste, IDChamp, Valeur + row->Decalage, IDValeur);
    return true;
}

} // namespace g20seq
