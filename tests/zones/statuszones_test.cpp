#include "support/StatusTestEprom.h"
#include "zones/Apprentissage.h"
#include "zones/Identification.h"
#include "zones/LanguesEffectives.h"
#include "zones/Mesure.h"
#include "zones/Mouchard.h"
#include "zones/Periodes.h"
#include "zones/SignaturesPerdues.h"
#include "zones/Soudage.h"
#include "zones/Thermique.h"
#include "zones/TypeLogicielsAdditionnels.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancStatut;
using testkit::TBytes;
using TEntiers = std::vector<long long>;
using TTextes = std::vector<std::string>;

void PutWordInto(TBytes& Octets, std::size_t Index, unsigned Valeur) {
    Octets[Index] = HiByte(static_cast<Word>(Valeur));
    Octets[Index + 1] = LoByte(static_cast<Word>(Valeur));
}

template <class TZone>
std::unique_ptr<TZone> Lue(TBancStatut& Banc, TTypeZones Type, const std::string& Vecteur) {
    auto zone = Banc.Nouvelle<TZone>(Type);
    if (zone == nullptr || TBancStatut::Decoder(*zone, ReadHexVector(Vecteur)) != SerSansErreur)
        ADD_FAILURE() << Vecteur << " not decoded";
    return zone;
}

TEST(StatusZones, WeldValuesHalfPeriodsIdentificationAndLanguages) {
    TBancStatut banc;
    auto soudage = Lue<TSoudageG20>(banc, PrcSoudage, "status/soudage.hex");
    EXPECT_EQ((TEntiers{soudage->GetPhiePlus(), soudage->GetOffsetMesure(), soudage->GetMode()}),
              (TEntiers{500, 65436, 3}));
    EXPECT_DOUBLE_EQ(soudage->GetMesureIntensitePlus(true), 12000.0);
    EXPECT_DOUBLE_EQ(soudage->GetConsigneIntensite(false), 110.0);

    auto thermique = Lue<TThermiqueG20>(banc, PrcThermique, "status/thermique.hex");
    EXPECT_DOUBLE_EQ(thermique->GetIntensiteThermique(false), 80.0);

    auto periodes = Lue<TPeriodesG20>(banc, PrcPeriodes, "status/periodes.hex");
    EXPECT_DOUBLE_EQ(periodes->GetIntensiteMoins(false), 119.99);
    EXPECT_DOUBLE_EQ(periodes->GetPctIntensite(), 123.45);
    EXPECT_DOUBLE_EQ(periodes->GetTensionMoins(), 39.99);
    EXPECT_EQ((TEntiers{periodes->GetPsiMoins(), periodes->GetConsigne()}), (TEntiers{84, 11000}));
    EXPECT_DOUBLE_EQ(periodes->GetPctIntensiteMesuree(), 100.0);

    // Read-only: nothing written, no file form, one byte too many refused.
    auto trame = std::make_unique<TByteArray>();
    EXPECT_EQ(periodes->SerialEncode(*trame, 0, 26), 0);
    EXPECT_EQ(periodes->FileDecode(*trame, 26), SerErrZoneRead);
    EXPECT_EQ(TBancStatut::Decoder(*thermique, {0, 0, 0}), SerErrDonnees);

    auto ident = Lue<TIdentificationG20>(banc, PrcIdentification, "status/identification.hex");
    EXPECT_EQ((TTextes{ident->GetVersionLogiciel(), ident->GetVersionProtocole(),
                       ident->GetGroupeStatistiqueVente(), ident->GetNumeroIncremental()}),
              (TTextes{"512", "103", "ST01", "042"}));
    TBytes courte = ReadHexVector("status/identification.hex");
    courte.pop_back();
    EXPECT_EQ(TBancStatut::Decoder(*ident, courte), SerErrDonnees);

    auto logiciels = Lue<TTypeLogicielsAdditionnelsG20>(banc, PrcTypeLogicielsAdditionnels,
                                                        "status/logiciels_additionnels.hex");
    EXPECT_EQ((TTextes{logiciels->GetVersion2ndProcesseur(), logiciels->GetComplement2ndProc(),
                       logiciels->GetTypeLogicielCarteMF(), logiciels->GetComplementCarteMF()}),
              (TTextes{"2", "X", "C1", ""}));
    auto autre = banc.Nouvelle<TTypeLogicielsAdditionnelsG20>(PrcTypeLogicielsAdditionnels);
    TStringList differences;
    EXPECT_TRUE(logiciels->EqualsDetails(autre.get(), &differences));
    EXPECT_EQ(differences.Count(), 0);

    auto langues = Lue<TLanguesEffectivesG20>(banc, PrcLanguesEffectives, "status/langues.hex");
    EXPECT_EQ(langues->GetLangueEffective(0), 1);
    EXPECT_EQ(langues->GetLangueEffective(8), 5);
    EXPECT_THROW(langues->GetLangueEffective(9), ERangeError);
}

TEST(StatusZones, MeasurementsFollowTheControllerVariant) {
    {
        TBancStatut mf(true);
        auto mesure = Lue<TMesureG20>(mf, PrcMesures, "status/mesure_mf.hex");
        EXPECT_EQ((TEntiers{mesure->GetTailleReceiveZone(), mesure->GetIntensitePrimaire(),
                            mesure->GetIntensiteParametree(), mesure->GetEffortMesure()}),
                  (TEntiers{18, 400, 12000, 9999}));
        EXPECT_DOUBLE_EQ(mesure->GetIntensiteMesuree(false), 120.0);
        EXPECT_EQ(TBancStatut::Decoder(*mesure, ReadHexVector("status/mesure_ac.hex")),
                  SerErrDonnees);
    }
    TBancStatut ac;
    auto mesure = Lue<TMesureG20>(ac, PrcMesures, "status/mesure_ac.hex");
    EXPECT_DOUBLE_EQ(mesure->GetPctEquivalent(), 80.1);
    EXPECT_EQ((TEntiers{mesure->GetTailleReceiveZone(), mesure->GetEffortMesure(),
                        mesure->GetDureeTempsAccostage()}),
              (TEntiers{14, 4000, 250}));

    TBytes effort = ReadHexVector("status/mesure_ac.hex");
    PutWordInto(effort, 10, 10000);
    TBytes accostage = ReadHexVector("status/mesure_ac.hex");
    accostage[13] = 251;
    EXPECT_EQ(TBancStatut::Decoder(*mesure, effort), SerErrDonnees);
    ASSERT_FALSE(ac.Proxy.Logs().empty());
    EXPECT_EQ(ac.Proxy.Logs().back().Text1, "Erreur decodage Offset 10 (27/10)");
    EXPECT_EQ(TBancStatut::Decoder(*mesure, accostage), SerErrDonnees);
    EXPECT_EQ(mesure->GetEffortMesure(), 4000);
}

TEST(StatusZones, LostSignaturesAndLearningAreWrittenBack) {
    TBancStatut banc(true);
    auto perdues =
        Lue<TSignaturesPerduesG20>(banc, PrcSignaturesPerdues, "status/signatures_perdues.hex");
    EXPECT_EQ(perdues->GetNbSignaturesPerdues(), 42);
    perdues->SetNbSignaturesPerdues(0x1234);
    EXPECT_EQ(TBancStatut::Encoder(*perdues), (TBytes{0x12, 0x34}));
    auto trame = std::make_unique<TByteArray>();
    EXPECT_EQ(perdues->FileDecode(*trame, 2), SerErrZoneRead);

    const TBytes octets = ReadHexVector("status/apprentissage.hex");
    auto appr = Lue<TApprentissage>(banc, PrcApprentissage, "status/apprentissage.hex");
    EXPECT_EQ(
        (TEntiers{appr->GetGainStatique(), appr->GetTensionApprentissage(), appr->GetTempsMonte()}),
        (TEntiers{1000, 8000, 15}));
    EXPECT_EQ(TBancStatut::Encoder(*appr), octets);
    // Its zone-file block is the same payload, both ways.
    auto copie = banc.Nouvelle<TApprentissage>(PrcApprentissage, 15);
    EXPECT_EQ(appr->FileEncode(*trame, 4, 13), 17);
    EXPECT_EQ(copie->FileDecode(testkit::ToPayload(testkit::FromPayload(*trame, 4, 13)), 13),
              SerSansErreur);
    EXPECT_EQ(copie->GetCoefficientOndulationA(), 300);
    EXPECT_EQ(copie->GetNumeroZone(), 15);
}

// Random payloads within the limits of each item decode, and the zone's table writes
// them back byte for byte.
template <class TZone>
void AllerRetour(TBancStatut& Banc, TTypeZones Type,
                 const std::function<void(TBytes&, std::mt19937&)>& Limiter = {}) {
    std::mt19937 alea(20240309);
    auto zone = Banc.Nouvelle<TZone>(Type);
    const int taille = zone->Layout().Size();
    auto trame = std::make_unique<TByteArray>();
    for (int essai = 0; essai < 200; ++essai) {
        TBytes octets(static_cast<std::size_t>(taille));
        for (Byte& octet : octets)
            octet = static_cast<Byte>(alea());
        if (Limiter)
            Limiter(octets, alea);
        ASSERT_EQ(TBancStatut::Decoder(*zone, octets), SerSansErreur) << testkit::ToHex(octets);
        trame->fill(0);
        EXPECT_EQ(zone->Layout().Encode(*zone, *trame, 0), taille);
        ASSERT_EQ(testkit::FromPayload(*trame, 0, taille), octets) << testkit::ToHex(octets);
    }
}

TEST(StatusZones, RandomValidPayloadsRoundTrip) {
    TBancStatut ac;
    TBancStatut mf(true);
    AllerRetour<TSoudageG20>(ac, PrcSoudage);
    AllerRetour<TThermiqueG20>(ac, PrcThermique);
    AllerRetour<TPeriodesG20>(ac, PrcPeriodes);
    AllerRetour<TIdentificationG20>(ac, PrcIdentification);
    AllerRetour<TSignaturesPerduesG20>(ac, PrcSignaturesPerdues);
    AllerRetour<TApprentissage>(mf, PrcApprentissage);
    AllerRetour<TTypeLogicielsAdditionnelsG20>(ac, PrcTypeLogicielsAdditionnels,
                                               [](TBytes& o, std::mt19937&) {
                                                   for (Byte& octet : o)
                                                       octet = std::max<Byte>(octet, ' ');
                                               });
    const auto mesure = [](std::size_t Effort) {
        return [Effort](TBytes& o, std::mt19937& alea) {
            PutWordInto(o, Effort, alea() % 10000);
            PutWordInto(o, Effort + 2, alea() % 251);
        };
    };
    AllerRetour<TMesureG20>(ac, PrcMesures, mesure(10));
    AllerRetour<TMesureG20>(mf, PrcMesures, mesure(14));
    AllerRetour<TMouchardG20>(ac, PrcMouchard, [](TBytes& o, std::mt19937& alea) {
        o[3] = static_cast<Byte>(alea() % 255);
        o[4] &= 0xB6; // the five flags
        o[5] = 0;     // unused, never written
        const Word editions[] = {0x0080, 0x0081, static_cast<Word>(alea() % 128)};
        PutWordInto(o, 6, editions[alea() % 3]);
        PutWordInto(o, 10, alea() % 10000);
        const TBytes date = {static_cast<Byte>(alea() % 100),    static_cast<Byte>(1 + alea() % 12),
                             static_cast<Byte>(1 + alea() % 28), static_cast<Byte>(alea() % 24),
                             static_cast<Byte>(alea() % 60),     static_cast<Byte>(alea() % 60)};
        std::copy(date.begin(), date.end(), o.begin() + 14);
    });
}

} // namespace
} // namespace g20seq
