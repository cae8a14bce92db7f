// The counters zone: companions, the written and read payloads, the zone-file form, the
// derived wear values over the electrode, configuration, cutter and present faults of the
// EPROM, missing zones, copies and the host interfaces.
#include "support/CompteurTestEprom.h"
#include "support/HexVectors.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"
#include "zones/ZoneCalcul.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace g20seq {
namespace {

using testkit::EncodeFichier;
using testkit::FromPayload;
using testkit::ReadHexVector;
using testkit::TBancCompteur;
using testkit::TBytes;
using testkit::ToHex;
using testkit::ToPayload;
using testkit::TZoneTenue;
using namespace IDElectrodeG20;
using TEntiers = std::vector<long long>;

TEST(Compteur, CompanionsAndStepRange) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 3);
    EXPECT_EQ(zone->GetPalierMin(), 0);
    EXPECT_EQ(zone->GetPalierMax(), 10);
    EXPECT_EQ(zone->GetNumeroPalier(), 0);
    EXPECT_THROW(zone->SetNumeroPalier(11), ERangeError);
    EXPECT_EQ(TZoneTenue<TCompteurG20>(*banc.Eprom, PrcCompteursMini, 0)->GetNumeroPalier(), 1);

    TZoneTenue<TCompteurG20> maxi(*banc.Eprom, PrcCompteursMaxi, 0);
    EXPECT_EQ(
        (TEntiers{maxi->GetNumeroPalier(), maxi->GetCompteurPoints(), maxi->GetCompteurRodages(),
                  maxi->GetCompteurPointsInterPalier(), maxi->GetValeurFinDeVie()}),
        (TEntiers{10, 65000, 999, 9999, 65000}));
    EXPECT_TRUE(maxi->GetFinDeVie() && maxi->GetDemandeRodageInterpalier() &&
                maxi->GetDemandeRodageNeuve() && maxi->GetDemandeRodageFinCU() &&
                maxi->GetDemandeChangement() && maxi->GetModeSoudageDegrade());
}

TEST(Compteur, PayloadVectorsAndCheckedLengthsAndStep) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    EXPECT_EQ(ToHex(EncodeFichier(*zone.Get(), 12)),
              ToHex(ReadHexVector("counters/file_fresh.hex")));

    ASSERT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("counters/read_sample.hex")), 12),
              SerSansErreur);
    EXPECT_EQ((TEntiers{zone->GetCompteurPoints(), zone->GetCompteurPointsAbsolu(),
                        zone->GetNumeroPalier(), zone->GetValeurFinDeVie()}),
              (TEntiers{1234, 4464, 7, 5000}));
    EXPECT_TRUE(zone->GetModeSoudageDegrade() && zone->GetFinDeVie() &&
                zone->GetDemandeChangement() && zone->GetDemandeRodageFinCU() &&
                zone->GetDemandeRodageNeuve());
    EXPECT_FALSE(zone->GetDemandeRodageInterpalier());
    EXPECT_EQ(ToHex(EncodeFichier(*zone.Get(), 12)),
              ToHex(ReadHexVector("counters/file_sample.hex")));

    zone->SetCompteurPointsAbsolu(70000);
    zone->SetDemandeRodageInterpalier(true);
    TByteArray trame{};
    trame.fill(0xAA);
    EXPECT_EQ(zone->SerialEncode(trame, 5, 9), 5 + 9);
    EXPECT_EQ(ToHex(FromPayload(trame, 5, 9)), ToHex(ReadHexVector("counters/write_sample.hex")));
    EXPECT_EQ(trame[14], 0xAA);

    TZoneTenue<TCompteurG20> maxi(*banc.Eprom, PrcCompteursMaxi, 0);
    EXPECT_EQ(maxi->SerialEncode(trame, 0, 9), 0);
    EXPECT_EQ(maxi->FileEncode(trame, 0, 12), 0);

    // Payload lengths and the step are checked.
    const TByteArray neuf = ToPayload(ReadHexVector("counters/companion.hex"));
    zone->SetCompteurPoints(7);
    EXPECT_EQ(zone->SerialDecode(neuf, 9), SerErrDonnees);
    EXPECT_EQ(zone->GetCompteurPoints(), 7);
    TBytes palier11 = ReadHexVector("counters/read_sample.hex");
    palier11[9] = 11;
    EXPECT_EQ(zone->SerialDecode(ToPayload(palier11), 12), SerErrDonnees);
    EXPECT_EQ(zone->GetCompteurPoints(), 7);

    TZoneTenue<TCompteurG20> raz(*banc.Eprom, PrcCompteursRAZ, 0);
    raz->SetValeurFinDeVie(44);
    ASSERT_EQ(raz->SerialDecode(neuf, 9), SerSansErreur);
    EXPECT_EQ((TEntiers{raz->GetCompteurPoints(), raz->GetCompteurPointsAbsolu(),
                        raz->GetNumeroPalier(), raz->GetValeurFinDeVie()}),
              (TEntiers{100, 200, 1, 0}));
    EXPECT_TRUE(raz->GetDemandeRodageInterpalier() && raz->GetDemandeRodageNeuve());
    EXPECT_EQ(raz->SerialDecode(ToPayload(palier11), 12), SerErrDonnees);
    EXPECT_EQ(raz->SerialDecode(neuf, -1), SerErrDonnees);
    EXPECT_EQ(raz->SerialDecode(neuf, MaxBuffer), SerErrDonnees);
}

TEST(Compteur, FileFormRoundTripsRandomZones) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 1);
    std::mt19937 aleas(20);
    std::uniform_int_distribution<int> mot(0, 65535);
    for (int essai = 0; essai < 200; ++essai) {
        zone->SetCompteurPoints(mot(aleas));
        zone->SetCompteurRodages(mot(aleas));
        zone->SetCompteurPointsInterPalier(mot(aleas));
        zone->SetCompteurPointsAbsolu(mot(aleas));
        zone->SetDemandeRodageInterpalier(mot(aleas) % 2 == 0);
        zone->SetDemandeRodageNeuve(mot(aleas) % 2 == 0);
        zone->SetNumeroPalier(mot(aleas) % 11);
        zone->SetValeurFinDeVie(mot(aleas));
        const TBytes fichier = EncodeFichier(*zone.Get(), 12);
        auto relue = zone->Duplicate();
        ASSERT_EQ(relue->FileDecode(ToPayload(fichier), 12), SerSansErreur);
        EXPECT_EQ(ToHex(EncodeFichier(*relue, 12)), ToHex(fichier));
    }
}

// The electrode of counters zone 0 with the given dressing settings.
void Regler(TBancCompteur& Banc, bool InterPalier, int NombreIP, int NombreRodage, int Decalage,
            int PostFDVEValeur) {
    TZoneTenue<TElectrodeG20> electrode(*Banc.Eprom, PrcElectrodes, 0);
    electrode->SetAsBoolean(IDCURodageInterPalier, InterPalier);
    electrode->SetAsInteger(IDElectrode::IDNombreIP, NombreIP);
    electrode->SetAsInteger(IDElectrode::IDNombreRodage, NombreRodage);
    electrode->SetAsInteger(IDElectrode::IDDecalage, Decalage);
    electrode->SetAsInteger(IDPostFDVE, PostFDVEValeur);
}

TEST(Compteur, InterStepDressing) {
    TBancCompteur banc;
    Regler(banc, true, 500, 3, 0, 20);
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    TZoneTenue<TDefautsPresentsG20> defauts(*banc.Eprom, PrcDefautsPresents, 0);
    zone->SetCompteurPointsInterPalier(120);
    zone->SetCompteurPoints(100);
    zone->SetValeurFinDeVie(1000);
    EXPECT_TRUE(zone->CUInterPalier());
    // Points before dressing: IDNombreIP + IDMargeRodage (30).
    EXPECT_EQ((TEntiers{zone->PointsRestants(), zone->PointsRestantsTotal(),
                        zone->NbPointsMaxAvantFDVE(), zone->NbPointsMaxAvantRodage()}),
              (TEntiers{380, 900, 1020, 530}));
    EXPECT_EQ(zone->GetEtatCU(), evOK);
    EXPECT_EQ(zone->GetEtatFDVE(), evOK);
    zone->SetDemandeRodageInterpalier(true);
    zone->SetDemandeChangement(true);
    EXPECT_EQ(zone->GetEtatCU(), evError);
    EXPECT_EQ(zone->GetEtatFDVE(), evAlarm);
    zone->SetFinDeVie(true);
    EXPECT_EQ(zone->GetEtatFDVE(), evError);
    defauts->Ajouter("10");
    EXPECT_EQ(zone->GetEtatCU(), evKO);
    EXPECT_EQ(zone->GetEtatFDVE(), evKO);
}

TEST(Compteur, WearCompensationStates) {
    TBancCompteur banc;
    Regler(banc, false, 1, 2, 100, 5);
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    TZoneTenue<TDefautsPresentsG20> defauts(*banc.Eprom, PrcDefautsPresents, 0);
    EXPECT_EQ(zone->PointsRestants(), 0); // end-of-life value 0
    zone->SetValeurFinDeVie(1000);
    zone->SetCompteurPoints(400);
    EXPECT_EQ((TEntiers{zone->PointsRestants(), zone->PointsRestantsTotal(),
                        zone->NbPointsMaxAvantFDVE(), zone->NbPointsMaxAvantRodage()}),
              (TEntiers{600, 900 * 2 + 600, 900 * 2 + 1000, 1005}));
    EXPECT_EQ(zone->GetEtatCU(), evOK);
    zone->SetDemandeChangement(true);
    EXPECT_EQ(zone->GetEtatCU(), evAlarm);
    zone->SetDemandeRodageFinCU(true);
    EXPECT_EQ(zone->GetEtatCU(), evAlarm); // IDCURodageAlarme is set by default
    TZoneTenue<TConfigurationG20>(*banc.Eprom, PrcConfiguration, 0)->SetCURodageAlarme(false);
    EXPECT_EQ(zone->GetEtatCU(), evError);
    zone->SetFinDeVie(true);
    EXPECT_EQ(zone->GetEtatCU(), evError);
    EXPECT_EQ(zone->GetEtatFDVE(), evOK); // dressings left
    zone->SetCompteurRodages(2);
    EXPECT_EQ(zone->GetEtatFDVE(), evError);
    zone->SetFinDeVie(false);
    zone->SetDemandeRodageFinCU(false);
    EXPECT_EQ(zone->GetEtatFDVE(), evAlarm);
    zone->SetCompteurPoints(1005);
    EXPECT_EQ(zone->GetEtatCU(), evKO);
    EXPECT_EQ(zone->GetEtatFDVE(), evKO);
    zone->SetCompteurPoints(0);
    defauts->Ajouter("12");
    EXPECT_EQ(zone->GetEtatCU(), evKO);
    EXPECT_EQ(zone->GetEtatFDVE(), evKO);
}

TEST(Compteur, CutterStateFollowsTheElectrodesCutter) {
    TBancCompteur banc;
    TZoneTenue<TElectrodeG20>(*banc.Eprom, PrcElectrodes, 4)->SetAsInteger(IDNumeroFraise, 2);
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 4);
    TZoneTenue<TCompteurFraise> compteur(*banc.Eprom, PrcCompteurFraise, 2);
    EXPECT_EQ(zone->GetNbPointsMaxAvantFDVFraise(), 2000);
    const std::pair<int, TEtatVie> cas[] = {{0, evOK},       {1899, evOK}, {1900, evAlarm},
                                            {1999, evAlarm}, {2000, evKO}, {5000, evKO}};
    for (const auto& [valeur, etat] : cas) {
        compteur->SetCompteurFraiseRodeuse(valeur);
        EXPECT_EQ(zone->CompteurFraiseRodeuse(), valeur);
        EXPECT_EQ(zone->GetEtatFDVFraise(), etat) << valeur;
    }
}

TEST(Compteur, MissingZonesGiveNeutralValuesAndOneLogLine) {
    TBancCompteur banc({.AvecElectrodes = false, .AvecFraises = false});
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    zone->SetValeurFinDeVie(1000);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(zone->GetEtatCU(), evNone);
        EXPECT_EQ(zone->GetEtatFDVE(), evNone);
        EXPECT_EQ(zone->GetEtatFDVFraise(), evNone);
        EXPECT_EQ(zone->PointsRestants() + zone->PointsRestantsTotal() +
                      zone->NbPointsMaxAvantFDVE() + zone->NbPointsMaxAvantRodage() +
                      zone->CompteurFraiseRodeuse() + zone->GetNbPointsMaxAvantFDVFraise(),
                  0);
        EXPECT_FALSE(zone->ElecAvecCU() || zone->CUInterPalier());
    }
    const auto logs = banc.Proxy.Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(logs[0].SenderClass + "|" + testkit::Journal(logs[0]),
              "TBenchEprom|" + logs[0].Source +
                  "|Zone PrcElectrodes=0 absente|GA_Compteurs|2|Eprom");
}

TEST(Compteur, DerivedValuesGiveBackEveryZone) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    zone->SetDemandeRodageFinCU(true);
    zone->SetValeurFinDeVie(100);
    EXPECT_EQ(zone->GetEtatFDVE(), evAlarm);
    EXPECT_EQ(zone->GetEtatFDVFraise(), evOK);
    EXPECT_EQ(zone->PointsRestantsTotal(), 100);
    EXPECT_FALSE(zone->ElecAvecCU());
    for (TTypeZones type :
         {PrcElectrodes, PrcConfiguration, PrcDefautsPresents, PrcFraise, PrcCompteurFraise}) {
        const TZoneReference* reference = banc.Eprom->FindZoneReference(type, 0);
        ASSERT_NE(reference, nullptr);
        EXPECT_EQ(reference->GetReferenceCount(), 0) << TypeZoneName(type);
    }
    // Cutter zones are not kept in memory: once given back they are freed.
    EXPECT_EQ(banc.Eprom->FindZoneReference(PrcFraise, 0)->GetZone(), nullptr);
}

TEST(Compteur, CopiesCarryTheDegradedModeAndCompareOnlyIt) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 2);
    zone->SetModeSoudageDegrade(true);
    zone->SetCompteurRodages(12);
    zone->SetNumeroPalier(9);
    zone->SetCompteurChainage(4);
    auto copie = zone->Duplicate();
    auto& compteur = dynamic_cast<TCompteurG20&>(*copie);
    EXPECT_TRUE(compteur.GetModeSoudageDegrade());
    EXPECT_EQ((TEntiers{compteur.GetCompteurRodages(), compteur.GetNumeroPalier(),
                        compteur.GetCompteurChainage(), compteur.GetPalierMax()}),
              (TEntiers{12, 9, 4, 10}));

    TStringList differences;
    compteur.SetCompteurRodages(13);
    EXPECT_TRUE(zone->EqualsDetails(copie.get(), &differences));
    compteur.SetModeSoudageDegrade(false);
    EXPECT_FALSE(zone->EqualsDetails(copie.get(), &differences));
    EXPECT_EQ(differences.Count(), 0);
}

TEST(Compteur, HostInterfacesAndSlotOrder) {
    TBancCompteur banc;
    TZoneTenue<TCompteurG20> zone(*banc.Eprom, PrcCompteurs, 0);
    void* obj = nullptr;
    ASSERT_EQ(zone->QueryInterface(ICompteur::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<ICompteur*>(obj)->GetEtatCU(), evKO); // 0 points before dressing
    ASSERT_EQ(zone->QueryInterface(ICompteurEx::IID, &obj), THResult::S_OK);
    EXPECT_FALSE(static_cast<ICompteurEx*>(obj)->GetModeSoudageDegrade());
    ASSERT_EQ(zone->QueryInterface(ICompteurVie::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<ICompteurVie*>(obj)->GetNbPointsMaxAvantFDVFraise(), 2000);

    using testkit::VtableSlot;
    using testkit::VtableSlots;
    using TDetail =
        std::string (TZoneCPS::*)(const std::string&, int, std::string&, std::string&) const;
    using C = ICompteur;
    using V = ICompteurVie;
    const std::vector<std::ptrdiff_t> zoneSlots =
        VtableSlots(static_cast<TDetail>(&TZoneCPS::DetailIDChamp), &TCompteur::ElecAvecCU,
                    &TCompteur::NombreRodage, &TCompteur::NombreIP, &TCompteur::PostFDVE,
                    &TCompteur::CUInterPalier, &TCompteur::PointsRestants,
                    &TCompteur::PointsRestantsTotal, &TCompteur::NbPointsMaxAvantFDVE);
    const std::vector<std::ptrdiff_t> compteur = VtableSlots(
        &C::GetCompteurPoints, &C::SetCompteurPoints, &C::GetCompteurRodages,
        &C::SetCompteurRodages, &C::GetCompteurPointsInterPalier, &C::SetCompteurPointsInterPalier,
        &C::GetCompteurPointsAbsolu, &C::SetCompteurPointsAbsolu, &C::GetCompteurChainage,
        &C::SetCompteurChainage, &C::GetFinDeVie, &C::SetFinDeVie, &C::GetDemandeRodageInterpalier,
        &C::SetDemandeRodageInterpalier, &C::GetDemandeRodageNeuve, &C::SetDemandeRodageNeuve,
        &C::GetDemandeRodageFinCU, &C::SetDemandeRodageFinCU, &C::GetDemandeChangement,
        &C::SetDemandeChangement, &C::GetNumeroPalier, &C::SetNumeroPalier, &C::GetValeurFinDeVie,
        &C::SetValeurFinDeVie, &C::GetEtatFDVE, &C::GetEtatCU);
    const std::vector<std::ptrdiff_t> ex =
        VtableSlots(&ICompteurEx::GetModeSoudageDegrade, &ICompteurEx::SetModeSoudageDegrade);
    const std::vector<std::ptrdiff_t> vie = VtableSlots(
        &V::GetNbPointsMaxAvantFDVE, &V::GetNbPointsMaxAvantRodage, &V::GetPointsRestants,
        &V::GetPointsRestantsTotal, &V::GetNbPointsMaxAvantFDVFraise, &V::GetEtatFDVFraise);
    EXPECT_EQ(compteur.size(), 26u);
    for (const auto* slots : {&zoneSlots, &compteur, &ex, &vie})
        EXPECT_EQ(testkit::FirstGap(*slots), -1);
}

} // namespace
} // namespace g20seq
