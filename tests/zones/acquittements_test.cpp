#include "support/StatusTestEprom.h"
#include "support/VtableSlot.h"
#include "zones/Acquittements.h"
#include "zones/SignalisationModification.h"

#include <gtest/gtest.h>

#include <functional>

namespace g20seq {
namespace {

using testkit::TBancStatut;
using testkit::TBytes;

// An acknowledgement zone whose kind a test can set to one no operation makes.
class TAcquittementsLibres : public TAcquittementsG20 {
public:
    using TAcquittementsG20::TAcquittementsG20;
    void SetType(int Type) { FTypeAcquittement = Type; }
};

TEST(Acquittements, EachOperationWritesItsTwoBytes) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<TAcquittementsG20>(PrcAcquittements);
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(TBancStatut::Encoder(*zone), (TBytes{0x01, 0xFF})); // as created: every fault
    const std::pair<std::function<void(TAcquittementsG20&)>, TBytes> cas[] = {
        {[](TAcquittementsG20& z) { z.AcquittementDefaut(255); }, {0x01, 0xFF}},
        {[](TAcquittementsG20& z) { z.AcquittementDefaut(12); }, {0x01, 0x0C}},
        {[](TAcquittementsG20& z) { z.AcquittementElectrode(false, 3); }, {0x03, 0x03}},
        {[](TAcquittementsG20& z) { z.AcquittementElectrode(true, 15); }, {0x02, 0x0F}},
        {[](TAcquittementsG20& z) { z.RepetitionPoint(true); }, {0x04, 0x00}},
        {[](TAcquittementsG20& z) { z.RepetitionPoint(false); }, {0x05, 0x00}},
        {[](TAcquittementsG20& z) { z.AcquittementFraise(2); }, {0x07, 0x02}},
    };
    for (const auto& [operation, attendu] : cas) {
        operation(*zone);
        EXPECT_EQ(TBancStatut::Encoder(*zone), attendu) << testkit::ToHex(attendu);
    }
    // The fault number survives an acknowledgement of every fault.
    zone->AcquittementDefaut(12)->AcquittementDefaut(255);
    EXPECT_EQ(zone->GetNumeroDefaut(), 12);
    EXPECT_TRUE(zone->GetTousDefauts());

    zone->AcquittementDefaut(256);
    auto trame = std::make_unique<TByteArray>();
    EXPECT_THROW(zone->SerialEncode(*trame, 0, 2), ERangeError);
}

TEST(Acquittements, KindSixKeepsTheSecondByteAndNothingIsDecoded) {
    TBancStatut banc;
    TAcquittementsLibres zone(banc.Eprom.get(), PrcAcquittements, 0, nullptr);
    zone.SetType(6);
    auto trame = std::make_unique<TByteArray>();
    PutByte(*trame, 11, 0xA5);
    EXPECT_EQ(zone.SerialEncode(*trame, 10, 2), 12);
    EXPECT_EQ(testkit::FromPayload(*trame, 10, 2), (TBytes{0x06, 0xA5}));

    auto copie = zone.Duplicate();
    EXPECT_EQ(TBancStatut::Encoder(*copie), (TBytes{0x06, 0x00}));
    EXPECT_EQ(TBancStatut::Decoder(zone, {0x01, 0x02}), SerErrDonnees);
    ASSERT_FALSE(banc.Proxy.Logs().empty());
    EXPECT_EQ(banc.Proxy.Logs().back().Text2, "Ne devrait jamais être décodée (SerErrDonnees)");
    EXPECT_EQ(zone.FileDecode(*trame, 2), SerErrZoneRead);
    EXPECT_EQ(zone.FileEncode(*trame, 0, 2), 0);

    using A = TAcquittementsG20;
    EXPECT_EQ(
        testkit::FirstGap(testkit::VtableSlots(&A::AcquittementDefaut, &A::AcquittementElectrode,
                                               &A::RepetitionPoint, &A::AcquittementFraise)),
        -1);
}

TEST(SignalisationModification, WritesOneByteAndDecodesNothing) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<TSignalisationModificationG20>(PrcSignalisationModification);
    ASSERT_NE(zone, nullptr);
    EXPECT_EQ(TBancStatut::Encoder(*zone), TBytes{0x00});
    zone->SetSurveillanceModification(true);
    EXPECT_EQ(TBancStatut::Encoder(*zone), TBytes{0x01});
    EXPECT_EQ(TBancStatut::Decoder(*zone, {0x00}), SerErrDonnees);
    EXPECT_TRUE(zone->GetSurveillanceModification());
}

} // namespace
} // namespace g20seq
