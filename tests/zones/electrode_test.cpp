// The electrode zone: fields, visibility per controller variant, mains-frequency
// defaults, ampere mode, companions, captions and the forbidden secure-counter calls.
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "support/ElectrodeTestEprom.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace g20seq {
namespace {

using testkit::TBancElectrode;
using testkit::TZoneEmpruntee;
using Ids = std::vector<std::string>;

// Identifiers of a tab sheet of the zone, in sheet order.
Ids FieldsOfSheet(const TCustomZoneCPS& Zone, const std::string& Sheet) {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(Zone.GetLogicalZone());
    TKEVTabSheet* sheet = logicalZone != nullptr ? logicalZone->GetTabByID(Sheet) : nullptr;
    Ids ids;
    for (int i = 0; sheet != nullptr && i < sheet->GetFieldCount(); ++i)
        ids.push_back(sheet->GetField(i)->GetFieldID());
    return ids;
}

// Message of the exception Appel raises, "" when none.
template <class F> std::string ErrorOf(const F& Appel) {
    try {
        Appel();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

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
}

TEST(Electrode, StepsAreTenIntegersIndexedFromZero) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
    EXPECT_EQ(electrode->GetNombrePaliers(), 10);
    electrode->SetPalier(9, 65000);
    electrode->SetPalier(0, 12);
    EXPECT_EQ(electrode->GetPalier(9), 65000);
    EXPECT_EQ(electrode->GetPalier(0), 12);
    EXPECT_EQ(ErrorOf([&] { electrode->GetPalier(10); }), "List index out of bounds (10)");
    EXPECT_THROW(electrode->SetPalier(-1, 1), EStringListError);
    EXPECT_THROW(electrode->SetPalier(1, 65001), EFieldError);
    EXPECT_EQ(electrode->GetFieldByID("IDPaliers")->GetName(), "Nombre de points du palier[...]");
}

struct TVisibilite {
    TTypeCourant Courant;
    TTypeIO IO;
    Ids Affiches;
    Ids Caches;
};

TEST(Electrode, VariantDecidesWhichFieldsAreShown) {
    const TVisibilite cas[] = {
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
    for (const TVisibilite& variante : cas) {
        SCOPED_TRACE(testing::Message() << variante.Courant << "/" << variante.IO);
        TBancElectrode banc(variante.Courant, variante.IO);
        TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
        for (const std::string& id : variante.Affiches)
            EXPECT_TRUE(electrode->FieldByID(id).GetLinked()) << id;
        for (const std::string& id : variante.Caches)
            EXPECT_FALSE(electrode->FieldByID(id).GetLinked()) << id;
        EXPECT_EQ(FieldsOfSheet(*electrode.Zone(), "IDTabRodage"),
                  (Ids{"IDCURemplacementEtendu", "IDCURemplaceToutes", "IDCURodageNeuve",
                       "IDCURodageInterPalier", "IDNumeroFraise", "IDNombreRodage", "IDDecalage",
                       "IDNombreIP", "IDMargeRodage"}));
        const bool mf = variante.Courant == tcMF;
        EXPECT_EQ(FieldsOfSheet(*electrode.Zone(), "IDTabTransfo").size(), mf ? 8u : 0u);
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
    EXPECT_EQ(maxi->GetGainBobineIntensite(), 2600);
    EXPECT_DOUBLE_EQ(maxi->GetRapportMesure(), 99.99);
    EXPECT_EQ(maxi->GetRawValue("IDIntensiteThermique"), 3000);
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
    EXPECT_EQ(logs[0].Source, "TElectrode.GetElectrodeSecure");
    EXPECT_EQ(logs[1].Source, "TElectrode.SetElectrodeSecure");
    for (const auto& log : logs) {
        EXPECT_EQ(log.Text1, "Appel interdit pour cette classe");
        EXPECT_EQ(log.Text2, "Electrode 7");
        EXPECT_EQ(log.Level, 2);
        EXPECT_EQ(log.Category, "ZRT Handling");
    }
}

TEST(Electrode, HostInterfacesAnswerAndKeepTheirOrder) {
    TBancElectrode banc;
    TZoneEmpruntee electrode(*banc.Eprom, PrcElectrodes, 0);
    void* obj = nullptr;
    ASSERT_TRUE(electrode->QueryInterface(IElectrode::IID, &obj));
    EXPECT_EQ(static_cast<IElectrode*>(obj)->GetNombreIP(), 1);
    ASSERT_TRUE(electrode->QueryInterface(IElectrodeEx::IID, &obj));
    EXPECT_EQ(static_cast<IElectrodeEx*>(obj)->GetTemperatureEau(), 20);

    using testkit::VtableSlot;
    using E = IElectrode;
    using X = IElectrodeEx;
    const std::vector<std::vector<std::ptrdiff_t>> interfaces = {
        {VtableSlot(&E::GetNumeroElectrode), VtableSlot(&E::GetNombrePaliers),
         VtableSlot(&E::GetPalier), VtableSlot(&E::SetPalier), VtableSlot(&E::GetAlarme),
         VtableSlot(&E::GetNombreRodage), VtableSlot(&E::GetDecalage), VtableSlot(&E::GetNombreIP),
         VtableSlot(&E::GetMargeRodage), VtableSlot(&E::GetGainServo),
         VtableSlot(&E::GetCoefficientEtalonnage), VtableSlot(&E::IsModeAmperes),
         VtableSlot(&E::ISLoadToCPSSecure)},
        {VtableSlot(&X::GetPostFDVE), VtableSlot(&X::GetCURemplacementEtendu),
         VtableSlot(&X::GetCURemplaceToutes), VtableSlot(&X::GetCURodageNeuve),
         VtableSlot(&X::GetCURodageInterPalier), VtableSlot(&X::GetNumeroFraise),
         VtableSlot(&X::GetTypeEnsembleTransfoDiode), VtableSlot(&X::GetGainBobineIntensite),
         VtableSlot(&X::GetRapportMesure), VtableSlot(&X::GetIntensiteThermique),
         VtableSlot(&X::GetDebitEau), VtableSlot(&X::GetTemperatureEau)}};
    for (const auto& slots : interfaces)
        for (std::size_t i = 1; i < slots.size(); ++i)
            EXPECT_EQ(slots[i] - slots[i - 1], static_cast<std::ptrdiff_t>(sizeof(void*))) << i;
}

} // namespace
} // namespace g20seq
