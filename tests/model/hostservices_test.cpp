// The services the host lends the library: data proxy (log, translation, dialogs, settings)
// and the zone names shown through them.
#include "model/DataProxy.h"
#include "model/IDTypeZones.h"
#include "support/FakeDataProxy.h"
#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace g20seq;

namespace {

// A proxy that offers no service at all.
class BareProxy : public TInterfacedPersistent {};

} // namespace

TEST(DataProxy, WithoutAProxyOrItsServiceLogsAreSkippedAndDefaultsAnswer) {
    SetGlobalDataProxy(nullptr);
    LogEvent(nullptr, "Op", "a", "b", LogAnomaly, CatEprom); // must not crash
    EXPECT_EQ(Translate("IDTypeZone", "PrcProgrammes", "Programmes"), "Programmes");
    EXPECT_EQ(MessageDlg("CstMessages", "Mess", "Texte", mtConfirmation, mbYes | mbNo), mrNone);
    EXPECT_EQ(FrequenceSecteur(), 50);
    BareProxy bare;
    SetGlobalDataProxy(&bare);
    EXPECT_EQ(Translate("S", "K", "defaut"), "defaut");
    EXPECT_EQ(EventLogProxy(), nullptr);
    SetGlobalDataProxy(nullptr);
}

TEST(DataProxy, ServicesAreFetchedFromTheCurrentProxy) {
    testkit::FakeDataProxy proxy;
    proxy.AddTranslation("IDTypeZone", "PrcProgrammes", "Programs");
    proxy.Frequence = 60;
    proxy.QueueDialogAnswer(mrYes);

    EXPECT_EQ(Translate("IDTypeZone", "PrcProgrammes", "Programmes"), "Programs");
    EXPECT_EQ(Translate("IDTypeZone", "PrcCompteurs", "Compteurs"), "Compteurs");
    EXPECT_EQ(FrequenceSecteur(), 60);
    EXPECT_EQ(MessageDlg("CstMessages", "Mess", "Texte", mtConfirmation, mbYes | mbNo), mrYes);

    TObject sender;
    LogEvent(&sender, "GetFieldByID", "aLogicalZone=nil", "Erreur", LogAnomaly, CatEprom);
    EXPECT_EQ(testkit::LogRecords(proxy),
              std::vector<std::string>{"TObject|GetFieldByID|aLogicalZone=nil|Erreur|2|Eprom"});
}

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
    EXPECT_EQ((std::vector<TTypeZones>{programmes->Zone, programmes->Mini, programmes->Maxi}),
              (std::vector<TTypeZones>{PrcProgrammes, PrcProgrammesMini, PrcProgrammesMaxi}));
    EXPECT_EQ(FindTypeZoneFamily(PrcElectrodes)->RAZ, PrcElectrodesRAZ);
    EXPECT_EQ(FindTypeZoneFamily(PrcCompteurFraiseMini)->Zone, PrcCompteurFraise);
    EXPECT_FALSE(FindTypeZoneFamily(PrcServicesMaxi)->HasRAZ);
    EXPECT_EQ(FindTypeZoneFamily(PrcSignatures), nullptr);

    for (TTypeZones type : {PrcConfigurationMini, PrcTransfoDiodeMaxi})
        EXPECT_TRUE(IsCompanionTypeZone(type)) << type;
    for (TTypeZones type : {PrcConfiguration, PrcServices, PrcPhieVirtual})
        EXPECT_FALSE(IsCompanionTypeZone(type)) << type;
}
