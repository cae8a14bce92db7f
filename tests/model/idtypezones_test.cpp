#include "model/IDTypeZones.h"

#include "model/DataProxy.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

#include <string>

using namespace g20seq;

TEST(IDTypeZones, KeysAreTheEnumerationNamesExceptForTheLearningZone) {
    for (int i = 0; i < TypeZonesCount; ++i) {
        const TTypeZones type = TypeZoneFromInt(i);
        const std::string key = IDTypeZone(type).IDZone;
        if (type == PrcApprentissage)
            EXPECT_EQ(key, "PrcApprentisssage");
        else
            EXPECT_EQ(key, TypeZoneName(type)) << i;
        EXPECT_FALSE(std::string(IDTypeZone(type).Libelle).empty()) << i;
    }
    EXPECT_THROW(IDTypeZone(static_cast<TTypeZones>(TypeZonesCount)), ERangeError);
}

TEST(IDTypeZones, CaptionsAreKeptExactly) {
    EXPECT_STREQ(IDTypeZone(PrcLanguesEffectives).Libelle, "Liste des langues disponibles ");
    EXPECT_STREQ(IDTypeZone(PrcApprentissage).Libelle, "Apprentissage électrode");
    EXPECT_STREQ(IDTypeZone(PrcElectrodeMaxi).Libelle, "electrode maxi");
    EXPECT_STREQ(IDTypeZone(PrcAssignationPoint).Libelle, "N° de points");
    // Shared captions, distinct keys.
    EXPECT_STREQ(IDTypeZone(PrcPhie).Libelle, IDTypeZone(PrcPhieVirtual).Libelle);
    EXPECT_STREQ(IDTypeZone(PrcLienProcess).Libelle, IDTypeZone(PrcLienProcessAvance).Libelle);
    EXPECT_STREQ(IDTypeZone(PrcSignaturesPolling).Libelle, IDTypeZone(PrcSignaturesEx).Libelle);
    EXPECT_STRNE(IDTypeZone(PrcPhie).IDZone, IDTypeZone(PrcPhieVirtual).IDZone);
}

TEST(IDTypeZones, DisplayNamesWithoutAHostAreTheCaptions) {
    SetGlobalDataProxy(nullptr);
    EXPECT_EQ(TypeZoneDisplayName(PrcLanguesEffectives), "Liste des langues disponibles ");
    EXPECT_EQ(ZoneDisplayName(PrcProgrammes, 5), "Programmes N°5");
    EXPECT_EQ(ZoneDisplayName(PrcProgrammes, 0), "Programmes N°0");
    EXPECT_EQ(ZoneDisplayName(PrcProgrammes, -1), "Programmes");
}

TEST(IDTypeZones, DisplayNamesAreTranslatedByCatalogueKey) {
    testkit::FakeDataProxy proxy;
    proxy.AddTranslation("IDTypeZone", "PrcApprentisssage", "Electrode learning");
    proxy.AddTranslation("IDTypeZone", "PrcProgrammes", "Programs");
    proxy.AddTranslation("IDTypeZone", "PrcPhie", "Phie settings");
    EXPECT_EQ(TypeZoneDisplayName(PrcApprentissage), "Electrode learning");
    EXPECT_EQ(ZoneDisplayName(PrcProgrammes, 12), "Programs N°12");
    EXPECT_EQ(TypeZoneDisplayName(PrcPhieVirtual), "Paramètres de phie");

    testkit::FakeDataProxy enumNameOnly;
    enumNameOnly.AddTranslation("IDTypeZone", "PrcApprentissage", "wrong key");
    EXPECT_EQ(TypeZoneDisplayName(PrcApprentissage), "Apprentissage électrode");
}

TEST(IDTypeZones, CompanionFamilies) {
    const TTypeZoneFamily* programmes = FindTypeZoneFamily(PrcprogrammesRAZ);
    ASSERT_NE(programmes, nullptr);
    EXPECT_EQ(programmes->Zone, PrcProgrammes);
    EXPECT_EQ(programmes->Mini, PrcProgrammesMini);
    EXPECT_EQ(programmes->Maxi, PrcProgrammesMaxi);
    EXPECT_EQ(FindTypeZoneFamily(PrcElectrodes)->RAZ, PrcElectrodesRAZ);
    EXPECT_EQ(FindTypeZoneFamily(PrcCompteurFraiseMini)->Zone, PrcCompteurFraise);
    EXPECT_FALSE(FindTypeZoneFamily(PrcServicesMaxi)->HasRAZ);
    EXPECT_EQ(FindTypeZoneFamily(PrcSignatures), nullptr);

    EXPECT_TRUE(IsCompanionTypeZone(PrcConfigurationMini));
    EXPECT_TRUE(IsCompanionTypeZone(PrcTransfoDiodeMaxi));
    EXPECT_FALSE(IsCompanionTypeZone(PrcConfiguration));
    EXPECT_FALSE(IsCompanionTypeZone(PrcServices));
    EXPECT_FALSE(IsCompanionTypeZone(PrcPhieVirtual));
}
