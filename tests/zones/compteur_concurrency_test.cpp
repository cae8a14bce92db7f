// Counters read from the host's communication threads: derived values computed while
// payloads are decoded into the same zone, and a missing zone noticed by several threads
// at once, which is logged once.
#include "support/CompteurTestEprom.h"
#include "support/HexVectors.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancCompteur;
using testkit::ToPayload;
using testkit::TZoneTenue;

TEST(CompteurConcurrency, DerivedValuesWhileDecoding) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    TZoneTenue<TDefautsPresentsG20> defauts(*banc.Eprom, PrcDefautsPresents, 0);
    const TByteArray trame = ToPayload(ReadHexVector("counters/read_sample.hex"));
    defauts->Ajouter("10"); // the writer always adds a fault before removing the other
    std::vector<std::thread> fils;
    fils.emplace_back([&] {
        for (int n = 0; n < 200; ++n) {
            EXPECT_EQ(zone->SerialDecode(trame, TCompteur::TailleLecture), SerSansErreur);
            defauts->Ajouter(n % 2 == 0 ? "10" : "12");
            defauts->Supprimer(n % 2 == 0 ? "12" : "10");
        }
    });
    for (int i = 0; i < 3; ++i)
        fils.emplace_back([&] {
            for (int n = 0; n < 100; ++n) {
                EXPECT_EQ(zone->GetEtatCU(), evKO);
                EXPECT_NE(zone->GetEtatFDVE(), evNone);
                EXPECT_EQ(zone->GetEtatFDVFraise(), evOK);
                EXPECT_EQ(zone->GetNbPointsMaxAvantFDVFraise(), 2000);
                EXPECT_GE(defauts->GetNbDefautsBloquants(), 0);
            }
        });
    for (auto& fil : fils)
        fil.join();
    EXPECT_EQ(zone->GetCompteurPoints(), 1234);
    EXPECT_TRUE(banc.Proxy.Logs().empty());
}

TEST(CompteurConcurrency, MissingZoneIsLoggedOnceAcrossThreads) {
    TBancCompteur banc({.AvecElectrodes = false});
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 5);
    std::vector<std::thread> fils;
    for (int i = 0; i < 4; ++i)
        fils.emplace_back([&] {
            for (int n = 0; n < 50; ++n) {
                EXPECT_EQ(zone->GetEtatCU(), evNone);
                EXPECT_EQ(zone->PointsRestants(), 0);
            }
        });
    for (auto& fil : fils)
        fil.join();
    EXPECT_EQ(banc.Proxy.CountLogs("GA_Compteurs"), 1);
}

} // namespace
} // namespace g20seq
