// Saving a whole station image and comparing two images, as a host does them: the program
// plays the host (data proxy, G20 protocol model, zone files it opens and hands over) and
// reaches the module only through its entry points and the virtual operations of the
// EPROM, zones and fields. Each group has a baseline measured in the same run, so that the
// ratio stays meaningful on a loaded machine; scripts/bench-save-compare prints them.
//
// Save group (an AC station, every in-file zone created with its defaults):
//   Save/Baseline        creates a file and writes as many bytes as the image holds, with
//                        one write per block (the file's size split into as many writes as
//                        it has blocks), then closes it;
//   Save/NewStation      NouvelleEprom, SaveToNewFile into a new zone file, CloseFile,
//                        FermeEprom: what `g20seq new` does, without the safe save's syncs;
//   Save/SaveToNewFile   SaveToNewFile and CloseFile on a station that stays open.
// Comparison groups (EqualsFichier of a station opened from image A):
//   CompareSelf/...      against A itself; CompareOneDiff/... against B, a copy of A with
//                        one field of one program changed;
//   .../Baseline         reads both files whole and compares their bytes with memcmp.
#include "protocol/ProtocoleG20.h"
#include "protocol/ZoneFiles.h"
#include "services/DataProxy.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/interface/CustomEprom.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>
#include <g20seq/support/StringList.h>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace g20seq;
namespace fs = std::filesystem;

constexpr const char* NomStation = "GA_BENCH";
// The field changed in image B: the weld time of program 5.
constexpr TTypeZones ZoneModifiee = PrcProgrammes;
constexpr int NumeroModifie = 5;
constexpr const char* ChampModifie = "IDTempsSoudage";

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

std::vector<char> ReadAll(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What every benchmark shares: the host's services, a scratch folder and the two images.
class TBenchHost {
public:
    TBenchHost()
        : FDossier(fs::temp_directory_path() / ("g20seq-bench-" + std::to_string(getpid()))) {
        SetDataProxy(&FProxy);
        fs::create_directories(FDossier);
        ImageA = Chemin("a.g20");
        ImageB = Chemin("b.g20");
        {
            TBenchStation station(NomStation, &FProtocole);
            if (!station.Eprom().SaveToNewFile(host::CreateZoneFile(ImageA).release()))
                throw std::runtime_error("the image could not be saved");
        }
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

    std::string Chemin(const char* Nom) const { return (FDossier / Nom).string(); }
    TInterfacedPersistent* Protocole() { return &FProtocole; }

    std::string ImageA;
    std::string ImageB;
    int Blocs = 0;
    std::size_t Octets = 0;

private:
    // Opens the image, changes one field by one step within its limits and saves that zone.
    void ChangeOneField(const std::string& Path) {
        TBenchStation station(NomStation, &FProtocole);
        TCustomEprom& eprom = station.Eprom();
        eprom.ReadFromFile(host::OpenZoneFile(Path, true).release());
        TCustomZoneCPS* zone = eprom.GetPhysicalZone(ZoneModifiee, NumeroModifie, true);
        if (zone == nullptr)
            throw std::runtime_error("the station has no zone to change");
        TKEVField* field = zone->GetFieldByID(ChampModifie);
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

TBenchHost& Host() {
    static TBenchHost host;
    return host;
}

void Counters(benchmark::State& state) {
    state.counters["blocks"] = Host().Blocs;
    state.counters["bytes"] = static_cast<double>(Host().Octets);
}

// --- Save ---

void SaveBaseline(benchmark::State& state) {
    TBenchHost& host = Host();
    const std::vector<char> image = ReadAll(host.ImageA);
    const std::string path = host.Chemin("baseline.g20");
    const std::size_t bloc = image.size() / static_cast<std::size_t>(host.Blocs);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        for (std::size_t done = 0; done < image.size();) {
            const std::size_t count = image.size() - done < 2 * bloc ? image.size() - done : bloc;
            if (::write(fd, image.data() + done, count) != static_cast<ssize_t>(count))
                state.SkipWithError("write failed");
            done += count;
        }
        ::close(fd);
    }
    Counters(state);
}
BENCHMARK(SaveBaseline)->Name("Save/Baseline")->Unit(benchmark::kMillisecond);

void SaveNewStation(benchmark::State& state) {
    TBenchHost& host = Host();
    const std::string path = host.Chemin("new.g20");
    for (auto _ : state) {
        TBenchStation station(NomStation, host.Protocole());
        if (!station.Eprom().SaveToNewFile(host::CreateZoneFile(path).release()))
            state.SkipWithError("SaveToNewFile failed");
    }
    Counters(state);
}
BENCHMARK(SaveNewStation)->Name("Save/NewStation")->Unit(benchmark::kMillisecond);

void SaveToNewFile(benchmark::State& state) {
    TBenchHost& host = Host();
    const std::string path = host.Chemin("save.g20");
    TBenchStation station(NomStation, host.Protocole());
    for (auto _ : state) {
        if (!station.Eprom().SaveToNewFile(host::CreateZoneFile(path).release()))
            state.SkipWithError("SaveToNewFile failed");
        station.Eprom().CloseFile();
    }
    Counters(state);
}
BENCHMARK(SaveToNewFile)->Name("Save/SaveToNewFile")->Unit(benchmark::kMillisecond);

// --- Comparison ---

// Both files read whole, then their bytes compared.
void CompareBaseline(benchmark::State& state, bool OneDiff) {
    TBenchHost& host = Host();
    const std::string& other = OneDiff ? host.ImageB : host.ImageA;
    for (auto _ : state) {
        const std::vector<char> a = ReadAll(host.ImageA);
        const std::vector<char> b = ReadAll(other);
        const bool equal = a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
        benchmark::DoNotOptimize(equal);
        if (equal == OneDiff)
            state.SkipWithError("the byte comparison gave the wrong answer");
    }
    Counters(state);
}
BENCHMARK_CAPTURE(CompareBaseline, Self, false)
    ->Name("CompareSelf/Baseline")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CompareBaseline, OneDiff, true)
    ->Name("CompareOneDiff/Baseline")
    ->Unit(benchmark::kMillisecond);

void CompareEqualsFichier(benchmark::State& state, bool OneDiff) {
    TBenchHost& host = Host();
    const std::string& other = OneDiff ? host.ImageB : host.ImageA;
    TBenchStation station(NomStation, host.Protocole());
    station.Eprom().ReadFromFile(host::OpenZoneFile(host.ImageA, false).release());
    for (auto _ : state) {
        TStringList differences;
        const bool equal = station.Eprom().EqualsFichier(&differences, other);
        if (equal == OneDiff || differences.Count() != (OneDiff ? 1 : 0))
            state.SkipWithError("EqualsFichier gave the wrong answer");
    }
    Counters(state);
}
BENCHMARK_CAPTURE(CompareEqualsFichier, Self, false)
    ->Name("CompareSelf/EqualsFichier")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CompareEqualsFichier, OneDiff, true)
    ->Name("CompareOneDiff/EqualsFichier")
    ->Unit(benchmark::kMillisecond);

} // namespace
