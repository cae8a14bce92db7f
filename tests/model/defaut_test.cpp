#include "model/Defaut.h"
#include "model/KEVTabSheet.h"
#include "model/TypeDefaut.h"
#include "model/ZoneCPS.h"
#include "support/FakeDataProxy.h"
#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <vector>

namespace g20seq {
namespace {

// A zone holding one fault definition "03" whose type field is shown on a tab sheet.
class TFaultZone : public TZoneCPS, public IDescriptionDefauts {
public:
    TFaultZone(TKEVTabSheet* Sheet, bool Gere, bool Configurable, int Type = 2)
        : TZoneCPS(nullptr, PrcConfiguration, 0, nullptr) {
        auto field = std::make_unique<TKEVDefautField>("03", this, Sheet, 0, 4, Type);
        Defaut = std::make_unique<TDefaut>(this, "03", Gere, Configurable, field.get(), gdSoudage);
        Field = static_cast<TKEVDefautField*>(AddField(std::move(field)));
    }

    std::string ClassName() const override { return "TFaultZone"; }
    std::string GetDescriptionTypeDefaut(int Type) const override {
        return "Type " + std::to_string(Type);
    }
    std::string GetDescriptionDefautID(const std::string& Numero) const override {
        return "Défaut " + Numero;
    }

    std::unique_ptr<TDefaut> Defaut;
    TKEVDefautField* Field = nullptr;
};

TEST(Defaut, OnlyAConfigurableFaultShowsItsTypeField) {
    TKEVTabSheet sheet(IDTabDefauts, nullptr);
    TFaultZone zone(&sheet, false, true);
    TDefaut& defaut = *zone.Defaut;
    EXPECT_EQ(defaut.GetGroupe(), gdAucun);
    EXPECT_FALSE(defaut.GetDefautConfigurable());
    EXPECT_EQ(sheet.GetFieldByID("03"), nullptr);
    EXPECT_FALSE(zone.Field->GetLinked());

    defaut.SetParam(true, true);
    EXPECT_EQ(sheet.GetFieldByID("03"), zone.Field);
    EXPECT_TRUE(zone.Field->GetLinked());
    EXPECT_NO_THROW(defaut.SetParam(true, true));
    EXPECT_EQ(sheet.GetFieldCount(), 1);

    defaut.SetParam(true, false);
    EXPECT_EQ(sheet.GetFieldByID("03"), nullptr);
    EXPECT_FALSE(zone.Field->GetLinked());
}

TEST(Defaut, TypeFollowsTheGlobalTableAndTheZoneCaptions) {
    TKEVTabSheet sheet(IDTabDefauts, nullptr);
    TFaultZone zone(&sheet, true, true);
    TDefaut& defaut = *zone.Defaut;
    EXPECT_EQ(defaut.GetTypeDefaut(), 2);
    EXPECT_TRUE(defaut.GetBloquant());
    defaut.SetTypeDefaut(0);
    EXPECT_FALSE(defaut.GetBloquant());
    EXPECT_THROW(defaut.SetTypeDefaut(5), ERangeError);
    EXPECT_EQ(defaut.GetTypeDefaut(), 0);
    defaut.SetToMax();
    EXPECT_EQ(defaut.GetTypeDefaut(), 4);
    defaut.SetToMin();
    EXPECT_EQ(defaut.GetTypeDefaut(), 0);

    EXPECT_EQ(zone.Field->GetName(), "Défaut 03 : 03");
    EXPECT_EQ(zone.Field->GetEnum(3), "Type 3");
    EXPECT_EQ(defaut.GetDescription(), "Défaut 03");

    // Without a zone that names them, the global captions and the plain identifier.
    testkit::FakeDataProxy proxy;
    TKEVDefautField lone("45", nullptr, nullptr, 0, 4, 1);
    EXPECT_EQ(lone.GetEnum(2), "2 - Fin de cycle");
    EXPECT_EQ(lone.GetName(), "45");
}

TEST(Defaut, FieldCopiesCarryTheDefinition) {
    TKEVTabSheet sheet(IDTabDefauts, nullptr);
    TFaultZone source(&sheet, true, true, 3);
    TKEVTabSheet otherSheet(IDTabDefauts, nullptr);
    TFaultZone dest(&otherSheet, false, false, 1);

    dest.Field->Assign(source.Field);
    EXPECT_EQ(dest.Field->GetAsInteger(), 3);
    EXPECT_TRUE(dest.Defaut->GetDefautGere());
    EXPECT_TRUE(dest.Defaut->GetDefautConfigurable());
    EXPECT_EQ(dest.Defaut->GetGroupe(), gdSoudage);

    std::unique_ptr<TKEVField> copy = source.Field->Duplicate();
    auto* field = dynamic_cast<TKEVDefautField*>(copy.get());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetAsInteger(), 3);
    EXPECT_EQ(field->GetRawMax(), 4);
    EXPECT_EQ(field->GetDefaut(), nullptr);
    EXPECT_EQ(field->GetParent(), nullptr);
}

// The fault numbers a decoded list holds, in order.
std::vector<int> Items(const TDefautListH35& List) {
    std::vector<int> items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.GetItems(i));
    return items;
}

TEST(DefautListH35, DecodesTheBitMapOfPresentFaults) {
    TDefautListH35 list;
    TByteArray trame{};
    trame[5] = 0x07;
    EXPECT_FALSE(list.Decode(trame, 6));
    EXPECT_EQ(Items(list), (std::vector<int>{90, 80, 65}));
    EXPECT_EQ(list.GetItems(3), 0);

    TDefautListH35 again;
    again.Assign(&list);
    EXPECT_FALSE(again.Decode(trame, 6));
    EXPECT_TRUE(again.Equals(&list));

    // Ignored bits (6 of byte 0, 7 and 2 of byte 3) add nothing; bit 7 of byte 1 is 15.
    trame = TByteArray{};
    trame[0] = 0x40;
    trame[1] = 0x80;
    trame[3] = 0x84;
    EXPECT_TRUE(list.Decode(trame, 5)); // wrong length, decoded all the same
    EXPECT_EQ(Items(list), std::vector<int>{15});
    EXPECT_FALSE(list.Equals(&again));
    TStringList other;
    EXPECT_EQ(testkit::MessageOf([&] { list.Equals(&other); }),
              "Invalid comparison between TDefautListH35 and TStringList");
}

TEST(TypeDefaut, GlobalTableIsCreatedInOrderAndFreed) {
    testkit::FakeDataProxy proxy;
    CreateGlobalFaultTypes();
    const TTypeDefaut* first = GlobalFaultType(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetDescription(), "0 - Non bloquant");
    EXPECT_FALSE(first->GetBloquant());
    for (int i = 1; i < NombreTypesDefaut; ++i)
        EXPECT_TRUE(GlobalFaultType(i)->GetBloquant()) << i;
    EXPECT_EQ(GlobalFaultType(4)->GetDescription(), "4 - Répétition point ?");
    EXPECT_EQ(LibelleTypeDefaut(2), "2 - Fin de cycle");
    proxy.AddTranslation("IDTypeDefaut", "IDTypeDefaut_3", "3 - Spot repeat");
    EXPECT_EQ(LibelleTypeDefaut(3), "3 - Spot repeat");
    EXPECT_EQ(GlobalFaultType(3)->GetLibelle(), "3 - Spot repeat");
    EXPECT_THROW(LibelleTypeDefaut(5), ERangeError);
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

} // namespace
} // namespace g20seq
