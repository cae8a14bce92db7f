#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/FakeDataProxy.h"
#include "support/HexVectors.h"
#include "support/ZonesTestKit.h"
#include "zones/LienProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

TBytes EncodeBloc(const TLienProcess& Lien, int Debut = 0) {
    return EncodeFichier(Lien, 0, Debut);
}

class LienProcessTest : public ::testing::Test {
protected:
    FakeDataProxy Proxy;
};

TEST_F(LienProcessTest, BlocksMatchTheirVectorsAndTrimOnDecode) {
    TLienProcessAvanceG20 lien(nullptr, PrcLienProcessAvance, 3, nullptr);
    lien.SetCommentaire("abc");
    const TBytes abc = ReadHexVector("lienprocess/g20_abc.hex");
    EXPECT_EQ(EncodeBloc(lien), abc); // 1000 bytes
    TLienProcessAvanceG20 relu(nullptr, PrcLienProcessAvance, 3, nullptr);
    EXPECT_EQ(relu.FileDecode(ToPayload(abc), 0), SerSansErreur);
    EXPECT_EQ(relu.GetCommentaire(), "abc");

    const TBytes points = ReadHexVector("lienprocess/avance_points.hex");
    TLienProcessAvance avance(nullptr, PrcLienProcessAvance, 3, nullptr);
    EXPECT_EQ(avance.FileDecode(ToPayload(points), 12345), SerSansErreur); // length unused
    EXPECT_EQ(avance.GetCommentaire(), "Ligne 3 - pièce 12");
    EXPECT_EQ(avance.GetNumPointLienProcess(1), "P1-100");
    EXPECT_EQ(avance.GetNumPointLienProcess(10), "P10-109");
    EXPECT_EQ(EncodeBloc(avance, 7), points); // 1200 bytes

    TBytes brut(1000, 0);
    const std::string texte = "Pi\xE8"
                              "ce 7 \t\r";
    std::copy(texte.begin(), texte.end(), brut.begin());
    relu.FileDecode(ToPayload(brut), 0);
    EXPECT_EQ(relu.GetCommentaire(), "Pièce 7");
}

TEST_F(LienProcessTest, PointNumbersRoundTripInTheOriginalLayout) {
    TLienProcess lien(nullptr, PrcLienProcess, 1, nullptr);
    lien.SetCommentaire("Ligne 3");
    for (int numero = 1; numero <= 10; ++numero)
        lien.SetNumPointLienProcess(numero, "P" + std::to_string(numero));
    const TBytes bloc = EncodeBloc(lien);
    ASSERT_EQ(bloc.size(), 1070u);
    EXPECT_EQ(bloc[1000], 'P');
    EXPECT_EQ(bloc[1001], '1');
    EXPECT_EQ(bloc[1002], 0);
    EXPECT_EQ(bloc[1063], 'P'); // tenth point number at 1000 + 9 * 7

    TLienProcess relu(nullptr, PrcLienProcess, 1, nullptr);
    relu.SetNumPointLienProcess(4, "old");
    relu.FileDecode(ToPayload(bloc), 1070);
    EXPECT_EQ(relu.GetCommentaire(), "Ligne 3");
    EXPECT_EQ(relu.GetNumPointLienProcess(4), "P4");
    EXPECT_EQ(relu.GetNumPointLienProcess(10), "P10");
    EXPECT_EQ(relu.GetNumPointLienProcess(11), "");
    relu.EffacerNumPointLienProcess(4);
    EXPECT_EQ(relu.GetNumPointLienProcess(4), "");
}

TEST_F(LienProcessTest, TextsLongerThanTheirFieldAreRefused) {
    TLienProcessAvance lien(nullptr, PrcLienProcessAvance, 1, nullptr);
    lien.SetCommentaire("garde");
    lien.SetNumPointLienProcess(2, "P2");
    EXPECT_EQ(ErrorOf([&] { lien.SetCommentaire(std::string(1001, 'x')); }),
              "String too long [1001/1000]");
    EXPECT_EQ(ErrorOf([&] { lien.SetNumPointLienProcess(2, std::string(21, 'y')); }),
              "String too long [21/20]");
    EXPECT_EQ(ErrorOf([&] { lien.SetNumPointLienProcess(2, std::string(20, 'y')); }), "");
    EXPECT_EQ(lien.GetCommentaire(), "garde");
    EXPECT_THROW(lien.SetCommentaire("\xE2\x82\xAC"), ERangeError); // a character above 255
    EXPECT_EQ(lien.GetCommentaire(), "garde");
    EXPECT_EQ(ErrorOf([&] { lien.SetCommentaire(std::string(1000, 'z')); }), "");
}

TEST_F(LienProcessTest, G20LinkHasNoPointNumbersAndRefusesControllerPayloads) {
    TKEVLogicalZone logique(nullptr, PrcProgrammes, 2);
    logique.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabLienProcess, &logique));
    TLienProcessAvanceG20 lien(nullptr, PrcLienProcessAvance, 2, &logique);
    const TKEVTabSheet* onglet = logique.GetTabByID("IDTabLienProcess");
    ASSERT_EQ(onglet->GetFieldCount(), 1);
    EXPECT_EQ(onglet->GetField(0)->GetFieldID(), "IDCommentaire");
    EXPECT_EQ(lien.GetNumPointLienProcess(1), "");
    lien.SetNumPointLienProcess(1, "P1"); // nowhere to store it
    EXPECT_EQ(lien.GetNumPointLienProcess(1), "");

    TByteArray trame{};
    trame[0] = 'x';
    EXPECT_EQ(lien.SerialDecode(trame, 1000), SerErrDonnees);
    EXPECT_EQ(lien.SerialEncode(trame, 7, 1000), 0);
    EXPECT_EQ((std::pair<int, int>{lien.GetTailleSendZone(), lien.GetTailleReceiveZone()}),
              (std::pair{1000, 1000}));
    EXPECT_EQ(lien.GetCommentaire(), "");
    EXPECT_EQ(lien.NomChamp("IDCommentaire"), "Lien process : Commentaire");
    EXPECT_EQ(lien.NomChamp("IDNumPointLienProcess"), "Lien process : Numéros de points");
}

TEST_F(LienProcessTest, AssignAcrossLayouts) {
    TLienProcess ancien(nullptr, PrcLienProcess, 9, nullptr);
    ancien.SetCommentaire("ancien");
    for (int numero = 1; numero <= 10; ++numero)
        ancien.SetNumPointLienProcess(numero, "P" + std::to_string(numero));

    TLienProcessAvance avance(nullptr, PrcLienProcessAvance, 9, nullptr);
    avance.Assign(&ancien);
    EXPECT_EQ(avance.GetTypeZone(), PrcLienProcessAvance); // values only, not the identity
    EXPECT_EQ(avance.GetCommentaire(), "ancien");
    for (int numero = 1; numero <= 10; ++numero)
        EXPECT_EQ(avance.GetNumPointLienProcess(numero), "P" + std::to_string(numero));

    TLienProcessAvanceG20 g20(nullptr, PrcLienProcessAvance, 9, nullptr);
    g20.SetCommentaire("g20");
    avance.Assign(&g20); // the comment only: the G20 link has no point numbers
    EXPECT_EQ(avance.GetCommentaire(), "g20");
    EXPECT_EQ(avance.GetNumPointLienProcess(10), "P10");

    TLienProcessAvance autre(nullptr, PrcLienProcessAvance, 4, nullptr);
    autre.Assign(&avance); // same layout: through the zone base
    EXPECT_EQ(autre.GetNumeroZone(), 9);
    EXPECT_EQ(autre.GetNumPointLienProcess(3), "P3");
    EXPECT_EQ(EncodeBloc(autre), EncodeBloc(avance));

    g20.Assign(&avance);
    EXPECT_EQ(g20.GetCommentaire(), "g20");
    EXPECT_THROW(ancien.Assign(nullptr), EConvertError);
}

} // namespace
