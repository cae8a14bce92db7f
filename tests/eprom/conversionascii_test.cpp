// The text export of an EPROM: cell quoting, golden files of fresh stations, number lists,
// progress, and a full station read back cell by cell.
#include "eprom/ConversionASCII.h"

#include "eprom/EpromG20.h"
#include "model/CustomZoneCPS.h"
#include "model/IDTypeZones.h"
#include "model/KEVField.h"
#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

const std::filesystem::path Golden = G20SEQ_TEST_DATA_DIR "/export";
const TExportTypes ToutesSections = {etProgrammes,       etElectrodes,       etConfiguration,
                                     etAssignationPoint, etFraise,           etRodeuse,
                                     etApprentissageAW,  etProgrammeCombine, etApprentissageAWA};

std::vector<std::string> Lignes(const std::string& Texte) {
    std::vector<std::string> lignes;
    for (std::size_t debut = 0; debut < Texte.size();) {
        const std::size_t fin = Texte.find("\r\n", debut);
        lignes.push_back(Texte.substr(debut, fin - debut));
        debut = fin == std::string::npos ? Texte.size() : fin + 2;
    }
    return lignes;
}

// Reads one row back: ";" separates cells, double quotes enclose a cell, "" inside is one.
std::vector<std::string> Cellules(const std::string& Ligne) {
    std::vector<std::string> cellules(1);
    bool citee = false;
    for (std::size_t i = 0; i < Ligne.size(); ++i) {
        const char c = Ligne[i];
        if (citee && c == '"' && i + 1 < Ligne.size() && Ligne[i + 1] == '"')
            cellules.back() += Ligne[++i];
        else if (c == '"')
            citee = !citee;
        else if (c == ';' && !citee)
            cellules.emplace_back();
        else
            cellules.back() += c;
    }
    return cellules;
}

// A section header: the caption, then the numbers 0 to Largeur - 2 (no number for the
// configuration, whose rows are two cells wide).
bool EstEntete(const std::vector<std::string>& Cellules, std::size_t Largeur) {
    if (Largeur == 2)
        return Cellules.size() == 1;
    for (std::size_t i = 1; i < Cellules.size(); ++i)
        if (Cellules[i] != std::to_string(i - 1))
            return false;
    return Cellules.size() == Largeur;
}

std::unique_ptr<TStringList> Liste(std::initializer_list<const char*> Items) {
    auto liste = std::make_unique<TStringList>();
    for (const char* item : Items)
        liste->Add(item);
    return liste;
}

class ConversionASCII : public EpromFixture {
protected:
    // Exports on 7 March 2024 into Dir/Name and answers the file's content.
    std::string Exporter(TEprom& Eprom, const std::string& Name, TExportTypes Sections,
                         const TStringList* Programmes, const TStringList* Electrodes) {
        TConversionASCII conversion(Eprom, [] { return EncodeDate(2024, 3, 7) + 0.75; });
        EXPECT_TRUE(conversion.Execute(Sections, (Dir / Name).string(), Programmes, Electrodes));
        return ReadText(Dir / Name);
    }
    const TScratchDir Scratch;
    const std::filesystem::path& Dir = Scratch.Dir();
};

} // namespace

TEST(ExportCells, QuotedOnlyWhenASpreadsheetWouldSplitOrTrimThem) {
    const std::pair<const char*, const char*> cas[] = {
        {"", ""},
        {"Forgeage", "Forgeage"},
        {"1,5", "1,5"},
        {"Température", "Température"},
        {"Temps froid", "\"Temps froid\""},
        {"a;b", "\"a;b\""},
        {"dit \"non\"", "\"dit \"\"non\"\"\""},
        {"\"", "\"\"\"\""},
        {"a\tb", "\"a\tb\""},
        {"a\x7F", "\"a\x7F\""},
        {"fin\r\n", "\"fin\r\n\""},
    };
    for (const auto& [cellule, ecrite] : cas)
        EXPECT_EQ(CelluleExport(cellule), ecrite) << cellule;
    EXPECT_EQ(LigneExport({"Soudage", "", "-", "Point par point"}),
              "Soudage;;-;\"Point par point\"");
    EXPECT_EQ(LigneExport({}), "");
}

TEST_F(ConversionASCII, FreshStationsMatchTheGoldenFilesByteForByte) {
    const auto ac = TEpromG20::New("GA_Line3", &Protocol);
    std::vector<std::pair<int, int>> progression;
    ac->SetNextProgressStep(
        [&](int Step, int Overall) { progression.emplace_back(Step, Overall); });
    const auto programmes = Liste({"0", "1"});
    const auto electrodes = Liste({"0"});
    const std::string nomAC = "ga_programmes_0_1_electrode_0.csv";
    EXPECT_EQ(Exporter(*ac, nomAC, ToutesSections, programmes.get(), electrodes.get()),
              ReadText(Golden / nomAC));
    // Five sections (the G20 has no tip dresser machine, learning nor combined programs):
    // 20 per section, 10 half-way through the programs.
    EXPECT_EQ(progression,
              (std::vector<std::pair<int, int>>{
                  {0, 100}, {10, 100}, {20, 100}, {40, 100}, {60, 100}, {80, 100}, {100, 100}}));

    const auto mf = TEpromG20::New("GM_Line3", &Protocol);
    mf->SetNextProgressStep([](int, int) {});
    const std::string nomMF = "gm_station.csv";
    EXPECT_EQ(Exporter(*mf, nomMF, ToutesSections, nullptr, nullptr), ReadText(Golden / nomMF));
}

TEST_F(ConversionASCII, NumberListsChooseTheHeaderCellsAndTheZonesWritten) {
    const auto eprom = TEpromG20::New("GA_Line3", &Protocol);
    eprom->SetNextProgressStep([](int, int) {});
    TZoneHolder programme1(eprom.get(), PrcProgrammes, 1);
    programme1->GetFieldByID("IDTempsSoudage")->SetAsInteger(12);

    const auto liste = Liste({"1", "0", "200"});
    std::vector<std::string> lignes =
        Lignes(Exporter(*eprom, "liste.csv", {etProgrammes}, liste.get(), nullptr));
    ASSERT_GT(lignes.size(), 6u);
    EXPECT_EQ(
        std::vector(lignes.begin(), lignes.begin() + 4),
        (std::vector<std::string>{"07/03/2024,liste.csv", "G20 Ethernet INTERBUS-S 128P 50-60 HZ",
                                  "Programmes;1;0;200", "Temps"}));
    EXPECT_EQ(lignes[6], "Soudage;0;12");

    const auto vide = Liste({});
    lignes =
        Lignes(Exporter(*eprom, "vide.csv", {etProgrammes, etConfiguration}, vide.get(), nullptr));
    EXPECT_EQ(lignes[2], "Programmes");
    EXPECT_EQ(lignes[6], "Soudage");
    // The electrodes are not asked for; the configuration is zone 0 without number cell.
    const auto configuration = std::find(lignes.begin(), lignes.end(), "Configuration");
    ASSERT_NE(configuration, lignes.end());
    EXPECT_EQ(configuration[1], "\"Sélection des programmes\"");
    EXPECT_EQ(std::count(configuration[2].begin(), configuration[2].end(), ';'), 1);
}

TEST_F(ConversionASCII, FullStationReadsBackCellByCell) {
    const auto eprom = TEpromG20::New("GA_Line3", &Protocol);
    eprom->SetNextProgressStep([](int, int) {});
    const std::string commentaire = "a;b \"c\"\td";
    TZoneHolder lien(eprom.get(), PrcLienProcessAvance, 7);
    lien->GetFieldByID("IDCommentaire")->SetAsString(commentaire);

    const std::string texte = Exporter(*eprom, "station.csv", ToutesSections, nullptr, nullptr);
    ASSERT_GE(texte.size(), 2u);
    EXPECT_NE(texte.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(texte.substr(texte.size() - 2), "\r\n");
    const std::vector<std::string> lignes = Lignes(texte);

    // Cells per row of each section: its header's, and zone 0's value for the configuration.
    const std::map<std::string, std::size_t> largeurs = {
        {TypeZoneDisplayName(PrcProgrammes), 129},
        {TypeZoneDisplayName(PrcElectrodes), 17},
        {TypeZoneDisplayName(PrcConfiguration), 2},
        {TypeZoneDisplayName(PrcAssignationPoint), 129},
        {TypeZoneDisplayName(PrcFraise), 5}};
    std::size_t largeur = 0;
    int sections = 0;
    int rangees = 0;
    std::string lue;
    for (std::size_t index = 2; index < lignes.size(); ++index) {
        const std::vector<std::string> cellules = Cellules(lignes[index]);
        EXPECT_EQ(LigneExport(cellules), lignes[index]) << index;
        const auto section = largeurs.find(cellules[0]);
        if (section != largeurs.end() && EstEntete(cellules, section->second)) {
            largeur = section->second;
            ++sections;
        } else if (cellules.size() > 1) {
            EXPECT_EQ(cellules.size(), largeur) << lignes[index];
            ++rangees;
            if (cellules[0] == "Lien process : Commentaire")
                lue = cellules[8];
        }
    }
    EXPECT_EQ(sections, 5);
    EXPECT_GT(rangees, 250);
    EXPECT_EQ(lue, commentaire);
}

TEST_F(ConversionASCII, AFileThatCannotBeWrittenAnswersFalseAndIsLogged) {
    const auto eprom = TEpromG20::New("GA_Line3", &Protocol);
    eprom->SetNextProgressStep([](int, int) {});
    const std::string fichier = (Dir / "absent" / "x.csv").string();
    EXPECT_FALSE(TConversionASCII(*eprom).Execute(ToutesSections, fichier, nullptr, nullptr));
    ASSERT_FALSE(Proxy.Logs().empty());
    EXPECT_EQ(LogLine(Proxy.Logs().back()),
              "ConversionASCII|Cannot create file \"" + fichier + "\"|" + fichier + "|2|Eprom");
    EXPECT_FALSE(std::filesystem::exists(fichier));
}
