#include "eprom/KEVCustomFileStream.h"
#include "support/EpromTestKit.h"
#include "support/TypeZones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace g20seq;

// Threads sharing one stream each rewrite and read back their own block: the stream
// position moves under every zone-level operation, so a read or rewrite that is not
// covered whole by the stream's lock lands in another thread's block.
TEST(KevCustomFileStreamConcurrency, ZoneOperationsOfSeveralThreadsDoNotMix) {
    constexpr int Threads = 4;
    constexpr int Rounds = 2000;
    constexpr int Size = 40;
    const testkit::TScratchDir scratch;
    const std::string path = scratch.Path("threads.kev");
    TByteArray buffer{};
    {
        TKevCustomFileStream stream(path, fmCreate, true);
        for (int zone = 0; zone < Threads; ++zone)
            stream.WriteZone(PrcProgrammes, zone, buffer, Size);
    }
    TKevCustomFileStream stream(path, fmOpenReadWrite | fmShareExclusive, true);
    std::atomic<int> mixed = 0;
    std::vector<std::thread> workers;
    for (int zone = 0; zone < Threads; ++zone) {
        workers.emplace_back([&stream, &mixed, zone] {
            TByteArray mine{};
            TByteArray read{};
            for (int round = 0; round < Rounds; ++round) {
                mine.fill(static_cast<Byte>(zone * 50 + round % 50));
                try {
                    stream.ReplaceZone(PrcProgrammes, zone, mine, Size);
                    if (!stream.ReadZone(PrcProgrammes, zone, read, Size) ||
                        !std::equal(read.begin(), read.begin() + Size, mine.begin()))
                        ++mixed;
                } catch (const Exception&) {
                    ++mixed;
                }
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(stream.Size(), 284 + Threads * (16 + Size));
}
