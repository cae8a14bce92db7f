// The canonical image text through the built tool: fmt then apply gives back the image byte
// for byte, and a text with a refused line changes nothing.
#include "HostTestFiles.h"
#include "Station.h"
#include "cli/CommandContext.h"
#include "cli/ImageText.h"
#include "protocol/ProtocoleG20.h"
#include <g20seq/eprom/ZonesEnFichier.h>
#include <g20seq/model/CustomZoneCPS.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

using namespace g20seq;
using namespace g20seq::host;
using namespace g20seq::hosttest;

namespace {

class ImageText : public HostFilesTest {
protected:
    std::string NewImage(const std::string& Name, const std::string& Station) {
        const std::string path = File(Name);
        const auto run = Run({"new", Station, path});
        EXPECT_EQ(run.ExitCode, ExitOk) << run.Err;
        return path;
    }

    // Writes the text of Image into Text; Options go before the command.
    void Format(const std::string& Image, const std::string& Text,
                std::vector<std::string> Options = {}) {
        Options.insert(Options.end(), {"fmt", Image});
        const auto run = Run(Options);
        ASSERT_EQ(run.ExitCode, ExitOk) << run.Err;
        WriteText(Text, run.Out);
    }

    // Changes Count values of the image in Path, each drawn within its field's raw limits.
    static void ChangeRandomly(const std::string& Path, int Count, unsigned Seed) {
        TProtocoleG20 protocole;
        const auto station = TStation::Open(Path, true, &protocole);
        const TZonesEnFichier zones(station->Eprom());
        std::mt19937 random(Seed);
        for (int changed = 0; changed < Count;) {
            TCustomZoneCPS& zone = *zones[static_cast<int>(random() % zones.Count())];
            const auto lines = FieldLines(zone, RawText);
            if (!InImageText(zone, false) || lines.empty())
                continue;
            TKEVField& field = FindField(zone, lines[random() % lines.size()].Name);
            const auto limits = RawLimits(field);
            if (!limits || limits->Min == limits->Max)
                continue;
            const Int64 value =
                std::uniform_int_distribution<Int64>(limits->Min, limits->Max)(random);
            if (std::to_string(value) == RawText(field))
                continue;
            SetRawText(field, std::to_string(value));
            station->SaveZone(zone);
            ++changed;
        }
        station->CloseFiles();
    }
};

TEST_F(ImageText, FreshImagesOfBothVariantsRoundTripAndStayUnchanged) {
    for (const std::string station : {"GA_Line3_Robot2", "GM_Line4_Robot1"}) {
        const std::string image = NewImage(station + ".g20", station);
        const std::string text = File(station + ".txt");
        Format(image, text);
        const std::string written = ReadText(text);
        EXPECT_TRUE(written.rfind("# g20seq image text", 0) == 0);
        EXPECT_TRUE(
            Has(written, "\nvariant " + std::string(station[1] == 'A' ? "AC" : "MF") + "\n"));
        // Enumerations carry their caption; empty texts are quoted; no status zones.
        EXPECT_TRUE(Has(written, "PrcProgrammes=1 IDAvecIntensite=1  # Oui\n")) << station;
        EXPECT_TRUE(Has(written, "PrcLienProcessAvance") == false);
        EXPECT_TRUE(Has(written, "PrcAssignationPoint=0 IDNumPoint=\"\"\n"));
        // A catalogue that translates the caption changes the display, not the text.
        WriteText(File("en.ini"), "[IDProgramme]\nIDCfg_Non_Oui_1=Yes\n");
        Format(image, File("again.txt"), {"--catalogue", File("en.ini")});
        EXPECT_EQ(ReadText(File("again.txt")), written) << "stable from run to run";

        // Another fresh station of the same variant takes the text without a change.
        const std::string other = NewImage("other.g20", station.substr(0, 3) + "Other");
        const std::string before = ReadText(other);
        const auto applied = Run({"apply", other, text});
        EXPECT_EQ(applied.ExitCode, ExitOk) << applied.Err;
        EXPECT_TRUE(Has(applied.Out, "changed 0 value(s) in 0 zone(s)")) << applied.Out;
        EXPECT_EQ(ReadText(other), before);
        std::filesystem::remove(other);
    }
}

TEST_F(ImageText, FiftyRandomChangesComeBackByteForByteThroughTheText) {
    const std::string changed = NewImage("changed.g20", "GA_Line3_Robot2");
    ChangeRandomly(changed, 50, 20261207);
    const std::string text = File("changed.txt");
    Format(changed, text);

    const std::string fresh = NewImage("fresh.g20", "GA_Line3_Robot2");
    const std::string original = ReadText(fresh);
    const auto dry = Run({"apply", fresh, text, "--dry-run"});
    EXPECT_EQ(dry.ExitCode, ExitOk) << dry.Err;
    EXPECT_TRUE(Has(dry.Out, "would change ")) << dry.Out;
    EXPECT_EQ(ReadText(fresh), original) << "a dry run writes nothing";

    const auto applied = Run({"apply", fresh, text});
    ASSERT_EQ(applied.ExitCode, ExitOk) << applied.Err;
    const auto changes = [](const std::string& Out) { // without the closing count
        return Out.substr(0, Out.rfind('\n', Out.size() - 2) + 1);
    };
    EXPECT_EQ(changes(applied.Out), changes(dry.Out));
    EXPECT_GE(std::count(applied.Out.begin(), applied.Out.end(), '\n'), 50);
    EXPECT_TRUE(ReadText(fresh) == ReadText(changed)) << "fmt then apply is byte-identical";

    // The text of a changed image applied to that image leaves it as it was.
    const std::string bytes = ReadText(changed);
    EXPECT_EQ(Run({"apply", changed, text}).ExitCode, ExitOk);
    EXPECT_TRUE(ReadText(changed) == bytes);
}

TEST_F(ImageText, RefusedLinesAreReportedWithTheirNumberAndNothingIsWritten) {
    const std::string image = NewImage("a.g20", "GA_Line3_Robot2");
    const std::string text = File("a.txt");
    Format(image, text);
    std::string written = ReadText(text);
    const std::string original = ReadText(image);

    // A field of program 5 whose raw maximum leaves room above it.
    std::string field;
    Int64 maximum = 0;
    {
        TProtocoleG20 protocole;
        const auto station = TStation::Open(image, false, &protocole);
        const TZoneHolder zone(&station->Eprom(), PrcProgrammes, 5);
        for (const TFieldLine& line : FieldLines(*zone.Get(), RawText)) {
            const auto limits = RawLimits(FindField(*zone.Get(), line.Name));
            if (limits && limits->Max < 60000) {
                field = line.Name;
                maximum = limits->Max;
                break;
            }
        }
    }
    ASSERT_FALSE(field.empty());
    const auto lineNumber = [&](const std::string& Start) {
        const auto at = written.find("\n" + Start);
        return std::to_string(std::count(written.begin(), written.begin() + at + 1, '\n') + 1);
    };
    const std::string start = "PrcProgrammes=5 " + field + "=";
    const auto at = written.find("\n" + start) + 1 + start.size();
    written.replace(at, written.find('\n', at) - at, std::to_string(maximum + 1));
    const std::string outside = lineNumber(start);

    struct TCase {
        const char* Name;
        std::string Text;
        std::string Expected;
    };
    const TCase cases[] = {
        {"value outside its limits", written,
         "a.txt:" + outside + ": PrcProgrammes=5 " + field + ": "},
        {"unknown field", written + "PrcProgrammes=7 IDNoSuchField=1\n", "the zone has no field"},
        {"unknown zone", written + "PrcNoSuchZone=1 IDX=1\n", "unknown zone type 'PrcNoSuchZone'"},
        {"other variant",
         std::string(written).replace(written.find("variant AC"), 10, "variant MF"),
         "a.txt:3: the text is of variant MF, the image of variant AC"},
        {"not a number", written + "PrcProgrammes=7 IDNumeroElectrode=x\n",
         "is not a whole number"},
    };
    for (const TCase& refused : cases) {
        WriteText(text, refused.Text);
        const auto run = Run({"apply", image, text});
        EXPECT_EQ(run.ExitCode, ExitDifferent) << refused.Name;
        EXPECT_TRUE(Has(run.Err, refused.Expected)) << refused.Name << "\n" << run.Err;
        EXPECT_TRUE(Has(run.Err, "left unchanged")) << refused.Name;
        EXPECT_TRUE(ReadText(image) == original) << refused.Name;
    }
    // The field's own message names the limits.
    WriteText(text, written);
    EXPECT_TRUE(Has(Run({"apply", image, text}).Err, "n'est pas une valeur correcte"));
}

} // namespace
