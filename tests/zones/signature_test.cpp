// Weld signatures: the G20 payloads of both controller variants, the type byte, refused
// payloads, comparison, copies, the host interfaces and the signature type codes.
#include "model/SignatureTypes.h"
#include "support/Format.h"
#include "support/HexVectors.h"
#include "support/SigDiagTestEprom.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"
#include "zones/SignatureG20.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace g20seq {
namespace {

using testkit::ReadHexVector;
using testkit::TBancSigDiag;
using testkit::TBytes;

std::unique_ptr<TSignatureG20> NouvelleSignature(const TBancSigDiag& Banc) {
    return testkit::Comme<TSignatureG20>(Banc.NouvelleZone(PrcSignatures));
}

TDateTime DateHeure(Word An, Word Mois, Word Jour, Word H, Word M, Word S) {
    return EncodeDate(An, Mois, Jour) + EncodeTime(H, M, S, 0);
}

TEST(SignatureG20, AcVectorsDecodeEveryValue) {
    TBancSigDiag banc(tcAC);
    auto sig = NouvelleSignature(banc);
    ASSERT_NE(sig, nullptr);
    EXPECT_EQ(sig->ClassName(), "TSignatureG20");
    EXPECT_EQ(sig->GetTailleReceiveZone(), TSignatureG20::TaillePayloadAC);
    EXPECT_EQ(sig->GetNumeroPoint(), -1);

    ASSERT_EQ(TBancSigDiag::Decoder(*sig, ReadHexVector("signatures/ac_acquittement.hex")),
              SerSansErreur);
    EXPECT_EQ(sig->GetDateHeure(), DateHeure(2031, 12, 31, 23, 59, 58));
    EXPECT_EQ(sig->GetTypeSignature(), SigAcquittement);
    using TEntiers = std::vector<long long>;
    EXPECT_EQ(
        (TEntiers{sig->GetTypeSignatureBrut(), sig->GetNumeroDefaut(),
                  sig->GetOrigineAcquittement(), sig->GetNumeroProgramme(), sig->GetNumeroPalier(),
                  sig->GetNumeroElectrode(), sig->GetCompteurPointsAbsolu(),
                  sig->GetCompteurPoints(), sig->GetCompteurRodage(), sig->GetCompteurPointsIP(),
                  sig->GetCoefficientDerive(), sig->GetEffortMesure(),
                  sig->GetDureeTempsAccostage()}),
        (TEntiers{2, 12, 3, 5, 2, 7, 30000, 500, 10, 100, 42, 400, 150}));
    EXPECT_DOUBLE_EQ(sig->GetIntensiteMesuree(true), 4660.0);
    EXPECT_DOUBLE_EQ(sig->GetIntensiteMesuree(false), 46.6);
    EXPECT_DOUBLE_EQ(sig->GetPourcentEquivalent(), 100.0);
    EXPECT_DOUBLE_EQ(sig->GetPourcentTension(), 70.0);
    EXPECT_EQ((std::vector<bool>{sig->IsNumeroPoint(), sig->GetDemandeRodageNeuve(),
                                 sig->GetDemandeRodageIP(), sig->GetDemandeRodageFinCU(),
                                 sig->GetAlarmeChangementElectrode(), sig->GetFinDeVie(),
                                 sig->GetModeSoudageDegrade()}),
              (std::vector<bool>{false, true, false, true, false, true, true}));
    EXPECT_EQ(sig->GetDate(), "31/12/2031");
    EXPECT_EQ(sig->GetHeure(), "23:59:58");
    EXPECT_EQ(sig->GetNomTypeSignature(), "SigAcquittement");

    ASSERT_EQ(TBancSigDiag::Decoder(*sig, ReadHexVector("signatures/ac_coupure.hex")),
              SerSansErreur);
    EXPECT_EQ(sig->GetTypeSignatureBrut(), 3);
    EXPECT_EQ(sig->GetTypeSignature(), SigCoupureAlimentation);
    EXPECT_EQ(sig->GetNumeroDefaut(), -1);
    EXPECT_FALSE(sig->GetModeSoudageDegrade());
    EXPECT_EQ(sig->GetDateHeure(), DateHeure(2026, 2, 28, 0, 0, 0));
}

TEST(SignatureG20, MfVectorDecodesTheMediumFrequencyValues) {
    TBancSigDiag banc(tcMF);
    auto sig = NouvelleSignature(banc);
    ASSERT_NE(sig, nullptr);
    EXPECT_EQ(sig->ClassName(), "TSignatureG20MF");
    EXPECT_EQ(sig->GetTailleReceiveZone(), TSignatureG20::TaillePayloadMF);

    ASSERT_EQ(TBancSigDiag::Decoder(*sig, ReadHexVector("signatures/mf_point.hex")), SerSansErreur);
    EXPECT_EQ(sig->GetDateHeure(), DateHeure(2026, 6, 15, 8, 30, 0));
    EXPECT_EQ(sig->GetTypeSignature(), SigProgElementaire);
    // Byte 7 is not taken for a weld: fault number 0.
    using TEntiers = std::vector<long long>;
    EXPECT_EQ(
        (TEntiers{sig->GetNumeroDefaut(), sig->GetNumeroProgramme(), sig->GetNumeroPalier(),
                  sig->GetNumeroPoint(), sig->GetIntensiteSansMontee(),
                  sig->GetIntensiteParametree(), sig->GetIntensitePrimaire(),
                  sig->GetPourcentCyclique(), sig->GetNumeroElectrode(),
                  sig->GetCompteurPointsAbsolu(), sig->GetCompteurPoints(),
                  sig->GetCompteurRodage(), sig->GetCompteurPointsIP(), sig->GetCoefficientDerive(),
                  sig->GetEffortMesure(), sig->GetDureeTempsAccostage()}),
        (TEntiers{0, 127, 10, 42, 10000, 10000, 200, 85, 15, 65535, 1, 2, 3, 0, 2500, 250}));
    EXPECT_DOUBLE_EQ(sig->GetIntensiteMesuree(true), 10000.0);
    EXPECT_DOUBLE_EQ(sig->GetPourcentEquivalent(), 85.0);
    EXPECT_DOUBLE_EQ(sig->GetPourcentTension(), 0.0);
    EXPECT_DOUBLE_EQ(dynamic_cast<TSignatureG20MF&>(*sig).GetRapportTransformation(), 50.0);
    EXPECT_EQ((std::vector<bool>{sig->IsNumeroPoint(), sig->GetDemandeRodageIP(),
                                 sig->GetAlarmeChangementElectrode(), sig->GetDemandeRodageNeuve(),
                                 sig->GetFinDeVie()}),
              (std::vector<bool>{true, true, true, false, false}));
}

TEST(SignatureG20, TypeByteGivesRawTypeFaultAndPointNumber) {
    // Type byte, raw type, type, fault number (byte 7 holds 9), point number (byte 11 holds 33).
    const std::tuple<Byte, int, TypesSignature, int, int> cas[] = {
        {0x81, 2, SigAcquittement, 9, -1},         {0x03, 3, SigCoupureAlimentation, -1, -1},
        {0x40, 0, SigProgElementaire, 0, 33},      {0x80, 1, SigDefaut, 9, -1},
        {0x83, 4, SigMiseSousTension, -1, -1},     {0x01, 1, SigDefaut, 9, -1},
        {0xFE, 3, SigCoupureAlimentation, -1, 33}, {0x3C, 0, SigProgElementaire, 0, -1},
    };
    TBancSigDiag banc(tcAC);
    TBytes payload = ReadHexVector("signatures/ac_coupure.hex");
    payload[7] = 9;
    payload[11] = 33;
    for (const auto& [octet, brut, type, defaut, point] : cas) {
        SCOPED_TRACE(octet);
        auto sig = NouvelleSignature(banc);
        payload[6] = octet;
        ASSERT_EQ(TBancSigDiag::Decoder(*sig, payload), SerSansErreur);
        EXPECT_EQ(sig->GetTypeSignatureBrut(), brut);
        EXPECT_EQ(sig->GetTypeSignature(), type);
        EXPECT_EQ(sig->GetNumeroDefaut(), defaut);
        EXPECT_EQ(sig->GetNumeroPoint(), point);
    }
}

TEST(SignatureG20, RefusedPayloadsLeaveTheSignatureUnchanged) {
    // Case, variant, byte changed (-1: none, the payload is cut) and its value, length.
    const std::tuple<const char*, TTypeCourant, int, Byte, int> cas[] = {
        {"34 bytes on MF", tcMF, -1, 0, 34},
        {"36 bytes on AC", tcAC, -1, 0, 36},
        {"33 bytes on AC", tcAC, -1, 0, 33},
        {"month 13", tcAC, 1, 13, 34},
        {"day 0", tcAC, 2, 0, 34},
        {"31 February 2031", tcAC, 1, 2, 34},
        {"hour 24", tcAC, 3, 24, 34},
        {"second 60", tcAC, 5, 60, 34},
        {"origin 6", tcAC, 8, 6, 34},
        {"program 128", tcAC, 9, 128, 34},
        {"step 11", tcAC, 10, 11, 34},
        {"electrode 16", tcAC, 18, 16, 34},
        {"MF electrode 16", tcMF, 22, 16, 36},
    };
    for (const auto& [nom, courant, octet, valeur, longueur] : cas) {
        SCOPED_TRACE(nom);
        TBancSigDiag banc(courant);
        const TBytes valide = ReadHexVector(courant == tcMF ? "signatures/mf_point.hex"
                                                            : "signatures/ac_acquittement.hex");
        TBytes payload = valide;
        payload.resize(36, 0);
        if (octet >= 0)
            payload[static_cast<std::size_t>(octet)] = valeur;
        auto sig = NouvelleSignature(banc);
        ASSERT_EQ(TBancSigDiag::Decoder(*sig, valide), SerSansErreur);
        const auto avant = sig->Duplicate();
        payload.resize(static_cast<std::size_t>(longueur));
        banc.Proxy.ClearLogs();
        EXPECT_EQ(TBancSigDiag::Decoder(*sig, payload), SerErrDonnees);
        EXPECT_TRUE(sig->Equals(avant.get()));
        // A refused value is logged with the frame dump; a length mismatch is not.
        const auto logs = banc.Proxy.Logs();
        EXPECT_EQ(logs.size(), octet >= 0 ? 1u : 0u);
        if (!logs.empty()) {
            EXPECT_EQ(logs[0].Source, "SerialDecode");
            EXPECT_EQ(logs[0].Text2.rfind(Format("LngTrame %d Trame", longueur), 0), 0u);
        }
        EXPECT_EQ(sig->GetNumeroPoint(), dynamic_cast<TSignatureG20&>(*avant).GetNumeroPoint());
    }
}

TEST(SignatureG20, RandomValidPayloadsDecodeToTheirValues) {
    std::mt19937 alea(20);
    auto tirer = [&alea](int Max) { return std::uniform_int_distribution<int>(0, Max)(alea); };
    for (const TTypeCourant courant : {tcAC, tcMF}) {
        TBancSigDiag banc(courant);
        const bool mf = courant == tcMF;
        for (int essai = 0; essai < 200; ++essai) {
            TBytes p(mf ? 36 : 34);
            for (Byte& b : p)
                b = static_cast<Byte>(tirer(255));
            const int an = tirer(99), mois = 1 + tirer(11), jour = 1 + tirer(27);
            const int h = tirer(23), mn = tirer(59), s = tirer(59);
            p[0] = static_cast<Byte>(an), p[1] = static_cast<Byte>(mois);
            p[2] = static_cast<Byte>(jour), p[3] = static_cast<Byte>(h);
            p[4] = static_cast<Byte>(mn), p[5] = static_cast<Byte>(s);
            p[8] = static_cast<Byte>(tirer(5));
            p[9] = static_cast<Byte>(tirer(127));
            p[10] = static_cast<Byte>(tirer(10));
            const std::size_t e = mf ? 22 : 18;
            p[e] = static_cast<Byte>(tirer(15));
            auto sig = NouvelleSignature(banc);
            ASSERT_EQ(TBancSigDiag::Decoder(*sig, p), SerSansErreur);
            auto mot = [&p](std::size_t i) { return p[i] * 256 + p[i + 1]; };
            EXPECT_EQ(sig->GetDateHeure(),
                      DateHeure(static_cast<Word>(2000 + an), mois, jour, h, mn, s));
            EXPECT_EQ(sig->GetOrigineAcquittement(), p[8]);
            EXPECT_EQ(sig->GetNumeroProgramme(), p[9]);
            EXPECT_EQ(sig->GetNumeroPalier(), p[10]);
            EXPECT_EQ(sig->GetNumeroPoint(), (p[6] & 0x40) != 0 ? p[11] : -1);
            EXPECT_EQ(sig->GetNumeroElectrode(), p[e]);
            EXPECT_EQ(sig->GetFinDeVie(), (p[e + 1] & 0x10) != 0);
            EXPECT_EQ(sig->GetModeSoudageDegrade(), (p[e + 1] & 0x80) != 0);
            EXPECT_EQ(sig->GetCompteurPointsAbsolu(), mot(e + 2));
            EXPECT_EQ(sig->GetCompteurPointsIP(), mot(e + 8));
            EXPECT_EQ(sig->GetEffortMesure(), mot(mf ? e + 10 : e + 12));
            EXPECT_EQ(sig->GetDureeTempsAccostage(), mot(mf ? e + 12 : e + 14));
            EXPECT_EQ(sig->GetIntensiteMesuree(true), mot(12));
            EXPECT_DOUBLE_EQ(sig->GetPourcentEquivalent(), mf ? mot(18) : mot(14) / 10.0);
            EXPECT_EQ(sig->GetIntensiteParametree(), mf ? mot(14) * 10 : 0);
            auto copie = sig->Duplicate();
            EXPECT_TRUE(copie->Equals(sig.get()));
        }
    }
}

TEST(SignatureG20, NeverEncodedNorStoredInFilesAndTheBaseHasNoExtension) {
    TBancSigDiag banc(tcAC);
    auto sig = NouvelleSignature(banc);
    TByteArray trame{};
    trame[5] = 0xAA;
    EXPECT_EQ(sig->SerialEncode(trame, 5, 34), 0);
    EXPECT_EQ(sig->FileEncode(trame, 5, 34), 0);
    EXPECT_EQ(trame[5], 0xAA);
    EXPECT_EQ(sig->FileDecode(trame, 34), SerErrZoneRead);

    TSignature base(banc.Eprom.get(), PrcSignatures, 0, nullptr);
    EXPECT_EQ(
        base.SerialDecode(testkit::ToPayload(ReadHexVector("signatures/ac_acquittement.hex")), 34),
        SerErrFonction);
    EXPECT_EQ(base.GetNumeroDefaut(), -1);
    void* obj = nullptr;
    EXPECT_EQ(base.QueryInterface(ISignatureEx::IID, &obj), THResult::E_NOINTERFACE);
}

TEST(SignatureG20, ComparisonCoversTheWeldValuesAndWritesNoLine) {
    TBancSigDiag banc(tcAC);
    const TBytes reference = ReadHexVector("signatures/ac_acquittement.hex");
    auto sig = NouvelleSignature(banc);
    ASSERT_EQ(TBancSigDiag::Decoder(*sig, reference), SerSansErreur);
    // Byte changed, its new value, whether the signatures still compare equal.
    const std::tuple<std::size_t, Byte, bool> cas[] = {
        {5, 0x00, false},  // second
        {7, 0x0D, false},  // fault number (acknowledgement)
        {8, 0x04, false},  // acknowledgement origin
        {11, 0x07, true},  // point number byte without bit 6
        {6, 0xC1, false},  // same type with a point number
        {13, 0x35, false}, // measured current
        {19, 0x15, false}, // degraded mode cleared
        {26, 0x65, false}, // point counter IP
        {29, 0x2B, true},  // drift coefficient
        {30, 0x02, false}, // measured force
        {33, 0x97, true},  // approach time
    };
    TStringList differences;
    for (const auto& [octet, valeur, egales] : cas) {
        SCOPED_TRACE(octet);
        TBytes autre = reference;
        autre[octet] = valeur;
        auto sig2 = NouvelleSignature(banc);
        ASSERT_EQ(TBancSigDiag::Decoder(*sig2, autre), SerSansErreur);
        EXPECT_EQ(sig->EqualsDetails(sig2.get(), &differences), egales);
        EXPECT_EQ(sig->Equals(sig2.get()), egales);
    }
    EXPECT_EQ(differences.Count(), 0);
}

TEST(SignatureG20, CopiesCountersAndSetsTheLogicalType) {
    TBancSigDiag banc(tcMF);
    auto sig = NouvelleSignature(banc);
    ASSERT_EQ(TBancSigDiag::Decoder(*sig, ReadHexVector("signatures/mf_point.hex")), SerSansErreur);
    auto copie = sig->Duplicate();
    auto& mf = dynamic_cast<TSignatureG20MF&>(*copie);
    EXPECT_DOUBLE_EQ(mf.GetRapportTransformation(), 50.0);
    EXPECT_EQ(mf.GetNumeroPoint(), 42);
    EXPECT_EQ(mf.GetIntensitePrimaire(), 200);

    TCompteursSignature compteurs;
    compteurs.ModeSoudageDegrade = true;
    sig->UpdateCpt(compteurs);
    EXPECT_EQ((std::vector<long long>{compteurs.NumeroElectrode, compteurs.CompteurPointsAbsolu,
                                      compteurs.CompteurPoints, compteurs.CompteurRodage,
                                      compteurs.CompteurPointsIP}),
              (std::vector<long long>{15, 65535, 1, 2, 3}));
    EXPECT_TRUE(compteurs.DemandeRodageIP && compteurs.AlarmeChangementElectrode);
    EXPECT_FALSE(compteurs.DemandeRodageneuve || compteurs.FinDeVie ||
                 compteurs.ModeSoudageDegrade);
    EXPECT_TRUE(sig->Equals(copie.get()));

    const std::pair<TypesSignature, int> types[] = {
        {SigDefaut, 1},          {SigAcquittement, 2}, {SigCoupureAlimentation, 3},
        {SigMiseSousTension, 4}, {SigPointAW, 0},      {SigProgElementaire, 0}};
    for (const auto& [type, brut] : types) {
        sig->SetTypeSignature(type);
        EXPECT_EQ(sig->GetTypeSignatureBrut(), brut);
    }
}

TEST(SignatureG20, HostInterfacesAndTheirOrder) {
    TBancSigDiag banc(tcAC);
    auto sig = NouvelleSignature(banc);
    void* obj = nullptr;
    ASSERT_EQ(sig->QueryInterface(ISignature::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<ISignature*>(obj)->GetNumeroPalier(), 1);
    ASSERT_EQ(sig->QueryInterface(ISignatureCompl1::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<ISignatureCompl1*>(obj)->GetNumeroDefaut(), 0);
    ASSERT_EQ(sig->QueryInterface(ISignatureAssignation::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<ISignatureAssignation*>(obj)->GetNumeroPoint(), -1);
    ASSERT_EQ(sig->QueryInterface(ISignatureEx::IID, &obj), THResult::S_OK);
    EXPECT_FALSE(static_cast<ISignatureEx*>(obj)->GetModeSoudageDegrade());

    using testkit::VtableSlots;
    const std::vector<std::ptrdiff_t> signature = VtableSlots(
        &ISignature::GetDefauts, &ISignature::GetDateHeure, &ISignature::GetTypeSignature,
        &ISignature::SetTypeSignature, &ISignature::GetTypeSignatureBrut,
        &ISignature::GetProgrammeCombine, &ISignature::GetCompteurChainage,
        &ISignature::GetOrigineAcquittement, &ISignature::GetNumeroProgramme,
        &ISignature::GetNumeroPalier, &ISignature::GetIntensiteMesuree,
        &ISignature::GetPourcentEquivalent, &ISignature::GetPourcentTension,
        &ISignature::GetIntensiteTotaleMesuree, &ISignature::GetNumeroElectrode,
        &ISignature::GetDemandeRodageNeuve, &ISignature::GetDemandeRodageIP,
        &ISignature::GetDemandeRodageFinCU, &ISignature::GetAlarmeChangementElectrode,
        &ISignature::GetFinDeVie, &ISignature::GetCompteurPointsAbsolu,
        &ISignature::GetCompteurPoints, &ISignature::GetCompteurRodage,
        &ISignature::GetCompteurPointsIP, &ISignature::GetEffortMesure, &ISignature::UpdateCpt);
    const std::vector<std::ptrdiff_t> compl1 =
        VtableSlots(&ISignatureCompl1::GetNumeroDefaut, &ISignatureCompl1::GetNomTypeSignature,
                    &ISignatureCompl1::GetDate, &ISignatureCompl1::GetHeure);
    const std::vector<std::ptrdiff_t> assignation =
        VtableSlots(&ISignatureAssignation::GetNumeroPoint, &ISignatureAssignation::IsNumeroPoint);
    const std::vector<std::ptrdiff_t> ex =
        VtableSlots(&ISignatureEx::GetCoefficientDerive, &ISignatureEx::GetDureeTempsAccostage,
                    &ISignatureEx::GetModeSoudageDegrade, &ISignatureEx::GetIntensiteSansMontee,
                    &ISignatureEx::GetIntensiteParametree, &ISignatureEx::GetIntensitePrimaire,
                    &ISignatureEx::GetPourcentCyclique, &ISignatureEx::GetTensionBusAuRepos);
    EXPECT_EQ(signature.size(), 26u);
    for (const auto* slots : {&signature, &compl1, &assignation, &ex})
        EXPECT_EQ(testkit::FirstGap(*slots), -1);
}

TEST(SignatureTypes, CodeTableBothWays) {
    for (const TCodeTypeSignature& c : CodesTypesSignature) {
        EXPECT_EQ(TypeSignatureIntToEnum(c.Code), c.Type);
        EXPECT_EQ(TypeSignatureEnumToInt(c.Type), c.Code);
    }
    for (const int code : {0, 12, 142, -1})
        EXPECT_EQ(TypeSignatureIntToEnum(code), SigProgElementaire) << code;
    EXPECT_EQ(TypeSignatureIntToEnum(128), SigDefaut);
    EXPECT_EQ(TypeSignatureIntToEnum(131), SigMiseSousTension);
    for (const int type : {int{SigProgCascade}, int{SigProgChainage}, 30})
        EXPECT_EQ(TypeSignatureEnumToInt(static_cast<TypesSignature>(type)), 0) << type;
    EXPECT_EQ(TypeSignatureEnumToInt(SigFinApprentissageAW), 141);
    // Every kind but the three program kinds has a code of its own.
    EXPECT_EQ(std::size(CodesTypesSignature), static_cast<std::size_t>(TypesSignatureCount - 3));

    EXPECT_EQ(TypeSignatureName(SigProgElementaire), "SigProgElementaire");
    EXPECT_EQ(TypeSignatureName(SigFinApprentissageAW), "SigFinApprentissageAW");
    EXPECT_EQ(TypeSignatureName(static_cast<TypesSignature>(30)), "30");
}

} // namespace
} // namespace g20seq
