// The present-faults zone: the bit map, the list operations, copies, the blocking counts
// over the configuration's fault definitions and the host interface.
#include "support/CompteurTestEprom.h"
#include "support/HexVectors.h"
#include "support/VtableSlot.h"

#include <gtest/gtest.h>

#include <vector>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancCompteur;
using testkit::ToPayload;
using testkit::TZoneTenue;

std::vector<std::string> Liste(const TDefautsPresentsG20& Zone) {
    std::vector<std::string> liste;
    for (int i = 0; i < Zone.GetNbDefautsPresents(); ++i)
        liste.push_back(Zone.GetDefautPresent(i));
    return liste;
}

using TNoms = std::vector<std::string>;

TEST(DefautsPresents, BitMapAndListOperationsAddAndRemoveFaults) {
    TBancCompteur banc;
    TZoneTenue<TDefautsPresentsG20> zone(*banc.Eprom, PrcDefautsPresents, 0);
    ASSERT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("presentfaults/fault08.hex")), 2),
              SerSansErreur);
    EXPECT_EQ(Liste(*zone.Get()), TNoms{"08"});
    ASSERT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("presentfaults/none.hex")), 2),
              SerSansErreur);
    EXPECT_EQ(Liste(*zone.Get()), TNoms{});

    // Faults the map does not name keep their place: one beyond it, one not named as a bit.
    zone->Ajouter("100");
    zone->Ajouter("5");
    zone->Ajouter("07");
    ASSERT_EQ(
        zone->SerialDecode(ToPayload(ReadHexVector("presentfaults/receive_10_12_95.hex")), 12),
        SerSansErreur);
    EXPECT_EQ(Liste(*zone.Get()), (TNoms{"10", "100", "12", "5", "95"})); // byte order
    zone->Supprimer("5");
    EXPECT_TRUE(zone->GetDefautIsPresent("12"));
    EXPECT_EQ(zone->GetDefautPresent(4), "");
    EXPECT_EQ(zone->SerialDecode(ToPayload({}), 0), SerSansErreur);
    EXPECT_EQ(zone->GetNbDefautsPresents(), 4);
    EXPECT_EQ(zone->SerialDecode(ToPayload({}), -1), SerErrDonnees);
    EXPECT_EQ(zone->SerialDecode(ToPayload({}), MaxBuffer + 1), SerErrDonnees);
    EXPECT_EQ(zone->GetNbDefautsPresents(), 4);
    EXPECT_EQ(TDefautsPresentsG20::NomDefaut(3), "03");
    EXPECT_EQ(TDefautsPresentsG20::NomDefaut(100), "100");
    EXPECT_EQ(TDefautsPresentsG20::NomDefaut(-1), "-01");

    zone->Vider();
    zone->Ajouter("12");
    zone->Ajouter("03");
    zone->Ajouter("12");
    zone->Supprimer("44");
    EXPECT_EQ(Liste(*zone.Get()), (TNoms{"03", "12"}));
    TStringList copie;
    copie.Add("ancien");
    zone->GetDefautsPresents(&copie);
    EXPECT_EQ(copie.Count(), 2);
    EXPECT_EQ(copie[0], "03");

    auto duplicata = zone->Duplicate();
    auto& autre = dynamic_cast<TDefautsPresentsG20&>(*duplicata);
    EXPECT_EQ(Liste(autre), (TNoms{"03", "12"}));
    TStringList differences;
    EXPECT_TRUE(zone->EqualsDetails(&autre, &differences));
    autre.Supprimer("03");
    EXPECT_FALSE(zone->Equals(&autre));
    EXPECT_FALSE(zone->EqualsDetails(&autre, &differences));
    zone->Vider();
    EXPECT_EQ(zone->GetNbDefautsPresents(), 0);

    TByteArray trame{};
    EXPECT_EQ(zone->SerialEncode(trame, 0, 12), 0);
    EXPECT_EQ(zone->FileEncode(trame, 0, 12), 0);
    EXPECT_EQ(zone->FileDecode(trame, 12), SerErrZoneRead);
}

TEST(DefautsPresents, BlockingFollowsTheFaultDefinitionsAndTheHostInterface) {
    TBancCompteur banc;
    TZoneTenue<TDefautsPresentsG20> zone(*banc.Eprom, PrcDefautsPresents, 0);
    for (const char* defaut : {"08", "10", "99"})
        zone->Ajouter(defaut);
    EXPECT_EQ(zone->GetNbDefautsBloquants(), 2);    // 08 (type 4) and 10 (type 2)
    EXPECT_EQ(zone->GetNbDefautsNonBloquants(), 1); // 99 has no definition
    TZoneTenue<TConfigurationG20>(*banc.Eprom, PrcConfiguration, 0)
        ->GetDefautParNom("08")
        ->SetTypeDefaut(0);
    EXPECT_EQ(zone->GetNbDefautsBloquants(), 1);
    EXPECT_EQ(zone->GetNbDefautsNonBloquants(), 2);

    TBancCompteur sansConfiguration({.AvecConfiguration = false});
    TZoneTenue<TDefautsPresentsG20> seule(*sansConfiguration.Eprom, PrcDefautsPresents, 0);
    seule->Ajouter("10");
    EXPECT_EQ(seule->GetNbDefautsBloquants(), 0);
    EXPECT_EQ(seule->GetNbDefautsNonBloquants(), 1);
    EXPECT_EQ(sansConfiguration.Proxy.CountLogs("GA_Compteurs"), 1);

    void* obj = nullptr;
    ASSERT_EQ(zone->QueryInterface(IDefautsPresents::IID, &obj), THResult::S_OK);
    static_cast<IDefautsPresents*>(obj)->Ajouter("07");
    EXPECT_TRUE(zone->GetDefautIsPresent("07"));

    using D = IDefautsPresents;
    EXPECT_EQ(testkit::FirstGap(testkit::VtableSlots(
                  &D::GetNbDefautsPresents, &D::GetDefautPresent, &D::GetDefautIsPresent,
                  &D::Ajouter, &D::Supprimer, &D::Vider, &D::GetDefautsPresents,
                  &D::GetNbDefautsBloquants, &D::GetNbDefautsNonBloquants)),
              -1);
}

} // namespace
} // namespace g20seq
