// The EPROM every zone bench is made of: the zone creators, the description, the zone types
// kept in memory and the extra tab sheets the bench asks for. Its zone file is simulated:
// every read succeeds and changes nothing.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/ZoneCreator.h"
#include "model/EpromDescription.h"
#include "model/KEVLogicalZone.h"

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace g20seq::testkit {

struct TBenchCreator {
    TZoneClass Classe;
    TTypeZones Type;
    int Logique = TZoneCreator::NoLogicalZone;
};

struct TBenchSetup {
    std::vector<TBenchCreator> Creators{}; // in registration order
    std::function<std::unique_ptr<TCustomEpromDescription>(TEprom& Eprom)> Description{};
    std::vector<TTypeZones> Types{};                   // added to the description's zone types
    std::vector<TTypeZones> Volatiles{};               // kept in memory after their last release
    std::vector<TTypeZones> LogicalTypes{};            // logical zones made besides the EPROM's own
    std::function<void(TKEVLogicalZone&)> TabSheets{}; // after the EPROM's own tab sheets
    bool FichierSimule = true;
    // The present faults of the EPROM are those of zone PrcDefautsPresents 0.
    bool DefautsPresentsZone = false;
};

class TBenchEprom : public TEprom {
public:
    TBenchEprom(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole,
                TBenchSetup Setup);
    ~TBenchEprom() override;

    std::string ClassName() const override { return "TBenchEprom"; }
    using TEprom::FindZoneReference;
    using TEprom::GetNumProg;
    void GetDefautsPresents(TStringList* defauts) override;

protected:
    void InitTypeZones() override;
    void AddTabSheets(TKEVLogicalZone* aLogicalZone) override;
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) override;

private:
    TBenchSetup FSetup;
};

// A description with the current type, I/O type and zone bounds {type, min, max} given.
class TBenchDescription : public TEpromDescription {
public:
    TBenchDescription(TPersistent* aOwner, const std::string& aNomEprom, TTypeCourant Courant,
                      TTypeIO IO, std::initializer_list<std::array<int, 3>> Bounds = {});
    std::string ClassName() const override { return "TBenchDescription"; }
};

// The G20 description with, when given, the I/O type, hardware, profile C1 and generation.
struct TBenchG20 {
    std::string NomProtocole{};
    std::optional<TTypeIO> IO{};
    std::optional<THardware> Hardware{};
    bool ProfilC1 = false;
    int Generation = 0; // 0: the description's own
};

class TBenchDescriptionG20 : public TEpromDescriptionG20 {
public:
    TBenchDescriptionG20(TPersistent* aOwner, const std::string& aNomEprom, const TBenchG20& G20);
    std::string ClassName() const override { return "TBenchDescriptionG20"; }
    int Generation() const override;

private:
    int FGeneration;
};

// A description factory for TBenchSetup::Description.
inline auto DescriptionG20(TBenchG20 G20 = {}) {
    return [G20](TEprom& Eprom) -> std::unique_ptr<TCustomEpromDescription> {
        return std::make_unique<TBenchDescriptionG20>(&Eprom, Eprom.GetNomEprom(), G20);
    };
}

// A zone of an EPROM held for the holder's lifetime, as its class TZone.
template <class TZone> class TZoneTenue {
public:
    TZoneTenue(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero)
        : FEprom(Eprom), FZone(Eprom.GetPhysicalZone(TypeZone, Numero, true)) {}
    // Takes over a zone already borrowed (GetZoneMini and the like).
    TZoneTenue(TCustomEprom& Eprom, TCustomZoneCPS* Zone) : FEprom(Eprom), FZone(Zone) {}
    ~TZoneTenue() {
        if (FZone != nullptr)
            FEprom.ReleasePhysicalZone(FZone);
    }
    TZoneTenue(const TZoneTenue&) = delete;
    TZoneTenue& operator=(const TZoneTenue&) = delete;

    TZone* Get() const { return dynamic_cast<TZone*>(FZone); }
    TZone* operator->() const { return Get(); }
    TCustomZoneCPS* Zone() const { return FZone; }

private:
    TCustomEprom& FEprom;
    TCustomZoneCPS* FZone;
};

} // namespace g20seq::testkit
