// Requests on auxiliary parameter files: accepted kinds, refusals and their texts, and the
// per-kind operations they reach.
#include "eprom/EpromG20.h"
#include "eprom/RequetesFichiersKEV.h"

#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"

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

using TRequete = std::function<int(TEprom&, std::string&)>;

TRequete Export(TListFilesKEV Kind) {
    return [Kind](TEprom& e, std::string& m) { return int{e.ExportFilesKEV(3, "x.kev", Kind, m)}; };
}
TRequete Import(TListFilesKEV Kind) {
    return [Kind](TEprom& e, std::string& m) {
        return int{e.ImportFilesKEV(3, nullptr, "x.kev", Kind, m)};
    };
}
TRequete ImportMem(TListFilesKEV Kind) {
    return [Kind](TEprom& e, std::string& m) {
        return int{e.ImportMemKEV(3, nullptr, nullptr, Kind, m)};
    };
}
TRequete TestImport(TListFilesKEV Kind) {
    return [Kind](TEprom& e, std::string& m) { return e.TestImportFilesKEV(3, Existant, Kind, m); };
}
TRequete TestImportMem(TListFilesKEV Kind) {
    return [Kind](TEprom& e, std::string& m) { return e.TestImportMemKEV(3, nullptr, Kind, m); };
}
TRequete Portage(bool (TEprom::*Operation)(int, int, int, int, const std::string&, std::string&)) {
    return
        [Operation](TEprom& e, std::string& m) { return int{(e.*Operation)(0, 1, 2, 3, "p", m)}; };
}

// What one request logs: a refusal (category = the EPROM's name) or the per-kind operation.
struct TCas {
    TRequete Requete;
    const char* Source;
    const char* Texte;
};

TCas Refus(TRequete Requete, const char* Source, const char* Texte) {
    return {std::move(Requete), Source, Texte};
}
TCas Atteint(TRequete Requete, const char* Operation) {
    return {std::move(Requete), Operation, SMethodeAbstract};
}

// Every request answers false (0), leaves msg alone and logs exactly the entry of the case.
void ExpectCas(FakeDataProxy& Proxy, TEprom& Eprom, const std::vector<TCas>& Cas) {
    for (std::size_t index = 0; index < Cas.size(); ++index) {
        Proxy.ClearLogs();
        std::string msg = "avant";
        EXPECT_EQ(Cas[index].Requete(Eprom, msg), 0) << index;
        EXPECT_EQ(msg, "avant") << index;
        const std::vector<LogEntry> logs = Proxy.Logs();
        ASSERT_EQ(logs.size(), 1u) << index;
        const bool refus = Cas[index].Texte != std::string(SMethodeAbstract);
        EXPECT_EQ(logs[0].Source, Cas[index].Source) << index;
        EXPECT_EQ(logs[0].Text1, Cas[index].Texte) << index;
        EXPECT_EQ(logs[0].Text2, "") << index;
        EXPECT_EQ(logs[0].Level, refus ? 3 : 2) << index;
        EXPECT_EQ(logs[0].Category, refus ? Eprom.GetNomEprom() : "Eprom") << index;
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

class RequetesFichiersKEV : public ::testing::Test {
protected:
    FakeDataProxy Proxy;
    FakeProtocol Protocol;
};

} // namespace

TEST_F(RequetesFichiersKEV, G20RefusesLearningWeldSupportAndPneumaticFilesOnBothVariants) {
    for (const char* nom : {"GA_Line3", "GM_Line3"}) {
        const auto eprom = TEpromG20::New(nom, &Protocol);
        ExpectCas(
            Proxy, *eprom,
            {
                Atteint(Export(FilesKEV_Motor), "ExportFilesKEV_Motor"),
                Atteint(Export(FilesKEV_Transformer), "ExportFilesKEV_Transformer"),
                Atteint(Export(FilesKEV_Geometry), "ExportFilesKEV_Geometry"),
                Atteint(Export(FilesKEV_ServoGun), "ExportFilesKEV_ServoGun"),
                Refus(Export(FilesKEV_PneumaticGun), "ExportFilesKEV",
                      "Fichier PneumaticGun non supporté"),
                Refus(Export(FilesKEV_AWLearning), "ExportFilesKEV",
                      "Fonction AWLearning non supportée"),
                Refus(Export(FilesKEV_AWALearning), "ExportFilesKEV",
                      "Fichier AWALearning non supporté"),
                Refus(Export(FilesKEV_WS), "ExportFilesKEV", "Fichier WS non supporté"),
                Refus(Export(Inconnu), "ExportFilesKEV", "TypeFilesKEV inconnu"),
                Refus(Export(TresInconnu), "ExportFilesKEV", "TypeFilesKEV inconnu"),

                Atteint(Import(FilesKEV_Motor), "ImportFilesKEV_Motor"),
                Atteint(Import(FilesKEV_Transformer), "ImportFilesKEV_Transformer"),
                Atteint(Import(FilesKEV_Geometry), "ImportFilesKEV_Geometry"),
                Atteint(Import(FilesKEV_ServoGun), "ImportFilesKEV_ServoGun"),
                Refus(Import(FilesKEV_PneumaticGun), "ImportFilesKEV",
                      "Fichier PneumaticGun non supporté"),
                Refus(Import(FilesKEV_AWLearning), "ImportFilesKEV",
                      "Fonction AWLearning non supportée"),
                Refus(Import(FilesKEV_AWALearning), "ImportFilesKEV",
                      "Fonction AWALearning non supportée"),
                Refus(Import(FilesKEV_WS), "ImportFilesKEV", "TypeFilesKEV inconnu"),

                Refus(ImportMem(FilesKEV_WS), "ImportMemKEV", "Fonction WS non supportée"),
                Refus(ImportMem(FilesKEV_Motor), "ImportMemKEV", "TypeFilesKEV inconnu"),

                Atteint(TestImport(FilesKEV_Motor), "TestImportFilesKEV_Motor"),
                Atteint(TestImport(FilesKEV_Transformer), "TestImportFilesKEV_Transformer"),
                Atteint(TestImport(FilesKEV_Geometry), "TestImportFilesKEV_Geometry"),
                Atteint(TestImport(FilesKEV_ServoGun), "TestImportFilesKEV_ServoGun"),
                Refus(TestImport(FilesKEV_PneumaticGun), "TestImportFilesKEV",
                      "Fichier PneumaticGun non supporté"),
                Refus(TestImport(FilesKEV_AWLearning), "TestImportFilesKEV",
                      "Fonction AWLearning non supportée"),
                // The test requests log the import text of a kind.
                Refus(TestImport(FilesKEV_AWALearning), "TestImportFilesKEV",
                      "Fonction AWALearning non supportée"),
                Refus(TestImport(FilesKEV_WS), "TestImportFilesKEV", "TypeFilesKEV inconnu"),

                Refus(TestImportMem(FilesKEV_WS), "TestImportMemKEV", "Fonction WS non supportée"),
                Refus(TestImportMem(FilesKEV_ServoGun), "TestImportMemKEV", "TypeFilesKEV inconnu"),
            });
    }
}

TEST_F(RequetesFichiersKEV, SupportedLearningAndWeldSupportKindsReachTheirOperations) {
    const auto eprom = TEprom::Create<TEpromFichiers>("Station", nullptr);
    ExpectCas(Proxy, *eprom,
              {
                  Atteint(Export(FilesKEV_AWLearning), "ExportFilesKEV_AWL"),
                  Atteint(Export(FilesKEV_AWALearning), "ExportFilesKEV_AWAL"),
                  Atteint(Export(FilesKEV_WS), "ExportFilesKEV_WS"),
                  Atteint(Import(FilesKEV_AWLearning), "ImportFilesKEV_AWL"),
                  Atteint(Import(FilesKEV_AWALearning), "ImportFilesKEV_AWAL"),
                  Atteint(ImportMem(FilesKEV_WS), "ImportMemKEV_WS"),
                  Atteint(TestImport(FilesKEV_AWLearning), "TestImportFilesKEV_Appr"),
                  Atteint(TestImport(FilesKEV_AWALearning), "TestImportFilesKEV_Appr"),
                  Atteint(TestImportMem(FilesKEV_WS), "TestImportMemKEV_WS"),
                  Refus(Export(FilesKEV_PneumaticGun), "ExportFilesKEV",
                        "Fichier PneumaticGun non supporté"),
                  // Porting operations are not available either.
                  Atteint(Portage(&TEprom::PortingFilesKEV_AWL), "PortingFilesKEV_AWL"),
                  Atteint(Portage(&TEprom::PortingFilesKEV_AWAL), "PortingFilesKEV_AWAL"),
                  Atteint(Portage(&TEprom::PortingFilesKEV_INI), "PortingFilesKEV_INI"),
                  Atteint(Portage(&TEprom::PortingEpromFilesKEV_AWL), "PortingEpromFilesKEV_AWL"),
                  Atteint(Portage(&TEprom::PortingEpromFilesKEV_AWAL), "PortingEpromFilesKEV_AWAL"),
                  Atteint(Portage(&TEprom::PortingEpromFilesKEV_INI), "PortingEpromFilesKEV_INI"),
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
