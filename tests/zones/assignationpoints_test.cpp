// The point assignment entry: fields, the 22-byte payload (byte-exact vectors, refused
// payloads, round trips) and the family.part.point display mode of the configuration.
#include "model/KEVNumericFields.h"
#include "support/Exceptions.h"
#include "support/HexVectors.h"
#include "support/PointsTestEprom.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancPoints;
using testkit::TBytes;
using testkit::ToHex;
using testkit::ToPayload;

constexpr int Taille = TAssignationPoints::TaillePayload;

std::string Encode(const TAssignationPoints& Zone) {
    return ToHex(testkit::EncodeSerie(Zone, Taille));
}

TEST(AssignationPoints, FieldsTakeTheStationsProgramRangeAndTheirCaptions) {
    TBancPoints banc;
    auto zone = banc.Nouvelle();
    auto* prog = dynamic_cast<TKEVIntegerField*>(zone->GetFieldByID("IDProgAssocie"));
    ASSERT_NE(prog, nullptr);
    EXPECT_EQ(prog->GetMax(), 127);
    EXPECT_EQ(zone->GetTailleNumPoint(), 20);
    banc.Proxy.AddTranslation("IDAssignationPoints", "IDNumPoint", "Point number");
    EXPECT_EQ(zone->NomChamp("IDNumPoint"), "Point number");
}

struct TVecteur {
    const char* Fichier;
    bool Valide;
    const char* NumPointCPS;
    int NumProg;
    const char* Reencode; // when the entry encodes to other bytes than it was read from
};

constexpr TVecteur Vecteurs[] = {
    {"points/points_invalid_default.hex", false, "", 0, nullptr},
    {"points/points_valid_prog127.hex", true, "000256012AB", 127, nullptr},
    {"points/points_full_length.hex", true, "ABCDEFGHIJ0123456789", 64, nullptr},
    {"points/points_invalid_garbage.hex", false, "", 5,
     "FF 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00 05"},
    {"points/points_nul_padded.hex", true, "P7", 3,
     "50 37 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 00 03"},
};

TEST(AssignationPoints, VectorsDecodeAndEncodeByteForByte) {
    TBancPoints banc;
    EXPECT_EQ(Encode(*banc.Nouvelle()), ToHex(ReadHexVector(Vecteurs[0].Fichier)));
    for (const TVecteur& vecteur : Vecteurs) {
        SCOPED_TRACE(vecteur.Fichier);
        const TBytes octets = ReadHexVector(vecteur.Fichier);
        auto zone = banc.Nouvelle();
        zone->SetPointValide(true);
        zone->SetNumPointCPS("avant");
        ASSERT_EQ(zone->FileDecode(ToPayload(octets), Taille), SerSansErreur);
        EXPECT_EQ(zone->GetPointValide(), vecteur.Valide);
        EXPECT_EQ(zone->GetNumPointCPS(), vecteur.NumPointCPS);
        EXPECT_EQ(zone->GetNumProg(), vecteur.NumProg);
        EXPECT_EQ(Encode(*zone), vecteur.Reencode ? vecteur.Reencode : ToHex(octets));
    }
}

TEST(AssignationPoints, RefusedPayloadsLeaveTheZoneUnchanged) {
    TBancPoints banc;
    auto zone = banc.Nouvelle();
    zone->SetPointValide(true);
    zone->SetNumPointCPS("P0");
    zone->SetNumProg(9);
    const std::string avant = Encode(*zone);
    EXPECT_EQ(zone->SerialDecode(ToPayload(ReadHexVector("points/points_prog300.hex")), Taille),
              SerErrDonnees);
    const TByteArray valide = ToPayload(ReadHexVector("points/points_valid_prog127.hex"));
    EXPECT_EQ(zone->SerialDecode(valide, Taille - 1), SerErrDonnees);
    EXPECT_EQ(zone->SerialDecode(valide, Taille + 1), SerErrDonnees);
    EXPECT_EQ(Encode(*zone), avant);
    EXPECT_THROW(zone->SetNumProg(128), EFieldError);
    EXPECT_EQ(testkit::ErrorOf([&] { zone->SetNumPoint(std::string(21, 'X')); }),
              "String too long [21/20]");
    EXPECT_THROW(zone->SetNumPointCPS(std::string(21, 'X')), Exception);
}

TEST(AssignationPoints, FamilyPartPointModeConvertsThroughTheConfiguration) {
    TBancPoints banc;
    auto zone = banc.Nouvelle();
    zone->SetPointValide(true);
    zone->SetNumPoint("AB.012.000256");
    EXPECT_EQ(zone->GetNumPointCPS(), "AB.012.000256"); // mode 0: unchanged

    banc.SetMode(ModeFormatPSA); // read from the EPROM at every access
    zone->SetNumPoint("AB.012.000256   ");
    EXPECT_EQ(zone->GetNumPointCPS(), "000256012AB");
    EXPECT_EQ(zone->GetNumPoint(), "AB.012.000256");
    zone->SetPointValide(false);
    EXPECT_EQ(zone->GetNumPoint(), "");

    // Pieces clamp at the end of a short text: nothing throws.
    EXPECT_EQ(NumPointAffiche("ABC"), "..ABC");
    EXPECT_EQ(NumPointAffiche("000256012ABXYZ"), "AB.012.000256");
    EXPECT_EQ(NumPointStocke("AB.01"), "01AB");
    EXPECT_EQ(NumPointStocke("AB.012.0002567890"), "000256012AB");
}

TEST(AssignationPoints, RandomEntriesSurviveEncodeAndDecode) {
    TBancPoints banc;
    std::mt19937 alea(20);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int essai = 0; essai < 200; ++essai) {
        auto zone = banc.Nouvelle();
        std::string point(std::uniform_int_distribution<int>(1, 20)(alea), ' ');
        for (char& c : point)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(alea)];
        zone->SetPointValide(essai % 5 != 0);
        zone->SetNumPointCPS(point);
        zone->SetNumProg(std::uniform_int_distribution<int>(0, 127)(alea));
        TByteArray trame{};
        zone->SerialEncode(trame, 0, Taille);
        auto relue = banc.Nouvelle();
        ASSERT_EQ(relue->SerialDecode(trame, Taille), SerSansErreur);
        EXPECT_EQ(Encode(*relue), Encode(*zone));
        EXPECT_EQ(relue->GetNumPointCPS(), zone->GetNumPointCPS()) << point;
    }
}

} // namespace
} // namespace g20seq
