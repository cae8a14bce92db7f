// The audit's threads, each with its own stations, share the module's registry, the host's
// services and the protocol model: two threads find exactly what one finds (and the thread
// sanitizer build checks that they share them safely).
#include "cli/Cli.h"
#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace g20seq::host;

namespace {

// Runs the command line in this process, with its log file in Scratch.
int Cli(const g20seq::testkit::TScratchDir& Scratch, std::vector<std::string> Args,
        std::string* Out = nullptr) {
    Args.insert(Args.begin(), {"--log", Scratch.Path("g20seq.log")});
    std::ostringstream out, err;
    const int code = RunCli(Args, out, err);
    if (Out != nullptr)
        *Out = out.str();
    return code;
}

} // namespace

TEST(AuditConcurrency, TwoThreadsReportWhatOneThreadReports) {
    const g20seq::testkit::TScratchDir scratch;
    const std::string model = scratch.Path("model.g20");
    ASSERT_EQ(Cli(scratch, {"new", "GA_Plant", model}), 0);
    std::filesystem::create_directory(scratch.Dir() / "refs");
    std::vector<std::string> audit = {"audit"};
    for (int index = 0; index < 8; ++index) {
        const std::string name = "st" + std::to_string(index) + ".g20";
        std::filesystem::copy_file(model, scratch.Path(name));
        std::filesystem::copy_file(model, scratch.Dir() / "refs" / name);
        if (index % 3 == 1) {
            ASSERT_EQ(
                Cli(scratch, {"set", scratch.Path(name), "PrcProgrammes=" + std::to_string(index),
                              "IDNombrePulsations=3"}),
                0);
        }
        audit.push_back(scratch.Path(name));
    }
    audit.insert(audit.end(), {"--refs", (scratch.Dir() / "refs").string(), "--jobs"});
    std::string alone;
    std::string together;
    audit.push_back("1");
    EXPECT_EQ(Cli(scratch, audit, &alone), 1);
    audit.back() = "2";
    EXPECT_EQ(Cli(scratch, audit, &together), 1);
    EXPECT_EQ(together, alone);
    EXPECT_NE(alone.find("8 stations: 5 equal, 3 different, 0 could not be read"),
              std::string::npos)
        << alone;
}
