// Field resolution and the codec, copy and comparison of the three largest zones.
// Baseline in the same run: resolving every program field by identifier against resolving
// it by handle.
#include "zones/ConfigurationG20.h"
#include "zones/ElectrodeG20.h"
#include "zones/ProgrammeG20.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace g20seq {
namespace {

template <class TZone> std::unique_ptr<TZone> Zone(TTypeZones Type) {
    return std::make_unique<TZone>(nullptr, Type, 1, nullptr);
}

void ResolveByIdentifier(benchmark::State& State) {
    const auto zone = Zone<TProgrammeG20>(PrcProgrammes);
    for (auto _ : State)
        for (const TFieldHandle& handle : ChampsProgramme::Handles)
            benchmark::DoNotOptimize(zone->GetFieldByID(handle.ID()));
}
BENCHMARK(ResolveByIdentifier);

void ResolveByHandle(benchmark::State& State) {
    const auto zone = Zone<TProgrammeG20>(PrcProgrammes);
    for (auto _ : State)
        for (const TFieldHandle& handle : ChampsProgramme::Handles)
            benchmark::DoNotOptimize(zone->FindField(handle));
}
BENCHMARK(ResolveByHandle);

template <class TZone> void Encode(benchmark::State& State, TTypeZones Type) {
    const auto zone = Zone<TZone>(Type);
    auto trame = std::make_unique<TByteArray>();
    for (auto _ : State)
        benchmark::DoNotOptimize(zone->SerialEncode(*trame, 0, zone->GetTailleSendZone()));
}

template <class TZone> void Decode(benchmark::State& State, TTypeZones Type) {
    const auto zone = Zone<TZone>(Type);
    auto trame = std::make_unique<TByteArray>();
    const int taille = zone->SerialEncode(*trame, 0, zone->GetTailleSendZone());
    for (auto _ : State)
        benchmark::DoNotOptimize(zone->SerialDecode(*trame, taille));
}

template <class TZone> void AssignAndCompare(benchmark::State& State, TTypeZones Type) {
    const auto zone = Zone<TZone>(Type);
    const auto copie = Zone<TZone>(Type);
    for (auto _ : State) {
        copie->Assign(zone.get());
        benchmark::DoNotOptimize(copie->Equals(zone.get()));
    }
}

template <class TZone> void Register(const std::string& Name, TTypeZones Type) {
    benchmark::RegisterBenchmark(("Encode/" + Name).c_str(), Encode<TZone>, Type);
    benchmark::RegisterBenchmark(("Decode/" + Name).c_str(), Decode<TZone>, Type);
    benchmark::RegisterBenchmark(("AssignAndCompare/" + Name).c_str(), AssignAndCompare<TZone>,
                                 Type);
}

const bool Registered = [] {
    Register<TProgrammeG20>("Programme", PrcProgrammes);
    Register<TConfigurationG20>("Configuration", PrcConfiguration);
    Register<TElectrodeG20>("Electrode", PrcElectrodes);
    return true;
}();

} // namespace
} // namespace g20seq
