#include "support/TypeZones.h"

#include "support/Exceptions.h"

#include <gtest/gtest.h>

#include <set>

using namespace g20seq;

TEST(TypeZones, EveryNameRoundTripsToItsValue) {
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
    EXPECT_EQ(PrcprogrammesRAZ, 28);
    EXPECT_EQ(TypeZoneName(PrcApprentissage), "PrcApprentissage");
    EXPECT_EQ(PrcApprentissage, 63);
    EXPECT_EQ(TypeZoneName(PrcSignaturesHistoriqueEx), "PrcSignaturesHistoriqueEx");
    EXPECT_EQ(PrcSignaturesHistoriqueEx, 156);
}

TEST(TypeZones, OnlyExactEnumerationNamesAreAccepted) {
    for (const char* text : {"prcprogrammes", "PrcProgrammes ", "PrcApprentisssage", "", "29"}) {
        TTypeZones type = PrcMouchard;
        EXPECT_FALSE(TypeZoneFromName(text, type)) << text;
        EXPECT_EQ(type, PrcMouchard) << text;
    }
}

TEST(TypeZones, NumbersOutsideTheCatalogueAreRangeErrors) {
    EXPECT_THROW(TypeZoneFromInt(-1), ERangeError);
    EXPECT_THROW(TypeZoneFromInt(TypeZonesCount), ERangeError);
    EXPECT_THROW(TypeZoneName(static_cast<TTypeZones>(157)), ERangeError);
    EXPECT_FALSE(IsValidTypeZone(255));
}
