// The G20 configuration zone: what is shown per controller variant, screens and their
// rules, fault definitions, captions, accessors and creation errors.
#include "model/KEVNumericFields.h"
#include "support/ConfigurationTestEprom.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace g20seq {
namespace {

using testkit::ChampsOnglet;
using testkit::Lie;
using testkit::TBancConfiguration;
using testkit::TVarianteConfiguration;

TEST(ConfigurationG20, DiscreteIOShowsParityAndTheSecondStartCycle) {
    const char* dcy2[] = {"IDParite",        "IDProgEditeDCY2",        "IDProgrammeDCY2",
                          "IDExecutionDCY2", "IDProgrammeMiniDCY2",    "IDProgrammeMaxiDCY2",
                          "IDReposSP1NF",    "IDActionSP2Clignotante", "IDModeSP1_SP2"};
    TBancConfiguration tor({tcAC, tiTOR});
    TBancConfiguration bus;
    for (const char* id : dcy2) {
        EXPECT_TRUE(Lie(tor.Zone(), id)) << id;
        ASSERT_NE(bus.Zone().GetFieldByID(id), nullptr) << id;
        EXPECT_FALSE(Lie(bus.Zone(), id)) << id;
    }
    EXPECT_EQ(
        ChampsOnglet(tor.Zone(), "IDTabSelProg"),
        (std::vector<std::string>{"IDProgEditeDCY1", "IDExecutionDCY1", "IDProgrammeDCY1",
                                  "IDProgrammeMiniDCY1", "IDProgrammeMaxiDCY1", "IDProgEditeDCY2",
                                  "IDExecutionDCY2", "IDProgrammeDCY2", "IDProgrammeMiniDCY2",
                                  "IDProgrammeMaxiDCY2", "IDParite", "IDCUChargeProgAlarme"}));
    // Not shown, but encoded all the same.
    bus.Zone().SetProgrammeDCY2(5);
    TByteArray trame{};
    bus.Zone().SerialEncode(trame, 0, TailleTrameConfiguration);
    EXPECT_EQ(trame[45], 5);
}

TEST(ConfigurationG20, FieldsShownFollowCurrentTypeAndStation) {
    TBancConfiguration ac;
    TBancConfiguration mf({tcMF, tiDeviceNet, {}, true});
    for (const char* id : {"IDTensionSecteur", "IDTypeConvertisseur", "IDDelaiTestDifferentiel",
                           "IDVitesseBusTerrain", "IDNumEsclaveBusTerrain", "IDProfilBusDeTerrain"})
        EXPECT_TRUE(Lie(mf.Zone(), id) && !Lie(ac.Zone(), id)) << id;
    EXPECT_TRUE(Lie(ac.Zone(), "IDMotDePasseAcquittement"));
    EXPECT_FALSE(Lie(mf.Zone(), "IDMotDePasseAcquittement")); // no thNoKeyReady
    for (const char* id : {"IDCUPointsLies", "IDNbStartsParPince", "IDReposMF1NF", "IDModePince",
                           "IDCommandePhase2", "IDVitesseEthernet", "IDSurveillanceModification"})
        EXPECT_FALSE(Lie(mf.Zone(), id)) << id;
    EXPECT_EQ(ChampsOnglet(ac.Zone(), "IDTabCU"),
              (std::vector<std::string>{"IDCUContinue", "IDChangementPermanent",
                                        "IDCUActivationToutesElectrodes", "IDCURodageAlarme",
                                        "IDReInitialisationCompteurs", "IDGestionFraiseRodeuse",
                                        "IDCUConsignesLiees"}));
    // G20 values of the base fields.
    const TConfigurationG20& zone = ac.Zone();
    EXPECT_EQ(zone.GetProgrammeMaxiDCY1(), 127);
    EXPECT_EQ(zone.GetRawMax(ChampsConfiguration::IDProgrammeMiniDCY2), 127);
    EXPECT_EQ(zone.GetRawMax(ChampsConfiguration::IDCUContinue), 2);
    EXPECT_TRUE(zone.GetCUPointsLies() && zone.GetCUConsignesLiees() && zone.GetCURodageAlarme());
    EXPECT_TRUE(zone.GetReInitialisationCompteurs());
    EXPECT_EQ(zone.GetLanguesValue(), 15);
}

TEST(ConfigurationG20, FaultsTakeTheirClassesPerVariant) {
    TBancConfiguration ac({tcAC, tiTOR, {thDatakey}});
    TBancConfiguration mf({tcMF});
    EXPECT_EQ(ac.Zone().GetNbDefauts(), 49);
    const TDefaut* ac17 = ac.Zone().GetDefautParNom("17");
    const TDefaut* mf17 = mf.Zone().GetDefautParNom("17");
    ASSERT_TRUE(ac17 != nullptr && mf17 != nullptr);
    // Class range, configurable, shown and class of fault "17".
    const auto etat = [](const TDefaut* d, const TConfigurationG20& z) {
        return std::vector<int>{d->GetMinTypeDefaut(), d->GetMaxTypeDefaut(),
                                d->GetDefautConfigurable(), Lie(z, "17"), d->GetTypeDefaut()};
    };
    EXPECT_EQ(etat(ac17, ac.Zone()), (std::vector<int>{0, 2, false, false, 2}));
    EXPECT_EQ(etat(mf17, mf.Zone()), (std::vector<int>{2, 2, true, true, 2}));
    // Managed per hardware and current type; unmanaged faults are in no group.
    EXPECT_TRUE(ac.Zone().GetDefautParNom("37")->GetDefautGere());
    EXPECT_FALSE(mf.Zone().GetDefautParNom("37")->GetDefautGere());
    EXPECT_EQ(ac.Zone().GetDefautParNom("33")->GetGroupe(), gdAucun);
    EXPECT_EQ(mf.Zone().GetDefautParNom("33")->GetGroupe(), gdMateriels);
    EXPECT_FALSE(ac.Zone().GetDefautParNom("36")->GetDefautConfigurable());
    EXPECT_TRUE(mf.Zone().GetDefautParNom("36")->GetDefautConfigurable()); // INTERBUS-S
    EXPECT_TRUE(Lie(ac.Zone(), "03"));
    EXPECT_FALSE(Lie(ac.Zone(), "00"));
    // Texts per current type, sorted list with "-01" first.
    EXPECT_EQ(ac.Zone().GetDescriptionDefautID("01"), "Défaut thyristors");
    EXPECT_EQ(mf.Zone().GetDescriptionDefautID("01"), "Défaut IGBT");
    EXPECT_EQ(ac.Zone().GetDefautParIndex(0)->GetNumeroDefaut(), "-01");
    EXPECT_EQ(ac.Zone().GetDefautParNom("46"), nullptr);
    EXPECT_EQ(ac.Zone().GetFieldByID("17")->GetName(), "Dépassement du facteur de marche : 17");
    EXPECT_EQ(ac.Zone().GetFieldByID("17")->GetAsString(), "2 - Fin de cycle");
}

TEST(ConfigurationG20, ProfileC1AddsTheDefaultClassFields) {
    TBancConfiguration sans;
    TBancConfiguration c1({tcMF, tiINTERBUS_S, {thNoKeyReady}, true});
    EXPECT_EQ(sans.Zone().GetFieldByID("Class17"), nullptr);
    EXPECT_FALSE(sans.Zone().AvecClassesDefauts());
    ASSERT_TRUE(c1.Zone().AvecClassesDefauts());
    EXPECT_EQ(c1.Zone().GetDefaultClass(22), 3); // MF default
    EXPECT_EQ(c1.Zone().GetRawMax("Class34"), 1);
    EXPECT_TRUE(Lie(c1.Zone(), "Class03"));
    EXPECT_FALSE(Lie(c1.Zone(), "Class13")); // fault not managed
    EXPECT_FALSE(Lie(c1.Zone(), "Class37")); // no Datakey
    c1.Zone().SetDefaultClass(3, 2);
    EXPECT_EQ(c1.Zone().GetFieldByID("Class03")->GetAsString(),
              "Type C : Défaut qualité soudure de faible gravité");
    EXPECT_EQ(c1.Zone().GetEcranParID("C4b")->GetGerer(), true);
    EXPECT_EQ(sans.Zone().GetEcranParID("C4b")->GetGerer(), false);
}

TEST(ConfigurationG20, ScreensFollowTheirTableAndRules) {
    TBancConfiguration mf({tcMF, tiDeviceNet});
    const TConfigurationG20& zone = mf.Zone();
    EXPECT_EQ(zone.GetEcranParID("Z99"), nullptr);
    EXPECT_EQ(zone.GetEcranParID("p2b"), nullptr);
    const TEcran* p2b = zone.GetEcranParID("P2b");
    ASSERT_NE(p2b, nullptr);
    EXPECT_EQ(zone.GetEcranParNom("P2b"), p2b);
    EXPECT_EQ(zone.GetEcranParIndex(0)->GetID(), "FS1");
    EXPECT_EQ(zone.GetEcranParIndex(7)->GetID(), "P0");
    EXPECT_EQ(zone.GetEcranParIndex(108)->GetID(), "C28");
    EXPECT_TRUE(p2b->GetGerer() && !p2b->GetConfigurable() && p2b->GetAfficher());
    EXPECT_EQ(p2b->GetTypeEcran(), teProgrammation);
    EXPECT_TRUE(zone.GetEcranParID("C1")->GetAfficher()); // DeviceNet
    EXPECT_TRUE(zone.GetEcranParID("M7")->GetGerer());
    EXPECT_FALSE(zone.GetEcranParID("X6")->GetGerer());
    // Shown when managed and configurable; miscellaneous screens have no tab sheet.
    EXPECT_TRUE(Lie(zone, "P0"));
    EXPECT_FALSE(Lie(zone, "P2b"));
    EXPECT_FALSE(Lie(zone, "FS1"));
    EXPECT_EQ(ChampsOnglet(zone, "IDTabEcrans").front(), "P0");

    auto copie = mf.Nouvelle();
    TEcran& x3 = *copie->GetEcranParID("X3");
    x3.SetEtatNonGere(0);
    x3.SetGerer(false);
    EXPECT_FALSE(x3.GetConfigurable() || x3.GetAfficher());
    x3.SetAfficher(false);
    x3.SetGerer(true);
    EXPECT_TRUE(x3.GetAfficher()); // managed, not configurable
    x3.SetParam(true, true, false);
    EXPECT_FALSE(x3.GetAfficher());
    x3.SetConfigurable(false);
    EXPECT_TRUE(x3.GetAfficher());
    x3.SetEtatNonGere(1);
    x3.SetParam(false, true, false);
    EXPECT_TRUE(x3.GetAfficher() && !x3.GetConfigurable());
    // A copy keeps the flags of the screens.
    mf.Zone().Assign(copie.get());
    EXPECT_FALSE(mf.Zone().GetEcranParID("X3")->GetGerer());
    EXPECT_EQ(mf.Zone().GetEcranParID("X3")->GetEtatNonGere(), 1);
}

TEST(ConfigurationG20, CaptionsOfFieldsAndValues) {
    TBancConfiguration banc;
    const TConfigurationG20& zone = banc.Zone();
    // Field, value, caption key, caption.
    const std::tuple<const char*, int, const char*, const char*> cas[] = {
        {"IDLangue", 4, "IDLangue_9", "Portugais"},
        {"IDLangue", 7, "IDLangue6", "Finnois"},
        {"IDParite", 2, "IDParite_2", "Paire"},
        {"IDCUContinue", 2, "IDCUContinu_2", "Segments en % d'une référence"},
        {"IDReposSP1NF", 1, "IDCfg_ReposNF_1", "Fermée"},
        {"IDActionDGNClignotante", 0, "IDCfg_ActionClignotante_0", "stable"},
        {"IDExecutionDCY1", 1, "IDCfg_Non_Oui_1", "Oui"},
        {"IDModePince", 3, "IDMode1PinceMorte", "Mode 1 pince + pince morte"},
        {"IDModeAssignationPoint", 1, "IDCfg_FormatPSA", "Famille.Pièce.Point"},
        {"Class90", 3, "IDDefautTypeD", "Type D : Défaut qualité soudure grave"},
    };
    for (const auto& [id, valeur, cle, libelle] : cas) {
        std::string idZone;
        std::string idValeur;
        EXPECT_EQ(zone.DetailIDChamp(id, valeur, idZone, idValeur), libelle) << id;
        EXPECT_EQ(idValeur, cle) << id;
    }
    EXPECT_EQ(zone.NomChamp("IDParite"), "Type de parité");
    EXPECT_EQ(zone.NomChamp("IDAvecParite"), "Avec parité");
    EXPECT_EQ(zone.NomChamp("IDTensionSecteur"), "Tension secteur (V)");
    EXPECT_EQ(zone.NomChamp("IDReposMF3NF"), "Etat des sorties MF au repos : Sortie N°3");
    EXPECT_EQ(zone.NomChamp("X4q"), "X4q");
    banc.Proxy.AddTranslation("IDConfigurationG20", "IDNomCPS", "Controller name");
    EXPECT_EQ(zone.GetFieldByID("IDNomCPS")->GetName(), "Controller name");
    EXPECT_EQ(zone.GetFieldByID("IDLangue")->GetAsString(), "Français");
    EXPECT_EQ(zone.GetDescriptionTypeDefaut(4), "4 - Répétition point ?");
    EXPECT_THROW(zone.GetDescriptionTypeDefaut(5), ERangeError);
    EXPECT_EQ(testkit::ErrorOf([&] { zone.IsModeAmperes(); }),
              "Function \"isModeAmpere()\" can not be called from class TConfigurationG20");
}

TEST(ConfigurationG20, AccessorsReadAndWriteTheFields) {
    TBancConfiguration banc;
    TConfigurationG20& zone = banc.Zone();
    zone.SetAvecParite(true);
    EXPECT_EQ(zone.GetParite(), 1);
    zone.SetPariteImpaire(false);
    EXPECT_EQ(zone.GetParite(), 2);
    zone.SetAvecParite(true);
    EXPECT_EQ(zone.GetParite(), 2);
    EXPECT_FALSE(zone.GetPariteImpaire());
    zone.SetAvecParite(false);
    EXPECT_TRUE(zone.GetParite() == 0 && zone.GetPariteImpaire() && !zone.GetAvecParite());

    zone.SetAdresseIPseg(0, 192);
    zone.SetMasqueIPseg(3, 128);
    zone.SetGatewayIPseg(4, 9);
    EXPECT_EQ(zone.GetAsString("IDAdresseIP"), "192.0.0.1");
    EXPECT_EQ(zone.GetMasqueIPseg(3), 128);
    EXPECT_EQ(zone.GetGatewayIPseg(4), -1);
    zone.SetPCAdresseIPstr(9, "10.1.2.3");
    EXPECT_EQ(zone.GetPCAdresseIP(9), 0x0A010203u);
    zone.SetPCAdresseIPseg(9, 1, 7);
    EXPECT_EQ(zone.GetPCAdresseIPstr(9), "10.7.2.3");
    zone.SetPCAdresseIP(10, 1);
    EXPECT_EQ(zone.GetPCAdresseIP(10), 0u);
    EXPECT_EQ(zone.GetPCAdresseIPseg(-1, 0), -1);

    EXPECT_EQ(zone.GetDefaultClass(3), 0); // no default classes without profile C1
    EXPECT_EQ(zone.GetNbRepetitionPointAuto(), 0);
    zone.SetNbRepetitionPointAuto(9);
    EXPECT_THROW(zone.SetNbRepetitionPointAuto(10), EFieldError);
    EXPECT_EQ(zone.GetNbRepetitionPointAuto(), 9);

    void* obj = nullptr;
    ASSERT_EQ(zone.QueryInterface(IConfiguration::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IConfiguration*>(obj)->GetNbDefauts(), 49);
    ASSERT_EQ(zone.QueryInterface(IConfigurationEx::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IConfigurationEx*>(obj)->GetEcranParID("C5"), zone.GetEcranParID("C5"));
    using C = IConfiguration;
    EXPECT_EQ(testkit::FirstGap(testkit::VtableSlots(&C::GetIdentifiantCPS, &C::GetLangue,
                                                     &C::GetNbDefauts, &C::GetDefautParIndex,
                                                     &C::GetDefautParNom)),
              -1);
    EXPECT_GE(testkit::VtableSlot(&IConfigurationEx::GetEcranParID), 0);
}

TEST(ConfigurationG20, CompanionsComeFromTheEprom) {
    TBancConfiguration banc;
    for (const TTypeZones type :
         {PrcConfigurationMini, PrcConfigurationMaxi, PrcConfigurationRAZ}) {
        TZoneCPS* companion = type == PrcConfigurationMini   ? banc.Zone().GetZoneMini()
                              : type == PrcConfigurationMaxi ? banc.Zone().GetZoneMaxi()
                                                             : banc.Zone().GetZoneRAZ();
        ASSERT_NE(companion, nullptr);
        EXPECT_EQ(companion->GetTypeZone(), type);
        EXPECT_EQ(companion->GetLogicalZone(), nullptr);
        TCustomZoneCPS* held = companion;
        banc.Eprom->ReleasePhysicalZone(held);
    }
    TConfigurationG20 orpheline(nullptr, PrcConfiguration, 0, nullptr);
    EXPECT_EQ(orpheline.GetZoneMaxi(), nullptr);
}

TEST(ConfigurationG20, CreationErrorsAreLoggedAndSwallowed) {
    TBancConfiguration banc;
    banc.Proxy.ClearLogs();
    // A second zone on the same logical zone meets its fields already in the tab sheets.
    TConfigurationG20 doublon(banc.Eprom.get(), PrcConfiguration, 0, banc.Zone().GetLogicalZone());
    std::vector<std::string> textes;
    for (const auto& log : banc.Proxy.Logs()) {
        if (log.Source != "Create")
            continue;
        EXPECT_EQ(log.Category, "ZRT Handling");
        EXPECT_EQ(log.Level, 2);
        EXPECT_EQ(log.Text2, "Zone configuration");
        textes.push_back(log.Text1);
    }
    ASSERT_GE(textes.size(), 2u);
    EXPECT_EQ(textes[0], "Duplicate Field: IDProgEditeDCY1");
    EXPECT_EQ(textes[1], "CreateFields (Unable to access field: IDProgrammeDCY1)");
}

} // namespace
} // namespace g20seq
