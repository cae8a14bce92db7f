// The host the station benchmarks play: the host's data proxy (event log without a file,
// as `g20seq` without `--log`), the G20 protocol model, a scratch folder with the images
// the benchmarks read, and stations created and closed through the module's entry points.
// The benchmarks reach the module only as a host does: through the entry points and the
// virtual operations of the EPROM, zones and fields.
#pragma once

#include "protocol/ProtocoleG20.h"
#include "protocol/ZoneFiles.h"
#include "services/DataProxy.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>
#include <g20seq/support/StringList.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace g20seq::bench {

namespace fs = std::filesystem;

inline constexpr const char* NomStationAC = "GA_BENCH";
inline constexpr const char* NomStationMF = "GM_BENCH";

// A station created through the entry points, closed (files and EPROM) at its end.
class TBenchStation {
public:
    TBenchStation(const char* Nom, TInterfacedPersistent* Protocole)
        : FHandle(std::to_string(NouvelleEprom(Nom, Protocole))),
          FEprom(ChercheInstance(FHandle.c_str())) {
        if (FEprom == nullptr)
            throw std::runtime_error("the module registered no station");
    }
    ~TBenchStation() {
        if (FEprom->GetFichierReference() != nullptr)
            FEprom->FreeRefFile();
        FEprom->CloseFile();
        FermeEprom(FHandle.c_str());
    }
    TBenchStation(const TBenchStation&) = delete;
    TBenchStation& operator=(const TBenchStation&) = delete;

    TCustomEprom& Eprom() const { return *FEprom; }

private:
    std::string FHandle;
    TCustomEprom* FEprom;
};

inline std::vector<char> ReadAll(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What every benchmark shares: the host's services, a scratch folder and the images: A, a
// new AC station saved whole; B, a copy of A whose program 5 has its weld time changed by
// one raw unit; M, a new MF station saved whole.
class TBenchHost {
public:
    TBenchHost()
        : FDossier(fs::temp_directory_path() / ("g20seq-bench-" + std::to_string(getpid()))) {
        SetDataProxy(&FProxy);
        fs::create_directories(FDossier);
        ImageA = Chemin("a.g20");
        ImageB = Chemin("b.g20");
        ImageM = Chemin("m.g20");
        SaveNew(NomStationAC, ImageA);
        SaveNew(NomStationMF, ImageM);
        fs::copy_file(ImageA, ImageB, fs::copy_options::overwrite_existing);
        ChangeOneField(ImageB);
        Blocs = host::ReadZoneFileSummary(ImageA).Blocs;
        Octets = static_cast<std::size_t>(fs::file_size(ImageA));
    }
    ~TBenchHost() {
        SetDataProxy(nullptr);
        std::error_code ignored;
        fs::remove_all(FDossier, ignored);
    }
    TBenchHost(const TBenchHost&) = delete;
    TBenchHost& operator=(const TBenchHost&) = delete;

    std::string Chemin(const std::string& Nom) const { return (FDossier / Nom).string(); }
    TInterfacedPersistent* Protocole() { return &FProtocole; }

    std::string ImageA;
    std::string ImageB;
    std::string ImageM;
    int Blocs = 0;
    std::size_t Octets = 0;

private:
    void SaveNew(const char* Nom, const std::string& Path) {
        TBenchStation station(Nom, &FProtocole);
        if (!station.Eprom().SaveToNewFile(host::CreateZoneFile(Path).release()))
            throw std::runtime_error("the image could not be saved");
    }

    // Opens the image, changes one field by one step within its limits and saves that zone.
    void ChangeOneField(const std::string& Path) {
        TBenchStation station(NomStationAC, &FProtocole);
        TCustomEprom& eprom = station.Eprom();
        eprom.ReadFromFile(host::OpenZoneFile(Path, true).release());
        TCustomZoneCPS* zone = eprom.GetPhysicalZone(PrcProgrammes, 5, true);
        if (zone == nullptr)
            throw std::runtime_error("the station has no zone to change");
        TKEVField* field = zone->GetFieldByID("IDTempsSoudage");
        if (field == nullptr)
            throw std::runtime_error("the zone has no field to change");
        const int value = field->GetAsInteger();
        try {
            field->SetAsInteger(value + 1);
        } catch (const std::exception&) {
            field->SetAsInteger(value - 1);
        }
        const bool saved = eprom.SaveZoneToFile(zone);
        eprom.ReleasePhysicalZone(zone);
        if (!saved)
            throw std::runtime_error("the changed zone could not be saved");
    }

    host::TDataProxy FProxy;
    host::TProtocoleG20 FProtocole;
    fs::path FDossier;
};

inline TBenchHost& Host() {
    static TBenchHost host;
    return host;
}

} // namespace g20seq::bench
