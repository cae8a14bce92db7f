// A host that leaves a G20 EPROM open when its process ends: the module frees the EPROM
// while it is being unloaded. The EPROM has found a zone missing first (the electrode of a
// counter, which then has no wear-compensation state), so that freeing it touches the
// journal of missing zones. Exits with 0 when the process ends cleanly.
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/interface/ProtocolInterface.h>
#include <g20seq/interface/ZoneInterfaces.h>
#include <g20seq/model/CustomZoneCPS.h>

#include <cstdio>
#include <map>
#include <string>

using namespace g20seq;

namespace {

class UnloadZone : public IZoneProtocole {
public:
    UnloadZone(Word Send, Word Receive, int Zones)
        : FSend(Send), FReceive(Receive), FZones(Zones) {}
    THResult QueryInterface(const TGUID&, void** Obj) override {
        *Obj = nullptr;
        return THResult::E_NOINTERFACE;
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    Word GetTailleSendZone() override { return FSend; }
    Word GetTailleReceiveZone() override { return FReceive; }
    LongWord GetAdresse() override { return 0; }
    bool IsFileZone() override { return true; }
    bool IsZoneMultiple() override { return FZones > 1; }
    int GetNombreZones() override { return FZones; }

private:
    Word FSend;
    Word FReceive;
    int FZones;
};

// The configuration and the counters of a station, without electrodes.
class UnloadProtocol : public TInterfacedPersistent, public IProtocoleModel {
public:
    THResult QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID != IProtocoleModel::IID)
            return TInterfacedPersistent::QueryInterface(IID, Obj);
        *Obj = static_cast<IProtocoleModel*>(this);
        return THResult::S_OK;
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override {
        const auto found = FZones.find(TypeZone);
        return found != FZones.end() ? &found->second : nullptr;
    }
    void IncNombreEproms() override {}
    bool DecNombreEproms() override { return true; }
    TInterfacedPersistent* CreateAutomate(TObject*) override { return nullptr; }

private:
    std::map<TTypeZones, UnloadZone> FZones = {{PrcConfiguration, {183, 183, 1}},
                                               {PrcCompteurs, {9, 12, 16}}};
};

// The protocol model outlives the module, as a host's does: it is never freed.
UnloadProtocol* const Protocol = new UnloadProtocol;

} // namespace

int main() {
    const std::string handle = std::to_string(NouvelleEprom("GA_Unload", Protocol));
    TCustomEprom* eprom = ChercheInstance(handle.c_str());
    bool ok = eprom != nullptr;
    if (ok) {
        TZoneHolder compteur(eprom, PrcCompteurs, 1, false);
        void* found = nullptr;
        ok = compteur && compteur->QueryInterface(ICompteur::IID, &found) == THResult::S_OK &&
             static_cast<ICompteur*>(found)->GetEtatCU() == evNone;
    }
    std::puts(ok ? "unload: the EPROM stays open until the module goes"
                 : "unload: FAILED to set up the open EPROM");
    return ok ? 0 : 1;
}
