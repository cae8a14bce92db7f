// Signatures handed in by a host thread while another thread reads them.
#include "support/SignaturesTestEprom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

TEST(SignaturesEpromConcurrency, ReadersOnAnotherThreadSeeWholeSignatures) {
    TBancSignatures banc;
    auto& eprom = banc.Eprom;
    std::atomic<bool> fini{false};
    std::thread hote([&] {
        for (int i = 0; i < 300; ++i)
            eprom->SetSignature(banc.Signature(i % 4, i));
        fini = true;
    });
    int lectures = 0;
    while (!fini || lectures == 0) {
        {
            const auto verrou = eprom->Signatures().Verrou();
            if (const TCustomZoneCPS* derniere = eprom->GetSignature(lectures % 4)) {
                EXPECT_EQ(TBancSignatures::Id(derniere) % 4, lectures % 4);
            }
            const TZoneList& tempsReel = eprom->GetSignatureTempsReel();
            EXPECT_LE(tempsReel.size(), 50u);
            EXPECT_TRUE(std::is_sorted(
                tempsReel.begin(), tempsReel.end(), [](const auto& a, const auto& b) {
                    return TBancSignatures::Id(a.get()) < TBancSignatures::Id(b.get());
                }));
        }
        EXPECT_LE(eprom->Signatures().CopieTempsReel().size(), 50u);
        ++lectures;
    }
    hote.join();
    EXPECT_EQ(eprom->GetSignatureTempsReel().size(), 50u);
    EXPECT_EQ(TBancSignatures::Id(eprom->GetSignature(3)), 299);
}

} // namespace
