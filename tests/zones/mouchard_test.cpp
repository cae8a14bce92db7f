#include "support/StatusTestEprom.h"
#include "zones/Mouchard.h"

#include <gtest/gtest.h>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancStatut;
using testkit::TBytes;

TEST(Mouchard, DecodesTheEventRecordAndRefusesImpossibleValues) {
    TBancStatut banc;
    auto zone = banc.Nouvelle<TMouchardG20>(PrcMouchard);
    ASSERT_NE(zone, nullptr);
    ASSERT_EQ(TBancStatut::Decoder(*zone, ReadHexVector("status/mouchard.hex")), SerSansErreur);
    EXPECT_EQ(zone->GetTypeLogiciel(), "G2");
    EXPECT_EQ((std::vector<long long>{zone->GetVersionBase(), zone->GetNumeroInterneCPS(),
                                      zone->GetDerniereEdition(), zone->GetNombreTotalPointCPS()}),
              (std::vector<long long>{21, 7, 2, 30016}));
    EXPECT_EQ((std::vector<bool>{zone->GetParametresModifies(), zone->GetDemandeRAZNovram(),
                                 zone->GetPerteSignatureCommunication(),
                                 zone->GetPerteSignatureAffichage(),
                                 zone->GetDernierDemiPeriodenegative()}),
              (std::vector<bool>{true, false, true, false, true}));
    EXPECT_DOUBLE_EQ(zone->GetIntensiteThermiqueMaxi(true), 8000.0);
    EXPECT_DOUBLE_EQ(zone->GetIntensiteThermiqueMaxi(false), 80.0);
    EXPECT_EQ(zone->GetDateThermiqueMaxi(), EncodeDate(2031, 12, 31) + EncodeTime(23, 59, 58, 0));

    const TBytes modele = ReadHexVector("status/mouchard.hex");
    // The program number stays as it was for the edits 1 and 2.
    const std::tuple<Word, TErreurSerie, int, int> cas[] = {
        {0x0045, SerSansErreur, 0, 69},  {0x0080, SerSansErreur, 1, 69},
        {0x007F, SerSansErreur, 0, 127}, {0x0081, SerSansErreur, 2, 127},
        {0x0090, SerErrDonnees, 2, 127}, {0x0100, SerErrDonnees, 2, 127}};
    for (const auto& [mot, resultat, edition, programme] : cas) {
        TBytes octets = modele;
        octets[6] = HiByte(mot);
        octets[7] = LoByte(mot);
        EXPECT_EQ(TBancStatut::Decoder(*zone, octets), resultat) << mot;
        EXPECT_EQ(zone->GetDerniereEdition(), edition) << mot;
        EXPECT_EQ(zone->GetDernierProgrammeEdite(), programme) << mot;
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
