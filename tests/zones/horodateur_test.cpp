#include "support/StatusTestEprom.h"
#include "support/VtableSlot.h"
#include "zones/Horodateur.h"

#include <gtest/gtest.h>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancStatut;
using testkit::TBytes;

const TDateTime Fin2031 = EncodeDate(2031, 12, 31) + EncodeTime(23, 59, 58, 0);

bool Decode(TDateHeure& DateHeure, const TBytes& Octets, int LngTrame) {
    return DateHeure.Decode(Octets, LngTrame);
}

TEST(DateHeure, SixBytesBothWaysAndImpossibleValuesFail) {
    const TBytes octets = ReadHexVector("status/horodateur.hex");
    EXPECT_EQ(octets, (TBytes{31, 12, 31, 23, 59, 58}));
    TDateHeure dateHeure;
    EXPECT_FALSE(Decode(dateHeure, octets, 6));
    EXPECT_EQ(dateHeure.GetDateTime(), Fin2031);
    auto trame = std::make_unique<TByteArray>();
    EXPECT_EQ(dateHeure.Encode(*trame, 3), 9);
    EXPECT_EQ(testkit::FromPayload(*trame, 3, 6), octets);

    // Decode answers true on failure; the part that was possible is taken.
    TDateHeure autre;
    EXPECT_TRUE(Decode(autre, {31, 0, 1, 10, 0, 0}, 6)); // month 0
    EXPECT_EQ(autre.GetDateTime(), EncodeTime(10, 0, 0, 0));
    EXPECT_TRUE(Decode(autre, {31, 13, 1, 0, 0, 0}, 6));
    EXPECT_TRUE(Decode(autre, {24, 2, 30, 0, 0, 0}, 6));
    EXPECT_TRUE(Decode(autre, {31, 1, 1, 24, 0, 0}, 6));
    EXPECT_TRUE(Decode(autre, {31, 1, 1, 0, 60, 0}, 6));
    EXPECT_TRUE(Decode(autre, octets, 5));
    EXPECT_TRUE(Decode(autre, {31, 12, 31}, 6));
    EXPECT_FALSE(Decode(autre, {24, 2, 29, 0, 0, 0}, 6));

    EXPECT_THROW(autre.SetDate(2024, 2, 30), EConvertError);
    autre.Assign(&dateHeure);
    EXPECT_TRUE(autre.Equals(dateHeure));
}

TEST(Horodateur, DecodesTheControllerClockAndSendsTheComputerTime) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<THorodateur>(PrcHorodateur);
    ASSERT_NE(zone, nullptr);
    const TBytes octets = ReadHexVector("status/horodateur.hex");
    EXPECT_EQ(TBancStatut::Decoder(*zone, octets), SerSansErreur);
    EXPECT_EQ(zone->GetDateHeure(), Fin2031);

    // An impossible date is a decoding error with its dump; a length mismatch alone is
    // refused without a log.
    banc.Proxy.ClearLogs();
    EXPECT_EQ(TBancStatut::Decoder(*zone, {24, 2, 30, 8, 0, 0}), SerErrDonnees);
    EXPECT_EQ(banc.Proxy.Logs().size(), 1u);
    banc.Proxy.ClearLogs();
    for (const TBytes& octets : {TBytes{31, 12, 31, 23, 59, 58, 0}, TBytes{31, 12, 31, 23, 59}})
        EXPECT_EQ(TBancStatut::Decoder(*zone, octets), SerErrDonnees);
    EXPECT_TRUE(banc.Proxy.Logs().empty());
    EXPECT_EQ(zone->GetDateHeure(), Fin2031);

    THorodateur::SetHorloge([] { return EncodeDate(2024, 3, 9) + EncodeTime(7, 5, 1, 400); });
    EXPECT_EQ(TBancStatut::Encoder(*zone), (TBytes{24, 3, 9, 7, 5, 1}));
    EXPECT_EQ(zone->GetDateHeure(), EncodeDate(2024, 3, 9) + EncodeTime(7, 5, 1, 400));
    THorodateur::SetHorloge(nullptr);
    EXPECT_NEAR(THorodateur::Maintenant(), Now(), 1.0 / 24);

    auto trame = std::make_unique<TByteArray>();
    EXPECT_EQ(zone->FileDecode(*trame, 6), SerErrZoneRead);
    EXPECT_EQ(zone->FileEncode(*trame, 0, 6), 0);

    void* obj = nullptr;
    ASSERT_EQ(zone->QueryInterface(IHorodateur::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IHorodateur*>(obj)->GetDateHeure(), zone->GetDateHeure());
    EXPECT_EQ(testkit::VtableSlot(&IHorodateur::GetDateHeure),
              3 * static_cast<std::ptrdiff_t>(sizeof(void*)));
}

} // namespace
} // namespace g20seq
