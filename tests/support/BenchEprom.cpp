#include "support/BenchEprom.h"

#include "model/KEVTabSheet.h"
#include "zones/DefautsPresents.h"
#include "zones/ZoneCalcul.h"

namespace g20seq::testkit {

TBenchEprom::TBenchEprom(TCreateKey Key, const std::string& NomEprom,
                         TInterfacedPersistent* aProtocole, TBenchSetup Setup)
    : TEprom(Key, NomEprom, aProtocole), FSetup(std::move(Setup)) {
    for (const TBenchCreator& creator : FSetup.Creators)
        RegisterZoneCreator(
            std::make_unique<TZoneCreator>(creator.Classe, creator.Type, creator.Logique));
}

TBenchEprom::~TBenchEprom() = default;

void TBenchEprom::InitTypeZones() {
    FDescription = FSetup.Description(*this);
    TEprom::InitTypeZones();
    for (TTypeZones type : FSetup.Types)
        FSetOfTypesZones.Include(type);
    for (TTypeZones type : FSetup.Volatiles)
        FSetOfVolatileTypesZones.Include(type);
    for (TTypeZones type : FSetup.LogicalTypes)
        CreateLogicalZones(type, ZoneProtocole(type));
}

void TBenchEprom::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    TEprom::AddTabSheets(aLogicalZone);
    if (FSetup.TabSheets)
        FSetup.TabSheets(*aLogicalZone);
}

bool TBenchEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) {
    return FSetup.FichierSimule ? aZone != nullptr
                                : TEprom::ReadZoneCPSFromCustomFile(aZone, aFile);
}

void TBenchEprom::GetDefautsPresents(TStringList* defauts) {
    if (!FSetup.DefautsPresentsZone)
        return TEprom::GetDefautsPresents(defauts);
    TZoneTenue<TDefautsPresentsG20> zone(*this, PrcDefautsPresents, 0);
    if (zone.Get() != nullptr)
        zone->GetDefautsPresents(defauts);
}

TBenchDescription::TBenchDescription(TPersistent* aOwner, const std::string& aNomEprom,
                                     TTypeCourant Courant, TTypeIO IO,
                                     std::initializer_list<std::array<int, 3>> Bounds)
    : TEpromDescription(aOwner, aNomEprom, "G20") {
    FTypeCourant = Courant;
    FTypeIO = IO;
    for (const auto& [type, min, max] : Bounds)
        SetZoneBounds(static_cast<TTypeZones>(type), min, max);
}

TBenchDescriptionG20::TBenchDescriptionG20(TPersistent* aOwner, const std::string& aNomEprom,
                                           const TBenchG20& G20)
    : TEpromDescriptionG20(aOwner, aNomEprom, G20.NomProtocole), FGeneration(G20.Generation) {
    if (G20.IO)
        FTypeIO = *G20.IO;
    if (G20.Hardware)
        FHardware = *G20.Hardware;
    SetProfilC1(G20.ProfilC1);
}

int TBenchDescriptionG20::Generation() const {
    return FGeneration != 0 ? FGeneration : TEpromDescriptionG20::Generation();
}

} // namespace g20seq::testkit
