// The plant audit through the built tool: 200 stations against their references, a few
// drifted and one truncated, reported on the terminal, in the CSV and in the HTML page.
#include "HostTestFiles.h"
#include "cli/CommandContext.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

using namespace g20seq::host;
using namespace g20seq::hosttest;

namespace {

namespace fs = std::filesystem;

std::string StationName(int Index) {
    return "st" + std::to_string(1000 + Index).substr(1) + ".g20";
}

// The drifted stations: station index, zone, field and the value set (display value).
struct TDrift {
    int Station;
    const char* Zone;
    const char* Field;
    const char* Value;
};
constexpr TDrift Drifts[] = {
    {3, "PrcProgrammes=5", "IDNombrePulsations", "3"},
    {17, "PrcProgrammes=0", "IDIntervallePulsations", "4"},
    {29, "PrcElectrodes=2", "IDMargeRodage", "40"},
    {44, "PrcConfiguration", "C1", "1"},
    {58, "PrcFraise=1", "IDAlarmeFraiseRodeuse", "150"},
    {71, "PrcProgrammes=127", "IDConsignePression", "5"},
    {90, "PrcProgrammes=99", "IDNombreSeuilPourcentHautRepetitif", "2"},
    {123, "PrcAssignationPoint=7", "IDProgAssocie", "9"},
    {166, "PrcProgrammes=64", "IDAnglePhieFixe", "70"},
    {199, "PrcElectrodes=0", "IDAngleSlope", "120"},
};
constexpr int Truncated = 150;
constexpr int Stations = 200;

class Audit : public HostFilesTest {};

TEST_F(Audit, TwoHundredStationsNameTheDriftedFieldsAndTheTruncatedFile) {
    const fs::path images = Dir / "images";
    const fs::path refs = Dir / "refs";
    fs::create_directories(images);
    fs::create_directories(refs);
    const std::string model = File("model.g20");
    ASSERT_EQ(Run({"new", "GA_Plant", model}).ExitCode, ExitOk);
    std::vector<std::string> args = {"audit"};
    for (int index = 0; index < Stations; ++index) {
        fs::copy_file(model, images / StationName(index));
        fs::copy_file(model, refs / StationName(index));
        args.push_back((images / StationName(index)).string());
    }
    std::set<std::string> expected; // "station zone field"
    for (const TDrift& drift : Drifts) {
        const std::string image = (images / StationName(drift.Station)).string();
        const auto set =
            Run({"set", image, drift.Zone, std::string(drift.Field) + "=" + drift.Value});
        ASSERT_EQ(set.ExitCode, ExitOk) << set.Err;
        const std::string zone = Has(drift.Zone, "=") ? drift.Zone : std::string(drift.Zone) + "=0";
        expected.insert(image + " " + zone + " " + drift.Field);
    }
    const std::string cut = (images / StationName(Truncated)).string();
    WriteText(cut, ReadText(cut).substr(0, 90000));
    const std::string html = File("audit.html");
    const std::string csv = File("audit.csv");
    args.insert(args.end(), {"--refs", refs.string(), "--html", html, "--csv", csv});

    const auto run = Run(args);
    EXPECT_EQ(run.ExitCode, ExitUsage) << run.Err;
    std::istringstream lines(run.Out);
    std::set<std::string> different;
    int equal = 0;
    int errors = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(": ");
        if (colon == std::string::npos)
            continue;
        const std::string result = line.substr(colon + 2);
        equal += result == "equal" ? 1 : 0;
        if (result.rfind("error: ", 0) == 0) {
            ++errors;
            EXPECT_EQ(line.substr(0, colon), cut);
            EXPECT_TRUE(Has(result, "truncated")) << result;
        }
        if (result == "1 difference")
            different.insert(line.substr(0, colon));
    }
    EXPECT_EQ(equal, Stations - 11);
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(different.size(), 10U);
    EXPECT_TRUE(Has(run.Out, "200 stations: 189 equal, 10 different, 1 could not be read\n"));

    // The CSV names exactly the drifted fields; each row holds both values.
    std::set<std::string> reported;
    std::istringstream rows(ReadText(csv));
    std::string row;
    std::getline(rows, row);
    EXPECT_EQ(row, "\"station\",\"reference\",\"result\",\"zone\",\"field\",\"caption\","
                   "\"station value\",\"reference value\"\r");
    for (; std::getline(rows, row);) {
        std::vector<std::string> cells;
        for (std::size_t start = 1; start < row.size(); start = row.find(",\"", start) + 2) {
            cells.push_back(row.substr(start, row.find('"', start) - start));
            if (row.find(",\"", start) == std::string::npos)
                break;
        }
        ASSERT_EQ(cells.size(), 8U) << row;
        if (!cells[4].empty()) {
            reported.insert(cells[0] + " " + cells[3] + " " + cells[4]);
            EXPECT_NE(cells[6], cells[7]) << row;
            EXPECT_FALSE(cells[5].empty()) << row;
        }
    }
    EXPECT_EQ(reported, expected);

    const std::string page = ReadText(html);
    EXPECT_TRUE(Has(page, "<table class=\"sortable\">"));
    for (const TDrift& drift : Drifts)
        EXPECT_TRUE(Has(page, "<td>" + std::string(drift.Field) + "</td>")) << drift.Field;
    EXPECT_TRUE(Has(page, "could not be read: 1"));
}

TEST_F(Audit, OneGoldenImageForAllAndTheExitCodes) {
    const std::string golden = File("golden.g20");
    ASSERT_EQ(Run({"new", "GA_Golden", golden}).ExitCode, ExitOk);
    const std::string same = File("same.g20");
    ASSERT_EQ(Run({"new", "GA_Same", same}).ExitCode, ExitOk);
    const std::string other = File("other.g20");
    fs::copy_file(same, other);
    ASSERT_EQ(Run({"set", other, "PrcProgrammes=2", "IDNombrePulsations=2"}).ExitCode, ExitOk);
    const std::string mf = File("mf.g20");
    ASSERT_EQ(Run({"new", "GM_Medium", mf}).ExitCode, ExitOk);

    const auto equal = Run({"audit", same, "--against", golden, "--jobs", "1"});
    EXPECT_EQ(equal.ExitCode, ExitOk) << equal.Out << equal.Err;
    EXPECT_EQ(equal.Out, same + ": equal\n1 station: 1 equal, 0 different, 0 could not be read\n");
    const auto drifted = Run({"audit", same, other, "--against", golden});
    EXPECT_EQ(drifted.ExitCode, ExitDifferent);
    EXPECT_TRUE(Has(drifted.Out, other + ": 1 difference\n"));
    // An AC station lacks the learning blocks of an MF reference.
    const auto lacking = Run({"audit", same, "--against", mf});
    EXPECT_EQ(lacking.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(lacking.Out, "lacks or holds short")) << lacking.Out;
    EXPECT_EQ(Run({"audit", same, "--refs", Dir.string(), "--against", golden}).ExitCode,
              ExitUsage);
}

} // namespace
