#include "entry/InstanceRegistry.h"

#include "model/DataProxy.h"
#include "model/TypeDefaut.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/ModelTestKit.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

// Records, when freed, its name and whether the global fault types still existed.
class TRecordingEprom : public TTestEprom {
public:
    TRecordingEprom(TCreateKey Key, const std::string& Nom, TInterfacedPersistent* Protocole,
                    std::vector<std::string>* Freed)
        : TTestEprom(Key, Nom, Protocole), FFreed(Freed) {}
    ~TRecordingEprom() override {
        FFreed->push_back(GetNomEprom() + (GlobalFaultType(0) != nullptr ? "+faults" : ""));
    }

private:
    std::vector<std::string>* FFreed;
};

class InstanceRegistryTest : public ::testing::Test {
protected:
    InstanceRegistryTest() { FreeGlobalFaultTypes(); }

    TEpromFactory RecordingFactory() {
        return [this](const std::string& Name, TInterfacedPersistent* Protocole) {
            return TEprom::Create<TRecordingEprom>(Name, Protocole, &Freed);
        };
    }

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::vector<std::string> Freed;
};

} // namespace

TEST_F(InstanceRegistryTest, HandlesGrowAndAreNeverReused) {
    TInstanceRegistry registry(RecordingFactory());
    EXPECT_EQ(registry.NouvelleEprom("GA_A", &Protocol), 1);
    EXPECT_EQ(registry.NouvelleEprom("GA_B", &Protocol), 2);
    EXPECT_EQ(registry.ChercheInstance("1")->GetNomEprom(), "GA_A");
    EXPECT_EQ(registry.ChercheInstance("01"), nullptr);
    EXPECT_EQ(registry.ChercheInstance(" 1"), nullptr);

    registry.FermeEprom("1");
    EXPECT_EQ(Freed, std::vector<std::string>{"GA_A"});
    EXPECT_EQ(registry.ChercheInstance("1"), nullptr);
    EXPECT_EQ(registry.NouvelleEprom("GA_C", &Protocol), 3);
    registry.FermeEprom("2");
    EXPECT_EQ(registry.ChercheInstance("2"), nullptr);
    registry.FermeEprom("2");
    registry.FermeEprom("42");
    EXPECT_EQ(registry.Count(), 1);
    EXPECT_EQ(registry.ChercheInstance("3")->GetNomEprom(), "GA_C");
    EXPECT_EQ(Protocol.NombreEproms(), 1);
}

TEST_F(InstanceRegistryTest, FailedCreationRegistersNothing) {
    TInstanceRegistry registry;
    EXPECT_EQ(MessageOf([&] { registry.NouvelleEprom("XX_Line1", &Protocol); }),
              "Sequence 'XX_Line1' not handled by the current library.");
    EXPECT_EQ((std::vector<int>{registry.Count(), registry.Compteur(), Protocol.NombreEproms()}),
              (std::vector<int>{0, 0, 0}));
    // The default factory makes an EPROM for a name of the generation.
    EXPECT_EQ(registry.NouvelleEprom("GA_Line3_Robot2", &Protocol), 1);
    EXPECT_EQ(registry.ChercheInstance("1")->GetNomEprom(), "GA_Line3_Robot2");
    EXPECT_EQ(Protocol.NombreEproms(), 1);
}

TEST_F(InstanceRegistryTest, CounterOverflowIsAnError) {
    TInstanceRegistry registry(RecordingFactory(), std::numeric_limits<std::int32_t>::max() - 1);
    EXPECT_EQ(registry.NouvelleEprom("GA_Last", &Protocol),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_THROW(registry.NouvelleEprom("GA_Over", &Protocol), ERangeError);
    EXPECT_EQ(registry.Count(), 1);
    EXPECT_EQ(Freed, std::vector<std::string>{"GA_Over"});
}

TEST_F(InstanceRegistryTest, UnloadFreesFaultTypesThenEpromsLastFirst) {
    {
        TInstanceRegistry registry(RecordingFactory());
        registry.NouvelleEprom("GA_1", &Protocol);
        registry.NouvelleEprom("GA_2", &Protocol);
        registry.NouvelleEprom("GA_3", &Protocol);
        registry.FermeEprom("2");
    }
    EXPECT_EQ(Freed, (std::vector<std::string>{"GA_2", "GA_3", "GA_1"}));

    Freed.clear();
    {
        TModuleState module;
        EXPECT_NE(GlobalFaultType(4), nullptr);
        module.Registry().SetFactory(RecordingFactory());
        module.Registry().NouvelleEprom("GA_A", &Protocol);
        module.Registry().NouvelleEprom("GA_B", &Protocol);
        EXPECT_EQ(GetGlobalDataProxy(), &Proxy);
    }
    EXPECT_EQ(Freed, (std::vector<std::string>{"GA_B", "GA_A"}));
    EXPECT_EQ(GlobalFaultType(0), nullptr);
    EXPECT_EQ(GetGlobalDataProxy(), nullptr);
    EXPECT_EQ(Protocol.NombreEproms(), 0);
}
