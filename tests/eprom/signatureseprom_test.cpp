// Signatures kept by an EPROM: the last one per program, the real-time list of the last
// fifty, ownership of what is handed over, refusals, the program number and the type codes.
#include "support/EpromTestKit.h"
#include "support/SignaturesTestEprom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <utility>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class SignaturesEpromTest : public ::testing::Test, protected TBancSignatures {
protected:
    int Appels = 0;
};

TEST_F(SignaturesEpromTest, KeepsTheLastPerProgramAndTheLastFiftyInRealTime) {
    for (int i = 0; i < 51; ++i)
        Eprom->SetSignature(Signature(i % 3, i));
    // Three stored (48, 49, 50), fifty in the real-time list; every replaced one is freed.
    EXPECT_EQ(TSignatureComptee::Vivantes, 53);
    EXPECT_EQ(Eprom->Signatures().Count(), 3);
    EXPECT_EQ(Id(Eprom->GetSignature(0)), 48);
    EXPECT_EQ(Id(Eprom->GetSignature(2)), 50);
    EXPECT_EQ(Eprom->GetSignature(3), nullptr);

    const TZoneList& tempsReel = Eprom->GetSignatureTempsReel();
    ASSERT_EQ(tempsReel.size(), 50u);
    EXPECT_EQ(Id(tempsReel.front().get()), 1);
    EXPECT_EQ(Id(tempsReel.back().get()), 50);
    // The real-time entries are copies, not the stored signatures.
    EXPECT_NE(tempsReel.back().get(), Eprom->GetSignature(2));

    // The hook is told once the signature is stored and the real-time list has grown.
    ASSERT_EQ(Eprom->Annonces.size(), 51u);
    for (std::size_t i = 0; i < Eprom->Annonces.size(); ++i)
        EXPECT_EQ(Eprom->Annonces[i], std::make_pair(true, std::min<std::size_t>(i + 1, 50))) << i;

    const auto copie = Eprom->Signatures().Copie(1);
    EXPECT_EQ(Id(copie.get()), 49);
    EXPECT_EQ(TSignatureComptee::Vivantes, 54);

    Eprom.reset();
    EXPECT_EQ(TSignatureComptee::Vivantes, 1);
}

TEST_F(SignaturesEpromTest, RefusesWhatIsNotAWeldAndFreesIt) {
    // Type byte 0x80 is raw type 1: a fault.
    Eprom->SetSignature(Signature(4, 1, 0x80));
    EXPECT_EQ(CountLogLines(Proxy, "SetSignature|SigDefaut||0|Eprom"), 1);
    // A zone that is not a signature has no program number.
    {
        const TZoneHolder diagnostic(Eprom.get(), PrcDiagnostic, 0);
        ASSERT_TRUE(diagnostic);
        Eprom->SetSignature(diagnostic->Duplicate());
    }
    EXPECT_EQ(CountLogLines(Proxy, "GetNumProg (GA_Signatures)|Le paramètre n'est pas une "
                                   "signature|Erreur type zone 1 (PrcDiagnostic)|2|Eprom"),
              1);
    Eprom->SetSignature(nullptr);

    EXPECT_EQ(TSignatureComptee::Vivantes, 0);
    EXPECT_EQ(Eprom->GetSignature(4), nullptr);
    EXPECT_TRUE(Eprom->GetSignatureTempsReel().empty());
    EXPECT_TRUE(Eprom->Annonces.empty());

    EXPECT_EQ(Eprom->GetNumProg(nullptr), -1);
    EXPECT_EQ(CountLogLines(Proxy, "GetNumProg (GA_Signatures)|Signature non trouvée||2|Eprom"), 1);
    EXPECT_EQ(Eprom->GetNumProg(Signature(127, 0).get()), 127);
}

TEST_F(SignaturesEpromTest, ObserversAreToldTheProgramOnceTheStoreIsFree) {
    std::vector<std::pair<TCustomEprom*, int>> vus;
    std::vector<int> copies;
    auto premier = Eprom->SubscribeNouvelleSignature([&](TCustomEprom& E, int NumProg) {
        vus.emplace_back(&E, NumProg);
        // The store's lock is free: a copy is read from another thread.
        auto copie = std::async(std::launch::async,
                                [&] { return Id(Eprom->Signatures().Copie(NumProg).get()); });
        ASSERT_EQ(copie.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        copies.push_back(copie.get());
    });
    auto second = Eprom->SubscribeNouvelleSignature([&](TCustomEprom&, int) { ++Appels; });
    Eprom->SetSignature(Signature(3, 30));
    second.Cancel();
    Eprom->SetSignature(Signature(4, 1, 0x80)); // a fault is not stored: nobody is told
    Eprom->SetSignature(Signature(7, 70));
    TCustomEprom* eprom = Eprom.get();
    EXPECT_EQ(vus, (std::vector<std::pair<TCustomEprom*, int>>{{eprom, 3}, {eprom, 7}}));
    EXPECT_EQ(copies, (std::vector<int>{30, 70}));
    EXPECT_EQ(Appels, 1);
}

TEST_F(SignaturesEpromTest, TypeCodesConvertBothWays) {
    TCustomEprom& eprom = *Eprom;
    EXPECT_EQ(eprom.TypeSignatureIntToEnum(142), SigProgElementaire);
    EXPECT_EQ(eprom.TypeSignatureIntToEnum(128), SigDefaut);
    EXPECT_EQ(eprom.TypeSignatureEnumToInt(SigProgCascade), 0);
    EXPECT_EQ(eprom.TypeSignatureEnumToInt(static_cast<TypesSignature>(30)), 0);
    for (int code : {1, 11, 126, 127, 131, 132, 141})
        EXPECT_EQ(eprom.TypeSignatureEnumToInt(eprom.TypeSignatureIntToEnum(code)), code) << code;
}

} // namespace
