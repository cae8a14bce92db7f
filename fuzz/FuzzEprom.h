// A minimal owner EPROM for the fuzz targets: zone decoders ask their EPROM for its
// description, its protocol model and other zones (companions, the electrode of a
// program), so a target builds its zones inside one of these.
//
// TFuzzProtocole describes the G20 parameter zones (configuration, electrodes, programs,
// process links and their companions) with the sizes of the G20 protocol model.
// TFuzzEprom uses the G20 description (the EPROM name must start with "GA" for the AC
// controller or "GM" for the medium-frequency one), keeps the configuration and the
// electrodes in memory, and has no zone file: zones start with their initial values.
// Each target registers the creators of the zone classes it needs.
#pragma once

#include "entry/ProtocolInterface.h"
#include "eprom/Eprom.h"
#include "eprom/EpromDescription.h"
#include "eprom/ZoneCreator.h"

#include <array>
#include <map>
#include <memory>
#include <string>

namespace g20seq::fuzz {

class TFuzzZoneProtocole : public TInterfacedPersistent, public IZoneProtocole {
public:
    TFuzzZoneProtocole(Word Taille, bool InFile, int Zones)
        : FTaille(Taille), FInFile(InFile), FZones(Zones) {}
    bool QueryInterface(const TGUID& IID, void** Obj) override {
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    Word GetTailleSendZone() override { return FTaille; }
    Word GetTailleReceiveZone() override { return FTaille; }
    LongWord GetAdresse() override { return 0; }
    bool IsFileZone() override { return FInFile; }
    bool IsZoneMultiple() override { return FZones > 0; }
    int GetNombreZones() override { return FZones > 0 ? FZones : 1; }

private:
    Word FTaille;
    bool FInFile;
    int FZones;
};

class TFuzzProtocole : public TInterfacedPersistent, public IProtocoleModel {
public:
    TFuzzProtocole() {
        struct TLigne {
            TTypeZones Premier;
            TTypeZones Dernier;
            Word Taille;
            bool InFile;
            int Zones;
        };
        constexpr std::array<TLigne, 8> lignes = {{
            {PrcConfigurationMini, PrcConfigurationRAZ, 183, false, 0},
            {PrcConfiguration, PrcConfiguration, 183, true, 0},
            {PrcElectrodeMini, PrcElectrodesRAZ, 79, false, 0},
            {PrcElectrodes, PrcElectrodes, 79, true, 16},
            {PrcProgrammesMini, PrcprogrammesRAZ, 163, false, 0},
            {PrcProgrammes, PrcProgrammes, 163, true, 128},
            {PrcLienProcess, PrcLienProcess, 1070, true, 128},
            {PrcLienProcessAvance, PrcLienProcessAvance, 1000, true, 128},
        }};
        for (const TLigne& ligne : lignes)
            for (int type = ligne.Premier; type <= ligne.Dernier; ++type)
                FZones[type] =
                    std::make_unique<TFuzzZoneProtocole>(ligne.Taille, ligne.InFile, ligne.Zones);
    }
    bool QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID == IProtocoleModel::IID) {
            *Obj = static_cast<IProtocoleModel*>(this);
            return true;
        }
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override {
        const auto found = FZones.find(TypeZone);
        return found != FZones.end() ? found->second.get() : nullptr;
    }
    void IncNombreEproms() override {}
    bool DecNombreEproms() override { return true; }
    TInterfacedPersistent* CreateAutomate(TObject*) override { return nullptr; }

private:
    std::map<int, std::unique_ptr<TFuzzZoneProtocole>> FZones;
};

class TFuzzEprom : public TEprom {
public:
    TFuzzEprom(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole)
        : TEprom(Key, NomEprom, aProtocole) {}

    static std::unique_ptr<TFuzzEprom> New(const std::string& NomEprom,
                                           TInterfacedPersistent* aProtocole) {
        return TEprom::Create<TFuzzEprom>(NomEprom, aProtocole);
    }

    std::string ClassName() const override { return "TFuzzEprom"; }

    // Zones of type Physical are made of class Classe, in the logical zone of type Logique
    // (TZoneCreator::NoLogicalZone: none).
    void AddCreator(TZoneClass Classe, TTypeZones Physical,
                    int Logique = TZoneCreator::NoLogicalZone) {
        RegisterZoneCreator(std::make_unique<TZoneCreator>(Classe, Physical, Logique));
    }

protected:
    void InitTypeZones() override {
        FDescription =
            std::make_unique<TEpromDescriptionG20>(this, GetNomEprom(), GetNomProtocole());
        TEprom::InitTypeZones();
        FSetOfVolatileTypesZones.Include(PrcConfiguration);
        FSetOfVolatileTypesZones.Include(PrcElectrodes);
    }
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) override {
        return aZone != nullptr;
    }
};

} // namespace g20seq::fuzz
