#include "support/TestEprom.h"

#include "interface/KEVInterface.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "support/ByteArray.h"

namespace g20seq::testkit {

namespace {

// First or last tab sheet of a logical zone, or nullptr.
TInterfacedPersistent* TabSheet(TInterfacedPersistent* aLogicalZone, bool Last) {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(aLogicalZone);
    if (logicalZone == nullptr || logicalZone->GetTabSheetCount() == 0)
        return nullptr;
    return logicalZone->GetTabSheet(Last ? logicalZone->GetTabSheetCount() - 1 : 0);
}

struct TTestCreator {
    TZoneClass ZoneClass;
    TTypeZones PhysicalZone;
    int LogicalZone;
};

// The creators of the test generation, in registration order.
const TTestCreator TestCreators[] = {
    {ZoneClassOf<TTestZone>, PrcIdentification, TZoneCreator::NoLogicalZone},
    {ZoneClassOf<TTestZone>, PrcConfiguration, PrcConfiguration},
    {ZoneClassOf<TTestZone>, PrcElectrodes, PrcElectrodes},
    {ZoneClassOf<TTestZone>, PrcCompteurs, TZoneCreator::NoLogicalZone},
    {ZoneClassOf<TTestZone>, PrcProgrammes, PrcProgrammes},
    {ZoneClassOf<TTestLienZone>, PrcLienProcessAvance, PrcProgrammes},
    {ZoneClassOf<TTestZone>, PrcFraise, TZoneCreator::NoLogicalZone},
    {ZoneClassOf<TTestStationZone>, PrcStationDiagnostic, TZoneCreator::NoLogicalZone},
};

} // namespace

TTestZone::TTestZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                     TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
    AddField(std::make_unique<TKEVIntegerField>("IDValeur", this, TabSheet(aLogicalZone, false), 0,
                                                1000, 10, 1.0));
    AddField(std::make_unique<TKEVIntegerField>("IDCompteur", this, nullptr, 0, 65535, 0, 1.0));
}

std::unique_ptr<TCustomZoneCPS> TTestZone::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                  Word Numero,
                                                  TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TTestZone>(AOwner, TypeZone, Numero, aLogicalZone);
}

TErreurSerie TTestZone::SerialDecode(const TByteArray& Trame, int LngTrame) {
    if (LngTrame < TaillePayload)
        return SerErrDonnees;
    try {
        SetRawValue("IDValeur", GetWord(Trame, 0));
        SetRawValue("IDCompteur", GetWord(Trame, 2));
    } catch (const std::exception&) {
        return SerErrDonnees;
    }
    return SerSansErreur;
}

int TTestZone::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    PutWord(Trame, LngTrame, static_cast<Word>(GetRawValue("IDValeur")));
    PutWord(Trame, LngTrame + 2, static_cast<Word>(GetRawValue("IDCompteur")));
    return LngTrame + TaillePayload;
}

TErreurSerie TTestZone::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TTestZone::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

TTestLienZone::TTestLienZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
    AddField(std::make_unique<TKEVIntegerField>("IDLien", this, TabSheet(aLogicalZone, true), 0,
                                                255, 0, 1.0));
}

std::unique_ptr<TCustomZoneCPS> TTestLienZone::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                      Word Numero,
                                                      TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TTestLienZone>(AOwner, TypeZone, Numero, aLogicalZone);
}

TTestStationZone::TTestStationZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                   TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {}

std::unique_ptr<TCustomZoneCPS>
TTestStationZone::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                         TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TTestStationZone>(AOwner, TypeZone, Numero, aLogicalZone);
}

TTestDescription::TTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                                   const std::string& aNomProtocole)
    : TEpromDescription(aOwner, aNomEprom, aNomProtocole) {
    SetZoneBounds(PrcProgrammes, 0, 127);
    SetZoneBounds(PrcFraise, 1, 3);
}

TTestEprom::TTestEprom(TCreateKey Key, const std::string& NomEprom,
                       TInterfacedPersistent* aProtocole)
    : TEprom(Key, NomEprom, aProtocole) {
    for (const TTestCreator& creator : TestCreators)
        RegisterZoneCreator(std::make_unique<TZoneCreator>(creator.ZoneClass, creator.PhysicalZone,
                                                           creator.LogicalZone));
}

std::unique_ptr<TTestEprom> TTestEprom::New(const std::string& NomEprom,
                                            TInterfacedPersistent* aProtocole) {
    return TEprom::Create<TTestEprom>(NomEprom, aProtocole);
}

void TTestEprom::InitTypeZones() {
    FDescription = std::make_unique<TTestDescription>(this, GetNomEprom(), GetNomProtocole());
    TEprom::InitTypeZones();
    FSetOfTypesZones.Include(PrcFraise);
    FSetOfTypesZones.Include(PrcStationDiagnostic);
}

bool TTestEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) {
    ++FFileReads;
    return aZone != nullptr;
}

std::unique_ptr<FakeProtocol> MakeStationProtocol() {
    auto protocol = std::make_unique<FakeProtocol>();
    protocol->SetZone(PrcStationDiagnostic, 0, 20, false, 0);
    return protocol;
}

} // namespace g20seq::testkit
