// The G20 diagnostic zone: its catalogue per controller variant, managed flags, sizes,
// bit decoding, copies and the host interfaces.
#include "support/Exceptions.h"
#include "support/HexVectors.h"
#include "support/SigDiagTestEprom.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"
#include "zones/DiagnosticG20.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancSigDiag;
using testkit::TBytes;

std::unique_ptr<TDiagnosticG20> NouveauDiagnostic(const TBancSigDiag& Banc) {
    return testkit::Comme<TDiagnosticG20>(Banc.NouvelleZone(PrcDiagnostic));
}

std::set<std::string> Allumes(const TDiagnostic& Zone) {
    std::set<std::string> allumes;
    for (int i = 0; i < Zone.GetNombreObjetsDiagnostic(); ++i)
        if (Zone.GetObjetDiagnosticIndex(i)->GetIsON())
            allumes.insert(Zone.GetObjetDiagnosticIndex(i)->GetId());
    return allumes;
}

TEST(DiagnosticG20, CatalogueOrderKeysAndDescriptions) {
    TBancSigDiag banc(tcAC, tiINTERBUS_S);
    auto diag = NouveauDiagnostic(banc);
    ASSERT_NE(diag, nullptr);
    ASSERT_EQ(diag->GetNombreObjetsDiagnostic(), 160);
    EXPECT_EQ(diag->GetTailleReceiveZone(), 20);
    EXPECT_EQ(diag->GetTailleSendZone(), 20);
    const std::pair<int, const char*> positions[] = {
        {0, "DCY"},   {15, "NP128"}, {41, "RE09"}, {42, "RE10"},    {43, "RE11"},
        {44, "RE12"}, {69, "DMY"},   {71, "CLE"},  {80, "S6-DIP1"}, {96, "PUI"},
        {111, "ASI"}, {151, "DMY"},  {159, "DMY"}};
    for (const auto& [index, code] : positions)
        EXPECT_EQ(diag->GetObjetDiagnosticIndex(index)->GetId(), code) << index;

    // Code, description key, description (null: not checked).
    const std::tuple<std::string, const char*, const char*> cles[] = {
        {"DCY", "DESCR_DCY", "entrée départ cycle"},
        {"PSV", "DESCR_PSC", "entrée demande point suivant"},
        {"CLE", "DESCR_CLS", nullptr},
        {"S6-DIP3", "DESCR_S6_D3", nullptr},
        {"DIPMF2", "DESCR_DMF2", nullptr},
        {"ASI", "DESCR_DFA", nullptr},
        {"NP128", "DESCR_NP128", "entrée sélection programme poids 128"},
        {"ECF8", "DESCR_ECF8", "entrée carte fille N°8"},
        {"MS", "DESCR_MS", "entrée arrêt soudeuse (OFF ==> défaut N°0 ou N°6)"},
        {"TH1", "DESCR_TH1", "entrée thermostat thyristors (OFF ==> defaut N°2)"},
        {"ARP", "DESCR_ARP", "entrée annulation répétition de point"},
        {"TH3", "DESCR_TH3", "entrée thermostat soudeuse (OFF ==> défaut N°7)"},
        {"DMY", "DESCR_DUMMY", "- DUMMY FIELD -"},
    };
    for (const auto& [code, cle, description] : cles) {
        SCOPED_TRACE(code);
        const TObjetDiagnostic* objet = diag->GetObjetDiagnostic(code);
        ASSERT_NE(objet, nullptr);
        EXPECT_EQ(objet->GetIDDescription(), cle);
        if (description != nullptr) {
            EXPECT_EQ(objet->GetDescription(), description);
        }
        EXPECT_EQ(objet->GetNom(), code);
        EXPECT_EQ(objet->GetIDNom(), "IDDiagnosticG20");
    }

    int types[4] = {};
    for (const TDefObjetDiagnostic& def : TDiagnosticG20::Catalogue()) {
        ++types[def.Type];
        EXPECT_FALSE(std::string(def.Description).empty()) << def.Code;
        if (std::string(def.Code) == "DMY") {
            EXPECT_EQ(def.Gere, TGereDiagnostic::Jamais);
        }
    }
    EXPECT_EQ(types[odEntree], 72 + 8);
    EXPECT_EQ(types[odDIP], 24);
    EXPECT_EQ(types[odSortie], 57 + 8);
    EXPECT_EQ(types[odLED], 7);
    EXPECT_EQ(diag->GetObjetDiagnostic("XYZ"), nullptr);
    EXPECT_EQ(diag->GetObjetDiagnostic("DRO_2"), nullptr);
    EXPECT_THROW(diag->GetObjetDiagnosticIndex(160), EStringListError);
}

TEST(DiagnosticG20, ManagedFlagsFollowTheControllerVariant) {
    // Current type, I/O type, objects managed, objects not managed.
    const std::tuple<TTypeCourant, TTypeIO, const char*, const char*> cas[] = {
        {tcAC, tiINTERBUS_S, "DCY ECF1 TH1 ARP DA1 ASI DIP1 DIP2 DIP4 DIP7 AFT PRT SCF1 E1E2 DTH",
         "NP128 EMF1 RE08 ASO PGO PAZ CTORE IGBT DIPMF1 S6-DIP1 DIP8 DMY AUS_2"},
        {tcMF, tiINTERBUS_S, "DCY EMF1 APPR THC ARS DIPMF1 SMF1 LMF1 IGBT DIP3 ARP",
         "ECF1 TH1 DIP4 SCF1 E1E2 DTH"},
        {tcAC, tiTOR, "PGO DCY2 NPP SER ASO PAZ CTORE TTORE SP1 TYP4 EVGO",
         "ARP DA1 DIP1 DIP2 DIP7 AFT PRT RE08 DRO_2 NP1_2"},
        {tcAC, tiDeviceNet, "RE08 RE10 RE11 RE07 TH3S MSS S6-DIP8 EL15 ASO DIP1 DIP2",
         "ARP AFT PRT PGO PAZ CTORE"},
        {tcAC, tiInterbusFO, "ARP PAZ CTORE TTORE DIP2 AFT", "DIP1 DIP7 ASO PGO"},
    };
    for (const auto& [courant, io, geres, nonGeres] : cas) {
        SCOPED_TRACE(testing::Message() << int{courant} << "/" << int{io});
        TBancSigDiag banc(courant, io);
        auto diag = NouveauDiagnostic(banc);
        for (const auto& [codes, attendu] : {std::pair{geres, true}, std::pair{nonGeres, false}}) {
            TStringList liste;
            liste.SetDelimitedText(codes);
            for (int i = 0; i < liste.Count(); ++i) {
                ASSERT_NE(diag->GetObjetDiagnostic(liste[i]), nullptr) << liste[i];
                EXPECT_EQ(diag->GetObjetDiagnostic(liste[i])->GetGere(), attendu) << liste[i];
                EXPECT_EQ(diag->GetEnableByID(liste[i]), attendu) << liste[i];
            }
        }
    }
    TBancSigDiag banc;
    auto diag = NouveauDiagnostic(banc);
    diag->SetEnableByID("NP128", true);
    EXPECT_TRUE(diag->GetObjetDiagnostic("NP128")->GetGere());
    diag->SetEnableByID("XYZ", true);
    EXPECT_FALSE(diag->GetEnableByID("XYZ"));
}

TEST(DiagnosticG20, EachObjectReadsItsBitDiscreteIoOnesToo) {
    TBancSigDiag banc(tcAC, tiINTERBUS_S);
    auto diag = NouveauDiagnostic(banc);
    TObjetDiagnostic* dcy = diag->GetObjetDiagnostic("DCY");
    ASSERT_EQ(TBancSigDiag::Decoder(*diag, ReadHexVector("diagnostic/ac_interbus.hex")),
              SerSansErreur);
    EXPECT_EQ(Allumes(*diag), (std::set<std::string>{"DCY", "NP128", "CLE", "DIP3", "PUI", "LEDTHY",
                                                     "ASI", "DMY"}));
    EXPECT_TRUE(dcy->GetIsON()); // the objects the host holds stay valid

    TBytes octets(20, 0);
    octets[0] = 0xFE;
    octets[1] = 0x7F;
    ASSERT_EQ(TBancSigDiag::Decoder(*diag, octets), SerSansErreur);
    EXPECT_FALSE(dcy->GetIsON());
    EXPECT_FALSE(diag->GetObjetDiagnostic("NP128")->GetIsON());
    EXPECT_TRUE(diag->GetObjetDiagnostic("NP64")->GetIsON());

    std::mt19937 alea(160);
    for (int essai = 0; essai < 20; ++essai) {
        for (Byte& b : octets)
            b = static_cast<Byte>(alea());
        ASSERT_EQ(TBancSigDiag::Decoder(*diag, octets), SerSansErreur);
        for (int i = 0; i < 160; ++i)
            EXPECT_EQ(diag->GetObjetDiagnosticIndex(i)->GetIsON(),
                      ((octets[static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1) != 0);
    }

    TBancSigDiag tor(tcAC, tiTOR);
    auto diagTor = NouveauDiagnostic(tor);
    ASSERT_EQ(TBancSigDiag::Decoder(*diagTor, ReadHexVector("diagnostic/tor.hex")), SerSansErreur);
    EXPECT_EQ(Allumes(*diagTor), (std::set<std::string>{"AUS", "SER", "DRO_2", "REE_2"}));
    // Discrete I/O controllers have a second series, never managed.
    ASSERT_EQ(diagTor->GetNombreObjetsDiagnostic(), 176);
    EXPECT_EQ(diagTor->GetTailleReceiveZone(), 22);
    EXPECT_EQ(diagTor->GetTailleSendZone(), 22);
    EXPECT_EQ(diagTor->GetObjetDiagnosticIndex(160)->GetId(), "DRO_2");
    EXPECT_EQ(diagTor->GetObjetDiagnosticIndex(172)->GetId(), "DMY");
    EXPECT_EQ(diagTor->GetObjetDiagnosticIndex(175)->GetId(), "REE_2");
    EXPECT_EQ(diagTor->GetObjetDiagnosticIndex(175)->GetTypeObjet(), odEntree);
    for (int i = 160; i < 176; ++i)
        EXPECT_FALSE(diagTor->GetObjetDiagnosticIndex(i)->GetGere()) << i;
}

TEST(DiagnosticG20, PayloadsNotCoveringTheCatalogueAreRefused) {
    const std::pair<TTypeIO, int> cas[] = {
        {tiINTERBUS_S, 19}, {tiINTERBUS_S, 21}, {tiTOR, 20}, {tiTOR, 0}};
    for (const auto& [io, longueur] : cas) {
        SCOPED_TRACE(longueur);
        TBancSigDiag banc(tcAC, io);
        auto diag = NouveauDiagnostic(banc);
        const auto avant = diag->Duplicate();
        EXPECT_EQ(TBancSigDiag::Decoder(*diag, TBytes(static_cast<std::size_t>(longueur), 0xFF)),
                  SerErrDonnees);
        EXPECT_TRUE(diag->Equals(avant.get()));
        EXPECT_FALSE(avant->Equals(nullptr));
    }
}

TEST(Diagnostic, BaseZoneHasNoPayloadAndCopiesItsObjects) {
    TBancSigDiag banc;
    TDiagnostic base(banc.Eprom.get(), PrcDiagnostic, 0, nullptr);
    TByteArray trame{};
    EXPECT_EQ(base.SerialDecode(trame, 0), SerErrFonction);
    EXPECT_EQ(base.SerialEncode(trame, 3, 20), 0);
    EXPECT_EQ(base.FileEncode(trame, 3, 20), 0);
    EXPECT_EQ(base.FileDecode(trame, 20), SerErrZoneRead);
    EXPECT_EQ(base.GetNombreObjetsDiagnostic(), 0);

    auto diag = NouveauDiagnostic(banc);
    ASSERT_EQ(TBancSigDiag::Decoder(*diag, ReadHexVector("diagnostic/ac_interbus.hex")),
              SerSansErreur);
    EXPECT_FALSE(base.Equals(diag.get()));
    base.Assign(diag.get());
    EXPECT_TRUE(base.Equals(diag.get()));
    EXPECT_EQ(Allumes(base), Allumes(*diag));
    base.GetObjetDiagnostic("DCY")->SetIsON(false);
    EXPECT_FALSE(base.Equals(diag.get()));
    EXPECT_TRUE(diag->GetObjetDiagnostic("DCY")->GetIsON());

    TObjetDiagnostic objet("X", "IDN", "Nom", "IDD", "Desc", odLED, true);
    TObjetDiagnostic copie("Y", "", "", "", "", odEntree, false);
    EXPECT_FALSE(copie.Equals(objet));
    copie.Assign(&objet);
    EXPECT_TRUE(copie.Equals(objet));
    EXPECT_THROW(copie.Assign(&base), EConvertError);
}

TEST(DiagnosticG20, HostInterfacesAndTheirOrder) {
    TBancSigDiag banc;
    auto diag = NouveauDiagnostic(banc);
    void* obj = nullptr;
    ASSERT_EQ(diag->QueryInterface(IDiagnostic::IID, &obj), THResult::S_OK);
    auto* idiag = static_cast<IDiagnostic*>(obj);
    EXPECT_EQ(idiag->GetNombreObjetsDiagnostic(), 160);
    ASSERT_EQ(idiag->GetObjetDiagnostic("RRO")->QueryInterface(IObjetDiagnostic::IID, &obj),
              THResult::S_OK);
    EXPECT_EQ(static_cast<IObjetDiagnostic*>(obj)->GetDescription(),
              "entrée acquittement rodage électrode");

    using O = IObjetDiagnostic;
    const std::vector<std::ptrdiff_t> objet = testkit::VtableSlots(
        &O::GetId, &O::GetIDNom, &O::GetNom, &O::GetIDDescription, &O::GetDescription, &O::GetIsON,
        &O::GetTypeObjet, &O::GetGere, &O::SetNom, &O::SetDescription, &O::SetIsON,
        &O::SetTypeObjet, &O::SetGere);
    const std::vector<std::ptrdiff_t> zone = testkit::VtableSlots(
        &IDiagnostic::GetObjetDiagnostic, &IDiagnostic::GetObjetDiagnosticIndex,
        &IDiagnostic::GetNombreObjetsDiagnostic);
    EXPECT_EQ(objet.size(), 13u);
    EXPECT_EQ(testkit::FirstGap(objet), -1);
    EXPECT_EQ(testkit::FirstGap(zone), -1);
}

} // namespace
} // namespace g20seq
