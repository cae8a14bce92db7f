#include "model/DataProxy.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace g20seq;

// Communication threads log and translate while the host's proxy is in place.
TEST(DataProxyConcurrency, LogsFromSeveralThreadsAreAllRecorded) {
    testkit::FakeDataProxy proxy;
    constexpr int threads = 4, perThread = 2000;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([] {
            for (int i = 0; i < perThread; ++i) {
                LogEvent(nullptr, "ReceiveZone", "x", "y", LogAnomaly, CatKevnet);
                (void)Translate("S", "K", "D");
            }
        });
    for (auto& worker : workers)
        worker.join();
    EXPECT_EQ(proxy.Logs().size(), static_cast<size_t>(threads * perThread));
}
