// G20 EPROM reading a zone file: arbitrary bytes are written to a scratch file, which a G20
// EPROM takes as its working file and reads every zone from that the file holds a block for
// (header checks, block index, blocks of any size and content, process links of the older
// layout converted and appended; zones without a block only take the missing-block path,
// exercised once per input). Then the first zone read is written back in place. Malformed files
// raise the system's exceptions when they are opened; after that, the EPROM answers every failure
// with false and a log entry, so anything else (a crash, a leak, an exception out of the EPROM, a
// hang) is a finding.
#include "entry/ProtocolInterface.h"
#include "eprom/EpromG20.h"
#include "eprom/KEVCustomFileStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

using namespace g20seq;

namespace {

// Protocol information of one zone type: sizes, stored in files, number of zones.
class TZoneProtocoleG20 : public TInterfacedPersistent, public IZoneProtocole {
public:
    TZoneProtocoleG20(Word Send, Word Receive, bool InFile, int Zones)
        : FSend(Send), FReceive(Receive), FInFile(InFile), FZones(Zones) {}
    bool QueryInterface(const TGUID& IID, void** Obj) override {
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }
    Word GetTailleSendZone() override { return FSend; }
    Word GetTailleReceiveZone() override { return FReceive; }
    LongWord GetAdresse() override { return 0; }
    bool IsFileZone() override { return FInFile; }
    bool IsZoneMultiple() override { return FZones > 0; }
    int GetNombreZones() override { return FZones > 0 ? FZones : 1; }

private:
    Word FSend;
    Word FReceive;
    bool FInFile;
    int FZones;
};

// The G20 protocol model: zone types First..Last share sizes, storage and numbering.
struct TLigne {
    TTypeZones First;
    TTypeZones Last;
    Word Send;
    Word Receive;
    bool InFile;
    int Zones; // 0: not numbered
};

constexpr std::array<TLigne, 31> LignesG20 = {{
    {PrcConfiguration, PrcConfiguration, 183, 183, true, 0},
    {PrcConfigurationMini, PrcConfigurationRAZ, 183, 183, false, 0},
    {PrcElectrodes, PrcElectrodes, 79, 79, true, 16},
    {PrcElectrodeMini, PrcElectrodesRAZ, 79, 79, false, 0},
    {PrcCompteurs, PrcCompteurs, 9, 12, true, 16},
    {PrcCompteursMini, PrcCompteursRAZ, 9, 9, false, 0},
    {PrcProgrammes, PrcProgrammes, 163, 163, true, 128},
    {PrcProgrammesMini, PrcprogrammesRAZ, 163, 163, false, 0},
    {PrcLienProcessAvance, PrcLienProcessAvance, 1000, 1000, true, 128},
    {PrcLienProcess, PrcLienProcess, 1070, 1070, true, 128},
    {PrcAssignationPoint, PrcAssignationPoint, 22, 22, true, 128},
    {PrcFraise, PrcFraise, 5, 5, true, 4},
    {PrcFraiseMini, PrcFraiseRAZ, 5, 5, false, 0},
    {PrcCompteurFraise, PrcCompteurFraise, 3, 3, true, 4},
    {PrcApprentissage, PrcApprentissage, 13, 13, true, 16},
    {PrcIdentification, PrcIdentification, 0, 19, false, 0},
    {PrcDiagnostic, PrcDiagnostic, 0, 20, false, 0},
    {PrcDefautsPresents, PrcDefautsPresents, 0, 12, false, 0},
    {PrcThermique, PrcThermique, 0, 2, false, 0},
    {PrcPeriodes, PrcPeriodes, 0, 26, false, 12},
    {PrcEtatNovram, PrcRAZZonesNovram, 0, 2, false, 0},
    {PrcAcquittements, PrcAcquittements, 2, 0, false, 0},
    {PrcSignalisationModification, PrcSignalisationModification, 1, 0, false, 0},
    {PrcSignaturesPerdues, PrcSignaturesPerdues, 2, 2, false, 0},
    {PrcMouchard, PrcMouchard, 0, 20, false, 0},
    {PrcLanguesEffectives, PrcLanguesEffectives, 0, 9, false, 0},
    {PrcHorodateur, PrcHorodateur, 6, 6, false, 0},
    {PrcSoudage, PrcSoudage, 0, 13, false, 128},
    {PrcMesures, PrcMesures, 0, 14, false, 128},
    {PrcSignatures, PrcSignatures, 0, 34, false, 0},
    {PrcTypeLogicielsAdditionnels, PrcTypeLogicielsAdditionnels, 0, 16, false, 0},
}};

class TProtocoleG20 : public TInterfacedPersistent, public IProtocoleModel {
public:
    TProtocoleG20() {
        for (const TLigne& ligne : LignesG20)
            for (int type = ligne.First; type <= ligne.Last; ++type)
                FZones[type] = std::make_unique<TZoneProtocoleG20>(ligne.Send, ligne.Receive,
                                                                   ligne.InFile, ligne.Zones);
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
    std::map<int, std::unique_ptr<TZoneProtocoleG20>> FZones;
};

// More zones than a G20 EPROM has in files: bounds the work on a file of many blocks.
constexpr std::size_t MaxZonesLues = 512;

const std::string& ScratchFile() {
    static const std::string path = [] {
        std::string name = "/tmp/eprom-file-fuzz-" + std::to_string(::getpid()) + ".kev";
        std::atexit([] { std::remove(ScratchFile().c_str()); });
        return name;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TProtocoleG20 protocole;
    // The parity of the size chooses the controller variant, so that every zone file
    // (the test vectors included) is a seed as it stands.
    const std::string nom = Size % 2 != 0 ? "GM_Fuzz" : "GA_Fuzz";
    const std::string& path = ScratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    std::unique_ptr<TKevCustomFileStream> fichier;
    try {
        fichier =
            std::make_unique<TKevCustomFileStream>(path, fmOpenReadWrite | fmShareExclusive, true);
    } catch (const Exception&) {
        return 0; // a header the checks refuse
    }
    // Every zone the file holds a block for (a process link also for a block of the older
    // layout), and the first program and process link in any case.
    std::set<std::pair<int, int>> lues{{PrcProgrammes, 0}, {PrcLienProcessAvance, 0}};
    for (const auto& [type, numbers] : fichier->GetHeaderMap())
        for (const auto& entry : numbers)
            if (lues.size() < MaxZonesLues)
                lues.emplace(type == PrcLienProcess ? PrcLienProcessAvance : type, entry.first);
    const std::unique_ptr<TEpromG20> eprom = TEpromG20::New(nom, &protocole);
    if (!eprom->ReadFromFile(fichier.release()))
        __builtin_trap();
    std::vector<TCustomZoneCPS*> zones;
    for (const auto& [type, numero] : lues)
        if (IsValidTypeZone(type))
            if (TCustomZoneCPS* zone =
                    eprom->GetPhysicalZone(static_cast<TTypeZones>(type), numero, true))
                zones.push_back(zone);
    if (!zones.empty())
        eprom->SaveZoneToFile(zones.front());
    for (TCustomZoneCPS* zone : zones)
        eprom->ReleasePhysicalZone(zone);
    return 0;
}
