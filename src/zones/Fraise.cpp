#include "zones/Fraise.h"

#include "model/DataProxy.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"

namespace g20seq {

namespace {

using namespace IDFraise;

// Translation section of the field captions.
constexpr const char* SectionFraise = "IDFraise";
constexpr const char* OngletFraise = "IDTabCU";

// The fields in creation order: limits and default in raw units (ratio 1).
struct TChampFraise {
    TFieldHandle Champ;
    int Min;
    int Max;
    int Defaut;
    const char* Libelle; // default caption (NomChamp)
};

constexpr TChampFraise ChampsFraise[] = {
    {IDFinDeVieFraiseRodeuse, 0, 32000, 2000, "Fin de vie fraise rodeuse"},
    {IDAlarmeFraiseRodeuse, 0, 999, 100, "Alarme fraise rodeuse"},
};

constexpr TPayloadItem ItemsPayload[] = {
    payload::Number(0, 2, IDFinDeVieFraiseRodeuse),
    payload::Number(2, 2, IDAlarmeFraiseRodeuse),
    payload::Constant(4, 1, 0),
};

constexpr TPayloadLayout LayoutPayload{ItemsPayload};
static_assert(LayoutPayload.Size() == TFraise::TaillePayload);

} // namespace

TFraise::TFraise(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone)
    : TZoneFamilleCPS(AOwner, TypeZone, Numero, aLogicalZone, PrcFraise) {
    try {
        CreateFields();
    } catch (const std::exception& e) {
        LogEvent(this, "Create", e.what(), ZoneLabel(), LogAnomaly, CatZRT);
    }
}

void TFraise::CreateFields() {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(GetLogicalZone());
    TInterfacedPersistent* onglet =
        logicalZone != nullptr ? logicalZone->GetTabByID(OngletFraise) : nullptr;
    for (const TChampFraise& champ : ChampsFraise) {
        TKEVField* field =
            AddField(champ.Champ,
                     std::make_unique<TKEVIntegerField>(champ.Champ.ID(), this, onglet, champ.Min,
                                                        champ.Max, champ.Defaut, 1.0));
        if (GetTypeZone() == PrcFraiseMini)
            field->SetToMin();
        else if (GetTypeZone() == PrcFraiseMaxi)
            field->SetToMax();
    }
}

std::string TFraise::ClassName() const {
    return "TFraise";
}

std::unique_ptr<TCustomZoneCPS> TFraise::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                Word Numero,
                                                TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TFraise>(AOwner, TypeZone, Numero, aLogicalZone);
}

const TPayloadLayout& TFraise::Layout() {
    return LayoutPayload;
}

TErreurSerie TFraise::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return LayoutPayload.DecodeZone(*this, Trame, LngTrame);
}

int TFraise::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    return LayoutPayload.Encode(*this, Trame, LngTrame);
}

TErreurSerie TFraise::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TFraise::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

std::string TFraise::NomChamp(const std::string& IDChamp) const {
    for (const TChampFraise& champ : ChampsFraise)
        if (IDChamp == champ.Champ.ID())
            return Translate(SectionFraise, IDChamp, champ.Libelle);
    return TZoneCPS::NomChamp(IDChamp);
}

int TFraise::GetFinDeVieFraiseRodeuse() const {
    return GetAsInteger(IDFinDeVieFraiseRodeuse);
}

void TFraise::SetFinDeVieFraiseRodeuse(int Value) {
    SetAsInteger(IDFinDeVieFraiseRodeuse, Value);
}

int TFraise::GetAlarmeFraiseRodeuse() const {
    return GetAsInteger(IDAlarmeFraiseRodeuse);
}

void TFraise::SetAlarmeFraiseRodeuse(int Value) {
    SetAsInteger(IDAlarmeFraiseRodeuse, Value);
}

} // namespace g20seq
