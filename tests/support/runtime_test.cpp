#include "support/ByteArray.h"
#include "support/DateTime.h"
#include "support/Exceptions.h"
#include "support/Latin1.h"
#include "support/Object.h"
#include "support/Rounding.h"
#include "support/SetOfTypesZones.h"
#include "support/TypeZones.h"

#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <type_traits>
#include <vector>

using namespace g20seq;

TEST(Object, AssignmentErrorsAndInterfaceQueries) {
    TPersistent target;
    TInterfacedPersistent source;
    EXPECT_EQ(testkit::MessageOf<EConvertError>([&] { target.Assign(&source); }),
              "Cannot assign a TInterfacedPersistent to a TPersistent");
    EXPECT_EQ(testkit::MessageOf<EConvertError>([&] { target.Assign(nullptr); }),
              "Cannot assign a nil to a TPersistent");
    void* obj = &target;
    // The host contract's codes; the answer never converts to bool.
    static_assert(!std::is_convertible_v<THResult, bool>);
    EXPECT_EQ(static_cast<std::uint32_t>(source.QueryInterface(TGUID{}, &obj)), 0x80004002u);
    EXPECT_EQ(static_cast<std::int32_t>(THResult::S_OK), 0);
    EXPECT_EQ(obj, nullptr);
    EXPECT_EQ(source.AddRef(), -1);
    EXPECT_EQ(source.Release(), -1);
}

TEST(Object, GuidTextsAtCompileTime) {
    constexpr TGUID guid = GuidFromString("{CB5AA941-56F6-447D-ac8d-F5573FD0D9BA}");
    static_assert(guid.D1 == 0xCB5AA941u && guid.D2 == 0x56F6 && guid.D3 == 0x447D);
    static_assert(guid.D4[0] == 0xAC && guid.D4[1] == 0x8D && guid.D4[7] == 0xBA);
    EXPECT_EQ(GUIDToString(guid), "{CB5AA941-56F6-447D-AC8D-F5573FD0D9BA}");
    EXPECT_FALSE(guid == GuidFromString("{CB5AA941-56F6-447D-AC8D-F5573FD0D9BB}"));
    EXPECT_THROW(GuidFromString("{CB5AA941-56F6-447D-AC8D-F5573FD0D9BG}"), EConvertError);
    EXPECT_THROW(GuidFromString("[CB5AA941-56F6-447D-AC8D-F5573FD0D9BA]"), EConvertError);
}

TEST(Rounding, NearestWithTiesToEven) {
    const struct {
        double value;
        Int64 rounded;
    } cases[] = {{0.5, 0},   {1.5, 2}, {2.5, 2},         {-2.5, -2},
                 {-0.5, 0},  {3.5, 4}, {2.49, 2},        {2.51, 3},
                 {-1.5, -2}, {0.0, 0}, {65535.5, 65536}, {1e15 + 0.5, 1000000000000000}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundToEven(c.value), c.rounded) << c.value;
    EXPECT_THROW(RoundToEven(std::nan("")), ERangeError);
    EXPECT_THROW(RoundToEven(1e19), ERangeError);
}

TEST(DateTime, EncodingRejectsImpossibleValuesAndDecodingRoundTrips) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2.0); // 2000 is leap
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0); // 1900 is not
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    for (const auto& [y, m, d] : std::vector<std::array<Word, 3>>{
             {2023, 0, 1}, {2023, 13, 1}, {2023, 1, 32}, {2023, 2, 29}, {2023, 4, 31}, {0, 1, 1}})
        EXPECT_THROW(EncodeDate(y, m, d), EConvertError) << y << "-" << m << "-" << d;
    for (const auto& [h, n, s, ms] : std::vector<std::array<Word, 4>>{
             {24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}})
        EXPECT_THROW(EncodeTime(h, n, s, ms), EConvertError) << h << ":" << n << ":" << s;
    TDateTime unchanged = 7.0;
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, unchanged));
    EXPECT_EQ(unchanged, 7.0);
    // Decoding round trips.
    const TDateTime moment = EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 58, 999);
    Word y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, ms = 0;
    DecodeDate(moment, y, m, d);
    DecodeTime(moment, h, n, s, ms);
    EXPECT_EQ((std::vector<Word>{y, m, d, h, n, s, ms}),
              (std::vector<Word>{2024, 2, 29, 23, 59, 58, 999}));
    EXPECT_EQ(FormatDate(moment), "29/02/2024");
    EXPECT_EQ(FormatTime(moment), "23:59:58");
    EXPECT_EQ(FormatDate(-1.25), "29/12/1899");
    EXPECT_EQ(FormatTime(-1.25), "06:00:00");
    EXPECT_EQ(FormatDate(EncodeDate(1, 1, 1)), "01/01/0001");
    EXPECT_EQ(FormatTime(0.99999999999), "00:00:00"); // rounds up to the next midnight
    EXPECT_EQ(FormatDate(0.99999999999), "31/12/1899");
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}

TEST(Latin1, OneBytePerCharacter) {
    EXPECT_EQ(Utf8ToLatin1("Zone é°"), "Zone \xE9\xB0");
    EXPECT_EQ(Latin1ToUtf8("Zone \xE9\xB0"), "Zone é°");
    // Outside Latin-1, Latin-1 bytes (not UTF-8), a truncated sequence, an overlong form.
    for (const char* bad : {"€", "\xE9t\xE9", "\xC3", "\xC0\xA9"})
        EXPECT_THROW(Utf8ToLatin1(bad), ERangeError) << bad;
    EXPECT_EQ(Utf8Length("été€"), 4u);
    EXPECT_EQ(Utf8Copy("été€x", 1, 3), "té€");
    EXPECT_EQ(Utf8Copy("été", 2, 10), "é");
    EXPECT_EQ(Utf8Copy("été", 5, 1), "");
}

TEST(ByteArray, BigEndianAndBoundsChecked) {
    TByteArray buffer{};
    PutWord(buffer, 0, 0x1234);
    PutLong(buffer, 2, 0xA1B2C3D4u);
    EXPECT_EQ(HexDump(buffer, 0, 6), " 12 34 A1 B2 C3 D4");
    EXPECT_EQ(GetWord(buffer, 1), 0x34A1);
    EXPECT_EQ(GetLong(buffer, 2), 0xA1B2C3D4u);
    EXPECT_EQ(MakeWord(0x12, 0x34), 0x1234);
    EXPECT_EQ(MakeLong(0x1234, 0x5678), 0x12345678u);
    PutByte(buffer, MaxBuffer - 1, 7);
    EXPECT_EQ(GetByte(buffer, 32767), 7);
    PutWord(buffer, 32766, 1);
    EXPECT_THROW(PutWord(buffer, 32767, 1), ERangeError);
    EXPECT_THROW(GetLong(buffer, 32765), ERangeError);
    EXPECT_THROW(PutByte(buffer, -1, 0), ERangeError);
    EXPECT_THROW(GetByte(buffer, 32768), ERangeError);
    EXPECT_THROW(HexDump(buffer, 32760, 9), ERangeError);
}

TEST(SetOfTypesZones, MembersInIncreasingOrder) {
    TSetOfTypesZones set{159, 29, 0, 17};
    set.IncludeRange(26, 28);
    std::vector<int> members(set.begin(), set.end());
    EXPECT_EQ(members, (std::vector<int>{0, 17, 26, 27, 28, 29, 159}));
    EXPECT_EQ(set.Count(), 7);
    set.Exclude(0);
    EXPECT_FALSE(set.Contains(0));
    const TSetOfTypesZones other{17, 18};
    EXPECT_EQ(set * other, TSetOfTypesZones{17});
    EXPECT_EQ((set + other).Count(), 7);
    EXPECT_EQ((set - other).Count(), 5);
    EXPECT_TRUE(TSetOfTypesZones().Empty());
    EXPECT_EQ(TSetOfTypesZones().begin(), TSetOfTypesZones().end());
    EXPECT_THROW(set.Include(160), ERangeError);
    EXPECT_THROW(set.Contains(-1), ERangeError);
    EXPECT_THROW(set.IncludeRange(150, 160), ERangeError);
    EXPECT_EQ(set.Count(), 6); // a failed range changes nothing
}

TEST(TypeZones, EveryNameRoundTripsAndOnlyExactNamesAndNumbersAreAccepted) {
    std::set<std::string> names;
    for (int i = 0; i < TypeZonesCount; ++i) {
        const TTypeZones type = TypeZoneFromInt(i);
        EXPECT_EQ(static_cast<int>(type), i);
        const std::string name = TypeZoneName(type);
        names.insert(name);
        TTypeZones back = PrcIdentification;
        ASSERT_TRUE(TypeZoneFromName(name, back)) << name;
        EXPECT_EQ(back, type) << name;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(TypeZonesCount));
    EXPECT_EQ(TypeZoneName(PrcIdentification), "PrcIdentification");
    EXPECT_EQ(TypeZoneName(PrcprogrammesRAZ), "PrcprogrammesRAZ");
    EXPECT_EQ(TypeZoneName(PrcApprentissage), "PrcApprentissage");
    EXPECT_EQ(TypeZoneName(PrcSignaturesHistoriqueEx), "PrcSignaturesHistoriqueEx");
    EXPECT_EQ((std::vector<int>{PrcprogrammesRAZ, PrcApprentissage, PrcSignaturesHistoriqueEx}),
              (std::vector<int>{28, 63, 156}));
    // Only exact names and numbers of the catalogue are accepted.
    for (const char* text : {"prcprogrammes", "PrcProgrammes ", "PrcApprentisssage", "", "29"}) {
        TTypeZones type = PrcMouchard;
        EXPECT_FALSE(TypeZoneFromName(text, type)) << text;
        EXPECT_EQ(type, PrcMouchard) << text;
    }
    EXPECT_THROW(TypeZoneFromInt(-1), ERangeError);
    EXPECT_THROW(TypeZoneFromInt(TypeZonesCount), ERangeError);
    EXPECT_THROW(TypeZoneName(static_cast<TTypeZones>(157)), ERangeError);
    EXPECT_FALSE(IsValidTypeZone(255));
}
