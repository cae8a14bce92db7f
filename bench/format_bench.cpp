// Zone labels ("%s=%d") and decode dumps (" %2.2X") are formatted on every zone
// access and every failed decode. This compares our Format with the C library's
// snprintf, the baseline of the same run.
#include "support/Format.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

void BM_SnprintfLabel(benchmark::State& state) {
    char buffer[64];
    int number = 0;
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, "%s=%d", "PrcProgrammes", number++ & 127);
        benchmark::DoNotOptimize(std::string(buffer));
    }
}
BENCHMARK(BM_SnprintfLabel);

void BM_FormatLabel(benchmark::State& state) {
    int number = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(g20seq::Format("%s=%d", "PrcProgrammes", number++ & 127));
}
BENCHMARK(BM_FormatLabel);

void BM_SnprintfHexByte(benchmark::State& state) {
    char buffer[8];
    int value = 0;
    for (auto _ : state) {
        std::snprintf(buffer, sizeof buffer, " %2.2X", value++ & 255);
        benchmark::DoNotOptimize(std::string(buffer));
    }
}
BENCHMARK(BM_SnprintfHexByte);

void BM_FormatHexByte(benchmark::State& state) {
    int value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(g20seq::Format(" %2.2X", value++ & 255));
}
BENCHMARK(BM_FormatHexByte);

} // namespace
