#include "model/CustomZoneCPS.h"

#include "interface/CustomEprom.h"
#include "model/IDTypeZones.h"
#include "support/Exceptions.h"
#include "support/Format.h"

namespace g20seq {

TCustomZoneCPS::TCustomZoneCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero)
    : FOwner(AOwner), FTypeZone(TypeZone), FNumeroZone(Numero) {}

std::string TCustomZoneCPS::ClassName() const {
    return "TCustomZoneCPS";
}

Byte TCustomZoneCPS::GetNumeroCPS() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::GetLoadToCPS() const {
    return FLoadToCPS;
}

bool TCustomZoneCPS::GetSaveFromCPS() const {
    return FSaveFromCPS;
}

TInterfacedPersistent* TCustomZoneCPS::GetLogicalZone() const {
    throw EAbstractError();
}

TKEVField* TCustomZoneCPS::GetFieldByID(const std::string&) const {
    throw EAbstractError();
}

TKEVField* TCustomZoneCPS::GetFields(int) const {
    throw EAbstractError();
}

int TCustomZoneCPS::GetFieldCount() const {
    throw EAbstractError();
}

void TCustomZoneCPS::SetLogicalZone(TInterfacedPersistent*) {
    throw EAbstractError();
}

void TCustomZoneCPS::SetLoadToCPS(bool Value) {
    if (Value != FLoadToCPS)
        FLoadToCPS = Value;
}

void TCustomZoneCPS::SetSaveFromCPS(bool Value) {
    if (Value != FSaveFromCPS)
        FSaveFromCPS = Value;
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::Create(TPersistent*, TTypeZones, Word,
                                                       TInterfacedPersistent*) const {
    throw EAbstractError();
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::CreateSameZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::IsFileZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::Equals(const TPersistent*) const {
    throw EAbstractError();
}

bool TCustomZoneCPS::EqualsDetails(const TPersistent*, TStringList*) const {
    throw EAbstractError();
}

TErreurSerie TCustomZoneCPS::SerialDecode(const TByteArray&, int) {
    throw EAbstractError();
}

int TCustomZoneCPS::SerialEncode(TByteArray&, int, int) const {
    throw EAbstractError();
}

TErreurSerie TCustomZoneCPS::FileDecode(const TByteArray&, int) {
    throw EAbstractError();
}

int TCustomZoneCPS::FileEncode(TByteArray&, int, int) const {
    throw EAbstractError();
}

bool TCustomZoneCPS::SaisieZoneCPS(void*, void*) {
    throw EAbstractError();
}

std::string TCustomZoneCPS::NomChamp(const std::string&) const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::DetailChamp(const std::string&, const std::string&) const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::DetailIDChamp(const std::string&, const std::string&, std::string&,
                                          std::string&) const {
    throw EAbstractError();
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneMaxi() const {
    return nullptr;
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneMini() const {
    return nullptr;
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneRAZ() const {
    return nullptr;
}

std::string TCustomZoneCPS::NomZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::IsZoneMultiple() const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::NomZone(TTypeZones aTypeZone, int aNumeroZone) {
    return ZoneDisplayName(aTypeZone, aNumeroZone);
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::Duplicate() const {
    std::unique_ptr<TCustomZoneCPS> copy = CreateSameZone();
    copy->Assign(this);
    return copy;
}

TCustomEprom* TCustomZoneCPS::GetEprom() const {
    return dynamic_cast<TCustomEprom*>(FOwner);
}

std::string TCustomZoneCPS::ZoneLabel() const {
    return Format("%s=%d", TypeZoneName(FTypeZone), FNumeroZone);
}

void TCustomZoneCPS::AssignCustomZone(const TCustomZoneCPS& Source) {
    // The identity is read without the zone lock by the EPROM's registry: it is written only
    // when it really changes, which never happens between a zone and its own copies.
    if (FOwner != Source.FOwner)
        FOwner = Source.FOwner;
    if (FTypeZone != Source.FTypeZone)
        FTypeZone = Source.FTypeZone;
    if (FNumeroZone != Source.FNumeroZone)
        FNumeroZone = Source.FNumeroZone;
    SetLoadToCPS(Source.GetLoadToCPS());
    SetSaveFromCPS(Source.GetSaveFromCPS());
    FTailleSendZone = Source.FTailleSendZone;
    FTailleReceiveZone = Source.FTailleReceiveZone;
}

void TCustomZoneCPS::SetTailles(Word Send, Word Receive) {
    FTailleSendZone = Send;
    FTailleReceiveZone = Receive;
}

} // namespace g20seq
