// Field handles resolve to the same fields as their identifiers, in every zone family of a
// G20 image, and a handle the zone did not register falls back to its identifier.
#include "eprom/EpromG20.h"
#include "support/EpromTestKit.h"
#include "zones/AssignationPoints.h"
#include "zones/ConfigurationFields.h"
#include "zones/ElectrodeFields.h"
#include "zones/Fraise.h"
#include "zones/LienProcess.h"
#include "zones/ProgrammeFields.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

struct TFamille {
    TTypeZones Type;
    int Numero;
    std::span<const TFieldHandle> Handles;
};

// Identifiers of the configuration that have captions but no field.
bool SansChamp(const TFieldHandle& Handle) {
    return Handle == ChampsConfiguration::IDAvecParite ||
           Handle == ChampsConfiguration::IDPariteImpaire;
}

class FieldHandlesTest : public EpromFixture {
protected:
    std::unique_ptr<TEpromG20> Eprom = TEpromG20::New("GM_Ligne1", &Protocol);
};

TEST_F(FieldHandlesTest, EveryHandleResolvesToTheFieldOfItsIdentifier) {
    const TFamille familles[] = {
        {PrcProgrammes, 1, ChampsProgramme::Handles},
        {PrcProgrammesMaxi, 0, ChampsProgramme::Handles},
        {PrcConfiguration, 0, ChampsConfiguration::Handles},
        {PrcElectrodes, 1, FamilleElectrode::Handles},
        {PrcLienProcessAvance, 1, IDLienProcess::Handles},
        {PrcFraise, 1, IDFraise::Handles},
        {PrcAssignationPoint, 1, IDAssignationPoints::Handles},
    };
    for (const TFamille& famille : familles) {
        const TZoneHolder holder(Eprom.get(), famille.Type, famille.Numero);
        const auto* zone = holder.As<TZoneCPS>();
        ASSERT_NE(zone, nullptr) << TypeZoneName(famille.Type);
        for (const TFieldHandle& handle : famille.Handles) {
            if (SansChamp(handle))
                continue;
            SCOPED_TRACE(handle.ID());
            const TKEVField* field = zone->FindField(handle);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field, zone->GetFieldByID(handle.ID()));
            EXPECT_EQ(field->GetFieldID(), handle.ID());
            // Resolved by slot, not by text.
            EXPECT_EQ(zone->FindField(TFieldHandle(handle.Family(), handle.Slot(), "?")), field);
        }
    }
    EXPECT_TRUE(Proxy.Logs().empty());
}

TEST_F(FieldHandlesTest, AHandleTheZoneDidNotRegisterFallsBackToItsIdentifier) {
    const TZoneHolder programme(Eprom.get(), PrcProgrammes, 1);
    const auto* zone = programme.As<TZoneCPS>();
    ASSERT_NE(zone, nullptr);
    // Same identifier in another family: the program's own field.
    EXPECT_EQ(zone->FindField(ChampsConfiguration::IDModeElectrovannes),
              zone->FindField(ChampsProgramme::IDModeElectrovannes));
    // No such field: logged and refused as by identifier.
    EXPECT_EQ(ErrorOf([&] { zone->Field(ChampsConfiguration::IDNomCPS); }),
              "Unable to access field: IDNomCPS");
    const auto logs = Proxy.Logs();
    ASSERT_EQ(logs.size(), 1U);
    EXPECT_EQ(logs[0].Text1, "IDNomCPS non trouvé");
}

} // namespace
