#include "model/KEVNumericFields.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/ModelTestKit.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <vector>

namespace g20seq {
namespace {

// A zone of two fields whose one-byte payload is the value of IDValeur.
class TZoneSuivie : public TZoneCPS {
public:
    TZoneSuivie(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                TInterfacedPersistent* aLogicalZone)
        : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
        AddField(std::make_unique<TKEVIntegerField>("IDAutre", this, nullptr, 0, 100, 1, 1.0));
        AddField(std::make_unique<TKEVIntegerField>("IDValeur", this, nullptr, 0, 100, 1, 1.0));
    }
    std::string ClassName() const override { return "TZoneSuivie"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TZoneSuivie>(AOwner, TypeZone, Numero, aLogicalZone);
    }
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override {
        return DecodeIntoCopy(*this, Trame, LngTrame,
                              [](TZoneSuivie& Copie, const TByteArray& Donnees, int&) {
                                  Copie.SetRawValue("IDValeur", Donnees[0]);
                                  return 1;
                              });
    }
};

class ZoneChangesTest : public ::testing::Test {
protected:
    // Follows IDValeur and the zone; each observer checks that no zone lock is held, by
    // reading the zone's field list from another thread.
    void Suivre(TZoneSuivie& Zone) {
        const auto libre = [&Zone] {
            auto lecture = std::async(std::launch::async, [&Zone] { return Zone.GetFieldCount(); });
            return lecture.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
        };
        Jetons.push_back(Zone.FieldByID("IDValeur").Subscribe([this, libre](TKEVField& F) {
            Vus.push_back(F.GetFieldID() + (libre() ? "" : " sous verrou"));
        }));
        Jetons.push_back(Zone.Subscribe([this, libre](TCustomZoneCPS& Z) {
            Vus.push_back(Z.ZoneLabel() + (libre() ? "" : " sous verrou"));
        }));
    }

    testkit::FakeDataProxy Proxy;
    testkit::FakeProtocol Protocol;
    std::unique_ptr<testkit::TTestEprom> Eprom = testkit::TTestEprom::New("GA_Suivi", &Protocol);
    std::vector<TSubscription> Jetons;
    std::vector<std::string> Vus;
};

TEST_F(ZoneChangesTest, FieldObserversFollowDirectChangesBesideTheHostCallback) {
    TZoneSuivie zone(Eprom.get(), PrcProgrammes, 5, nullptr);
    TKEVField& valeur = zone.FieldByID("IDValeur");
    int hote = 0;
    valeur.SetOnChange([&](TObject*) { ++hote; });
    Suivre(zone);
    valeur.SetAsInteger(7);
    valeur.SetAsInteger(7);
    valeur.SetToMax();
    zone.SetAsInteger("IDAutre", 9);
    EXPECT_EQ(hote, 1);
    EXPECT_EQ(Vus, std::vector<std::string>{"IDValeur"});
}

TEST_F(ZoneChangesTest, AssignAndDecodeTellFieldsThenTheZoneOnceOutsideTheLock) {
    TZoneSuivie zone(Eprom.get(), PrcProgrammes, 5, nullptr);
    TZoneSuivie source(Eprom.get(), PrcProgrammes, 5, nullptr);
    Suivre(zone);
    struct Cas {
        const char* Nom;
        std::function<void()> Action;
        std::vector<std::string> Attendus;
    };
    TByteArray trame{};
    trame[0] = 42;
    const Cas cas[] = {
        {"Assign",
         [&] {
             source.SetAsInteger("IDValeur", 50);
             zone.Assign(&source);
         },
         {"IDValeur", "PrcProgrammes=5"}},
        {"Assign sans changement", [&] { zone.Assign(&source); }, {"PrcProgrammes=5"}},
        {"décodage",
         [&] { EXPECT_EQ(zone.SerialDecode(trame, 1), SerSansErreur); },
         {"IDValeur", "PrcProgrammes=5"}},
        {"décodage refusé", [&] { EXPECT_EQ(zone.SerialDecode(trame, 2), SerErrDonnees); }, {}},
    };
    for (const Cas& c : cas) {
        Vus.clear();
        c.Action();
        EXPECT_EQ(Vus, c.Attendus) << c.Nom;
    }
    EXPECT_EQ(zone.GetAsInteger("IDValeur"), 42);
}

TEST_F(ZoneChangesTest, AnObserverThatRaisesAfterAnAssignIsLoggedAndTheOthersAreTold) {
    TZoneSuivie zone(Eprom.get(), PrcProgrammes, 5, nullptr);
    TZoneSuivie source(Eprom.get(), PrcProgrammes, 5, nullptr);
    Jetons.push_back(zone.FieldByID("IDValeur").Subscribe([](TKEVField&) {
        throw std::runtime_error("refus");
    }));
    Suivre(zone);
    source.SetAsInteger("IDValeur", 50);
    zone.Assign(&source);
    EXPECT_EQ(Vus, (std::vector<std::string>{"IDValeur", "PrcProgrammes=5"}));
    EXPECT_EQ(
        testkit::LogRecords(Proxy),
        std::vector<std::string>{"TKEVIntegerField|Notification|refus|IDValeur|2|ZRT Handling"});
}

} // namespace
} // namespace g20seq
