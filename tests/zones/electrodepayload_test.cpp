// The 79-byte controller payload of the G20 electrode: byte-exact vectors, round trips,
// refused payloads and the coded transformer frequency and water flow.
#include "interface/KEVInterface.h"
#include "model/KEVField.h"
#include "support/ElectrodeTestEprom.h"
#include "support/Format.h"
#include "support/HexVectors.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace g20seq {
namespace {

using testkit::FromPayload;
using testkit::ReadHexVector;
using testkit::TBancElectrode;
using testkit::TBytes;
using testkit::ToHex;
using testkit::ToPayload;
using testkit::TZoneEmpruntee;

constexpr int Taille = TElectrodeG20::TaillePayload;

TBytes Encode(const TCustomZoneCPS& Zone) {
    return testkit::EncodeSerie(Zone, Taille);
}

struct TVecteur {
    const char* Fichier;
    TTypeCourant Courant;
    Byte Frequence;
    TTypeZones Zone; // the zone whose values the payload carries
};

constexpr TVecteur Vecteurs[] = {
    {"electrode/fresh_ac_50hz.hex", tcAC, 50, PrcElectrodes},
    {"electrode/fresh_ac_60hz.hex", tcAC, 60, PrcElectrodes},
    {"electrode/fresh_mf_50hz.hex", tcMF, 50, PrcElectrodes},
    {"electrode/mini_ac.hex", tcAC, 50, PrcElectrodeMini},
    {"electrode/maxi_ac.hex", tcAC, 50, PrcElectrodeMaxi},
    {"electrode/mini_mf.hex", tcMF, 60, PrcElectrodeMini},
    {"electrode/maxi_mf.hex", tcMF, 60, PrcElectrodeMaxi},
};

TEST(ElectrodePayload, VectorsAreEncodedByteForByteAndDecodeBack) {
    for (const TVecteur& vecteur : Vecteurs) {
        SCOPED_TRACE(vecteur.Fichier);
        TBancElectrode banc(vecteur.Courant, tiINTERBUS_S, vecteur.Frequence);
        const TBytes attendu = ReadHexVector(vecteur.Fichier);
        ASSERT_EQ(attendu.size(), static_cast<std::size_t>(Taille));
        TZoneEmpruntee zone(*banc.Eprom, vecteur.Zone, 0);
        auto electrode = banc.CopieEnElectrode(*zone.Get());
        EXPECT_EQ(ToHex(Encode(*electrode)), ToHex(attendu));

        auto relue = banc.NouvelleElectrode();
        relue->SetPalier(3, 77);
        ASSERT_EQ(relue->SerialDecode(ToPayload(attendu), Taille), SerSansErreur);
        EXPECT_TRUE(relue->Equals(electrode.get()));
        EXPECT_EQ(ToHex(Encode(*relue)), ToHex(attendu));
    }
}

TEST(ElectrodePayload, OnlyElectrodesEncodeAtTheGivenIndexLeavingTheLastByte) {
    TBancElectrode banc;
    auto electrode = banc.NouvelleElectrode();
    TByteArray trame{};
    trame.fill(0xAA);
    EXPECT_EQ(electrode->SerialEncode(trame, 100, 0), 100 + Taille);
    EXPECT_EQ(trame[99], 0xAA);
    EXPECT_EQ(trame[100 + 51], 10);
    EXPECT_EQ(trame[100 + 52], 0);
    EXPECT_EQ(trame[100 + 78], 0xAA);
    TByteArray fichier{};
    fichier.fill(0xAA);
    EXPECT_EQ(electrode->FileEncode(fichier, 0, Taille), Taille);
    EXPECT_EQ(ToHex(FromPayload(fichier, 0, Taille)), ToHex(FromPayload(trame, 100, Taille)));
    EXPECT_EQ(electrode->FileDecode(fichier, Taille), SerSansErreur);
    // The last written byte (77) must fit the buffer.
    EXPECT_EQ(electrode->SerialEncode(trame, MaxBuffer - 78, 0), MaxBuffer + 1);
    EXPECT_THROW(electrode->SerialEncode(trame, MaxBuffer - 77, 0), ERangeError);
    for (TTypeZones type : {PrcElectrodeMini, PrcElectrodeMaxi, PrcElectrodesRAZ}) {
        TZoneEmpruntee companion(*banc.Eprom, type, 0);
        EXPECT_EQ(companion->SerialEncode(trame, 0, Taille), 0);
        EXPECT_EQ(companion->FileEncode(trame, 0, Taille), 0);
    }
}

TEST(ElectrodePayload, RefusedPayloadsLeaveTheZoneUnchanged) {
    TBancElectrode banc;
    auto electrode = banc.NouvelleElectrode();
    const TBytes avant = Encode(*electrode);
    TBytes octets = ReadHexVector("electrode/maxi_ac.hex");
    banc.Proxy.ClearLogs();
    // One byte short or long: refused without a log.
    for (int longueur : {Taille - 1, Taille + 1}) {
        EXPECT_EQ(electrode->SerialDecode(ToPayload(octets), longueur), SerErrDonnees);
        EXPECT_EQ(electrode->FileDecode(ToPayload(octets), longueur), SerErrDonnees);
    }
    EXPECT_TRUE(banc.Proxy.Logs().empty());
    // A value outside its limits: refused with the decode log.
    octets[21] = 0xE8; // IDAlarme 1000, maximum 999
    EXPECT_EQ(electrode->SerialDecode(ToPayload(octets), Taille), SerErrDonnees);
    EXPECT_EQ(Encode(*electrode), avant);
    const auto logs = banc.Proxy.Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(testkit::Journal(logs[0]),
              "SerialDecode|Erreur decodage Offset 20 (03/E8)|LngTrame 79 Trame " + ToHex(octets) +
                  "|2|ZRT Handling");
}

TEST(ElectrodePayload, CodedFieldsRefuseValuesAndCodesOutsideTheirThree) {
    // Field, its value (or the code written at the offset when one is given), offset, source
    // and text of the log.
    const std::tuple<const char*, int, int, const char*, const char*> cas[] = {
        {"IDDebitEau", 5, 0, "GetDebitEau", "Valeur incorrecte pour le champ '5'"},
        {"IDFrequenceTransformateur", 900, 0, "GetFrequenceTransfo",
         "Valeur incorrecte pour le champ '900'"},
        {"IDFrequenceTransformateur", 3, 55, "SetFrequenceTransfo",
         "Valeur incorrecte pour le champ '1000'"},
        {"IDDebitEau", 255, 56, "SetDebitEau", "Valeur incorrecte pour le champ '4'"},
    };
    for (const auto& [fieldID, valeur, offset, source, texte] : cas) {
        SCOPED_TRACE(source);
        TBancElectrode banc;
        auto electrode = banc.NouvelleElectrode();
        TByteArray trame = ToPayload(ReadHexVector("electrode/maxi_ac.hex"));
        std::string message;
        if (offset == 0) {
            electrode->SetAsInteger(fieldID, valeur);
            banc.Proxy.ClearLogs();
            message = testkit::ErrorOf([&] { electrode->SerialEncode(trame, 0, Taille); });
        } else {
            trame[static_cast<std::size_t>(offset)] = static_cast<Byte>(valeur);
            EXPECT_EQ(electrode->SerialDecode(trame, Taille), SerErrDonnees);
            EXPECT_EQ(electrode->GetRawValue("IDAlarme"), 0);
        }
        const auto logs = banc.Proxy.Logs();
        ASSERT_EQ(logs.size(), offset == 0 ? 1u : 2u);
        EXPECT_EQ(logs[0].Source, source);
        EXPECT_EQ(logs[0].Text1, texte);
        EXPECT_EQ(logs[0].Level, 2);
        const std::string attendu =
            offset == 0 ? texte
                        : Format("Erreur decodage Offset %d (%2.2X/%2.2X)", offset, valeur,
                                 trame[static_cast<std::size_t>(offset) + 1]);
        EXPECT_EQ(offset == 0 ? message : logs.back().Text1, attendu);
    }
}

// Gives every field a random raw value within its limits; the coded fields take one of
// their three allowed values.
void Randomise(TElectrodeG20& Electrode, std::mt19937& Hasard) {
    auto tirer = [&Hasard](Int64 Min, Int64 Max) {
        return std::uniform_int_distribution<Int64>(Min, Max)(Hasard);
    };
    auto randomiser = [&](TKEVField* Field) {
        if (auto* raw = dynamic_cast<IRawNumericField*>(Field))
            raw->SetRawValue(tirer(raw->GetRawMin(), raw->GetRawMax()));
        else if (auto* signe = dynamic_cast<IRawSignedNumericField*>(Field))
            signe->SetRawValue(tirer(signe->GetRawMin(), signe->GetRawMax()));
    };
    for (int i = 0; i < Electrode.GetFieldCount(); ++i) {
        TKEVField* field = Electrode.GetFields(i);
        if (auto* tableau = dynamic_cast<IKEVArrayField*>(field))
            for (int k = 0; k < tableau->GetCount(); ++k)
                randomiser(tableau->GetField(k));
        else
            randomiser(field);
    }
    Electrode.SetRawValue("IDFrequenceTransformateur", 800 + 200 * tirer(0, 2));
    Electrode.SetRawValue("IDDebitEau", 4 + 2 * tirer(0, 2));
}

TEST(ElectrodePayload, RandomValidZonesSurviveARoundTrip) {
    std::mt19937 hasard(20240607);
    for (TTypeCourant courant : {tcAC, tcMF}) {
        TBancElectrode banc(courant);
        for (int essai = 0; essai < 200; ++essai) {
            auto electrode = banc.NouvelleElectrode(5);
            Randomise(*electrode, hasard);
            const TBytes octets = Encode(*electrode);
            auto relue = banc.NouvelleElectrode(5);
            ASSERT_EQ(relue->SerialDecode(ToPayload(octets), Taille), SerSansErreur);
            ASSERT_TRUE(relue->Equals(electrode.get())) << ToHex(octets);
            ASSERT_EQ(Encode(*relue), octets);
            ASSERT_EQ(relue->IsModeAmperes(), electrode->IsModeAmperes());
        }
        EXPECT_TRUE(banc.Proxy.Logs().empty());
    }
}

} // namespace
} // namespace g20seq
