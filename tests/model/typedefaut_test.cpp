#include "model/TypeDefaut.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

namespace g20seq {
namespace {

TEST(TypeDefaut, GlobalTableIsCreatedInOrderAndFreed) {
    CreateGlobalFaultTypes();
    const TTypeDefaut* first = GlobalFaultType(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetDescription(), "0 - Non bloquant");
    EXPECT_FALSE(first->GetBloquant());
    for (int i = 1; i < NombreTypesDefaut; ++i) {
        EXPECT_EQ(GlobalFaultType(i)->GetTypeDefaut(), i);
        EXPECT_TRUE(GlobalFaultType(i)->GetBloquant());
    }
    EXPECT_EQ(GlobalFaultType(4)->GetDescription(), "4 - Répétition point ?");
    CreateGlobalFaultTypes(); // a second load keeps the same objects
    EXPECT_EQ(GlobalFaultType(0), first);
    EXPECT_THROW(GlobalFaultType(5), ERangeError);
    EXPECT_THROW(GlobalFaultType(-1), ERangeError);

    FreeGlobalFaultTypes();
    EXPECT_EQ(GlobalFaultType(0), nullptr);
    // Captions and blocking flags do not depend on the table being loaded.
    EXPECT_EQ(DescriptionTypeDefaut(3), "3 - Répétition point");
    EXPECT_TRUE(TypeDefautBloquant(1));
    EXPECT_THROW(TTypeDefaut("x", 256, false), ERangeError);
}

TEST(TypeDefaut, CaptionsAreTranslatedWithTheirNumberedKey) {
    testkit::FakeDataProxy proxy;
    CreateGlobalFaultTypes();
    EXPECT_EQ(LibelleTypeDefaut(2), "2 - Fin de cycle");
    proxy.AddTranslation("IDTypeDefaut", "IDTypeDefaut_3", "3 - Spot repeat");
    EXPECT_EQ(LibelleTypeDefaut(3), "3 - Spot repeat");
    EXPECT_EQ(GlobalFaultType(3)->GetLibelle(), "3 - Spot repeat");
    EXPECT_THROW(LibelleTypeDefaut(5), ERangeError);
    FreeGlobalFaultTypes();
}

} // namespace
} // namespace g20seq
