#include "interface/CustomEprom.h"

#include "eprom/Eprom.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

// Slots of the host's operations of TCustomEprom, in their binding order.
std::vector<std::ptrdiff_t> HostSlots() {
    using C = TCustomEprom;
    return VtableSlots(
        &C::GetNbDefautsNonBloquants, &C::GetNbDefautsBloquants, &C::GetIdentifiantCPS,
        &C::GetNomEprom, &C::GetDescriptionCPS, &C::GetFichier, &C::GetFichierReference,
        &C::GetAbscisse, &C::GetOrdonee, &C::GetVisible, &C::GetSelection, &C::SetAbscisse,
        &C::SetOrdonee, &C::SetVisible, &C::SetSelection, &C::GetExecZoneTypes,
        &C::GetZoneCompteurFraise, &C::NextProgressStep, &C::PartialCopyRef,
        &C::GetAvecGestionPieceParCPS, &C::GetMaxSelectedCurves, &C::GetTypeWeldingSupport,
        &C::GetModeDegrade, &C::GetModeDegradeEprom, &C::SetModeDegrade, &C::GetEtatCOMCPS,
        &C::SetEtatCOMCPS, &C::GetTypeLogicalZones, &C::SaveToNewFile, &C::SaveToNewRefFile,
        &C::SaveToRefFile, &C::ReadFromFile, &C::ReadFromRefFile, &C::FreeRefFile, &C::CloseFile,
        &C::ConversionASCII, &C::EqualsZones, &C::EqualsFichier, &C::SaveZoneToFile,
        &C::ReadZoneFromFile, &C::GetPhysicalZone, &C::ReleasePhysicalZone,
        &C::GetMultiplePhysicalZone, &C::ReleaseMultiplePhysicalZone, &C::GetZoneRef,
        &C::SaveZoneRef, &C::SaisieZone, &C::CreateAutomate, &C::GetSignature, &C::SetSignature,
        &C::GetSignatureTempsReel, &C::GetZonesTransfert, &C::GetZonesCompteurs,
        &C::AnalyseSignature, &C::SetIsAutorised, &C::IsAutorised, &C::SetChargerZoneCPS,
        &C::SetChargerMultipleZoneCPS, &C::SetNextProgressStep, &C::ChargeZoneCPS,
        &C::ChargeMultipleZoneCPS, &C::ReinitCU, &C::GetValide, &C::GetEtat, &C::GetIsAuditActif,
        &C::GetIsSavePointsActif, &C::GetDescription, &C::SetValide, &C::SetEtat,
        &C::SetIsAuditActif, &C::SetIsSavePointsActif, &C::GetDataSD, &C::GetLink, &C::GetFirstZone,
        &C::IsLockZone, &C::IsValidSD, &C::SetLink, &C::FieldsAssign, &C::GetFieldByID,
        &C::GetLogicalZone, &C::GetZoneByMapping, &C::GetFichierTypeEprom, &C::GetProtocole,
        &C::GetNumeroCPS, &C::GetNomReseauCPS, &C::GetCPSID, &C::GetDefautsPresents,
        &C::GetCausesDefauts, &C::SetNumeroCPS, &C::SetNomReseauCPS, &C::SetCPSID,
        &C::GetZoneNomCPS, &C::LoadPhysicalZoneFromLogicalZone, &C::CreateFileAppr,
        &C::SaveCurveRef, &C::SaveCurveRefEx, &C::TypeSignatureIntToEnum,
        &C::TypeSignatureEnumToInt);
}

// TEprom's own operations, appended after the host's in this order.
struct TEpromSlots : TEprom {
    static std::vector<std::ptrdiff_t> Internal() {
        using D = TEpromSlots;
        return VtableSlots(
            &D::SaveZoneCPSToCustomFile, &D::ReadZoneCPSFromCustomFile, &D::CreatePhysicalZone,
            &D::FindZoneReference, &D::GetNumProg, &D::GetListZoneReference, &D::CreateLogicalZones,
            &D::AddTabSheets, &D::CreateZoneCPS, &D::NouvelleSignature, &D::InitTypeZones,
            &D::InitExecZoneTypes, &D::ReadCourbeRefHistorique, &D::RegisterTypeZone,
            &D::ExportFilesKEV_Motor, &D::ImportFilesKEV_Motor, &D::TestImportFilesKEV_Motor,
            &D::ExportFilesKEV_Transformer, &D::ImportFilesKEV_Transformer,
            &D::TestImportFilesKEV_Transformer, &D::ExportFilesKEV_Geometry,
            &D::ImportFilesKEV_Geometry, &D::TestImportFilesKEV_Geometry,
            &D::ExportFilesKEV_ServoGun, &D::ImportFilesKEV_ServoGun,
            &D::TestImportFilesKEV_ServoGun, &D::TestImportFilesKEV_Appr, &D::TestImportMemKEV_WS,
            &D::ExportFilesKEV, &D::ImportFilesKEV, &D::ImportMemKEV, &D::TestImportFilesKEV,
            &D::TestImportMemKEV, &D::PortingFilesKEV_AWL, &D::PortingFilesKEV_AWAL,
            &D::PortingFilesKEV_INI, &D::ImportFilesKEV_AWL, &D::ImportFilesKEV_AWAL,
            &D::ImportMemKEV_WS, &D::ExportFilesKEV_AWL, &D::ExportFilesKEV_AWAL,
            &D::ExportFilesKEV_WS, &D::PortingEpromFilesKEV_AWL, &D::PortingEpromFilesKEV_AWAL,
            &D::PortingEpromFilesKEV_INI);
    }
};

} // namespace

TEST(CustomEpromVtable, HostOperationsFollowTheInheritedOnesThenTheEpromOnesAreAppended) {
    const std::vector<std::ptrdiff_t> slots = HostSlots();
    ASSERT_EQ(slots.size(), 98u);
    EXPECT_EQ(FirstGap(slots), -1);
    EXPECT_EQ(slots.front(), VtableSlot(&TInterfacedPersistent::Release) +
                                 static_cast<std::ptrdiff_t>(sizeof(void*)));
    // Overriding in TEprom keeps the slots.
    EXPECT_EQ(VtableSlot(&TEprom::GetPhysicalZone), slots[40]);

    const std::vector<std::ptrdiff_t> internal = TEpromSlots::Internal();
    ASSERT_EQ(internal.size(), 45u);
    EXPECT_EQ(FirstGap(internal), -1);
    EXPECT_EQ(internal.front(), slots.back() + static_cast<std::ptrdiff_t>(sizeof(void*)));
}
