#include "HostTestFiles.h"
#include "cli/Cli.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace g20seq::host;
using g20seq::hosttest::Entries;
using g20seq::hosttest::Has;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;
using g20seq::hosttest::TToolRun;
using g20seq::hosttest::WriteText;

namespace {

class CliTool : public HostFilesTest {
protected:
    // A fresh AC station image in the test directory.
    std::string NewImage(const std::string& Name = "a.g20") {
        const std::string path = File(Name);
        const auto run = Run({"new", "GA_Line3_Robot2", path});
        EXPECT_EQ(run.ExitCode, ExitOk) << run.Err;
        return path;
    }
};

} // namespace

TEST(Cli, HelpUsageAndUnknownCommands) {
    const auto cli = [](const std::vector<std::string>& Args) { // in this process
        std::ostringstream out, err;
        const int code = RunCli(Args, out, err);
        return TToolRun{code, out.str(), err.str()};
    };
    const TToolRun help = cli({"--help"});
    EXPECT_EQ(help.ExitCode, ExitOk);
    EXPECT_TRUE(Has(help.Out, "usage: g20seq"));
    EXPECT_TRUE(help.Err.empty());
    EXPECT_EQ(cli({}).ExitCode, ExitUsage);
    EXPECT_TRUE(cli({}).Out.empty());
    const TToolRun unknown = cli({"frobnicate"});
    EXPECT_EQ(unknown.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(unknown.Err, "unknown command 'frobnicate'"));
    for (const char* command : {"new", "info", "dump", "get", "set", "diff", "fmt", "apply",
                                "audit", "export", "encode", "decode", "ref", "demo"}) {
        EXPECT_EQ(cli({command, "--help"}).ExitCode, ExitOk) << command;
        EXPECT_TRUE(Has(cli({command, "--help"}).Out, std::string("usage: g20seq ") + command));
    }
    const TToolRun count = cli({"get", "only-a-file"});
    EXPECT_EQ(count.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(count.Err, "wrong number of arguments"));
}

TEST_F(CliTool, NewImageReopensInASecondProcessWithIdenticalDumps) {
    const std::string image = NewImage();
    const auto info = Run({"info", image});
    EXPECT_EQ(info.ExitCode, ExitOk);
    EXPECT_TRUE(Has(info.Out, "identification: GA_Line3")) << info.Out;
    EXPECT_TRUE(Has(info.Out, "variant: AC"));
    EXPECT_TRUE(Has(info.Out, "PrcProgrammes (29): 128"));

    const auto first = Run({"dump", image});
    const auto second = Run({"dump", image});
    EXPECT_EQ(first.ExitCode, ExitOk);
    EXPECT_EQ(first.Out, second.Out);
    EXPECT_TRUE(Has(first.Out, "\nPrcProgrammes=5 IDTempsSoudage=0\n"));
    EXPECT_TRUE(Has(first.Out, "\nPrcProgrammes=5 IDPaliersAmpere[9]=500\n"));

    EXPECT_EQ(Run({"new", "GA_Other", image}).ExitCode, ExitUsage) << "kept without --force";
    const auto mf = Run({"new", "GM_Station", File("m.g20")});
    EXPECT_TRUE(Has(mf.Out, "(MF)")) << mf.Err;
    const auto unknown = Run({"new", "XX_Station", File("x.g20")});
    EXPECT_EQ(unknown.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(unknown.Err, "Sequence 'XX_Station' not handled by the current library."));
    EXPECT_EQ(Entries(Dir),
              (std::vector<std::string>{".a.g20.lock", ".m.g20.lock", "a.g20", "m.g20"}));
}

TEST_F(CliTool, SetGetAndRefusedValues) {
    const std::string image = NewImage();
    const auto set = Run({"set", image, "PrcProgrammes=5", "IDTempsSoudage=12",
                          "IDModeVolee=Point par point", "IDPaliersAmpere[2]=600"});
    EXPECT_EQ(set.ExitCode, ExitOk) << set.Err;
    EXPECT_TRUE(Has(set.Out, "PrcProgrammes=5 IDPaliersAmpere[2]=600\n"));
    EXPECT_EQ(Run({"get", image, "PrcProgrammes=5", "IDTempsSoudage"}).Out, "12\n");
    EXPECT_EQ(Run({"get", image, "PrcProgrammes=5", "IDPaliersAmpere[2]"}).Out, "600\n");

    const std::string before = ReadText(image);
    const auto refused =
        Run({"set", image, "PrcProgrammes=5", "IDTempsSoudage=13", "IDTempsSoudage=5000"});
    EXPECT_EQ(refused.ExitCode, ExitDifferent);
    EXPECT_TRUE(Has(refused.Err, "5000 n'est pas une valeur correcte pour le champ"))
        << refused.Err;
    EXPECT_EQ(ReadText(image), before);
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".a.g20.lock", "a.g20"}));

    EXPECT_EQ(Run({"set", image, "PrcProgrammes=5", "IDNoSuchField=1"}).ExitCode, ExitUsage);
    EXPECT_EQ(Run({"get", image, "PrcNoSuchZone=1", "IDTempsSoudage"}).ExitCode, ExitUsage);
    EXPECT_EQ(ReadText(image), before);
}

// Commands started at once on one image each hold its lock for their whole cycle: no
// change is lost, and the working copy a killed command left behind is removed under the
// lock by the next one.
TEST_F(CliTool, ConcurrentSetsOnOneImageLoseNoChange) {
    const std::string image = NewImage();
    const std::string leftover = File(".a.g20.g20seq-Kil1ed");
    WriteText(leftover, "half written");
    std::vector<TStartedRun> runs;
    for (int program = 0; program < 20; ++program)
        runs.push_back(Start({"set", image, "PrcProgrammes=" + std::to_string(program),
                              "IDTempsSoudage=" + std::to_string(100 + program)},
                             false, std::to_string(program)));
    for (const TStartedRun& run : runs) {
        const TToolRun finished = Finish(run);
        EXPECT_EQ(finished.ExitCode, ExitOk) << finished.Err;
    }
    for (int program = 0; program < 20; ++program)
        EXPECT_EQ(
            Run({"get", image, "PrcProgrammes=" + std::to_string(program), "IDTempsSoudage"}).Out,
            std::to_string(100 + program) + "\n")
            << "program " << program;
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".a.g20.lock", "a.g20"}));
}

TEST_F(CliTool, DiffAndPayloadRoundTrip) {
    const std::string image = NewImage();
    const std::string other = NewImage("b.g20");
    EXPECT_EQ(Run({"diff", image, other}).ExitCode, ExitOk);
    Run({"set", image, "PrcProgrammes=5", "IDTempsSoudage=12", "IDTempsForgeage=7"});
    const auto diff = Run({"diff", image, other});
    EXPECT_EQ(diff.ExitCode, ExitDifferent);
    EXPECT_EQ(diff.Out, "PrcProgrammes=5 IDTempsForgeage=\"7\",\"1\"\n"
                        "PrcProgrammes=5 IDTempsSoudage=\"12\",\"0\"\n");

    const auto encode = Run({"encode", image, "PrcProgrammes=5"});
    EXPECT_EQ(encode.ExitCode, ExitOk);
    const std::string hex = encode.Out.substr(0, encode.Out.size() - 1);
    EXPECT_EQ(hex.size(), 2u * 163);
    const auto decode = Run({"decode", other, "PrcProgrammes=5", hex, "--write"});
    EXPECT_EQ(decode.ExitCode, ExitOk) << decode.Err;
    EXPECT_EQ(decode.Out, "SerSansErreur\nPrcProgrammes=5 IDTempsForgeage=7\n"
                          "PrcProgrammes=5 IDTempsSoudage=12\n");
    EXPECT_EQ(Run({"diff", image, other}).ExitCode, ExitOk);
    EXPECT_EQ(Run({"dump", image, "PrcProgrammes=5"}).Out,
              Run({"dump", other, "PrcProgrammes=5"}).Out);

    // A payload one byte short is refused and, even with --write, changes nothing.
    const std::string before = ReadText(image);
    const auto refused =
        Run({"decode", image, "PrcProgrammes=6", hex.substr(0, hex.size() - 2), "--write"});
    EXPECT_EQ(refused.ExitCode, ExitDifferent);
    EXPECT_TRUE(Has(refused.Out, "SerErr")) << refused.Out;
    EXPECT_EQ(ReadText(image), before);
    EXPECT_EQ(Run({"decode", image, "PrcProgrammes=6", "0G"}).ExitCode, ExitUsage);
    EXPECT_EQ(Entries(Dir),
              (std::vector<std::string>{".a.g20.lock", ".b.g20.lock", "a.g20", "b.g20"}));
}

TEST_F(CliTool, ReferenceSaveDiffAndRestore) {
    const std::string image = NewImage();
    const std::string ref = File("a.ref");
    Run({"set", image, "PrcElectrodes=1", "IDNombreIP=500"});
    EXPECT_EQ(Run({"ref", "save", image, ref}).ExitCode, ExitOk);
    EXPECT_EQ(ReadText(ref), ReadText(image));
    EXPECT_EQ(Run({"ref", "diff", image, ref}).ExitCode, ExitOk);

    Run({"set", image, "PrcElectrodes=1", "IDNombreIP=400"});
    const auto diff = Run({"ref", "diff", image, ref});
    EXPECT_EQ(diff.ExitCode, ExitDifferent);
    EXPECT_EQ(diff.Out, "PrcElectrodes=1 IDNombreIP=\"400\",\"500\"\n");

    EXPECT_EQ(Run({"ref", "restore", image, ref}).ExitCode, ExitOk);
    EXPECT_EQ(Run({"get", image, "PrcElectrodes=1", "IDNombreIP"}).Out, "500\n");
    EXPECT_EQ(Run({"ref", "diff", image, ref}).ExitCode, ExitOk);
    EXPECT_EQ(Run({"ref", "check", image, ref}).ExitCode, ExitUsage);
}

TEST_F(CliTool, CorruptedHeaderExitsTwoWithTheModuleMessage) {
    const std::string image = NewImage();
    std::string bytes = ReadText(image);
    bytes[100] = static_cast<char>(bytes[100] ^ 0x55);
    WriteText(image, bytes);
    for (const char* command : {"dump", "info"}) {
        const auto run = Run({command, image});
        EXPECT_EQ(run.ExitCode, ExitUsage);
        EXPECT_TRUE(Has(run.Err, "#TKEVFileStream#ReadFileHeader2#Somme de contrôle incorrecte"))
            << run.Err;
    }
    EXPECT_EQ(Run({"dump", File("missing.g20")}).ExitCode, ExitUsage);
}

TEST_F(CliTool, SaveIntoAnUnwritableDirectoryKeepsTheOriginal) {
    const std::string image = NewImage();
    const std::string before = ReadText(image);
    std::filesystem::permissions(Dir,
                                 std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    const auto run = Run({"set", image, "PrcProgrammes=5", "IDTempsSoudage=12"}, true);
    EXPECT_EQ(run.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(run.Err, "cannot create a working file")) << run.Err;
    EXPECT_EQ(ReadText(image), before);
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".a.g20.lock", "a.g20"}));
}

TEST_F(CliTool, DemoTakesTheGuidedTour) {
    const auto run = Run({"demo", File("demo")});
    EXPECT_EQ(run.ExitCode, ExitOk) << run.Out << run.Err;
    EXPECT_TRUE(Has(run.Out, "$ g20seq new GA_Demo"));
    EXPECT_TRUE(Has(run.Out, "PrcProgrammes=5 IDTempsSoudage=\"14\",\"12\"\n"));
    EXPECT_TRUE(Has(run.Out, "PrcElectrodes=1 IDNombreIP=\"400\",\"500\"\n"));
    EXPECT_TRUE(Has(run.Out, "$ g20seq export ")) << run.Out;
    EXPECT_TRUE(Has(ReadText(File("demo/GA_Demo.csv")), "\r\nProgrammes;5\r\n"));
    EXPECT_EQ(Entries(File("demo")),
              (std::vector<std::string>{".GA_Demo.g20.lock", ".GA_Demo.ref.lock", "GA_Demo.csv",
                                        "GA_Demo.g20", "GA_Demo.ref"}));
}

TEST_F(CliTool, ExportWritesTheStationAsRowsOfCells) {
    const std::string image = NewImage();
    Run({"set", image, "PrcProgrammes=1", "IDTempsSoudage=12"});
    const std::string out = File("line3.csv");
    const auto run = Run({"export", image, out, "--sections", "Programmes,etConfiguration",
                          "--programs", "1,0,200,1"});
    EXPECT_EQ(run.ExitCode, ExitOk) << run.Err;
    EXPECT_EQ(run.Out, "exported " + image + " to " + out + "\n");
    EXPECT_EQ(run.Err, "");
    const std::string text = ReadText(out);
    EXPECT_TRUE(
        std::regex_search(text, std::regex("^[0-3][0-9]/[01][0-9]/20[0-9]{2},line3\\.csv\r\n"
                                           "G20 Ethernet INTERBUS-S 128P 50-60 HZ\r\n"
                                           "Programmes;0;1;200\r\nTemps\r\n")))
        << text.substr(0, 200);
    EXPECT_TRUE(Has(text, "\r\nSoudage;0;12\r\n"));
    EXPECT_TRUE(Has(text, "\r\nConfiguration\r\n\"Sélection des programmes\"\r\n"));
    EXPECT_FALSE(Has(text, "\"Paliers et alarme\"")) << "no electrode section";

    const auto unknown = Run({"export", image, out, "--sections", "Programmes,Rodeuses"});
    EXPECT_EQ(unknown.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(unknown.Err, "unknown section 'Rodeuses'")) << unknown.Err;
    EXPECT_EQ(Run({"export", image, out, "--programs"}).ExitCode, ExitUsage);
    EXPECT_EQ(Run({"export", image, out, "--electrodes", "1,x"}).ExitCode, ExitUsage);
    const auto unwritable = Run({"export", image, File("none/x.csv")});
    EXPECT_EQ(unwritable.ExitCode, ExitUsage);
    EXPECT_TRUE(Has(unwritable.Err, "cannot write the export")) << unwritable.Err;
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".a.g20.lock", "a.g20", "line3.csv"}));
}
