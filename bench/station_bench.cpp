// What a plant engineer's session costs, measured as a host sees it (see BenchHost.h): each
// group has a baseline measured in the same run, so that the ratio stays meaningful on a
// loaded machine; scripts/bench prints the medians and ratios as a table.
//
//   Open/...        NouvelleEprom + FermeEprom of an AC and of an MF station; baseline: an
//                   std::unordered_map filled with as many entries as the AC image has
//                   blocks (the zones the station references in its file).
//   Stations/...    1000 stations opened at once, then closed (only the opening is timed);
//                   counters: heap and resident memory per idle station (resident: the
//                   first opening, against the process before it). Baseline: 1000 maps as
//                   in Open/Baseline.
//   Save/...        every in-file zone created with its defaults and SaveToNewFile into a
//                   new zone file, as `g20seq new` without the safe save's syncs; baseline:
//                   the same bytes written with one write per block.
//   Load/...        open the image, read it, decode every zone (GetMultiplePhysicalZone)
//                   and release them; baseline: reading the file and computing its header
//                   checksum.
//   CompareSelf/..., CompareOneDiff/...   EqualsFichier of a station opened from image A
//                   against A and against B (one field changed); baseline: both files read
//                   whole and compared with memcmp.
//   Payload/...     SerialEncode and SerialDecode of one zone of every zone class the AC
//                   station holds (absolute figures, compared with the first run by hand).
//   Export/...      ConversionASCII of every section of a full station; baseline: writing
//                   the bytes of that export with one write.
//   Hold/...        GetPhysicalZone + ReleasePhysicalZone of the configuration (a zone kept
//                   in memory), on one thread and on two; baseline: a mutex taken and given
//                   back.
//   Scale/...       N stations opened from A with B as reference, all compared with their
//                   reference (EqualsZones) on two threads; the time is the wall time per
//                   pair (three repetitions of one comparison of all pairs), the baseline
//                   is N = 10.
#include "BenchHost.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>

namespace g20seq::bench {
namespace {

void Counters(benchmark::State& State) {
    State.counters["blocks"] = Host().Blocs;
    State.counters["bytes"] = static_cast<double>(Host().Octets);
}

// --- Open ---

std::unordered_map<int, void*> ReferenceMap(int Entries) {
    std::unordered_map<int, void*> map;
    for (int i = 0; i < Entries; ++i)
        map.emplace(i, &map);
    return map;
}

void OpenBaseline(benchmark::State& State) {
    const int entries = Host().Blocs;
    for (auto _ : State)
        benchmark::DoNotOptimize(ReferenceMap(entries));
}
BENCHMARK(OpenBaseline)->Name("Open/Baseline")->Unit(benchmark::kMicrosecond);

void OpenStation(benchmark::State& State, const char* Nom) {
    TBenchHost& host = Host();
    for (auto _ : State) {
        const std::string handle = std::to_string(NouvelleEprom(Nom, host.Protocole()));
        FermeEprom(handle.c_str());
    }
}
BENCHMARK_CAPTURE(OpenStation, AC, NomStationAC)->Name("Open/AC")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(OpenStation, MF, NomStationMF)->Name("Open/MF")->Unit(benchmark::kMicrosecond);

// --- Stations ---

constexpr int StationCount = 1000;

std::size_t ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<std::size_t>(resident) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

std::size_t HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void StationsBaseline(benchmark::State& State) {
    const int entries = Host().Blocs;
    for (auto _ : State) {
        std::vector<std::unordered_map<int, void*>> maps;
        maps.reserve(StationCount);
        for (int i = 0; i < StationCount; ++i)
            maps.push_back(ReferenceMap(entries));
        benchmark::DoNotOptimize(maps.data());
        State.PauseTiming();
        maps.clear();
        State.ResumeTiming();
    }
}
BENCHMARK(StationsBaseline)->Name("Stations/Baseline")->Unit(benchmark::kMillisecond);

// The resident memory the first opening of 1000 stations added to the process (later
// openings reuse the memory the allocator kept).
double FirstResidentPerStation = -1;

void StationsOpen(benchmark::State& State) {
    TBenchHost& host = Host();
    double heap = 0;
    for (auto _ : State) {
        const std::size_t residentBefore = ResidentBytes();
        const std::size_t heapBefore = HeapBytes();
        std::vector<std::string> handles;
        handles.reserve(StationCount);
        for (int i = 0; i < StationCount; ++i)
            handles.push_back(std::to_string(NouvelleEprom(NomStationAC, host.Protocole())));
        State.PauseTiming();
        heap = static_cast<double>(HeapBytes() - heapBefore) / StationCount;
        if (FirstResidentPerStation < 0)
            FirstResidentPerStation =
                static_cast<double>(ResidentBytes() - residentBefore) / StationCount;
        for (const std::string& handle : handles)
            FermeEprom(handle.c_str());
        State.ResumeTiming();
    }
    State.counters["heap_per_station_KiB"] = heap / 1024;
    State.counters["resident_per_station_KiB"] = FirstResidentPerStation / 1024;
}
BENCHMARK(StationsOpen)->Name("Stations/Open1000")->Unit(benchmark::kMillisecond)->Iterations(3);

// --- Save ---

void SaveBaseline(benchmark::State& State) {
    TBenchHost& host = Host();
    const std::vector<char> image = ReadAll(host.ImageA);
    const std::string path = host.Chemin("baseline.g20");
    const std::size_t bloc = image.size() / static_cast<std::size_t>(host.Blocs);
    for (auto _ : State) {
        const int fd = ::open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        for (std::size_t done = 0; done < image.size();) {
            const std::size_t count = image.size() - done < 2 * bloc ? image.size() - done : bloc;
            if (::write(fd, image.data() + done, count) != static_cast<ssize_t>(count))
                State.SkipWithError("write failed");
            done += count;
        }
        ::close(fd);
    }
    Counters(State);
}
BENCHMARK(SaveBaseline)->Name("Save/Baseline")->Unit(benchmark::kMillisecond);

void SaveNewStation(benchmark::State& State) {
    TBenchHost& host = Host();
    const std::string path = host.Chemin("new.g20");
    for (auto _ : State) {
        TBenchStation station(NomStationAC, host.Protocole());
        if (!station.Eprom().SaveToNewFile(host::CreateZoneFile(path).release()))
            State.SkipWithError("SaveToNewFile failed");
    }
    Counters(State);
}
BENCHMARK(SaveNewStation)->Name("Save/NewStation")->Unit(benchmark::kMillisecond);

// --- Load ---

// The header checksum of a zone file: CRC-16 (reflected polynomial 0xA001, initial value
// 0xFFFF) of its first 282 bytes.
Word HeaderChecksum(const std::vector<char>& Image) {
    Word crc = 0xFFFF;
    for (std::size_t i = 0; i < 282 && i < Image.size(); ++i) {
        crc = static_cast<Word>(crc ^ static_cast<Byte>(Image[i]));
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? static_cast<Word>((crc >> 1) ^ 0xA001)
                                 : static_cast<Word>(crc >> 1);
    }
    return crc;
}

void LoadBaseline(benchmark::State& State) {
    TBenchHost& host = Host();
    for (auto _ : State) {
        const std::vector<char> image = ReadAll(host.ImageA);
        benchmark::DoNotOptimize(HeaderChecksum(image));
    }
    Counters(State);
}
BENCHMARK(LoadBaseline)->Name("Load/Baseline")->Unit(benchmark::kMillisecond);

void LoadImage(benchmark::State& State) {
    TBenchHost& host = Host();
    TBenchStation station(NomStationAC, host.Protocole());
    for (auto _ : State) {
        TCustomEprom& eprom = station.Eprom();
        if (!eprom.ReadFromFile(host::OpenZoneFile(host.ImageA, false).release()))
            State.SkipWithError("ReadFromFile failed");
        TStringList zones;
        eprom.GetMultiplePhysicalZone(&zones);
        if (zones.Count() != host.Blocs)
            State.SkipWithError("GetMultiplePhysicalZone did not answer every zone");
        eprom.ReleaseMultiplePhysicalZone(&zones);
        eprom.CloseFile();
    }
    Counters(State);
}
BENCHMARK(LoadImage)->Name("Load/Image")->Unit(benchmark::kMillisecond);

// --- Comparison ---

void CompareBaseline(benchmark::State& State, bool OneDiff) {
    TBenchHost& host = Host();
    const std::string& other = OneDiff ? host.ImageB : host.ImageA;
    for (auto _ : State) {
        const std::vector<char> a = ReadAll(host.ImageA);
        const std::vector<char> b = ReadAll(other);
        const bool equal = a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0;
        benchmark::DoNotOptimize(equal);
        if (equal == OneDiff)
            State.SkipWithError("the byte comparison gave the wrong answer");
    }
    Counters(State);
}
BENCHMARK_CAPTURE(CompareBaseline, Self, false)
    ->Name("CompareSelf/Baseline")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CompareBaseline, OneDiff, true)
    ->Name("CompareOneDiff/Baseline")
    ->Unit(benchmark::kMillisecond);

void CompareEqualsFichier(benchmark::State& State, bool OneDiff) {
    TBenchHost& host = Host();
    const std::string& other = OneDiff ? host.ImageB : host.ImageA;
    TBenchStation station(NomStationAC, host.Protocole());
    station.Eprom().ReadFromFile(host::OpenZoneFile(host.ImageA, false).release());
    for (auto _ : State) {
        TStringList differences;
        const bool equal = station.Eprom().EqualsFichier(&differences, other);
        if (equal == OneDiff || differences.Count() != (OneDiff ? 1 : 0))
            State.SkipWithError("EqualsFichier gave the wrong answer");
    }
    Counters(State);
}
BENCHMARK_CAPTURE(CompareEqualsFichier, Self, false)
    ->Name("CompareSelf/EqualsFichier")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CompareEqualsFichier, OneDiff, true)
    ->Name("CompareOneDiff/EqualsFichier")
    ->Unit(benchmark::kMillisecond);

// --- Payload ---

// The station whose zones the payload, export and hold benchmarks use: opened from A.
TBenchStation& StationA() {
    static const std::unique_ptr<TBenchStation> station = [] {
        auto opened = std::make_unique<TBenchStation>(NomStationAC, Host().Protocole());
        opened->Eprom().ReadFromFile(host::OpenZoneFile(Host().ImageA, false).release());
        return opened;
    }();
    return *station;
}

TByteArray& Trame() {
    static TByteArray trame{};
    return trame;
}

void Encode(benchmark::State& State, TTypeZones Type, int Numero) {
    TCustomEprom& eprom = StationA().Eprom();
    TZoneHolder zone(&eprom, Type, Numero, true);
    TByteArray& trame = Trame();
    for (auto _ : State)
        benchmark::DoNotOptimize(zone->SerialEncode(trame, 0, zone->GetTailleSendZone()));
}

void Decode(benchmark::State& State, TTypeZones Type, int Numero) {
    TCustomEprom& eprom = StationA().Eprom();
    TZoneHolder zone(&eprom, Type, Numero, true);
    TByteArray& trame = Trame();
    const int taille = zone->SerialEncode(trame, 0, zone->GetTailleSendZone());
    for (auto _ : State)
        if (zone->SerialDecode(trame, taille) != SerSansErreur)
            State.SkipWithError("the payload was refused");
}

// One zone of every zone class the AC station holds (in its file or only exchanged with
// the controller; every zone type is asked for) whose encoding decodes again: both codecs
// benchmarked on it.
void RegisterPayloads() {
    TCustomEprom& eprom = StationA().Eprom();
    std::set<std::string> classes;
    for (int type = 0; type < TypeZonesCount; ++type) {
        for (int numero = 0; numero < 2; ++numero) {
            const auto typeZone = static_cast<TTypeZones>(type);
            TZoneHolder zone(&eprom, typeZone, numero, true);
            if (zone.Get() == nullptr || classes.count(zone->ClassName()) != 0)
                continue;
            TByteArray& trame = Trame();
            trame.fill(0);
            int taille = 0;
            try {
                taille = zone->SerialEncode(trame, 0, zone->GetTailleSendZone());
            } catch (const std::exception&) {
                taille = 0;
            }
            if (taille <= 0 || zone->SerialDecode(trame, taille) != SerSansErreur)
                continue;
            classes.insert(zone->ClassName());
            const std::string nom = zone->ClassName().substr(1);
            benchmark::RegisterBenchmark(("Payload/" + nom + "/Decode").c_str(), Decode, typeZone,
                                         numero)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.05);
            benchmark::RegisterBenchmark(("Payload/" + nom + "/Encode").c_str(), Encode, typeZone,
                                         numero)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.05);
            break;
        }
    }
}

// --- Export ---

TExportTypes EverySection() {
    TExportTypes sections;
    for (const TExportType section :
         {etProgrammes, etElectrodes, etConfiguration, etAssignationPoint, etFraise, etRodeuse,
          etApprentissageAW, etProgrammeCombine, etApprentissageAWA})
        sections.Include(section);
    return sections;
}

void ExportBaseline(benchmark::State& State) {
    TBenchHost& host = Host();
    const std::string path = host.Chemin("export.csv");
    StationA().Eprom().SetNextProgressStep([](int, int) {});
    if (!StationA().Eprom().ConversionASCII(EverySection(), path, nullptr, nullptr))
        State.SkipWithError("ConversionASCII failed");
    const std::vector<char> bytes = ReadAll(path);
    const std::string copy = host.Chemin("export-copy.csv");
    for (auto _ : State) {
        const int fd = ::open(copy.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            State.SkipWithError("write failed");
        ::close(fd);
    }
    State.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(ExportBaseline)->Name("Export/Baseline")->Unit(benchmark::kMillisecond);

void ExportStation(benchmark::State& State) {
    TBenchHost& host = Host();
    const std::string path = host.Chemin("export.csv");
    TCustomEprom& eprom = StationA().Eprom();
    eprom.SetNextProgressStep([](int, int) {});
    for (auto _ : State)
        if (!eprom.ConversionASCII(EverySection(), path, nullptr, nullptr))
            State.SkipWithError("ConversionASCII failed");
}
BENCHMARK(ExportStation)->Name("Export/ConversionASCII")->Unit(benchmark::kMillisecond);

// --- Hold ---

std::mutex BaselineMutex;

void HoldBaseline(benchmark::State& State) {
    for (auto _ : State) {
        BaselineMutex.lock();
        BaselineMutex.unlock();
    }
}
BENCHMARK(HoldBaseline)->Name("Hold/Baseline")->Threads(1)->Threads(2);

void HoldZone(benchmark::State& State) {
    TCustomEprom& eprom = StationA().Eprom();
    for (auto _ : State) {
        TCustomZoneCPS* zone = eprom.GetPhysicalZone(PrcConfiguration, 0, true);
        if (zone == nullptr)
            State.SkipWithError("no configuration");
        eprom.ReleasePhysicalZone(zone);
    }
}
BENCHMARK(HoldZone)->Name("Hold/Configuration")->Threads(1)->Threads(2);

// --- Scale ---

void Scale(benchmark::State& State) {
    TBenchHost& host = Host();
    const auto count = static_cast<std::size_t>(State.range(0));
    std::vector<std::unique_ptr<TBenchStation>> stations;
    stations.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        stations.push_back(std::make_unique<TBenchStation>(NomStationAC, host.Protocole()));
        TCustomEprom& eprom = stations.back()->Eprom();
        eprom.ReadFromFile(host::OpenZoneFile(host.ImageA, false).release());
        eprom.ReadFromRefFile(host::OpenZoneFile(host.ImageB, false).release());
    }
    bool wrong = false;
    const auto compare = [&](std::size_t First) {
        for (std::size_t i = First; i < count; i += 2) {
            TStringList differences;
            if (stations[i]->Eprom().EqualsZones(nullptr, &differences) || differences.Count() == 0)
                wrong = true;
        }
    };
    for (auto _ : State) {
        const auto start = std::chrono::steady_clock::now();
        std::thread other(compare, 1);
        compare(0);
        other.join();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        State.SetIterationTime(elapsed.count() / static_cast<double>(count));
    }
    if (wrong)
        State.SkipWithError("a station compared equal to its reference");
    State.counters["pairs"] = static_cast<double>(count);
}
BENCHMARK(Scale)
    ->Name("Scale")
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace g20seq::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    g20seq::bench::RegisterPayloads();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
