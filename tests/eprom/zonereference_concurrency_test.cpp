#include "eprom/Eprom.h"

#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

// Four threads get and release overlapping zones: programs (created and freed again and
// again) and counters (kept in memory), sometimes holding two zones at once.
TEST(ZoneReferenceConcurrency, HoldersAreCountedExactlyUnderContention) {
    FakeDataProxy proxy;
    FakeProtocol protocol;
    auto eprom = TTestEprom::New("GA_Threads", &protocol);
    constexpr int Threads = 4;
    constexpr int Iterations = 100000 / Threads;
    constexpr int Zones = 8;
    std::atomic<int> failures{0};

    const auto worker = [&](int thread) {
        for (int i = 0; i < Iterations; ++i) {
            const int numero = (i * 7 + thread) % Zones;
            const TTypeZones type = i % 3 == 0 ? PrcCompteurs : PrcProgrammes;
            TCustomZoneCPS* zone = eprom->GetPhysicalZone(type, numero, true);
            TCustomZoneCPS* other =
                i % 5 == 0 ? eprom->GetPhysicalZone(PrcProgrammes, (numero + 1) % Zones, false)
                           : nullptr;
            if (zone == nullptr || zone->GetTypeZone() != type || zone->GetNumeroZone() != numero)
                ++failures;
            eprom->ReleasePhysicalZone(other);
            eprom->ReleasePhysicalZone(zone);
            if (zone != nullptr || other != nullptr)
                ++failures;
        }
    };
    std::vector<std::thread> threads;
    for (int thread = 0; thread < Threads; ++thread)
        threads.emplace_back(worker, thread);
    for (std::thread& thread : threads)
        thread.join();

    EXPECT_EQ(failures.load(), 0);
    for (int numero = 0; numero < Zones; ++numero) {
        TZoneReference* program = eprom->FindZoneReference(PrcProgrammes, numero);
        EXPECT_EQ(program->GetReferenceCount(), 0);
        EXPECT_EQ(program->GetZone(), nullptr);
        EXPECT_EQ(eprom->FindZoneReference(PrcCompteurs, numero)->GetReferenceCount(), 0);
    }
    EXPECT_EQ(proxy.Logs().size(), 0u);
}
