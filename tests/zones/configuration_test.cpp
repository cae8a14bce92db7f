// The 183-byte configuration frame: byte-exact vectors, companions, round trips over random
// configurations, refused frames and the access bit of every screen.
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "support/ConfigurationTestEprom.h"
#include "support/Format.h"
#include "support/HexVectors.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace g20seq {
namespace {

using testkit::TBancConfiguration;
using testkit::TVarianteConfiguration;

constexpr int Taille = TailleTrameConfiguration;

testkit::TBytes Encode(const TConfigurationG20& Zone) {
    return testkit::EncodeSerie(Zone, Taille);
}

// "ID=value" per field (array elements as "ID[i]"), in the zone's field order: numeric
// fields give their raw value, the others their quoted text.
std::vector<std::string> ValeursChamps(const TZoneCPS& Zone) {
    std::vector<std::string> lignes;
    const auto ligne = [&](const std::string& nom, const TKEVField& field) {
        const auto* raw = dynamic_cast<const IRawNumericField*>(&field);
        lignes.push_back(nom + "=" +
                         (raw != nullptr ? std::to_string(raw->GetRawValue())
                                         : QuotedFieldText(field.GetAsString())));
    };
    for (int i = 0; i < Zone.GetFieldCount(); ++i) {
        const TKEVField& field = *Zone.GetFields(i);
        if (const auto* tableau = dynamic_cast<const TKEVArrayField*>(&field)) {
            for (int k = 0; k < tableau->GetCount(); ++k)
                ligne(Format("%s[%d]", field.GetFieldID(), k), *tableau->GetField(k));
        } else {
            ligne(field.GetFieldID(), field);
        }
    }
    return lignes;
}

std::vector<std::string> LireValeurs(const std::string& Nom) {
    std::ifstream file(testkit::TestDataPath(Nom));
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(file, ligne);)
        if (!ligne.empty() && ligne[0] != '#')
            lignes.push_back(ligne);
    return lignes;
}

struct TVecteur {
    const char* Fichier;
    TVarianteConfiguration Variante;
};

const TVecteur Vecteurs[] = {
    {"configuration/fresh_ac_fieldbus.hex", {}},
    {"configuration/fresh_mf.hex", {tcMF}},
    {"configuration/fresh_ac_tor.hex", {tcAC, tiTOR}},
    {"configuration/fresh_ac_profil_c1.hex", {tcAC, tiINTERBUS_S, {thNoKeyReady}, true}},
};

TEST(ConfigurationFrame, FreshConfigurationsMatchTheirVectors) {
    for (const TVecteur& vecteur : Vecteurs) {
        SCOPED_TRACE(vecteur.Fichier);
        TBancConfiguration banc(vecteur.Variante);
        const testkit::TBytes attendu = testkit::ReadHexVector(vecteur.Fichier);
        EXPECT_EQ(testkit::ToHex(Encode(banc.Zone())), testkit::ToHex(attendu));

        // Written at its index; byte 105 keeps what the buffer held.
        TByteArray trame;
        trame.fill(0xA5);
        EXPECT_EQ(banc.Zone().SerialEncode(trame, 7, 0), 7 + Taille);
        EXPECT_EQ(trame[6], 0xA5);
        EXPECT_EQ(trame[7 + 105], 0xA5);
        EXPECT_EQ(trame[7 + Taille], 0xA5);

        // The file form is the frame itself.
        TByteArray fichier{};
        EXPECT_EQ(banc.Zone().FileEncode(fichier, 0, Taille), Taille);
        EXPECT_EQ(testkit::FromPayload(fichier, 0, Taille), attendu);
        auto copie = banc.Nouvelle();
        copie->SetAsInteger(ChampsConfiguration::IDLangue, 3);
        EXPECT_EQ(copie->FileDecode(testkit::ToPayload(attendu), Taille), SerSansErreur);
        EXPECT_TRUE(copie->Equals(&banc.Zone()));
        EXPECT_EQ(copie->GetLangue(), 0);
    }
}

TEST(ConfigurationFrame, CompanionsHoldTheLimitsAndEncodeNothing) {
    TBancConfiguration banc({tcAC, tiINTERBUS_S, {thNoKeyReady}, true});
    // Companion, its field values, whether its screens are managed and configurable.
    const std::tuple<TTypeZones, const char*, bool> companions[] = {
        {PrcConfigurationMini, "configuration/mini_fields.txt", false},
        {PrcConfigurationMaxi, "configuration/maxi_fields.txt", true}};
    for (const auto& [type, fichier, maximum] : companions) {
        SCOPED_TRACE(fichier);
        auto zone = banc.Nouvelle(type);
        EXPECT_EQ(ValeursChamps(*zone), LireValeurs(fichier));
        for (int i = 0; i < zone->GetNbEcrans(); ++i) {
            EXPECT_EQ(zone->GetEcranParIndex(i)->GetGerer(), maximum);
            EXPECT_EQ(zone->GetEcranParIndex(i)->GetConfigurable(), maximum);
        }
        TByteArray trame;
        trame.fill(0xA5);
        EXPECT_EQ(zone->SerialEncode(trame, 3, Taille), 0);
        EXPECT_EQ(testkit::FromPayload(trame, 0, 200), testkit::TBytes(200, 0xA5));
    }
    auto raz = banc.Nouvelle(PrcConfigurationRAZ);
    auto fraiche = banc.Nouvelle();
    for (int i = 0; i < raz->GetFieldCount(); ++i)
        EXPECT_TRUE(raz->GetFields(i)->EqualsDetails(fraiche->GetFields(i), nullptr))
            << raz->GetFields(i)->GetFieldID();
}

// Output states of the two-gun stations: fields of the zone that the frame does not carry.
const std::set<std::string> HorsTrame = {"IDReposALE1NF",           "IDReposALE2NF",
                                         "IDReposFVE1NF",           "IDReposFVE2NF",
                                         "IDActionALE1Clignotante", "IDActionALE2Clignotante",
                                         "IDActionFVE1Clignotante", "IDActionFVE2Clignotante"};

// Random values within the limits of every field the frame carries: texts of up to their
// size from letters, digits and spaces, any address, any raw value between the limits.
void Randomise(TConfigurationG20& Zone, std::mt19937& Alea) {
    const auto entre = [&](int Min, int Max) {
        return std::uniform_int_distribution<int>(Min, Max)(Alea);
    };
    const auto randomise = [&](TKEVField& field) {
        if (auto* raw = dynamic_cast<IRawNumericField*>(&field)) {
            raw->SetRawValue(entre(raw->GetRawMin(), raw->GetRawMax()));
        } else if (auto* adresse = dynamic_cast<IKEVAddressField*>(&field)) {
            adresse->SetAddress(static_cast<LongWord>(Alea()));
        } else if (auto* texte = dynamic_cast<TKEVStringField*>(&field)) {
            static const std::string lettres = "ABCZabcz0189    ";
            std::string nom(static_cast<std::size_t>(entre(0, texte->GetSize())), ' ');
            for (char& c : nom)
                c = lettres[static_cast<std::size_t>(entre(0, 15))];
            texte->SetAsString(nom);
        }
    };
    for (int i = 0; i < Zone.GetFieldCount(); ++i) {
        TKEVField& field = *Zone.GetFields(i);
        if (HorsTrame.count(field.GetFieldID()) != 0)
            continue;
        if (auto* tableau = dynamic_cast<TKEVArrayField*>(&field))
            for (int k = 0; k < tableau->GetCount(); ++k)
                randomise(*tableau->GetField(k));
        else
            randomise(field);
    }
}

TEST(ConfigurationFrame, EncodeThenDecodeGivesTheSameConfiguration) {
    std::mt19937 alea(20240517);
    for (const bool profilC1 : {false, true}) {
        TBancConfiguration banc({tcMF, tiTOR, {thDatakey, thNoKeyReady}, profilC1});
        for (int essai = 0; essai < 60; ++essai) {
            auto source = banc.Nouvelle();
            Randomise(*source, alea);
            const std::string nom = source->GetIdentifiantCPS();
            auto lue = banc.Nouvelle();
            ASSERT_EQ(lue->SerialDecode(testkit::ToPayload(Encode(*source)), Taille),
                      SerSansErreur);
            EXPECT_EQ(lue->GetIdentifiantCPS(), TrimRight(nom));
            source->SetAsString("IDNomCPS", TrimRight(nom));
            TStringList differences;
            for (int i = 0; i < source->GetFieldCount(); ++i)
                lue->GetFields(i)->EqualsDetails(source->GetFields(i), &differences);
            EXPECT_EQ(differences.Text(), "") << "essai " << essai;
            EXPECT_TRUE(lue->Equals(source.get()));
        }
    }
}

TEST(ConfigurationFrame, RefusedFramesLeaveTheZoneUnchanged) {
    TBancConfiguration banc;
    TConfigurationG20& zone = banc.Zone();
    zone.SetLangue(2);
    testkit::TBytes trame = Encode(zone);
    zone.SetLangue(5);
    EXPECT_EQ(zone.SerialDecode(testkit::ToPayload(trame), Taille - 1), SerErrDonnees);
    EXPECT_EQ(zone.SerialDecode(testkit::ToPayload(trame), Taille + 1), SerErrDonnees);
    EXPECT_EQ(zone.GetLangue(), 5);

    banc.Proxy.ClearLogs();
    trame[42] = 13; // IDLangue 0..12
    EXPECT_EQ(zone.SerialDecode(testkit::ToPayload(trame), Taille), SerErrDonnees);
    trame[42] = 2;
    trame[50 + 17] = 0x03; // fault "17": class 0..2 on AC
    EXPECT_EQ(zone.SerialDecode(testkit::ToPayload(trame), Taille), SerErrDonnees);
    EXPECT_EQ(zone.GetLangue(), 5);
    const auto logs = banc.Proxy.Logs();
    ASSERT_EQ(logs.size(), 2u);
    EXPECT_EQ(logs[0].Source, "SerialDecode");
    EXPECT_EQ(logs[0].Text1, "Erreur decodage Offset 42 (0D/10)");
    EXPECT_EQ(logs[1].Text1, "Erreur decodage Offset 67 (03/04)");

    // A value that does not fit its byte cannot be encoded.
    auto large = banc.Nouvelle();
    auto& vitesse = dynamic_cast<IRawNumericField&>(large->FieldByID("IDVitesseEthernet"));
    vitesse.SetRawMax(256);
    vitesse.SetRawValue(256);
    TByteArray sortie{};
    EXPECT_THROW(large->SerialEncode(sortie, 0, Taille), ERangeError);
}

TEST(ConfigurationFrame, EveryScreenHasItsOwnAccessBit) {
    TBancConfiguration banc;
    auto zone = banc.Nouvelle();
    ASSERT_EQ(zone->GetNbEcrans(), 109);
    for (int i = 0; i < zone->GetNbEcrans(); ++i)
        zone->GetEcranParIndex(i)->SetAfficher(false);
    std::map<std::string, int> bits; // screen -> bit number from bit 0 of byte 26
    for (int i = 0; i < zone->GetNbEcrans(); ++i) {
        TEcran& ecran = *zone->GetEcranParIndex(i);
        ecran.SetAfficher(true);
        const testkit::TBytes trame = Encode(*zone);
        ecran.SetAfficher(false);
        for (int bit = 0; bit < 14 * 8; ++bit) {
            if ((trame[static_cast<std::size_t>(26 + bit / 8)] >> (bit % 8) & 1) != 0) {
                EXPECT_TRUE(bits.emplace(ecran.GetID(), bit).second) << ecran.GetID();
            }
        }
    }
    std::set<int> distincts;
    for (const auto& [id, bit] : bits)
        distincts.insert(bit);
    EXPECT_EQ(distincts.size(), 109u);
    EXPECT_EQ(*distincts.rbegin(), 13 * 8 + 4); // bits 5..7 of byte 39 stay clear
    const std::map<std::string, int> echantillon = {
        {"FS1", 0},  {"D11", 4},  {"X11", 15},   {"C0", 24},   {"P5b", 48},
        {"C16", 79}, {"FS5", 91}, {"P13t", 103}, {"ACQ", 105}, {"P29", 108}};
    for (const auto& [id, bit] : echantillon)
        EXPECT_EQ(bits[id], bit) << id;
}

TEST(ConfigurationFrame, DerivedBitsCarryParityAndStartsPerGun) {
    TBancConfiguration banc;
    auto zone = banc.Nouvelle();
    for (const auto& [parite, octet43] : {std::pair<int, Byte>{0, 0x10}, {1, 0x30}, {2, 0x20}}) {
        zone->SetParite(parite);
        const testkit::TBytes trame = Encode(*zone);
        EXPECT_EQ(trame[43], octet43) << parite;
        auto lue = banc.Nouvelle();
        ASSERT_EQ(lue->SerialDecode(testkit::ToPayload(trame), Taille), SerSansErreur);
        EXPECT_EQ(lue->GetParite(), parite);
    }
    zone->SetAsInteger("IDNbStartsParPince", 2);
    zone->SetAsBoolean("IDModeElectrovannes", true);
    testkit::TBytes trame = Encode(*zone);
    EXPECT_EQ(trame[177], 0xA1);
    trame[177] = 0x00;
    ASSERT_EQ(zone->SerialDecode(testkit::ToPayload(trame), Taille), SerSansErreur);
    EXPECT_EQ(zone->GetAsInteger("IDNbStartsParPince"), 1);
    EXPECT_FALSE(zone->GetAsBoolean("IDGestionFraiseRodeuse"));
}

} // namespace
} // namespace g20seq
