#include "support/StatusTestEprom.h"
#include "zones/Mouchard.h"

#include <gtest/gtest.h>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancStatut;
using testkit::TBytes;

TEST(Mouchard, DecodesTheEventRecord) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<TMouchardG20>(PrcMouchard);
    ASSERT_NE(zone, nullptr);
    ASSERT_EQ(TBancStatut::Decoder(*zone, ReadHexVector("status/mouchard.hex")), SerSansErreur);
    EXPECT_EQ(zone->GetTypeLogiciel(), "G2");
    EXPECT_EQ(zone->GetVersionBase(), 21);
    EXPECT_EQ(zone->GetNumeroInterneCPS(), 7);
    EXPECT_TRUE(zone->GetParametresModifies());
    EXPECT_FALSE(zone->GetDemandeRAZNovram());
    EXPECT_TRUE(zone->GetPerteSignatureCommunication());
    EXPECT_FALSE(zone->GetPerteSignatureAffichage());
    EXPECT_TRUE(zone->GetDernierDemiPeriodenegative());
    EXPECT_EQ(zone->GetDerniereEdition(), 2);
    EXPECT_EQ(zone->GetNombreTotalPointCPS(), 30016);
    EXPECT_DOUBLE_EQ(zone->GetIntensiteThermiqueMaxi(true), 8000.0);
    EXPECT_DOUBLE_EQ(zone->GetIntensiteThermiqueMaxi(false), 80.0);
    EXPECT_EQ(zone->GetDateThermiqueMaxi(), EncodeDate(2031, 12, 31) + EncodeTime(23, 59, 58, 0));
}

TEST(Mouchard, LastEditionWordsAndRefusedPayloads) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<TMouchardG20>(PrcMouchard);
    const TBytes modele = ReadHexVector("status/mouchard.hex");
    struct TCas {
        Word Mot;
        TErreurSerie Resultat;
        int Edition;
        int Programme;
    };
    // The program number stays as it was for the edits 1 and 2.
    const TCas cas[] = {{0x0045, SerSansErreur, 0, 69},  {0x0080, SerSansErreur, 1, 69},
                        {0x007F, SerSansErreur, 0, 127}, {0x0081, SerSansErreur, 2, 127},
                        {0x0090, SerErrDonnees, 2, 127}, {0x0100, SerErrDonnees, 2, 127}};
    for (const TCas& c : cas) {
        TBytes octets = modele;
        octets[6] = HiByte(c.Mot);
        octets[7] = LoByte(c.Mot);
        EXPECT_EQ(TBancStatut::Decoder(*zone, octets), c.Resultat) << c.Mot;
        EXPECT_EQ(zone->GetDerniereEdition(), c.Edition) << c.Mot;
        EXPECT_EQ(zone->GetDernierProgrammeEdite(), c.Programme) << c.Mot;
    }
    ASSERT_FALSE(banc.Proxy.Logs().empty());
    EXPECT_EQ(banc.Proxy.Logs().back().Text1, "Erreur decodage Offset 6 (01/00)");

    TBytes interne = modele;
    interne[3] = 255;
    TBytes date = modele;
    date[15] = 13;
    TBytes longue = modele;
    longue.push_back(0);
    for (const TBytes& refuse : {interne, date, longue, TBytes(modele.begin(), modele.end() - 1)})
        EXPECT_EQ(TBancStatut::Decoder(*zone, refuse), SerErrDonnees);
    EXPECT_EQ(zone->GetNumeroInterneCPS(), 7);

    auto trame = std::make_unique<TByteArray>();
    EXPECT_EQ(zone->SerialEncode(*trame, 0, 20), 0);
    EXPECT_EQ(zone->FileDecode(*trame, 20), SerErrZoneRead);
}

} // namespace
} // namespace g20seq
