#include "model/PayloadMember.h"
#include "model/ZoneCPS.h"
#include "support/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace g20seq {
namespace {

// A zone that keeps plain members of every kind a member item binds.
struct TMemberZone : TZoneCPS {
    TMemberZone() : TZoneCPS(nullptr, PrcApprentissage, 1, nullptr) {}
    std::string ClassName() const override { return "TMemberZone"; }

    static void StoreTotal(TMemberZone& Zone, LongWord Value) { Zone.Total = Value * 10; }
    static LongWord ExtractTotal(const TMemberZone& Zone) { return Zone.Total / 10; }
    static const TPayloadLayout& Layout();

    int Value = 0;
    TIntegerRange Range{0, 200, 0};
    double Percent = 0.0;
    bool Bit0 = false;
    bool Bit7 = false;
    std::string Name;
    std::string Code;
    int Total = 0;
    int Counter = 0;
    int CopiedOnly = 0;
};

const TPayloadLayout& TMemberZone::Layout() {
    using Z = TMemberZone;
    using namespace payload;
    static constexpr TPayloadItem items[] = {
        Number(0, 2, Member<&Z::Value>),
        Number(2, 1, Member<&Z::Range>),
        Number(3, 2, Member<&Z::Percent, TScale<100>>),
        Bits(5, 7, Member<&Z::Bit7>),
        Bits(5, 0, Member<&Z::Bit0>),
        Text(6, 4, Member<&Z::Name>, false),
        Text(10, 3, Member<&Z::Code>, true),
        Number(13, 2, Computed<&Z::StoreTotal, &Z::ExtractTotal>),
        Number(15, 2, Member<&Z::Counter, TWordModulo>),
        Constant(17, 1, 0x5A),
        Copied(Member<&Z::CopiedOnly>),
    };
    static constexpr TPayloadLayout layout{items};
    return layout;
}

void Fill(TMemberZone& Zone) {
    Zone.Value = 0x1234;
    Zone.Range.SetValue(200);
    Zone.Percent = 12.125; // 1212.5 rounds to the even 1212
    Zone.Bit7 = true;
    Zone.Name = "Bé";
    Zone.Code = "A";
    Zone.Total = 5000;
    Zone.Counter = 70000; // sent modulo 65536
    Zone.CopiedOnly = 7;
}

std::vector<int> Bytes(const TByteArray& Trame, int Count) {
    return std::vector<int>(Trame.begin(), Trame.begin() + Count);
}

TEST(PayloadMember, MembersRoundTripThroughTheirItems) {
    TMemberZone zone;
    Fill(zone);
    auto trame = std::make_unique<TByteArray>();
    trame->fill(0xEE);
    ASSERT_EQ(TMemberZone::Layout().Size(), 18);
    ASSERT_EQ(TMemberZone::Layout().Encode(zone, *trame, 1), 19);
    EXPECT_EQ(Bytes(*trame, 20),
              (std::vector<int>{0xEE, 0x12, 0x34, 200, 0x04, 0xBC, 0x80, 'B',  0xE9, ' ',
                                ' ',  'A',  ' ',  ' ', 0x01, 0xF4, 0x11, 0x70, 0x5A, 0xEE}));

    TMemberZone read;
    int offset = 0;
    EXPECT_EQ(TMemberZone::Layout().Decode(read, *trame, 1, offset), 18);
    EXPECT_EQ(read.Value, 0x1234);
    EXPECT_EQ(read.Range.GetValue(), 200);
    EXPECT_DOUBLE_EQ(read.Percent, 12.12);
    EXPECT_TRUE(read.Bit7);
    EXPECT_FALSE(read.Bit0);
    EXPECT_EQ(read.Name, "Bé");  // trailing blanks dropped
    EXPECT_EQ(read.Code, "A  "); // kept as read
    EXPECT_EQ(read.Total, 5000);
    EXPECT_EQ(read.Counter, 4464);
    EXPECT_EQ(read.CopiedOnly, 0); // in no payload
}

TEST(PayloadMember, ValuesThatDoNotFitAreRefused) {
    const std::vector<std::function<void(TMemberZone&)>> encodes = {
        [](TMemberZone& Z) { Z.Value = 70000; },
        [](TMemberZone& Z) { Z.Name = "ABCDE"; },
        [](TMemberZone& Z) { Z.Total = 700000; },
    };
    auto trame = std::make_unique<TByteArray>();
    for (std::size_t i = 0; i < encodes.size(); ++i) {
        TMemberZone zone;
        encodes[i](zone);
        EXPECT_THROW(TMemberZone::Layout().Encode(zone, *trame, 0), ERangeError) << i;
    }
    // A range member refuses a value outside its range, at the item's offset.
    TMemberZone zone;
    trame->fill(0);
    (*trame)[2] = 201;
    int offset = 0;
    EXPECT_THROW(TMemberZone::Layout().Decode(zone, *trame, 0, offset), ERangeError);
    EXPECT_EQ(offset, 2);
}

TEST(PayloadMember, CopyTakesEveryNamedMemberButComputedValues) {
    TMemberZone source;
    Fill(source);
    TMemberZone copy;
    TMemberZone::Layout().CopyMembers(copy, source);
    EXPECT_EQ(copy.Value, source.Value);
    EXPECT_EQ(copy.Range.GetValue(), 200);
    EXPECT_EQ(copy.Percent, source.Percent);
    EXPECT_TRUE(copy.Bit7);
    EXPECT_EQ(copy.Name, source.Name);
    EXPECT_EQ(copy.Code, source.Code);
    EXPECT_EQ(copy.Counter, 70000);
    EXPECT_EQ(copy.CopiedOnly, 7);
    EXPECT_EQ(copy.Total, 0);
}

} // namespace
} // namespace g20seq
