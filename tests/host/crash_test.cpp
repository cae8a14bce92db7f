// Crash consistency of the commands that change a file: each run is ended, as by a power
// cut, at one call that moves data towards the disk (write, pwrite, fsync, rename), at
// every such call in turn, by a test-only interposer loaded with LD_PRELOAD. After every
// cut the file is either the old or the new one, byte for byte, and the next command finds
// no working copy left in the directory. A command with many calls (ref restore writes each
// of its 425 zones) is cut at its first 16 calls, at every 16th and at its last 16 (the
// flushes and the rename among them): the calls between are alike, writes into the
// working copy, and cutting at each would take minutes.
#include "HostTestFiles.h"
#include "cli/CommandContext.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace g20seq::host;
using g20seq::hosttest::Entries;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;
using g20seq::hosttest::TToolRun;
using g20seq::hosttest::WriteText;

namespace {

// File contents are compared with EXPECT_TRUE: a mismatch names the case and the call, not
// 160 KB of bytes.

// The status the interposer ends a run with.
constexpr int CutStatus = 86;

struct TCutCase {
    const char* Name;
    std::vector<std::string> Command; // "IMAGE" and "REF" stand for the files
    const char* Changed;              // the file the command changes: "IMAGE" or "REF"
};

class CrashTool : public HostFilesTest {
protected:
    std::vector<std::string> Args(const std::vector<std::string>& Command) const {
        std::vector<std::string> args;
        for (const std::string& word : Command)
            args.push_back(word == "IMAGE" ? Image : word == "REF" ? Ref : word);
        return args;
    }

    // Runs Command cut at call Call (0: not cut; the number of calls is then written to
    // the file "calls" beside the test's directory).
    TToolRun RunCutAt(const std::vector<std::string>& Command, long Call) const {
        return Finish(
            Start(Args(Command), false, "",
                  {"LD_PRELOAD=" G20SEQ_CRASH_LIB, "G20SEQ_CRASH_AT=" + std::to_string(Call),
                   "G20SEQ_CRASH_COUNT=" + (Root / "calls").string(),
                   "ASAN_OPTIONS=verify_asan_link_order=0"}));
    }

    // The calls at which a command of Total calls is cut.
    static std::vector<long> CutPositions(long Total) {
        std::vector<long> positions;
        for (long call = 1; call <= Total; ++call)
            if (call <= 16 || call % 16 == 0 || call > Total - 16)
                positions.push_back(call);
        return positions;
    }

    const std::string Image = File("a.g20");
    const std::string Ref = File("a.ref");
};

TEST_F(CrashTool, EveryCutLeavesTheOldOrTheNewFileAndNoWorkingCopy) {
    const TCutCase cases[] = {
        {"set", {"set", "IMAGE", "PrcProgrammes=5", "IDTempsSoudage=12"}, "IMAGE"},
        {"ref save", {"ref", "save", "IMAGE", "REF"}, "REF"},
        {"ref restore", {"ref", "restore", "IMAGE", "REF"}, "IMAGE"},
    };
    ASSERT_EQ(Run({"new", "GA_Line3_Robot2", Image}).ExitCode, ExitOk);
    ASSERT_EQ(Run({"ref", "save", Image, Ref}).ExitCode, ExitOk);
    ASSERT_EQ(Run({"set", Image, "PrcProgrammes=7", "IDTempsForgeage=3"}).ExitCode, ExitOk);
    const std::string startImage = ReadText(Image), startRef = ReadText(Ref);
    const std::vector<std::string> settled = {".a.g20.lock", ".a.ref.lock", "a.g20", "a.ref"};

    for (const TCutCase& cut : cases) {
        const std::string changed = cut.Changed == std::string("IMAGE") ? Image : Ref;
        WriteText(Image, startImage);
        WriteText(Ref, startRef);
        ASSERT_EQ(Run(Args(cut.Command)).ExitCode, ExitOk) << cut.Name;
        const std::string after = ReadText(changed);
        const std::string before = changed == Image ? startImage : startRef;
        ASSERT_TRUE(before != after) << cut.Name << " changes its file";
        ASSERT_EQ(RunCutAt(cut.Command, 0).ExitCode, ExitOk) << cut.Name;
        const long total = std::stol(ReadText((Root / "calls").string()));
        long positions = 0;
        for (const long call : CutPositions(total)) {
            WriteText(Image, startImage);
            WriteText(Ref, startRef);
            const TToolRun run = RunCutAt(cut.Command, call);
            ASSERT_EQ(run.ExitCode, CutStatus) << cut.Name << " at call " << call << run.Err;
            ++positions;
            const std::string now = ReadText(changed);
            EXPECT_TRUE(now == before || now == after)
                << cut.Name << " cut at call " << call << " left a mixed file";
            // The next command cleans up under the lock and does its work.
            ASSERT_EQ(Run(Args(cut.Command)).ExitCode, ExitOk) << cut.Name;
            EXPECT_TRUE(ReadText(changed) == after) << cut.Name << " after a cut at call " << call;
            EXPECT_EQ(Entries(Dir), settled) << cut.Name << " after a cut at call " << call;
        }
        EXPECT_GT(positions, 3) << cut.Name;
        std::printf("%s: cut at %ld of its %ld calls\n", cut.Name, positions, total);
    }
}

} // namespace
