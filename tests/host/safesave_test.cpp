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
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{"image.g20", "new.ini"}));
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
    EXPECT_EQ(Entries(Dir), (std::vector<std::string>{"busy", "image.g20"}));
}
