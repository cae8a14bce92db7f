// An editor's copy and the zone held by the EPROM are assigned to each other from different
// threads (the editor saves while a received payload is copied back): both zones are locked
// together, so neither deadlocks nor reads a half-written zone.
#include "model/KEVField.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/ProgrammeTestEprom.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace g20seq {
namespace {

using testkit::TProgrammeTestEprom;

TEST(ZoneAssignConcurrency, CrossAssignmentsNeitherDeadlockNorTear) {
    testkit::FakeDataProxy proxy;
    testkit::FakeProtocol protocole;
    auto eprom = TProgrammeTestEprom::New("GA_Ligne1", &protocole, {});
    const TZoneHolder tenue(eprom.get(), PrcProgrammes, 3);
    ASSERT_TRUE(tenue);
    std::unique_ptr<TCustomZoneCPS> copie = tenue->Duplicate();
    auto* temps = dynamic_cast<TZoneCPS&>(*copie).GetFieldByID("IDTempsSoudage");
    ASSERT_NE(temps, nullptr);
    const int avant = temps->GetAsInteger();
    temps->SetAsInteger(avant + 1);

    std::thread versTenue([&] {
        for (int n = 0; n < 2000; ++n)
            tenue->Assign(copie.get());
    });
    std::thread versCopie([&] {
        for (int n = 0; n < 2000; ++n)
            copie->Assign(tenue.Get());
    });
    versTenue.join();
    versCopie.join();
    // Whichever assignment came last, both zones end up whole and equal.
    const int valeur = temps->GetAsInteger();
    EXPECT_TRUE(valeur == avant || valeur == avant + 1) << valeur;
    EXPECT_EQ(
        dynamic_cast<const TZoneCPS&>(*tenue.Get()).GetFieldByID("IDTempsSoudage")->GetAsInteger(),
        valeur);
    EXPECT_EQ(copie->GetTypeZone(), PrcProgrammes);
    EXPECT_EQ(copie->GetNumeroZone(), 3);
}

} // namespace
} // namespace g20seq
