#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/HexVectors.h"
#include "support/ProgrammeTestEprom.h"
#include "support/VtableSlot.h"
#include "support/ZonesTestKit.h"

#include <gtest/gtest.h>

#include <random>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

constexpr TVarianteProgramme AC{};
constexpr TVarianteProgramme MF{tcMF, tiINTERBUS_S, true};
constexpr TVarianteProgramme TOR{tcAC, tiTOR, false};

TBytes Encode(const TZoneCPS& Zone, int Debut = 0) {
    return EncodeSerie(Zone, TProgrammeG20::TaillePayload, Debut);
}

TErreurSerie Decode(TZoneCPS& Zone, const TBytes& Bytes) {
    return Zone.SerialDecode(ToPayload(Bytes), static_cast<int>(Bytes.size()));
}

// Runs Action on every numeric field of a zone, array elements included.
template <class F> void PourChaqueNumerique(const TZoneCPS& Zone, F Action) {
    for (int i = 0; i < Zone.GetFieldCount(); ++i) {
        TKEVField* field = Zone.GetFields(i);
        const auto* array = dynamic_cast<TKEVArrayField*>(field);
        for (int k = 0; k < (array != nullptr ? array->GetCount() : 1); ++k)
            Action(
                dynamic_cast<TKEVNumericField&>(array != nullptr ? *array->GetField(k) : *field));
    }
}

std::vector<int> ValeursBrutes(const TZoneCPS& Zone) {
    std::vector<int> valeurs;
    PourChaqueNumerique(Zone, [&](TKEVNumericField& f) { valeurs.push_back(f.GetRawValue()); });
    return valeurs;
}

class ProgrammeTest : public ::testing::Test {
protected:
    std::unique_ptr<TProgrammeTestEprom> Station(TVarianteProgramme Variante = AC) {
        const char* nom = Variante.Courant == tcMF ? "GM_Ligne1" : "GA_Ligne1";
        return TProgrammeTestEprom::New(nom, &Protocol, Variante);
    }
    static TProgrammeG20& Prog(const TZoneHolder& Holder) { return *Holder.As<TProgrammeG20>(); }

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
};

TEST_F(ProgrammeTest, FreshZonesAndCompanionsMatchTheirVectorsAndRoundTrip) {
    const std::tuple<TVarianteProgramme, TTypeZones, const char*> cas[] = {
        {AC, PrcProgrammes, "programme/prog_fresh_ac.hex"},
        {MF, PrcProgrammes, "programme/prog_fresh_mf.hex"},
        {AC, PrcProgrammesMini, "programme/prog_mini_ac.hex"},
        {AC, PrcProgrammesMaxi, "programme/prog_maxi_ac.hex"},
        {MF, PrcProgrammesMini, "programme/prog_mini_mf.hex"},
        {MF, PrcProgrammesMaxi, "programme/prog_maxi_mf.hex"}};
    for (const auto& [variante, type, fichier] : cas) {
        SCOPED_TRACE(fichier);
        auto eprom = Station(variante);
        const TZoneHolder zone(eprom.get(), type, type == PrcProgrammes ? 5 : 0);
        const TBytes vecteur = ReadHexVector(fichier);
        EXPECT_EQ(ToHex(Encode(Prog(zone))), ToHex(vecteur));
        const TZoneHolder cible(eprom.get(), PrcProgrammes, 6);
        ASSERT_EQ(Decode(Prog(cible), vecteur), SerSansErreur);
        EXPECT_EQ(ToHex(Encode(Prog(cible))), ToHex(vecteur));
    }
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    const TBytes octets = Encode(Prog(zone));
    // Percent steps 100, ampere steps 500, bytes 117, 145 and the regulation mode.
    EXPECT_EQ((TBytes{octets[0], octets[1], octets[20], octets[21], octets[117], octets[145],
                      octets[146]}),
              (TBytes{0x00, 0x64, 0x01, 0xF4, 0x01, 0x09, 0x02}));
    EXPECT_EQ(ToHex(Encode(Prog(zone), 40)), ToHex(octets)); // written from the given index
}

TEST_F(ProgrammeTest, RandomisedValidZonesRoundTrip) {
    std::mt19937 aleas(20240611);
    for (TVarianteProgramme variante : {AC, MF, TOR}) {
        auto eprom = Station(variante);
        const TZoneHolder source(eprom.get(), PrcProgrammes, 3);
        for (int essai = 0; essai < 40; ++essai) {
            PourChaqueNumerique(Prog(source), [&](TKEVNumericField& f) {
                f.SetRawValue(
                    std::uniform_int_distribution<int>(f.GetRawMin(), f.GetRawMax())(aleas));
            });
            auto copie = Prog(source).CreateSameZone();
            auto& cible = dynamic_cast<TZoneCPS&>(*copie);
            ASSERT_EQ(Decode(cible, Encode(Prog(source))), SerSansErreur);
            EXPECT_EQ(ValeursBrutes(cible), ValeursBrutes(Prog(source)));
            EXPECT_EQ(Encode(cible), Encode(Prog(source)));
        }
    }
}

TEST_F(ProgrammeTest, RefusedPayloadsLeaveTheZoneUnchanged) {
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    const TBytes avant = Encode(Prog(zone));
    TBytes autre = avant;
    autre[147] = 2;
    Proxy.ClearLogs();
    for (std::size_t taille : {162u, 164u}) {
        autre.resize(taille);
        EXPECT_EQ(Decode(Prog(zone), autre), SerErrDonnees);
    }
    EXPECT_TRUE(Proxy.Logs().empty()); // a wrong length is not logged

    // The first percent step below 100, an ampere step below 50 (read last).
    const std::tuple<std::size_t, Byte, std::string> cas[] = {
        {1, 0x00, "Erreur decodage Offset 0 (00/00)"},
        {23, 0x10, "Erreur decodage Offset 22 (00/10)"}};
    for (const auto& [offset, valeur, texte] : cas) {
        TBytes mauvais = avant;
        mauvais[offset - 1] = 0;
        mauvais[offset] = valeur;
        Proxy.ClearLogs();
        EXPECT_EQ(Decode(Prog(zone), mauvais), SerErrDonnees);
        const auto logs = Proxy.Logs();
        ASSERT_EQ(logs.size(), 2u);
        EXPECT_EQ(Journal(logs[0]), "SerialDecode (GA_Ligne1)|" + std::string(texte) +
                                        "|LngTrame 163 Trame " + ToHex(mauvais) +
                                        "|2|ZRT Handling");
        EXPECT_NE(logs[1].Text1.find("n'est pas une valeur correcte"), std::string::npos);
        EXPECT_EQ(Journal(logs[1]), "SerialDecode|" + logs[1].Text1 + "|GA_Ligne1|2|ZRT Handling");
        EXPECT_EQ(Encode(Prog(zone)), avant);
    }
}

TEST_F(ProgrammeTest, EncodeErrorIsLoggedAndAnswersThePositionReached) {
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    auto& accostage = dynamic_cast<TKEVNumericField&>(Prog(zone).FieldByID("IDTempsAccostage"));
    accostage.SetRawMax(300);
    accostage.SetRawValue(300);
    Proxy.ClearLogs();
    TByteArray trame{};
    EXPECT_EQ(Prog(zone).SerialEncode(trame, 10, 163), 10 + 127);
    EXPECT_EQ(trame[10 + 117], 1); // bytes before the failure are written
    ASSERT_EQ(Proxy.Logs().size(), 1u);
    EXPECT_EQ(Proxy.Logs()[0].Source + "|" + Proxy.Logs()[0].Text2, "SerialEncode|GA_Ligne1");
}

TEST_F(ProgrammeTest, MediumFrequencyControllerAdjustsTimesAndHidesACFields) {
    Proxy.Frequence = 60;
    auto eprom = Station(MF);
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    TProgrammeG20& prog = Prog(zone);
    prog.SetTempsForgeage(2);
    EXPECT_DOUBLE_EQ(prog.GetAsFloat("IDTempsForgeage"), 1.0);
    EXPECT_THROW(prog.SetTempsForgeage(1), EFieldError);
    EXPECT_DOUBLE_EQ(dynamic_cast<TKEVNumericField&>(prog.FieldByID("IDTempsFroid")).GetRatio(),
                     0.06);
    EXPECT_EQ(prog.GetRawMax("IDTempsFroid"), 2000);
    for (const char* cache :
         {"IDSoudageDemiPeriode", "IDPaliersTension", "IDPrechauffageTension", "IDRecuitTension",
          "IDSurveillanceThyristors", "IDRegulDebut5emePeriode", "IDPhieFixe", "IDAnglePhieFixe"})
        EXPECT_FALSE(prog.FieldByID(cache).GetLinked()) << cache;
    for (const char* montre : {"IDPourcentDebutUpslope", "IDPourcentFinDownslope",
                               "IDAmpereDebutUpslope", "IDAmpereFinDownslope", "IDTempsFroid"})
        EXPECT_TRUE(prog.FieldByID(montre).GetLinked()) << montre;
    EXPECT_EQ(prog.NomChamp("IDSeuilPourcentHaut"), "Seuils %PWM : Seuil haut (%)");
    EXPECT_EQ(prog.NomChamp("IDNombreSeuilPourcentHautRepetitif"),
              "Seuils %PWM : Nombre de répétitions");
    EXPECT_EQ(prog.DetailIDChamp("IDModeRegulation", 0), "Pourcentage rapport cyclique");
    EXPECT_EQ(prog.GetModeCtrlAsString(), "Sans");
    EXPECT_EQ(prog.GetModeRegulMini(), 0);
}

TEST_F(ProgrammeTest, TabSheetsShowTheFieldsOfTheControllerVariant) {
    struct Cas {
        TVarianteProgramme Variante;
        const char* Onglet;
        std::vector<std::string> Champs;
    };
    const std::vector<std::string> tempsAC = {
        "IDTempsPremierAccostage", "IDTempsAccostage",       "IDTempsSoudage",
        "IDTempsForgeage",         "IDTempsIntervalGeneral", "IDNombrePulsations",
        "IDIntervallePulsations",  "IDTempsUpslope",         "IDTempsDownslope",
        "IDTempsPrechauffage",     "IDTempsFroid",           "IDTempsTrempe",
        "IDTempsRecuit",           "IDSoudageDemiPeriode"};
    const Cas cas[] = {
        {AC, "IDTabTemps", tempsAC},
        {MF,
         "IDTabConsignes",
         {"IDModeRegulation", "IDModeControle", "IDNumeroElectrode", "IDReferencePourcent",
          "IDReferenceIntensite", "IDReferenceTension", "IDVariationSegment", "IDPaliersPourcent",
          "IDPrechauffagePourcent", "IDRecuitPourcent", "IDPourcentDebutUpslope",
          "IDPourcentFinDownslope", "IDPaliersAmpere", "IDPrechauffageAmpere", "IDRecuitAmpere",
          "IDAmpereDebutUpslope", "IDAmpereFinDownslope"}},
        {AC,
         "IDTabEV",
         {"IDPressionPourcent", "IDConsignePression", "IDPressionPourcent2", "IDConsignePression2",
          "IDEpaisseurSoudage", "IDToleranceEpaisseur", "IDEffortSoudage", "IDControleEffort",
          "IDEffortFinAccostage", "IDEffortMiniForgeage", "IDEffortMaxiForgeage",
          "IDModeElectrovannes", "IDRetardElectrovanne2", "IDDureeElectrovanne2"}},
        {TOR,
         "IDTabEV",
         {"IDPressionPourcent", "IDConsignePression", "IDPressionPourcent2", "IDConsignePression2",
          "IDControleEffort", "IDEffortFinAccostage", "IDEffortMiniForgeage",
          "IDEffortMaxiForgeage", "IDModeElectrovannes", "IDRetardElectrovanne2",
          "IDDureeElectrovanne2"}},
        {AC,
         "IDTabProgAdvParam",
         {"IDAvecIntensite", "IDSurveillanceThyristors", "IDRegulDebut5emePeriode", "IDModeVolee",
          "IDPhieFixe", "IDAnglePhieFixe"}},
        {TOR,
         "IDTabProgAdvParam",
         {"IDAvecIntensite", "IDSurveillanceThyristors", "IDRegulDebut5emePeriode", "IDModeVolee",
          "IDPhieFixe", "IDAnglePhieFixe", "IDSortieProgrammable"}},
        {MF, "IDTabProgAdvParam", {"IDAvecIntensite", "IDModeVolee"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Onglet);
        auto eprom = Station(c.Variante);
        const TZoneHolder zone(eprom.get(), PrcProgrammes, 4);
        EXPECT_EQ(ChampsOnglet(Prog(zone), c.Onglet), c.Champs);
    }
    auto eprom = Station(TOR);
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 4);
    EXPECT_EQ(Prog(zone).GetModeElectrovannes(), 0); // discrete I/O: valve mode 0 allowed
    EXPECT_EQ(Prog(zone).GetModeEVMini(), 0);
    EXPECT_EQ(Prog(zone).GetFieldCount(), 64);
}

TEST_F(ProgrammeTest, AmpereSetPointsFollowTheElectrodeAmpereModeBesideTheHostCallback) {
    auto eprom = Station();
    {
        const TZoneHolder electrode(eprom.get(), PrcElectrodes, 2);
        electrode.As<TZoneCPS>()->SetAsInteger(IDElectrodeG20::IDGainBobineIntensite, 1000);
        electrode.As<TZoneCPS>()->SetAsFloat(IDElectrodeG20::IDRapportMesure, 1.0);
    }
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    TProgrammeG20& prog = Prog(zone);
    prog.SetNumeroElectrode(1);
    EXPECT_FALSE(prog.IsModeAmperes());
    EXPECT_EQ(prog.GetPaliersAmpere(3), 5000);
    EXPECT_DOUBLE_EQ(prog.GetPaliersAmpereCalcule(3), 5.0);
    EXPECT_EQ(prog.GetReferenceIntensite(), 500);
    prog.SetPaliersAmpereCalcule(3, 7.5);
    EXPECT_EQ(prog.GetRawValue("IDPrechauffageAmpere"), 500); // raw values keep their units
    EXPECT_EQ(prog.GetPaliersAmpere(3), 7500);

    // A change callback of the host does not replace the zone's own.
    int hote = 0;
    prog.FieldByID("IDNumeroElectrode").SetOnChange([&](TObject*) { ++hote; });
    prog.SetNumeroElectrode(2);
    EXPECT_EQ(hote, 1);
    EXPECT_TRUE(prog.IsModeAmperes());
    EXPECT_EQ(prog.GetPaliersAmpere(0), 500);
    EXPECT_EQ(prog.GetPaliersAmpere(3), 750);
    EXPECT_EQ(prog.GetPrechauffageAmpere(), 500);
    EXPECT_DOUBLE_EQ(prog.GetRecuitAmpereCalcule(), 500.0);
    EXPECT_EQ(prog.GetReferenceIntensite(), 50);

    // A decoded electrode number changes the ratios too.
    const TZoneHolder autre(eprom.get(), PrcProgrammes, 6);
    Prog(autre).SetNumeroElectrode(1);
    ASSERT_EQ(Decode(Prog(autre), Encode(prog)), SerSansErreur);
    EXPECT_EQ(Prog(autre).GetPaliersAmpere(0), 500);
    EXPECT_DOUBLE_EQ(Prog(autre).GetReferenceIntensiteCalc(), 50.0);
}

TEST_F(ProgrammeTest, CaptionsOfFieldsAndValues) {
    Proxy.AddTranslation("IDProgrammeG20", "IDPhieFixe_1", "Fixed phi");
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    const TProgrammeG20& prog = Prog(zone);
    struct Cas {
        const char* Champ;
        const char* Libelle;
    };
    for (const Cas c :
         {Cas{"IDModeRegulation", "Régulation"}, Cas{"IDTempsSoudage", "Soudage"},
          Cas{"IDSeuilPourcentHaut", "Seuil haut (%)"},
          Cas{"IDSurveillanceThyristors", "Surveillance image thyritors pendant le soudage"},
          Cas{"IDTempsFroid", "Temps froid"}})
        EXPECT_EQ(prog.NomChamp(c.Champ), c.Libelle);
    Proxy.ClearLogs();
    EXPECT_EQ(prog.NomChamp("IDInconnu"), "IDInconnu");
    EXPECT_EQ(Proxy.Logs().size(), 1u);

    struct Valeur {
        const char* Champ;
        int Valeur;
        const char* Libelle;
        const char* Zone;
    };
    for (const Valeur v :
         {Valeur{"IDModeRegulation", 2, "Régulation d'intensité", "IDProgramme"},
          Valeur{"IDModeControle", 2, "Psi & intensité", "IDProgramme"},
          Valeur{"IDModeElectrovannes", 4, "EV1 et EV2 en programme de pression", "IDProgramme"},
          Valeur{"IDModeVolee", 1, "A la volée", "IDProgramme"},
          Valeur{"IDSortieProgrammable", 0, "Aucune sortie commandée", "IDProgramme"},
          Valeur{"IDAvecIntensite", 1, "Oui", "IDProgramme"},
          Valeur{"IDControleEffort", 0, "Non", "IDProgrammeG20"},
          Valeur{"IDPhieFixe", 1, "Fixed phi", "IDProgrammeG20"},
          Valeur{"IDAnglePhieFixe", 60, "60", "IDProgrammeG20"},
          Valeur{"IDTempsSoudage", 7, "", ""}}) {
        std::string idZone = "?";
        std::string idValeur;
        EXPECT_EQ(prog.DetailValeurChamp(v.Champ, v.Valeur, idZone, idValeur), v.Libelle);
        EXPECT_EQ(idZone, v.Zone) << v.Champ;
    }
    EXPECT_EQ(prog.DetailChamp("IDVariationSegment[2]", "1000"), "1000");
    EXPECT_EQ(prog.GetModeCtrlAsString(), "Intensité");
}

TEST_F(ProgrammeTest, CompanionsHoldTheLimits) {
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    TZoneCPS* maxi = Prog(zone).GetZoneMaxi();
    TZoneCPS* mini = Prog(zone).GetZoneMini();
    TZoneCPS* raz = Prog(zone).GetZoneRAZ();
    ASSERT_TRUE(maxi && mini && raz);
    EXPECT_EQ(maxi->GetTypeZone(), PrcProgrammesMaxi);
    EXPECT_EQ(ValeursBrutes(*raz), ValeursBrutes(Prog(zone)));
    PourChaqueNumerique(*maxi,
                        [](TKEVNumericField& f) { EXPECT_EQ(f.GetRawValue(), f.GetRawMax()); });
    PourChaqueNumerique(*mini,
                        [](TKEVNumericField& f) { EXPECT_EQ(f.GetRawValue(), f.GetRawMin()); });
    for (TZoneCPS* compagnon : {maxi, mini, raz}) {
        TCustomZoneCPS* rendu = compagnon;
        eprom->ReleasePhysicalZone(rendu);
    }
    TProgrammeG20 orphelin(nullptr, PrcProgrammes, 1, nullptr);
    EXPECT_EQ(orphelin.GetZoneMaxi(), nullptr);
    EXPECT_FALSE(orphelin.IsModeAmperes());
}

TEST_F(ProgrammeTest, DerivedProperties) {
    Proxy.Frequence = 50;
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    TProgrammeG20& prog = Prog(zone);
    using enum TTypeModeRegulation;
    const TTypeModeRegulation attendus[] = {mrPourcentDephasage, mrPourcentIntensite,
                                            mrRegulationIntensite, mrCompensationTension};
    for (int mode = 1; mode <= 3; ++mode) {
        prog.SetModeRegulation(mode);
        EXPECT_EQ(prog.GetTypeModeRegulation(), attendus[mode]);
        prog.SetTypeModeRegulation(attendus[4 - mode]);
        EXPECT_EQ(prog.GetModeRegulation(), 4 - mode);
    }
    prog.SetTypeModeRegulation(mrNone);
    EXPECT_EQ(prog.GetModeRegulation(), 1);
    EXPECT_THROW(prog.SetTypeModeRegulation(mrPourcentDephasage), EFieldError); // AC min 1
    EXPECT_EQ(prog.GetModeEVMini(), 1);
    EXPECT_EQ(prog.GetModeRegulMini(), 1);
    prog.SetAmpereDebutUpslopeCalc(1.234);
    EXPECT_EQ(prog.GetAmpereDebutUpslope(), 1230); // raw 123 at ratio 10
    EXPECT_DOUBLE_EQ(prog.GetAmpereDebutUpslopeCalc(), 1.23);
    EXPECT_DOUBLE_EQ(prog.GetVariationSegment(9), 100.0);
    EXPECT_THROW(prog.GetPaliersPourcent(10), std::exception);

    void* obj = nullptr;
    ASSERT_EQ(prog.QueryInterface(IEtatProgramme::IID, &obj), THResult::S_OK);
    auto* etat = static_cast<IEtatProgramme*>(obj);
    EXPECT_EQ(etat->GetNumeroElectrode(), 0);
    EXPECT_EQ(etat->GetEtatValeur4(), 10);
    EXPECT_FALSE(etat->GetEtatIndicateur1());
    ASSERT_EQ(prog.QueryInterface(IProgramme::IID, &obj), THResult::S_OK);
    EXPECT_EQ(static_cast<IProgramme*>(obj)->GetTempsForgeage(), 1);
}

TEST_F(ProgrammeTest, AssignAcceptsOnlyPrograms) {
    auto eprom = Station();
    const TZoneHolder zone(eprom.get(), PrcProgrammes, 5);
    auto copie = Prog(zone).Duplicate();
    dynamic_cast<TProgrammeG20&>(*copie).SetTempsSoudage(42);
    Prog(zone).Assign(copie.get());
    EXPECT_EQ(Prog(zone).GetTempsSoudage(), 42);

    TLienProcessAvanceG20 lien(eprom.get(), PrcLienProcessAvance, 5, nullptr);
    Proxy.ClearLogs();
    Prog(zone).Assign(&lien);
    EXPECT_EQ(Prog(zone).GetTypeZone(), PrcProgrammes);
    ASSERT_EQ(Proxy.Logs().size(), 1u);
    EXPECT_EQ(Proxy.Logs()[0].Text1 + "|" + Proxy.Logs()[0].Text2, "Type Mismatch|GA_Ligne1");
}

TEST(ProgrammeInterfaces, HostInterfacesKeepTheirOperationOrder) {
    const std::vector<std::ptrdiff_t> programme =
        VtableSlots(&IProgramme::GetAvecIntensite, &IProgramme::GetConsignePression,
                    &IProgramme::GetControleFacteurMarche, &IProgramme::GetNumeroElectrode,
                    &IProgramme::GetPaliersAmpere, &IProgramme::GetTempsUpslope,
                    &IProgramme::GetTypeModeRegulation, &IProgramme::GetTempsFroid,
                    &IProgramme::SetTypeModeRegulation, &IProgramme::IsModeAmperes);
    const int rangs[] = {0, 1, 2, 14, 15, 46, 47, 48, 49, 50};
    for (std::size_t i = 0; i < std::size(rangs); ++i)
        EXPECT_EQ(programme[i] - programme[0], rangs[i] * std::ptrdiff_t{sizeof(void*)}) << i;
    EXPECT_EQ(VtableSlot(&IEtatProgramme::GetEtatHorodatage) -
                  VtableSlot(&IEtatProgramme::GetNumeroElectrode),
              7 * std::ptrdiff_t{sizeof(void*)});

    // The program's own operations follow the zone base's last one, in their order.
    using TDetail =
        std::string (TZoneCPS::*)(const std::string&, int, std::string&, std::string&) const;
    const std::ptrdiff_t base = VtableSlot(static_cast<TDetail>(&TZoneCPS::DetailIDChamp));
    const std::vector<std::ptrdiff_t> propres =
        VtableSlots(&TProgramme::GetEtatIndicateur1, &TProgramme::GetEtatHorodatage,
                    &TProgramme::GetPaliersPourcentCount, &TProgramme::GetPaliersTensionCount,
                    &TProgramme::GetPaliersAmpereCalcule, &TProgramme::GetRecuitAmpereCalcule,
                    &TProgramme::GetTypeModeRegulation, &TProgramme::SetTypeModeRegulation,
                    &TProgramme::IsModeAmperes, &TProgramme::ChangeCoeffModeAmpere);
    const int apres[] = {1, 7, 8, 10, 11, 13, 14, 15, 16, 17};
    for (std::size_t i = 0; i < std::size(apres); ++i)
        EXPECT_EQ(propres[i] - base, apres[i] * std::ptrdiff_t{sizeof(void*)}) << i;
}

} // namespace
