// Requests on auxiliary parameter files: accepted kinds, refusals and their texts, and the
// per-kind operations they reach.
#include "eprom/EpromG20.h"
#include "eprom/RequetesFichiersKEV.h"

#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

const std::string Existant = G20SEQ_TEST_DATA_DIR "/zonefile_two_blocks.hex";
constexpr auto Inconnu = static_cast<TListFilesKEV>(8);
constexpr auto TresInconnu = static_cast<TListFilesKEV>(200);

// The requests on a kind of file, and the sources their refusals are logged under.
enum TRequete { Export, Import, ImportMem, TestImport, TestImportMem };
constexpr const char* Sources[] = {"ExportFilesKEV", "ImportFilesKEV", "ImportMemKEV",
                                   "TestImportFilesKEV", "TestImportMemKEV"};

int Demande(TEprom& e, TRequete Requete, TListFilesKEV Kind, std::string& m) {
    switch (Requete) {
    case Export:
        return e.ExportFilesKEV(3, "x.kev", Kind, m);
    case Import:
        return e.ImportFilesKEV(3, nullptr, "x.kev", Kind, m);
    case ImportMem:
        return e.ImportMemKEV(3, nullptr, nullptr, Kind, m);
    case TestImport:
        return e.TestImportFilesKEV(3, Existant, Kind, m);
    case TestImportMem:
        return e.TestImportMemKEV(3, nullptr, Kind, m);
    }
    return -1;
}

// A request and what it logs: a refusal (level 3, category = the EPROM's name) or the
// per-kind operation (level 2, category "Eprom").
struct TCas {
    std::function<int(TEprom&, std::string&)> Appel;
    std::string Source;
    std::string Texte;
};

TCas Refus(TRequete Requete, TListFilesKEV Kind, const char* Texte) {
    return {[=](TEprom& e, std::string& m) { return Demande(e, Requete, Kind, m); },
            Sources[Requete], Texte};
}
TCas Atteint(TRequete Requete, TListFilesKEV Kind, const char* Operation) {
    return {[=](TEprom& e, std::string& m) { return Demande(e, Requete, Kind, m); }, Operation,
            SMethodeAbstract};
}
TCas Portage(bool (TEprom::*Operation)(int, int, int, int, const std::string&, std::string&),
             const char* Nom) {
    return {[=](TEprom& e, std::string& m) { return int{(e.*Operation)(0, 1, 2, 3, "p", m)}; }, Nom,
            SMethodeAbstract};
}

// Every request answers false (0), leaves msg alone and logs exactly the entry of the case.
void ExpectCas(FakeDataProxy& Proxy, TEprom& Eprom, const std::vector<TCas>& Cas) {
    for (const TCas& cas : Cas) {
        Proxy.ClearLogs();
        std::string msg = "avant";
        EXPECT_EQ(cas.Appel(Eprom, msg), 0) << cas.Source << " " << cas.Texte;
        EXPECT_EQ(msg, "avant") << cas.Source;
        const bool refus = cas.Texte != SMethodeAbstract;
        const std::string ligne = cas.Source + "|" + cas.Texte + "||" + (refus ? "3|" : "2|") +
                                  (refus ? Eprom.GetNomEprom() : "Eprom");
        EXPECT_EQ(LogLines(Proxy), std::vector<std::string>{ligne});
    }
}

// A variant that supports learning and weld support files.
class TDescriptionFichiers : public TEpromDescription {
public:
    TDescriptionFichiers(TPersistent* aOwner, const std::string& aNom)
        : TEpromDescription(aOwner, aNom, "") {
        FSupportFunctions = {sfSupportFileAWL, sfSupportFileAWAL, sfSupportFileWS};
    }
};

class TEpromFichiers : public TEprom {
public:
    using TEprom::TEprom;

protected:
    void InitTypeZones() override {
        FDescription = std::make_unique<TDescriptionFichiers>(this, GetNomEprom());
        TEprom::InitTypeZones();
    }
};

using RequetesFichiersKEV = EpromFixture;

} // namespace

TEST_F(RequetesFichiersKEV, G20RefusesLearningWeldSupportAndPneumaticFilesOnBothVariants) {
    for (const char* nom : {"GA_Line3", "GM_Line3"}) {
        const auto eprom = TEpromG20::New(nom, &Protocol);
        ExpectCas(Proxy, *eprom,
                  {
                      Atteint(Export, FilesKEV_Motor, "ExportFilesKEV_Motor"),
                      Atteint(Export, FilesKEV_Transformer, "ExportFilesKEV_Transformer"),
                      Atteint(Export, FilesKEV_Geometry, "ExportFilesKEV_Geometry"),
                      Atteint(Export, FilesKEV_ServoGun, "ExportFilesKEV_ServoGun"),
                      Refus(Export, FilesKEV_PneumaticGun, "Fichier PneumaticGun non supporté"),
                      Refus(Export, FilesKEV_AWLearning, "Fonction AWLearning non supportée"),
                      Refus(Export, FilesKEV_AWALearning, "Fichier AWALearning non supporté"),
                      Refus(Export, FilesKEV_WS, "Fichier WS non supporté"),
                      Refus(Export, Inconnu, "TypeFilesKEV inconnu"),
                      Refus(Export, TresInconnu, "TypeFilesKEV inconnu"),

                      Atteint(Import, FilesKEV_Motor, "ImportFilesKEV_Motor"),
                      Atteint(Import, FilesKEV_Transformer, "ImportFilesKEV_Transformer"),
                      Atteint(Import, FilesKEV_Geometry, "ImportFilesKEV_Geometry"),
                      Atteint(Import, FilesKEV_ServoGun, "ImportFilesKEV_ServoGun"),
                      Refus(Import, FilesKEV_PneumaticGun, "Fichier PneumaticGun non supporté"),
                      Refus(Import, FilesKEV_AWLearning, "Fonction AWLearning non supportée"),
                      Refus(Import, FilesKEV_AWALearning, "Fonction AWALearning non supportée"),
                      Refus(Import, FilesKEV_WS, "TypeFilesKEV inconnu"),

                      Refus(ImportMem, FilesKEV_WS, "Fonction WS non supportée"),
                      Refus(ImportMem, FilesKEV_Motor, "TypeFilesKEV inconnu"),

                      Atteint(TestImport, FilesKEV_Motor, "TestImportFilesKEV_Motor"),
                      Atteint(TestImport, FilesKEV_Transformer, "TestImportFilesKEV_Transformer"),
                      Atteint(TestImport, FilesKEV_Geometry, "TestImportFilesKEV_Geometry"),
                      Atteint(TestImport, FilesKEV_ServoGun, "TestImportFilesKEV_ServoGun"),
                      Refus(TestImport, FilesKEV_PneumaticGun, "Fichier PneumaticGun non supporté"),
                      Refus(TestImport, FilesKEV_AWLearning, "Fonction AWLearning non supportée"),
                      // The test requests log the import text of a kind.
                      Refus(TestImport, FilesKEV_AWALearning, "Fonction AWALearning non supportée"),
                      Refus(TestImport, FilesKEV_WS, "TypeFilesKEV inconnu"),

                      Refus(TestImportMem, FilesKEV_WS, "Fonction WS non supportée"),
                      Refus(TestImportMem, FilesKEV_ServoGun, "TypeFilesKEV inconnu"),
                  });
    }
}

TEST_F(RequetesFichiersKEV, SupportedLearningAndWeldSupportKindsReachTheirOperations) {
    const auto eprom = TEprom::Create<TEpromFichiers>("Station", nullptr);
    ExpectCas(Proxy, *eprom,
              {
                  Atteint(Export, FilesKEV_AWLearning, "ExportFilesKEV_AWL"),
                  Atteint(Export, FilesKEV_AWALearning, "ExportFilesKEV_AWAL"),
                  Atteint(Export, FilesKEV_WS, "ExportFilesKEV_WS"),
                  Atteint(Import, FilesKEV_AWLearning, "ImportFilesKEV_AWL"),
                  Atteint(Import, FilesKEV_AWALearning, "ImportFilesKEV_AWAL"),
                  Atteint(ImportMem, FilesKEV_WS, "ImportMemKEV_WS"),
                  Atteint(TestImport, FilesKEV_AWLearning, "TestImportFilesKEV_Appr"),
                  Atteint(TestImport, FilesKEV_AWALearning, "TestImportFilesKEV_Appr"),
                  Atteint(TestImportMem, FilesKEV_WS, "TestImportMemKEV_WS"),
                  Refus(Export, FilesKEV_PneumaticGun, "Fichier PneumaticGun non supporté"),
                  // Porting operations are not available either.
                  Portage(&TEprom::PortingFilesKEV_AWL, "PortingFilesKEV_AWL"),
                  Portage(&TEprom::PortingFilesKEV_AWAL, "PortingFilesKEV_AWAL"),
                  Portage(&TEprom::PortingFilesKEV_INI, "PortingFilesKEV_INI"),
                  Portage(&TEprom::PortingEpromFilesKEV_AWL, "PortingEpromFilesKEV_AWL"),
                  Portage(&TEprom::PortingEpromFilesKEV_AWAL, "PortingEpromFilesKEV_AWAL"),
                  Portage(&TEprom::PortingEpromFilesKEV_INI, "PortingEpromFilesKEV_INI"),
              });
}

TEST_F(RequetesFichiersKEV, TestOfAMissingFileAnswersZeroWithTheFileNotFoundMessage) {
    const auto eprom = TEpromG20::New("GA_Line3", &Protocol);
    const std::string absent = G20SEQ_TEST_DATA_DIR "/absent.kev";
    std::string msg = "avant";
    EXPECT_EQ(eprom->TestImportFilesKEV(0, absent, FilesKEV_Motor, msg), 0);
    EXPECT_EQ(msg, "Fichier introuvable\r\n" + absent);
    // The file is looked for before the kind: a directory is no file either.
    Proxy.AddTranslation("IDKEVFile", "IDFileNotFound", "File not found");
    EXPECT_EQ(eprom->TestImportFilesKEV(0, G20SEQ_TEST_DATA_DIR, Inconnu, msg), 0);
    EXPECT_EQ(msg, std::string("File not found\r\n") + G20SEQ_TEST_DATA_DIR);
    EXPECT_TRUE(Proxy.Logs().empty());
}
