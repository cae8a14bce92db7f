#include "model/Defaut.h"
#include "model/KEVTabSheet.h"
#include "model/TypeDefaut.h"
#include "model/ZoneCPS.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST(DefautListH35, DecodesTheBitMapOfPresentFaults) {
    TDefautListH35 list;
    TByteArray trame{};
    trame[5] = 0x07;
    EXPECT_FALSE(list.Decode(trame, 6));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetItems(0), 90);
    EXPECT_EQ(list.GetItems(1), 80);
    EXPECT_EQ(list.GetItems(2), 65);
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
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetItems(0), 15);
    EXPECT_FALSE(list.Equals(&again));
    TStringList other;
    EXPECT_THROW(
        {
            try {
                list.Equals(&other);
            } catch (const Exception& e) {
                EXPECT_STREQ(e.what(), "Invalid comparison between TDefautListH35 and TStringList");
                throw;
            }
        },
        Exception);
}

// Itanium ABI: a pointer to a virtual member function holds 1 + the slot's byte offset.
template <typename F> std::ptrdiff_t Slot(F member) {
    std::ptrdiff_t raw;
    std::memcpy(&raw, &member, sizeof(raw));
    return (raw - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

TEST(Defaut, HostInterfaceOrderIsPinned) {
    EXPECT_EQ(Slot(&IKEVDefaut::GetNumeroDefaut), 3);
    EXPECT_EQ(Slot(&IKEVDefaut::GetTypeDefaut), 7);
    EXPECT_EQ(Slot(&IKEVDefaut::GetTypeDefautField), 13);
    EXPECT_EQ(Slot(&IKEVDefaut::SetParam), 14);
    EXPECT_EQ(Slot(&IKEVDefaut::SetDefautConfigurable), 19);
    EXPECT_EQ(Slot(&IKEVDefautEx::GetOwner), 3);
    EXPECT_EQ(Slot(&IKEVDefautEx::GetLibelleTypeDefaut), 4);
}

} // namespace
} // namespace g20seq
