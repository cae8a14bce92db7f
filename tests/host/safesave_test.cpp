#include "HostTestFiles.h"
#include "SafeSave.h"

#include <gtest/gtest.h>

using namespace g20seq::host;
using g20seq::hosttest::BecomeUnprivileged;
using g20seq::hosttest::Entries;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadBytes;
using g20seq::hosttest::WriteBytes;

namespace fs = std::filesystem;

using SafeSave = HostFilesTest;

TEST_F(SafeSave, CommitReplacesTheTargetWithItsPermissions) {
    const std::string target = File("image.g20");
    WriteBytes(target, "original");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        TSafeSave save(target, TSafeSave::TStart::CopyOfTarget);
        EXPECT_EQ(fs::path(save.WorkingFile()).parent_path(), Dir);
        EXPECT_EQ(ReadBytes(save.WorkingFile()), "original");
        WriteBytes(save.WorkingFile(), "changed");
        EXPECT_EQ(ReadBytes(target), "original");
        save.Commit();
    }
    EXPECT_EQ(ReadBytes(target), "changed");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TSafeSave::WriteFile(File("new.ini"), "[General]\n");
    EXPECT_EQ(ReadBytes(File("new.ini")), "[General]\n");
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{"image.g20", "new.ini"}));
}

TEST_F(SafeSave, AnyFailureLeavesTheOriginalAndNoWorkingFile) {
    const std::string target = File("image.g20");
    WriteBytes(target, "original");
    try {
        TSafeSave save(target, TSafeSave::TStart::CopyOfTarget);
        WriteBytes(save.WorkingFile(), "half done");
        throw std::runtime_error("refused value");
    } catch (const std::runtime_error&) {
    }
    EXPECT_THROW(TSafeSave(File("missing.g20"), TSafeSave::TStart::CopyOfTarget), EHostIOError);
    fs::create_directories(File("busy/inside"));
    TSafeSave onDirectory(File("busy"), TSafeSave::TStart::Empty);
    EXPECT_THROW(onDirectory.Commit(), EHostIOError) << "a non-empty directory cannot be replaced";
    EXPECT_EQ(ReadBytes(target), "original");
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{"busy", "image.g20"}));
}

TEST_F(SafeSave, UnwritableDirectoryRaisesAndLeavesNothing) {
    const std::string target = File("image.g20");
    WriteBytes(target, "original");
    fs::permissions(Dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // In a child process without root rights, where directory permissions apply.
    EXPECT_EXIT(
        {
            BecomeUnprivileged();
            try {
                TSafeSave save(target, TSafeSave::TStart::CopyOfTarget);
            } catch (const EHostIOError& error) {
                std::_Exit(std::string(error.what()).find("cannot create a working file") == 0 ? 3
                                                                                               : 4);
            }
            std::_Exit(5);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(ReadBytes(target), "original");
    EXPECT_EQ(Entries(Dir), std::vector<std::string>{"image.g20"});
}
