#include "HostTestFiles.h"
#include "SafeSave.h"

#include <gtest/gtest.h>

using namespace g20seq::host;
using g20seq::hosttest::Entries;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;
using g20seq::hosttest::WriteText;

namespace fs = std::filesystem;

using SafeSave = HostFilesTest;

TEST_F(SafeSave, CommitReplacesTheTargetWithItsPermissions) {
    const std::string target = File("image.g20");
    WriteText(target, "original");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        TSafeSave save(target, TSafeSave::TStart::CopyOfTarget);
        EXPECT_EQ(fs::path(save.WorkingFile()).parent_path(), Dir);
        EXPECT_EQ(ReadText(save.WorkingFile()), "original");
        WriteText(save.WorkingFile(), "changed");
        EXPECT_EQ(ReadText(target), "original");
        save.Commit();
    }
    EXPECT_EQ(ReadText(target), "changed");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TSafeSave::WriteFile(File("new.ini"), "[General]\n");
    EXPECT_EQ(ReadText(File("new.ini")), "[General]\n");
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".image.g20.lock", "image.g20", "new.ini"}));
}

TEST_F(SafeSave, AnyFailureLeavesTheOriginalAndNoWorkingFile) {
    const std::string target = File("image.g20");
    WriteText(target, "original");
    try {
        TSafeSave save(target, TSafeSave::TStart::CopyOfTarget);
        WriteText(save.WorkingFile(), "half done");
        throw std::runtime_error("refused value");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THROW(TSafeSave(File("missing.g20"), TSafeSave::TStart::CopyOfTarget), EHostIOError);
    fs::create_directories(File("busy/inside"));
    TSafeSave onDirectory(File("busy"), TSafeSave::TStart::Empty);
    EXPECT_THROW(onDirectory.Commit(), EHostIOError) << "a non-empty directory cannot be replaced";
    EXPECT_EQ(ReadText(target), "original");
    EXPECT_EQ(Entries(Dir),
              (std::vector<std::string>{".busy.lock", ".image.g20.lock", "busy", "image.g20"}));
}

TEST_F(SafeSave, TheLockKeepsASecondWriterOutAndTheWorkingFileIsCheckedBeforeCommit) {
    const std::string target = File("image.g20");
    WriteText(target, "original");
    {
        TSafeSave first(target, TSafeSave::TStart::CopyOfTarget);
        try {
            TImageLock second(target, std::chrono::milliseconds(30));
            ADD_FAILURE() << "a second writer got the lock";
        } catch (const EHostIOError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "'" + target + "' is being changed by another command (waited 0 s for '" +
                          File(".image.g20.lock") + "')");
        }
        // A working file put back under its name by someone else is never committed.
        const std::string working = first.WorkingFile();
        fs::remove(working);
        fs::create_symlink(File("elsewhere"), working);
        EXPECT_THROW(first.Commit(), EHostIOError);
    }
    TImageLock again(target, std::chrono::milliseconds(30));
    EXPECT_EQ(ReadText(target), "original");
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{".image.g20.lock", "image.g20"}));
}
