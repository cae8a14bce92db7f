// The electrode zone: fields, visibility per controller variant, mains-frequency
// defaults, ampere mode, companions, captions and the forbidden secure-counter calls.
#include "model/KEVField.h"
#include "model/KEVNumericFields.h"
#include "support/ElectrodeTestEprom.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace g20seq {
namespace {

using testkit::ChampsOnglet;
using testkit::ErrorOf;
using testkit::TBancElectrode;
using testkit::TZoneEmpruntee;
using Ids = std::vector<std::string>;

double Ratio(const TZoneCPS& Zone, const std::string& FieldID) {
    return dynamic_cast<TKEVNumericField&>(Zone.FieldByID(FieldID)).GetRatio();
}

struct TChampAttendu {
    const char* FieldID;
    Int64 Min, Max, Defaut; // raw
    double Ratio;
};

// A sample of the field table across every kind of field.
constexpr TChampAttendu ChampsAttendus[] = {
    {"IDAlarme", 0, 999, 0, 1},
    {"IDMargeRodage", 0, 99, 30, 1},
    {"IDCoefficientEtalonnage", 500, 2000, 1000, 0.001},
    {"IDFrequenceTransformateur", 800, 1200, 1000, 1},
    {"IDRapportTransformation", 0, 4000, 0, 0.1},
    {"IDTypeEnsembleTransfoDiode", 0, 5, 1, 1},
    {"IDRapportMesure", 1, 9999, 100, 0.01},
    {"IDOffsetEffortSV2", -100, 100, 0, 1},
    {"IDDureePassageGOPO", 50, 200, 100, 10},
    {"IDIntensiteThermique", 0, 3000, 0, 10},
    {"IDCUControleThermique", 0, 1, 1, 1},
    {"IDDebitEau", 4, 8, 4, 1},
};

TEST(Electrode, FieldsHaveTheirRangesDefaultsAndRatios) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 3);
    ASSERT_NE(electrode.Get(), nullptr);
    EXPECT_EQ(electrode->GetFieldCount(), 47);
    EXPECT_EQ(electrode->GetTailleSendZone(), 79);
    EXPECT_EQ(electrode->GetTailleReceiveZone(), 79);
    EXPECT_TRUE(banc.Proxy.Logs().empty());
    for (const TChampAttendu& champ : ChampsAttendus) {
        SCOPED_TRACE(champ.FieldID);
        EXPECT_EQ(electrode->GetRawMin(champ.FieldID), champ.Min);
        EXPECT_EQ(electrode->GetRawMax(champ.FieldID), champ.Max);
        EXPECT_EQ(electrode->GetRawValue(champ.FieldID), champ.Defaut);
        if (dynamic_cast<TKEVNumericField*>(electrode->GetFieldByID(champ.FieldID)) != nullptr) {
            EXPECT_DOUBLE_EQ(Ratio(*electrode.Get(), champ.FieldID), champ.Ratio);
        }
    }
    EXPECT_DOUBLE_EQ(electrode->GetCoefficientEtalonnage(), 1.0);
    EXPECT_EQ(electrode->GetAsInteger("IDDureePassageGOPO"), 1000);
    EXPECT_EQ(electrode->GetNumeroElectrode(), 3);
    EXPECT_FALSE(electrode->ISLoadToCPSSecure());
    // Ten steps indexed from 0.
    EXPECT_EQ(electrode->GetNombrePaliers(), 10);
    electrode->SetPalier(9, 65000);
    EXPECT_EQ(electrode->GetPalier(9), 65000);
    EXPECT_EQ(ErrorOf([&] { electrode->GetPalier(10); }), "List index out of bounds (10)");
    EXPECT_THROW(electrode->SetPalier(-1, 1), EStringListError);
    EXPECT_THROW(electrode->SetPalier(1, 65001), EFieldError);
    EXPECT_EQ(electrode->GetFieldByID("IDPaliers")->GetName(), "Nombre de points du palier[...]");
}

TEST(Electrode, VariantDecidesWhichFieldsAreShown) {
    // Current type, I/O type, fields shown, fields hidden.
    const std::tuple<TTypeCourant, TTypeIO, Ids, Ids> cas[] = {
        {tcAC,
         tiINTERBUS_S,
         {"IDGainBobineIntensite", "IDRapportMesure", "IDAngleSlope", "IDDeltaPsiPulse1",
          "IDDureeIntegrationThermique", "IDIntensiteThCycle", "IDIntensiteThermique"},
         {"IDTypeEnsembleTransfoDiode", "IDRapportTransformation", "IDTypeMesure", "IDDebitEau",
          "IDCUControleThermique", "IDDebutMesure", "IDFrequenceTransformateur",
          "IDDureePassageGOPO", "IDDureeOuverturePO", "IDDeltaPsiRecuit"}},
        {tcMF,
         tiINTERBUS_S,
         {"IDTypeEnsembleTransfoDiode", "IDNombreTores", "IDTypeMesure", "IDRapportTransformation",
          "IDLimiteIntFaible", "IDDebitEau", "IDTemperatureEau", "IDCUControleThermique",
          "IDDebutMesure"},
         {"IDGainBobineIntensite", "IDRapportMesure", "IDAngleSlope", "IDDeltaPsiPulse1",
          "IDIntensiteThCycle", "IDFrequenceTransformateur", "IDDureePassageGOPO"}},
        {tcAC, tiTOR, {"IDDureePassageGOPO", "IDDureeOuverturePO"}, {"IDDebitEau"}},
    };
    for (const auto& [courant, io, affiches, caches] : cas) {
        SCOPED_TRACE(testing::Message() << courant << "/" << io);
        TBancElectrode banc(courant, io);
        TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
        for (const std::string& id : affiches)
            EXPECT_TRUE(electrode->FieldByID(id).GetLinked()) << id;
        for (const std::string& id : caches)
            EXPECT_FALSE(electrode->FieldByID(id).GetLinked()) << id;
        EXPECT_EQ(ChampsOnglet(*electrode.Zone(), "IDTabRodage"),
                  (Ids{"IDCURemplacementEtendu", "IDCURemplaceToutes", "IDCURodageNeuve",
                       "IDCURodageInterPalier", "IDNumeroFraise", "IDNombreRodage", "IDDecalage",
                       "IDNombreIP", "IDMargeRodage"}));
        const bool mf = courant == tcMF;
        EXPECT_EQ(ChampsOnglet(*electrode.Zone(), "IDTabTransfo").size(), mf ? 8u : 0u);
        // The calibration coefficient accepts 0.05..20 on MF, 0.5..2 otherwise.
        EXPECT_EQ(electrode->GetRawMin("IDCoefficientEtalonnage"), mf ? 50 : 500);
        EXPECT_EQ(electrode->GetRawMax("IDCoefficientEtalonnage"), mf ? 20000 : 2000);
    }
}

TEST(Electrode, MainsFrequencyChoosesFactoryDefaults) {
    TBancElectrode banc(tcAC, tiINTERBUS_S, 60);
    {
        TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 1);
        EXPECT_EQ(electrode->GetGainBobineIntensite(), 180);
        EXPECT_EQ(electrode->GetAsInteger("IDDeltaPsiPulse1"), 11);
    }
    banc.Proxy.Frequence = 50;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 1);
    EXPECT_EQ(electrode->GetGainBobineIntensite(), 150);
    EXPECT_EQ(electrode->GetAsInteger("IDDeltaPsiPulse1"), 15);
}

TEST(Electrode, AmpereModeFollowsGainOverMeasureRatio) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
    electrode->SetAsInteger("IDIntensiteThermique", 1500);
    EXPECT_FALSE(electrode->IsModeAmperes());
    electrode->SetAsInteger("IDGainBobineIntensite", 1000);
    EXPECT_TRUE(electrode->IsModeAmperes());
    EXPECT_DOUBLE_EQ(Ratio(*electrode.Get(), "IDIntensiteThermique"), 1.0);
    EXPECT_EQ(electrode->GetIntensiteThermique(), 150);
    electrode->SetAsInteger("IDGainBobineIntensite", 999);
    EXPECT_FALSE(electrode->IsModeAmperes());
    EXPECT_DOUBLE_EQ(Ratio(*electrode.Get(), "IDIntensiteThermique"), 10.0);
    electrode->SetAsFloat("IDRapportMesure", 0.99);
    EXPECT_TRUE(electrode->IsModeAmperes());
    // A duplicate keeps the mode of the values it was given.
    auto copie = electrode->Duplicate();
    EXPECT_DOUBLE_EQ(Ratio(dynamic_cast<TZoneCPS&>(*copie), "IDIntensiteThermique"), 1.0);

    TBancElectrode mf(tcMF);
    TZoneEmpruntee electrodeMF(*mf.Eprom, PrcElectrodes, 0);
    electrodeMF->SetAsInteger("IDGainBobineIntensite", 2600);
    electrodeMF->SetAsFloat("IDRapportMesure", 0.01);
    EXPECT_FALSE(electrodeMF->IsModeAmperes());
}

TEST(Electrode, CompanionsCarryLimitsAndDefaults) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 2);
    TZoneEmpruntee mini(*banc.Eprom, electrode->GetZoneMini());
    TZoneEmpruntee maxi(*banc.Eprom, electrode->GetZoneMaxi());
    TZoneEmpruntee raz(*banc.Eprom, electrode->GetZoneRAZ());
    ASSERT_NE(mini.Get(), nullptr);
    ASSERT_NE(maxi.Get(), nullptr);
    ASSERT_NE(raz.Get(), nullptr);
    EXPECT_EQ(mini->GetTypeZone(), PrcElectrodeMini);
    EXPECT_EQ(maxi->GetTypeZone(), PrcElectrodeMaxi);
    EXPECT_EQ(raz->GetTypeZone(), PrcElectrodesRAZ);
    for (int i = 0; i < electrode->GetFieldCount(); ++i) {
        const std::string id = electrode->GetFields(i)->GetFieldID();
        if (id == "IDPaliers")
            continue;
        SCOPED_TRACE(id);
        EXPECT_EQ(mini->GetRawValue(id), electrode->GetRawMin(id));
        EXPECT_EQ(maxi->GetRawValue(id), electrode->GetRawMax(id));
        EXPECT_EQ(raz->GetRawValue(id), electrode->GetRawValue(id));
    }
    EXPECT_EQ(mini->GetPalier(4), 0);
    EXPECT_EQ(maxi->GetPalier(4), 65000);
    // Companions do not follow the ampere mode of their values.
    maxi->SetAsInteger("IDGainBobineIntensite", 1000);
    maxi->SetAsFloat("IDRapportMesure", 0.5);
    EXPECT_DOUBLE_EQ(Ratio(*maxi.Get(), "IDIntensiteThermique"), 10.0);
    TElectrodeG20 orpheline(nullptr, PrcElectrodes, 0, nullptr);
    EXPECT_EQ(orpheline.GetZoneMini(), nullptr);
}

TEST(Electrode, FieldAndValueCaptions) {
    TBancElectrode banc(tcMF);
    banc.Proxy.AddTranslation("IDElectrodeG20", "IDDebitEau", "Water flow (l/min)");
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
    EXPECT_EQ(electrode->NomChamp("IDMargeRodage"),
              "Nombre de points entre la demande de rodage et le défaut \"Rodage non effectué\"");
    EXPECT_EQ(electrode->NomChamp("IDFrequenceTransformateur"), "Fréquence du transformateur (Hz)");
    EXPECT_EQ(electrode->NomChamp("IDDebitEau"), "Water flow (l/min)");
    EXPECT_EQ(electrode->NomChamp("IDInconnu"), "IDInconnu");
    EXPECT_EQ(banc.Proxy.CountLogs("IDChamp = IDInconnu"), 1);

    std::string idZone;
    std::string idValeur;
    EXPECT_EQ(electrode->DetailIDChamp("IDCURemplacementEtendu", "1", idZone, idValeur),
              "Remplacement étendu");
    EXPECT_EQ(idZone, "IDElectrodeG20");
    EXPECT_EQ(idValeur, "IDCURemplacementEtendu_RE");
    EXPECT_EQ(electrode->DetailChamp("IDCURemplacementEtendu", "2"),
              "Uniquement les électrodes en remplacement étendu");
    EXPECT_EQ(electrode->DetailChamp("IDCURemplaceToutes", "1"), "Toutes les électrodes");
    EXPECT_EQ(electrode->GetAsString("IDCURemplaceToutes"),
              "Uniquement les électrodes en remplacement étendu");
    EXPECT_EQ(electrode->GetAsString("IDCUControleThermique"), "Oui");
    EXPECT_EQ(electrode->DetailChamp("IDTypeEnsembleTransfoDiode", "0"), "Transformateur inconnu");
    EXPECT_EQ(electrode->DetailChamp("IDAlarme", "12"), "12");
}

TEST(Electrode, SecureCountersAreRefusedWithALog) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 7);
    banc.Proxy.ClearLogs();
    EXPECT_EQ(ErrorOf([&] { electrode->GetElectrodeSecure(); }),
              "TElectrodeG20 Appel méthode TElectrode.GetElectrodeSecure invalide");
    EXPECT_EQ(ErrorOf([&] { electrode->SetElectrodeSecure({SecureCompteurIP}); }),
              "TElectrodeG20 Appel méthode TElectrode.SetElectrodeSecure invalide");
    const auto logs = banc.Proxy.Logs();
    ASSERT_EQ(logs.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(
            testkit::Journal(logs[i]),
            std::string("TElectrode.") + (i == 0 ? "Get" : "Set") +
                "ElectrodeSecure|Appel interdit pour cette classe|Electrode 7|2|ZRT Handling");
}

TEST(Electrode, HostInterfacesAnswerAndKeepTheirOrder) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
    void* obj = nullptr;
    ASSERT_EQ(electrode->QueryInterface(IElectrode::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IElectrode*>(obj)->GetNombreIP(), 1);
    ASSERT_EQ(electrode->QueryInterface(IElectrodeEx::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IElectrodeEx*>(obj)->GetTemperatureEau(), 20);

    using E = IElectrode;
    using X = IElectrodeEx;
    EXPECT_EQ(testkit::FirstGap(testkit::VtableSlots(
                  &E::GetNumeroElectrode, &E::GetNombrePaliers, &E::GetPalier, &E::SetPalier,
                  &E::GetAlarme, &E::GetNombreRodage, &E::GetDecalage, &E::GetNombreIP,
                  &E::GetMargeRodage, &E::GetGainServo, &E::GetCoefficientEtalonnage,
                  &E::IsModeAmperes, &E::ISLoadToCPSSecure)),
              -1);
    EXPECT_EQ(testkit::FirstGap(testkit::VtableSlots(
                  &X::GetPostFDVE, &X::GetCURemplacementEtendu, &X::GetCURemplaceToutes,
                  &X::GetCURodageNeuve, &X::GetCURodageInterPalier, &X::GetNumeroFraise,
                  &X::GetTypeEnsembleTransfoDiode, &X::GetGainBobineIntensite, &X::GetRapportMesure,
                  &X::GetIntensiteThermique, &X::GetDebitEau, &X::GetTemperatureEau)),
              -1);
}

} // namespace
} // namespace g20seq
