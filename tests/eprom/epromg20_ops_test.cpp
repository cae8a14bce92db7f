#include "eprom/EpromG20.h"

#include "model/Defaut.h"
#include "support/EpromTestKit.h"
#include "support/HexVectors.h"
#include "zones/Acquittements.h"
#include "zones/CompteurFraise.h"
#include "zones/CompteurG20.h"
#include "zones/ConfigurationG20.h"
#include "zones/DefautsPresents.h"
#include "zones/SignatureG20.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class EpromG20OpsTest : public EpromFixture {
protected:
    // A signature of electrode 7 (counters 30000, 500, 10, 100; flags new-electrode
    // dressing, end of compensation, end of life, degraded mode) with fault number 5 and
    // the given type byte.
    std::unique_ptr<TSignatureG20> Signature(Byte TypeByte) {
        TBytes bytes = ReadHexVector("signatures/ac_acquittement.hex");
        bytes[6] = TypeByte;
        bytes[7] = 5;
        auto signature = std::make_unique<TSignatureG20>(Eprom.get(), PrcSignatures, 0, nullptr);
        EXPECT_EQ(signature->SerialDecode(ToPayload(bytes), 34), SerSansErreur);
        return signature;
    }
    std::string Defauts() {
        TStringList defauts;
        Eprom->GetDefautsPresents(&defauts);
        return defauts.CommaText();
    }
    // The payload of acknowledgement zone Zone.
    static std::string Payload(TObject* Zone) {
        TByteArray trame{};
        const int fin = dynamic_cast<TCustomZoneCPS&>(*Zone).SerialEncode(trame, 0, 2);
        return ToHex(FromPayload(trame, 0, fin));
    }
    std::unique_ptr<TEpromG20> Eprom = TEpromG20::New("GA_Ops", &Protocol);
};

} // namespace

TEST_F(EpromG20OpsTest, PresentFaultCountsAndCutterCounterCopy) {
    TZoneHolder presents(Eprom.get(), PrcDefautsPresents, 0);
    for (const char* defaut : {"99", "10", "08"})
        presents.As<TDefautsPresentsG20>()->Ajouter(defaut);
    EXPECT_EQ(Defauts(), "08,10,99");
    EXPECT_EQ(Eprom->GetNbDefautsBloquants(), 2); // 08 and 10; 99 has no definition
    EXPECT_EQ(Eprom->GetNbDefautsNonBloquants(), 1);
    TZoneHolder(Eprom.get(), PrcConfiguration, 0)
        .As<TConfigurationG20>()
        ->GetDefautParNom("08")
        ->SetTypeDefaut(0);
    EXPECT_EQ(Eprom->GetNbDefautsBloquants(), 1);
    EXPECT_EQ(Eprom->GetNbDefautsNonBloquants(), 2);

    TZoneHolder(Eprom.get(), PrcElectrodes, 3).As<TZoneCPS>()->SetAsInteger("IDNumeroFraise", 2);
    TZoneHolder held(Eprom.get(), PrcCompteurFraise, 2);
    held.As<TCompteurFraise>()->SetCompteurFraiseRodeuse(1900);
    int electrode = 3;
    const std::unique_ptr<TCustomZoneCPS> copy = Eprom->GetZoneCompteurFraise(electrode);
    auto* compteur = dynamic_cast<TCompteurFraise*>(copy.get());
    ASSERT_NE(compteur, nullptr);
    EXPECT_EQ(copy->ZoneLabel(), "PrcCompteurFraise=2");
    EXPECT_EQ(compteur->GetCompteurFraiseRodeuse(), 1900);
    compteur->SetCompteurFraiseRodeuse(5);
    EXPECT_EQ(held.As<TCompteurFraise>()->GetCompteurFraiseRodeuse(), 1900);
    electrode = 16;
    EXPECT_EQ(Eprom->GetZoneCompteurFraise(electrode), nullptr);
}

TEST_F(EpromG20OpsTest, SignaturesUpdatePresentFaultsAndCounters) {
    TZoneHolder(Eprom.get(), PrcDefautsPresents, 0).As<TDefautsPresentsG20>()->Ajouter("08");
    TZoneHolder held(Eprom.get(), PrcCompteurs, 7);
    auto* compteurs = held.As<TCompteurG20>();
    compteurs->SetNumeroPalier(3);
    compteurs->SetValeurFinDeVie(6000);
    compteurs->SetDemandeRodageInterpalier(true);

    Eprom->AnalyseSignature(Signature(0x80).get()); // fault 5
    EXPECT_EQ(Defauts(), "05,08");
    const std::vector<int> copied{compteurs->GetCompteurPointsAbsolu(),
                                  compteurs->GetCompteurPoints(),
                                  compteurs->GetCompteurRodages(),
                                  compteurs->GetCompteurPointsInterPalier(),
                                  compteurs->GetDemandeRodageNeuve(),
                                  compteurs->GetDemandeRodageInterpalier(),
                                  compteurs->GetDemandeRodageFinCU(),
                                  compteurs->GetDemandeChangement(),
                                  compteurs->GetFinDeVie(),
                                  compteurs->GetModeSoudageDegrade(),
                                  compteurs->GetNumeroPalier(),
                                  compteurs->GetValeurFinDeVie()};
    EXPECT_EQ(copied, (std::vector<int>{30000, 500, 10, 100, 1, 0, 1, 0, 1, 1, 3, 6000}));

    Eprom->AnalyseSignature(Signature(0x81).get()); // acknowledgement of fault 5
    EXPECT_EQ(Defauts(), "08");
    compteurs->SetCompteurPoints(1);
    Eprom->AnalyseSignature(Signature(0x83).get()); // power-up
    EXPECT_EQ(Defauts(), "");
    EXPECT_EQ(compteurs->GetCompteurPoints(), 1);

    TZoneHolder programme(Eprom.get(), PrcProgrammes, 0);
    Proxy.ClearLogs();
    Eprom->AnalyseSignature(programme.Get());
    EXPECT_EQ(LogLines(Proxy),
              std::vector<std::string>{
                  "AnalyseSignature|Erreur type zone 29 (PrcProgrammes)|GA_Ops|2|Eprom"});
}

TEST_F(EpromG20OpsTest, ReinitCUListsTheZonesToSend) {
    TZoneHolder(Eprom.get(), PrcElectrodes, 3).As<TZoneCPS>()->SetAsInteger("IDNumeroFraise", 2);
    TStringList zones(true);
    Eprom->ReinitCU({ReinitCompteurs, ReinitFraise}, 3, 77, 5, &zones);
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_EQ(zones[0], "");
    const auto* compteurs = dynamic_cast<TCompteurG20*>(zones.Objects(0));
    ASSERT_NE(compteurs, nullptr);
    EXPECT_EQ(compteurs->ZoneLabel(), "PrcCompteurs=3");
    EXPECT_EQ(compteurs->GetCompteurPoints(), 77);
    EXPECT_EQ(compteurs->GetCompteurRodages(), 5);
    EXPECT_EQ(TZoneHolder(Eprom.get(), PrcCompteurs, 3).As<TCompteurG20>()->GetCompteurPoints(), 0);
    EXPECT_EQ(LogLine(Proxy.Logs().back()),
              "ReinitCU|ReinitFraise & ReinitCompteur non compatibles "
              "dans la même requête||3|Kevnet");

    zones.Clear();
    Eprom->ReinitCU({ReinitFraise, Changement, ChangementFraise}, 3, 77, 5, &zones);
    ASSERT_EQ(zones.Count(), 3);
    const auto* fraise = dynamic_cast<TCompteurFraise*>(zones.Objects(0));
    ASSERT_NE(fraise, nullptr);
    EXPECT_EQ(fraise->ZoneLabel(), "PrcCompteurFraise=2");
    EXPECT_EQ(fraise->GetCompteurFraiseRodeuse(), 77);
    EXPECT_EQ(Payload(zones.Objects(1)), "03 03");
    EXPECT_EQ(Payload(zones.Objects(2)), "07 02");

    zones.Clear();
    Eprom->ReinitCU({RodageInterPalier}, 3, 0, 0, &zones);
    ASSERT_EQ(zones.Count(), 1);
    EXPECT_EQ(Payload(zones.Objects(0)), "02 03");
}

TEST_F(EpromG20OpsTest, DegradedModeFollowsTheCounters) {
    EXPECT_FALSE(Eprom->GetModeDegradeEprom());
    {
        const TZoneHolder compteurs(Eprom.get(), PrcCompteurs, 15);
        compteurs.As<ICompteurEx>()->SetModeSoudageDegrade(true);
    }
    EXPECT_TRUE(Eprom->GetModeDegradeEprom());
    EXPECT_FALSE(Eprom->GetModeDegrade()); // the host's own flag is separate
}
