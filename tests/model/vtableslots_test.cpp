// The host calls zones and fields by the place of their operations in the virtual table:
// these tests pin the declaration order.
#include "model/KEVNumericFields.h"
#include "model/ZoneCPS.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <vector>

namespace g20seq {
namespace {

using testkit::VtableSlot;

// Every slot directly follows the previous one.
void ExpectConsecutive(const std::vector<std::ptrdiff_t>& Slots) {
    ASSERT_GE(Slots.front(), 0);
    for (std::size_t i = 1; i < Slots.size(); ++i)
        EXPECT_EQ(Slots[i] - Slots[i - 1], static_cast<std::ptrdiff_t>(sizeof(void*)))
            << "operation " << i;
}

TEST(VtableSlots, ZoneOperationsFollowTheHostOrder) {
    using Z = TCustomZoneCPS;
    using S = std::string;
    const auto nomZone = static_cast<S (Z::*)() const>(&Z::NomZone);
    const auto detailID =
        static_cast<S (TZoneCPS::*)(const S&, int, S&, S&) const>(&TZoneCPS::DetailIDChamp);
    ExpectConsecutive({
        VtableSlot(&TGereDonnees::GetDonneesModifiees),
        VtableSlot(&Z::GetNumeroCPS),
        VtableSlot(&Z::GetLoadToCPS),
        VtableSlot(&Z::GetSaveFromCPS),
        VtableSlot(&Z::GetLogicalZone),
        VtableSlot(&Z::GetFieldByID),
        VtableSlot(&Z::GetFields),
        VtableSlot(&Z::GetFieldCount),
        VtableSlot(&Z::SetLogicalZone),
        VtableSlot(&Z::SetLoadToCPS),
        VtableSlot(&Z::SetSaveFromCPS),
        VtableSlot(&Z::Create),
        VtableSlot(&Z::CreateSameZone),
        VtableSlot(&Z::IsFileZone),
        VtableSlot(&Z::Equals),
        VtableSlot(&Z::EqualsDetails),
        VtableSlot(&Z::SerialDecode),
        VtableSlot(&Z::SerialEncode),
        VtableSlot(&Z::FileDecode),
        VtableSlot(&Z::FileEncode),
        VtableSlot(&Z::SaisieZoneCPS),
        VtableSlot(&Z::NomChamp),
        VtableSlot(&Z::DetailChamp),
        VtableSlot(&Z::DetailIDChamp),
        VtableSlot(&Z::GetZoneMaxi),
        VtableSlot(&Z::GetZoneMini),
        VtableSlot(&Z::GetZoneRAZ),
        VtableSlot(nomZone),
        VtableSlot(&Z::IsZoneMultiple),
        VtableSlot(&TZoneCPS::DetailValeurChamp),
        VtableSlot(detailID),
    });
    // The companions of TZoneCPS answer in the slots of TCustomZoneCPS.
    EXPECT_EQ(VtableSlot(&TZoneCPS::GetZoneMaxi), VtableSlot(&Z::GetZoneMaxi));
    EXPECT_EQ(VtableSlot(&TZoneCPS::GetZoneRAZ), VtableSlot(&Z::GetZoneRAZ));
}

TEST(VtableSlots, FieldOperationsFollowTheHostOrder) {
    using F = TKEVField;
    ExpectConsecutive({
        VtableSlot(&F::GetName),
        VtableSlot(&F::GetOwner),
        VtableSlot(&F::GetParent),
        VtableSlot(&F::GetAsInteger),
        VtableSlot(&F::GetAsFloat),
        VtableSlot(&F::GetAsString),
        VtableSlot(&F::GetAsBoolean),
        VtableSlot(&F::GetChamp),
        VtableSlot(&F::GetDetail),
        VtableSlot(&F::SetAsInteger),
        VtableSlot(&F::SetAsFloat),
        VtableSlot(&F::SetAsString),
        VtableSlot(&F::SetAsBoolean),
        VtableSlot(&F::SetChamp),
        VtableSlot(&F::Duplicate),
        VtableSlot(&F::EqualsDetails),
        VtableSlot(&F::SetToMin),
        VtableSlot(&F::SetToMax),
        VtableSlot(&TKEVNumericField::SetValue),
        VtableSlot(&TKEVNumericField::SetRatio),
    });
    ExpectConsecutive({VtableSlot(&F::SetToMax), VtableSlot(&TKEVSignedNumericField::SetValue),
                       VtableSlot(&TKEVSignedNumericField::SetRatio)});
    EXPECT_GT(VtableSlot(&TKEVEnumField::GetEnum), VtableSlot(&TKEVNumericField::SetRatio));
    // Overrides keep the slot of the operation they override.
    EXPECT_EQ(VtableSlot(&TKEVEnumField::SetRatio), VtableSlot(&TKEVNumericField::SetRatio));
    EXPECT_EQ(VtableSlot(&TKEVIntegerField::GetAsInteger), VtableSlot(&F::GetAsInteger));
}

TEST(VtableSlots, FieldInterfaceFollowsTheHostOrder) {
    using I = IKEVField;
    ExpectConsecutive({
        VtableSlot(&I::GetFieldID),   VtableSlot(&I::GetName),     VtableSlot(&I::GetOwner),
        VtableSlot(&I::GetParent),    VtableSlot(&I::GetLinked),   VtableSlot(&I::GetCompared),
        VtableSlot(&I::GetAsInteger), VtableSlot(&I::GetAsFloat),  VtableSlot(&I::GetAsString),
        VtableSlot(&I::GetAsBoolean), VtableSlot(&I::GetOnChange), VtableSlot(&I::GetDetail),
        VtableSlot(&I::SetLinked),    VtableSlot(&I::SetCompared), VtableSlot(&I::SetAsInteger),
        VtableSlot(&I::SetAsFloat),   VtableSlot(&I::SetAsString), VtableSlot(&I::SetAsBoolean),
        VtableSlot(&I::SetOnChange),  VtableSlot(&I::Unlink),      VtableSlot(&I::Link),
        VtableSlot(&I::Duplicate),    VtableSlot(&I::SameAs),      VtableSlot(&I::EqualsDetails),
    });
    // Query-interface, add-reference and release come first.
    EXPECT_EQ(VtableSlot(&I::GetFieldID), VtableSlot(&IInterface::Release) + 8);
}

} // namespace
} // namespace g20seq
