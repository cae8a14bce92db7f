#include "entry/CustomEprom.h"

#include "eprom/Eprom.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

template <class F> std::ptrdiff_t Slot(F pmf) {
    return VtableSlot(pmf);
}

// Slots of the host's operations of TCustomEprom, in their binding order.
std::vector<std::ptrdiff_t> HostSlots() {
    using C = TCustomEprom;
    return {Slot(&C::GetNbDefautsNonBloquants),
            Slot(&C::GetNbDefautsBloquants),
            Slot(&C::GetIdentifiantCPS),
            Slot(&C::GetNomEprom),
            Slot(&C::GetDescriptionCPS),
            Slot(&C::GetFichier),
            Slot(&C::GetFichierReference),
            Slot(&C::GetAbscisse),
            Slot(&C::GetOrdonee),
            Slot(&C::GetVisible),
            Slot(&C::GetSelection),
            Slot(&C::SetAbscisse),
            Slot(&C::SetOrdonee),
            Slot(&C::SetVisible),
            Slot(&C::SetSelection),
            Slot(&C::GetExecZoneTypes),
            Slot(&C::GetZoneCompteurFraise),
            Slot(&C::NextProgressStep),
            Slot(&C::PartialCopyRef),
            Slot(&C::GetAvecGestionPieceParCPS),
            Slot(&C::GetMaxSelectedCurves),
            Slot(&C::GetTypeWeldingSupport),
            Slot(&C::GetModeDegrade),
            Slot(&C::GetModeDegradeEprom),
            Slot(&C::SetModeDegrade),
            Slot(&C::GetEtatCOMCPS),
            Slot(&C::SetEtatCOMCPS),
            Slot(&C::GetTypeLogicalZones),
            Slot(&C::SaveToNewFile),
            Slot(&C::SaveToNewRefFile),
            Slot(&C::SaveToRefFile),
            Slot(&C::ReadFromFile),
            Slot(&C::ReadFromRefFile),
            Slot(&C::FreeRefFile),
            Slot(&C::CloseFile),
            Slot(&C::ConversionASCII),
            Slot(&C::EqualsZones),
            Slot(&C::EqualsFichier),
            Slot(&C::SaveZoneToFile),
            Slot(&C::ReadZoneFromFile),
            Slot(&C::GetPhysicalZone),
            Slot(&C::ReleasePhysicalZone),
            Slot(&C::GetMultiplePhysicalZone),
            Slot(&C::ReleaseMultiplePhysicalZone),
            Slot(&C::GetZoneRef),
            Slot(&C::SaveZoneRef),
            Slot(&C::SaisieZone),
            Slot(&C::CreateAutomate),
            Slot(&C::GetSignature),
            Slot(&C::SetSignature),
            Slot(&C::GetSignatureTempsReel),
            Slot(&C::GetZonesTransfert),
            Slot(&C::GetZonesCompteurs),
            Slot(&C::AnalyseSignature),
            Slot(&C::SetIsAutorised),
            Slot(&C::IsAutorised),
            Slot(&C::SetChargerZoneCPS),
            Slot(&C::SetChargerMultipleZoneCPS),
            Slot(&C::SetNextProgressStep),
            Slot(&C::ChargeZoneCPS),
            Slot(&C::ChargeMultipleZoneCPS),
            Slot(&C::ReinitCU),
            Slot(&C::GetValide),
            Slot(&C::GetEtat),
            Slot(&C::GetIsAuditActif),
            Slot(&C::GetIsSavePointsActif),
            Slot(&C::GetDescription),
            Slot(&C::SetValide),
            Slot(&C::SetEtat),
            Slot(&C::SetIsAuditActif),
            Slot(&C::SetIsSavePointsActif),
            Slot(&C::GetDataSD),
            Slot(&C::GetLink),
            Slot(&C::GetFirstZone),
            Slot(&C::IsLockZone),
            Slot(&C::IsValidSD),
            Slot(&C::SetLink),
            Slot(&C::FieldsAssign),
            Slot(&C::GetFieldByID),
            Slot(&C::GetLogicalZone),
            Slot(&C::GetZoneByMapping),
            Slot(&C::GetFichierTypeEprom),
            Slot(&C::GetProtocole),
            Slot(&C::GetNumeroCPS),
            Slot(&C::GetNomReseauCPS),
            Slot(&C::GetCPSID),
            Slot(&C::GetDefautsPresents),
            Slot(&C::GetCausesDefauts),
            Slot(&C::SetNumeroCPS),
            Slot(&C::SetNomReseauCPS),
            Slot(&C::SetCPSID),
            Slot(&C::GetZoneNomCPS),
            Slot(&C::LoadPhysicalZoneFromLogicalZone),
            Slot(&C::CreateFileAppr),
            Slot(&C::SaveCurveRef),
            Slot(&C::SaveCurveRefEx),
            Slot(&C::TypeSignatureIntToEnum),
            Slot(&C::TypeSignatureEnumToInt)};
}

// TEprom's own operations, appended after the host's in this order.
struct TEpromSlots : TEprom {
    static std::vector<std::ptrdiff_t> Internal() {
        using D = TEpromSlots;
        return {Slot(&D::SaveZoneCPSToCustomFile),
                Slot(&D::ReadZoneCPSFromCustomFile),
                Slot(&D::CreatePhysicalZone),
                Slot(&D::FindZoneReference),
                Slot(&D::GetNumProg),
                Slot(&D::GetListZoneReference),
                Slot(&D::CreateLogicalZones),
                Slot(&D::AddTabSheets),
                Slot(&D::CreateZoneCPS),
                Slot(&D::NouvelleSignature),
                Slot(&D::InitTypeZones),
                Slot(&D::InitExecZoneTypes),
                Slot(&D::ReadCourbeRefHistorique),
                Slot(&D::RegisterTypeZone),
                Slot(&D::ExportFilesKEV_Motor),
                Slot(&D::ImportFilesKEV_Motor),
                Slot(&D::TestImportFilesKEV_Motor),
                Slot(&D::ExportFilesKEV_Transformer),
                Slot(&D::ImportFilesKEV_Transformer),
                Slot(&D::TestImportFilesKEV_Transformer),
                Slot(&D::ExportFilesKEV_Geometry),
                Slot(&D::ImportFilesKEV_Geometry),
                Slot(&D::TestImportFilesKEV_Geometry),
                Slot(&D::ExportFilesKEV_ServoGun),
                Slot(&D::ImportFilesKEV_ServoGun),
                Slot(&D::TestImportFilesKEV_ServoGun),
                Slot(&D::TestImportFilesKEV_Appr),
                Slot(&D::TestImportMemKEV_WS),
                Slot(&D::ExportFilesKEV),
                Slot(&D::ImportFilesKEV),
                Slot(&D::ImportMemKEV),
                Slot(&D::TestImportFilesKEV),
                Slot(&D::TestImportMemKEV),
                Slot(&D::PortingFilesKEV_AWL),
                Slot(&D::PortingFilesKEV_AWAL),
                Slot(&D::PortingFilesKEV_INI),
                Slot(&D::ImportFilesKEV_AWL),
                Slot(&D::ImportFilesKEV_AWAL),
                Slot(&D::ImportMemKEV_WS),
                Slot(&D::ExportFilesKEV_AWL),
                Slot(&D::ExportFilesKEV_AWAL),
                Slot(&D::ExportFilesKEV_WS),
                Slot(&D::PortingEpromFilesKEV_AWL),
                Slot(&D::PortingEpromFilesKEV_AWAL),
                Slot(&D::PortingEpromFilesKEV_INI)};
    }
};

// Index of the first slot that does not follow its predecessor, or -1.
int FirstGap(const std::vector<std::ptrdiff_t>& slots) {
    for (std::size_t i = 1; i < slots.size(); ++i)
        if (slots[i] != slots[i - 1] + static_cast<std::ptrdiff_t>(sizeof(void*)))
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(CustomEpromVtable, HostOperationsFollowTheInheritedOnesInTheirBindingOrder) {
    const std::vector<std::ptrdiff_t> slots = HostSlots();
    ASSERT_EQ(slots.size(), 98u);
    EXPECT_EQ(FirstGap(slots), -1);
    EXPECT_EQ(slots.front(), VtableSlot(&TInterfacedPersistent::Release) +
                                 static_cast<std::ptrdiff_t>(sizeof(void*)));
    // Overriding in TEprom keeps the slots.
    EXPECT_EQ(VtableSlot(&TEprom::GetPhysicalZone), slots[40]);
}

TEST(CustomEpromVtable, EpromOperationsAreAppendedInOrder) {
    const std::vector<std::ptrdiff_t> internal = TEpromSlots::Internal();
    ASSERT_EQ(internal.size(), 45u);
    EXPECT_EQ(FirstGap(internal), -1);
    EXPECT_EQ(internal.front(), HostSlots().back() + static_cast<std::ptrdiff_t>(sizeof(void*)));
}
