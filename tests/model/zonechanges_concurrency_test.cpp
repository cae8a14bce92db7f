// Observers of fields and zones while two threads assign two zones to each other and a
// third comes and goes as an observer.
#include "model/KEVNumericFields.h"
#include "model/ZoneCPS.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace g20seq {
namespace {

class TZoneCroisee : public TZoneCPS {
public:
    TZoneCroisee(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone)
        : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
        AddField(std::make_unique<TKEVIntegerField>("IDValeur", this, nullptr, 0, 1000, 0, 1.0));
    }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TZoneCroisee>(AOwner, TypeZone, Numero, aLogicalZone);
    }
};

TEST(ZoneChangesConcurrency, CrossAssignmentsTellObserversWithoutRacesOrDeadlocks) {
    testkit::FakeDataProxy proxy;
    testkit::FakeProtocol protocol;
    auto eprom = testkit::TTestEprom::New("GA_Croise", &protocol);
    TZoneCroisee a(eprom.get(), PrcProgrammes, 1, nullptr);
    TZoneCroisee b(eprom.get(), PrcProgrammes, 1, nullptr);
    std::atomic<int> zones{0};
    std::atomic<int> champs{0};
    auto suiviA = a.Subscribe([&](TCustomZoneCPS&) { ++zones; });
    auto suiviB = b.FieldByID("IDValeur").Subscribe([&](TKEVField&) { ++champs; });
    constexpr int Tours = 300;
    std::thread versA([&] {
        for (int i = 0; i < Tours; ++i)
            a.Assign(&b);
    });
    std::thread versB([&] {
        for (int i = 0; i < Tours; ++i) {
            // The value is changed under the zone lock, as a decode does.
            TZoneCroisee copie(eprom.get(), PrcProgrammes, 1, nullptr);
            copie.SetRawValue("IDValeur", i);
            b.Assign(&copie);
        }
    });
    std::thread passant([&] {
        for (int i = 0; i < Tours; ++i) {
            auto jeton = a.FieldByID("IDValeur").Subscribe([](TKEVField&) {});
            auto jetonZone = b.Subscribe([](TCustomZoneCPS&) {});
        }
    });
    versA.join();
    versB.join();
    passant.join();
    EXPECT_EQ(zones, Tours);
    EXPECT_GT(champs, 0);
}

} // namespace
} // namespace g20seq
