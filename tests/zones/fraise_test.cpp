// The tip-dressing cutter zone and the cutter counters: fields, companions, captions,
// tab sheet, payload vectors and the two cutter-counter layouts.
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/CompteurTestEprom.h"
#include "support/HexVectors.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <random>

namespace g20seq {
namespace {

using testkit::EncodeFichier;
using testkit::ReadHexVector;
using testkit::TBancCompteur;
using testkit::TBytes;
using testkit::ToHex;
using testkit::ToPayload;
using testkit::TZoneTenue;
using namespace IDFraise;

TEST(Fraise, FieldsCompanionsCaptionsTabSheetAndPayload) {
    TBancCompteur banc;
    banc.Proxy.AddTranslation("IDFraise", IDAlarmeFraiseRodeuse.ID(), "Cutter alarm");
    TZoneTenue<TFraise> zone(*banc.Eprom, PrcFraise, 1);
    EXPECT_EQ(zone->GetFinDeVieFraiseRodeuse(), 2000);
    EXPECT_EQ(zone->GetAlarmeFraiseRodeuse(), 100);
    EXPECT_EQ(zone->GetRawMax(IDFinDeVieFraiseRodeuse), 32000);
    EXPECT_EQ(zone->GetRawMax(IDAlarmeFraiseRodeuse), 999);
    EXPECT_EQ(zone->NomChamp(IDFinDeVieFraiseRodeuse.ID()), "Fin de vie fraise rodeuse");
    EXPECT_EQ(zone->NomChamp(IDAlarmeFraiseRodeuse.ID()), "Cutter alarm");
    EXPECT_THROW(zone->SetAlarmeFraiseRodeuse(1000), EFieldError);

    auto* logique = dynamic_cast<TKEVLogicalZone*>(zone->GetLogicalZone());
    ASSERT_NE(logique, nullptr);
    const TKEVTabSheet* onglet = logique->GetTabByID("IDTabCU");
    ASSERT_NE(onglet, nullptr);
    EXPECT_EQ(onglet->GetFieldCount(), 2);
    EXPECT_NE(onglet->GetFieldByID(IDAlarmeFraiseRodeuse.ID()), nullptr);
    // A second zone on the same sheet cannot link its fields: logged and swallowed.
    EXPECT_NO_THROW(TFraise(banc.Eprom.get(), PrcFraise, 1, logique));
    const auto logs = banc.Proxy.Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].Source, "Create");
    EXPECT_EQ(logs[0].Category, "ZRT Handling");

    for (const auto& [type, vecteur] :
         {std::pair{PrcFraiseMini, "cutter/mini.hex"}, std::pair{PrcFraiseMaxi, "cutter/maxi.hex"},
          std::pair{PrcFraiseRAZ, "cutter/fresh.hex"}, std::pair{PrcFraise, "cutter/fresh.hex"}}) {
        TZoneTenue<TFraise> compagnon(*banc.Eprom, type, 0);
        EXPECT_EQ(ToHex(EncodeFichier(*compagnon.Get(), 5)), ToHex(ReadHexVector(vecteur)))
            << vecteur;
    }
    TCustomZoneCPS* maxi = zone->GetZoneMaxi();
    ASSERT_NE(maxi, nullptr);
    EXPECT_EQ(dynamic_cast<TFraise*>(maxi)->GetFinDeVieFraiseRodeuse(), 32000);
    banc.Eprom->ReleasePhysicalZone(maxi);

    ASSERT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("cutter/maxi.hex")), 5), SerSansErreur);
    EXPECT_EQ(zone->GetFinDeVieFraiseRodeuse(), 32000);
    EXPECT_EQ(zone->GetAlarmeFraiseRodeuse(), 999);
    EXPECT_EQ(zone->FileDecode(ToPayload(ReadHexVector("cutter/fresh.hex")), 5), SerSansErreur);
    EXPECT_EQ(zone->GetFinDeVieFraiseRodeuse(), 2000);
    const TBytes tropGrand = {0x7D, 0x01, 0x00, 0x05, 0x00}; // 32001
    EXPECT_EQ(zone->SerialDecode(ToPayload(tropGrand), 5), SerErrDonnees);
    EXPECT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("cutter/maxi.hex")), 4), SerErrDonnees);
    EXPECT_EQ(zone->GetFinDeVieFraiseRodeuse(), 2000);
    TByteArray trame{};
    EXPECT_EQ(zone->SerialEncode(trame, 10, 5), 15);
}

TEST(CompteurFraise, ShortLayoutOnG20) {
    TBancCompteur banc;
    TZoneTenue<TCompteurFraise> zone(*banc.Eprom, PrcCompteurFraise, 3);
    EXPECT_EQ(zone->TaillePayload(), 3);
    EXPECT_EQ(zone->GetTailleReceiveZone(), 3);
    EXPECT_EQ(ToHex(EncodeFichier(*zone.Get(), 3)),
              ToHex(ReadHexVector("cuttercounters/fresh.hex")));
    ASSERT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("cuttercounters/g20_1900.hex")), 3),
              SerSansErreur);
    EXPECT_EQ(zone->GetCompteurFraiseRodeuse(), 1900);
    EXPECT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("cuttercounters/gen5_sample.hex")), 6),
              SerErrDonnees);
    EXPECT_EQ(zone->GetNombreRodagesOK(), 0);
    zone->SetCompteurFraiseRodeuse(65536 + 1900);
    EXPECT_EQ(ToHex(EncodeFichier(*zone.Get(), 3)),
              ToHex(ReadHexVector("cuttercounters/g20_1900.hex")));
}

TEST(CompteurFraise, LongLayoutFromGenerationFive) {
    TBancCompteur banc({.Generation = 5});
    TZoneTenue<TCompteurFraise> zone(*banc.Eprom, PrcCompteurFraise, 0);
    EXPECT_EQ(zone->GetTailleSendZone(), 6);
    EXPECT_EQ(zone->GetTailleReceiveZone(), 6);
    const TBytes vecteur = ReadHexVector("cuttercounters/gen5_sample.hex");
    ASSERT_EQ(zone->FileDecode(ToPayload(vecteur), 6), SerSansErreur);
    EXPECT_EQ(zone->GetNombreRodagesOK(), 10);
    EXPECT_EQ(zone->GetNombreRodagesNOK(), 2);
    EXPECT_EQ(ToHex(EncodeFichier(*zone.Get(), 6)), ToHex(vecteur));
    EXPECT_EQ(zone->SerialDecode(ToPayload(vecteur), 3), SerErrDonnees);

    std::mt19937 aleas(7);
    std::uniform_int_distribution<int> mot(0, 65535);
    for (int essai = 0; essai < 100; ++essai) {
        zone->SetCompteurFraiseRodeuse(mot(aleas));
        zone->SetNombreRodagesOK(mot(aleas));
        zone->SetNombreRodagesNOK(mot(aleas));
        auto copie = zone->Duplicate();
        ASSERT_EQ(copie->SerialDecode(ToPayload(EncodeFichier(*zone.Get(), 6)), 6), SerSansErreur);
        const auto& relue = dynamic_cast<const TCompteurFraise&>(*copie);
        EXPECT_EQ(relue.GetNombreRodagesNOK(), zone->GetNombreRodagesNOK());
        EXPECT_EQ(ToHex(EncodeFichier(relue, 6)), ToHex(EncodeFichier(*zone.Get(), 6)));
    }
}

} // namespace
} // namespace g20seq
