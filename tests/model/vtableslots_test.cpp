// The host calls zones and fields by the place of their operations in the virtual table:
// these tests pin the declaration order.
#include "interface/ProtocolInterface.h"
#include "interface/ProxyInterface.h"
#include "model/Defaut.h"
#include "model/EpromDescription.h"
#include "model/KEVNumericFields.h"
#include "model/ZoneCPS.h"
#include "support/ModelTestKit.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <vector>

namespace g20seq {
namespace {

using testkit::FirstGap;
using testkit::SlotIndexes;
using testkit::VtableSlot;
using testkit::VtableSlots;

TEST(VtableSlots, ZoneOperationsFollowTheHostOrder) {
    using Z = TCustomZoneCPS;
    using S = std::string;
    const auto nomZone = static_cast<S (Z::*)() const>(&Z::NomZone);
    const auto detailID =
        static_cast<S (TZoneCPS::*)(const S&, int, S&, S&) const>(&TZoneCPS::DetailIDChamp);
    EXPECT_EQ(
        FirstGap(VtableSlots(
            &TGereDonnees::GetDonneesModifiees, &Z::GetNumeroCPS, &Z::GetLoadToCPS,
            &Z::GetSaveFromCPS, &Z::GetLogicalZone, &Z::GetFieldByID, &Z::GetFields,
            &Z::GetFieldCount, &Z::SetLogicalZone, &Z::SetLoadToCPS, &Z::SetSaveFromCPS, &Z::Create,
            &Z::CreateSameZone, &Z::IsFileZone, &Z::Equals, &Z::EqualsDetails, &Z::SerialDecode,
            &Z::SerialEncode, &Z::FileDecode, &Z::FileEncode, &Z::SaisieZoneCPS, &Z::NomChamp,
            &Z::DetailChamp, &Z::DetailIDChamp, &Z::GetZoneMaxi, &Z::GetZoneMini, &Z::GetZoneRAZ,
            nomZone, &Z::IsZoneMultiple, &TZoneCPS::DetailValeurChamp, detailID)),
        -1);
    // The companions of TZoneCPS answer in the slots of TCustomZoneCPS.
    EXPECT_EQ(VtableSlot(&TZoneCPS::GetZoneMaxi), VtableSlot(&Z::GetZoneMaxi));
    EXPECT_EQ(VtableSlot(&TZoneCPS::GetZoneRAZ), VtableSlot(&Z::GetZoneRAZ));
}

// The host's own services and protocol model: the three interface operations first, then
// each operation in declaration order.
TEST(VtableSlots, HostInterfacesFollowTheirDeclarationOrder) {
    using L = IEventLogProxy;
    using T = ITranslationProxy;
    using S = ISettingsProxy;
    using P = IProtocoleModel;
    using Z = IZoneProtocole;
    const std::vector<std::vector<std::ptrdiff_t>> interfaces = {
        VtableSlots(&L::QueryInterface, &L::AddRef, &L::Release, &L::GetLogLevel, &L::AddLog,
                    &L::SetLogLevel, &L::GetLogFileName, &L::Flush),
        VtableSlots(&T::QueryInterface, &T::AddRef, &T::Release, &T::GetLanguage, &T::SetLanguage,
                    &T::TranslateMessage, &T::Translate, &T::TranslateComponent, &T::MessageDlg),
        VtableSlots(&S::QueryInterface, &S::AddRef, &S::Release, &S::ReadString, &S::ReadBool,
                    &S::GetFrequenceSecteur, &S::GetContextFileName, &S::WriteString,
                    &S::WriteBool),
        VtableSlots(&P::QueryInterface, &P::AddRef, &P::Release, &P::GetZoneProtocole,
                    &P::IncNombreEproms, &P::DecNombreEproms, &P::CreateAutomate),
        VtableSlots(&Z::QueryInterface, &Z::AddRef, &Z::Release, &Z::GetTailleSendZone,
                    &Z::GetTailleReceiveZone, &Z::GetAdresse, &Z::IsFileZone, &Z::IsZoneMultiple,
                    &Z::GetNombreZones),
    };
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        EXPECT_EQ(interfaces[i].front(), 0) << "interface " << i;
        EXPECT_EQ(FirstGap(interfaces[i]), -1) << "interface " << i;
    }
}

// The description's operations follow those of TPersistent, in the order the host reads.
TEST(VtableSlots, EpromDescriptionFollowsTheHostOrder) {
    using D = TCustomEpromDescription;
    struct Persistent : TPersistent {
        using TPersistent::AssignTo; // the last operation of TPersistent
    };
    EXPECT_EQ(
        FirstGap(VtableSlots(
            &Persistent::AssignTo, &D::NbProg, &D::GetMaxZone, &D::MesureEffort, &D::GetMinZone,
            &D::GetZoneNumber, &D::TypeCourant, &D::TypeIO, &D::Text, &D::TypeMateriel,
            &D::TypesAcces, &D::OffsetImage, &D::DefautElec, &D::DefautProg, &D::NetworkType,
            &D::Family, &D::Generation, &D::NomEprom, &D::TypeCourantAsString, &D::TypeIOAsString,
            &D::TypeMaterielAsString, &D::NetworkTypeAsString, &D::Avec_Courbes,
            &D::SupportFunctions, &D::VersionFileMOTOR, &D::VersionFileTRAFO, &D::VersionFileGEOM,
            &D::VersionFileSGUN, &D::VersionFilePGUN, &D::VersionFileAWL, &D::VersionFileAWAL,
            &D::VersionHeaderACTP, &D::VersionFileWS)),
        -1);
}

TEST(VtableSlots, FieldOperationsFollowTheHostOrder) {
    using F = TKEVField;
    EXPECT_EQ(FirstGap(VtableSlots(&F::GetName, &F::GetOwner, &F::GetParent, &F::GetAsInteger,
                                   &F::GetAsFloat, &F::GetAsString, &F::GetAsBoolean, &F::GetChamp,
                                   &F::GetDetail, &F::SetAsInteger, &F::SetAsFloat, &F::SetAsString,
                                   &F::SetAsBoolean, &F::SetChamp, &F::Duplicate, &F::EqualsDetails,
                                   &F::SetToMin, &F::SetToMax, &TKEVNumericField::SetValue,
                                   &TKEVNumericField::SetRatio)),
              -1);
    EXPECT_EQ(FirstGap(VtableSlots(&F::SetToMax, &TKEVSignedNumericField::SetValue,
                                   &TKEVSignedNumericField::SetRatio)),
              -1);
    EXPECT_GT(VtableSlot(&TKEVEnumField::GetEnum), VtableSlot(&TKEVNumericField::SetRatio));
    // Overrides keep the slot of the operation they override.
    EXPECT_EQ(VtableSlot(&TKEVEnumField::SetRatio), VtableSlot(&TKEVNumericField::SetRatio));
    EXPECT_EQ(VtableSlot(&TKEVIntegerField::GetAsInteger), VtableSlot(&F::GetAsInteger));
}

TEST(VtableSlots, FieldInterfaceFollowsTheHostOrder) {
    using I = IKEVField;
    EXPECT_EQ(
        FirstGap(VtableSlots(&I::GetFieldID, &I::GetName, &I::GetOwner, &I::GetParent,
                             &I::GetLinked, &I::GetCompared, &I::GetAsInteger, &I::GetAsFloat,
                             &I::GetAsString, &I::GetAsBoolean, &I::GetOnChange, &I::GetDetail,
                             &I::SetLinked, &I::SetCompared, &I::SetAsInteger, &I::SetAsFloat,
                             &I::SetAsString, &I::SetAsBoolean, &I::SetOnChange, &I::Unlink,
                             &I::Link, &I::Duplicate, &I::SameAs, &I::EqualsDetails)),
        -1);
    // Query-interface, add-reference and release come first.
    EXPECT_EQ(VtableSlot(&I::GetFieldID), VtableSlot(&IInterface::Release) + 8);
}

TEST(VtableSlots, FaultInterfacesFollowTheHostOrder) {
    EXPECT_EQ(SlotIndexes(VtableSlots(&IKEVDefaut::GetNumeroDefaut, &IKEVDefaut::GetTypeDefaut,
                                      &IKEVDefaut::GetTypeDefautField, &IKEVDefaut::SetParam,
                                      &IKEVDefaut::SetDefautConfigurable, &IKEVDefautEx::GetOwner,
                                      &IKEVDefautEx::GetLibelleTypeDefaut)),
              (std::vector<std::ptrdiff_t>{3, 7, 13, 14, 19, 3, 4}));
}

} // namespace
} // namespace g20seq
