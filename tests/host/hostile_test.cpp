// Hostile files and arguments given to the built tool: each gets a clear message and exit 2
// (or the model's refusal and exit 1), and the image it names is left as it was.
#include "HostTestFiles.h"
#include "cli/CommandContext.h"
#include "protocol/ZoneFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>

#include <sys/stat.h>

using namespace g20seq::host;
using g20seq::hosttest::HostFilesTest;
using g20seq::hosttest::ReadText;
using g20seq::hosttest::WriteText;

namespace {

constexpr int FileHeaderSize = 284;
constexpr int BlocHeaderSize = 16;

// Offsets of the block headers of an image, in file order.
std::vector<std::size_t> Blocks(const std::string& Image) {
    std::vector<std::size_t> offsets;
    for (std::size_t offset = FileHeaderSize; offset + BlocHeaderSize <= Image.size();) {
        offsets.push_back(offset);
        std::int32_t size = 0;
        std::memcpy(&size, Image.data() + offset + 12, sizeof size);
        offset += BlocHeaderSize + static_cast<std::size_t>(size);
    }
    return offsets;
}

void SetDataSize(std::string& Image, std::size_t Block, std::int32_t Size) {
    std::memcpy(Image.data() + Block + 12, &Size, sizeof Size);
}

class HostileInput : public HostFilesTest {
public:
    // What the table's rows use to make their inputs.
    using HostFilesTest::Dir;
    using HostFilesTest::File;
    std::string Image;
    std::string Original;

protected:
    void SetUp() override {
        HostFilesTest::SetUp();
        Image = File("a.g20");
        ASSERT_EQ(Run({"new", "GA_Line3_Robot2", Image}).ExitCode, ExitOk);
        Original = ReadText(Image);
    }
};

// One hostile input: how the test makes it, the command line it is given to, the exit code
// and a part of the message expected.
struct THostile {
    const char* Name;
    std::function<std::vector<std::string>(HostileInput&)> Make;
    int Exit;
    const char* Message;
    bool Unprivileged = false;
};

std::vector<std::string> Damaged(HostileInput& T, const std::function<void(std::string&)>& Change) {
    std::string bytes = T.Original;
    Change(bytes);
    const std::string path = T.File("damaged.g20");
    WriteText(path, bytes);
    return {"dump", path};
}

const THostile Hostiles[] = {
    {"empty file", [](HostileInput& T) { return Damaged(T, [](std::string& B) { B.clear(); }); },
     ExitUsage, "#TKEVFileStream#ReadFileHeader1#Format non géré"},
    {"truncated after the last complete block",
     [](HostileInput& T) { return Damaged(T, [](std::string& B) { B.resize(Blocks(B).back()); }); },
     ExitUsage, "has no block for 1 of its zones, from PrcCompteurFraise=3 on"},
    {"block length past the end",
     [](HostileInput& T) {
         return Damaged(T, [](std::string& B) { SetDataSize(B, Blocks(B).back(), 1000); });
     },
     ExitUsage, "the block of PrcCompteurFraise=3 claims more bytes than the file holds"},
    {"DataSize -1",
     [](HostileInput& T) {
         return Damaged(T, [](std::string& B) { SetDataSize(B, FileHeaderSize, -1); });
     },
     ExitUsage, "has no block for 425 of its zones, from PrcConfiguration=0 on"},
    {"DataSize 2^31 - 1",
     [](HostileInput& T) {
         return Damaged(T, [](std::string& B) { SetDataSize(B, FileHeaderSize, INT32_MAX); });
     },
     ExitUsage, "the block of PrcConfiguration=0 claims more bytes than the file holds"},
    {"70000 block headers with distinct zones",
     [](HostileInput& T) {
         return Damaged(T, [](std::string& B) {
             B.resize(FileHeaderSize);
             for (std::int32_t i = 0; i < 70000; ++i) {
                 const std::int32_t header[4] = {i / 1000, i % 1000, 0, 0};
                 B.append(reinterpret_cast<const char*>(header), sizeof header);
             }
         });
     },
     ExitUsage, "#TKEVFileStream#IndexBlocs#Trop de blocs"},
    {"2 GiB sparse file",
     [](HostileInput& T) {
         const std::string path = T.File("sparse.g20");
         WriteText(path, T.Original.substr(0, FileHeaderSize));
         std::filesystem::resize_file(path, std::uintmax_t{2} << 30);
         return std::vector<std::string>{"dump", path};
     },
     ExitUsage, "#TKEVFileStream#IndexBlocs#Trop de blocs"},
    {"directory",
     [](HostileInput& T) {
         std::filesystem::create_directory(T.File("dir.g20"));
         return std::vector<std::string>{"dump", T.File("dir.g20")};
     },
     ExitUsage, "Is a directory"},
    {"FIFO",
     [](HostileInput& T) {
         ::mkfifo(T.File("fifo.g20").c_str(), 0644);
         return std::vector<std::string>{"dump", T.File("fifo.g20")};
     },
     ExitUsage, "Not a regular file"},
    {"file without read permission",
     [](HostileInput& T) {
         std::filesystem::permissions(T.Image, std::filesystem::perms::none);
         return std::vector<std::string>{"get", T.Image, "PrcProgrammes=5", "IDTempsSoudage"};
     },
     ExitUsage, "Permission denied", true},
    {"read-only directory on save",
     [](HostileInput& T) {
         std::filesystem::permissions(T.Dir, std::filesystem::perms::owner_write,
                                      std::filesystem::perm_options::remove);
         return std::vector<std::string>{"set", T.Image, "PrcProgrammes=5", "IDTempsSoudage=12"};
     },
     ExitUsage, "cannot create a working file", true},
    {"value that is not UTF-8",
     [](HostileInput& T) {
         return std::vector<std::string>{"set", T.Image, "PrcConfiguration=0", "IDNomCPS=\xff\xfe"};
     },
     ExitDifferent, "Invalid UTF-8 text"},
    {"character above U+00FF",
     [](HostileInput& T) {
         return std::vector<std::string>{"set", T.Image, "PrcConfiguration=0",
                                         "IDNomCPS=\u20acuro"};
     },
     ExitDifferent, "Range check error"},
};

TEST_F(HostileInput, EachGetsAClearMessageAndItsExitCodeAndChangesNothing) {
    for (const THostile& hostile : Hostiles) {
        SCOPED_TRACE(hostile.Name);
        const std::vector<std::string> arguments = hostile.Make(*this);
        const auto run = Run(arguments, hostile.Unprivileged);
        EXPECT_EQ(run.ExitCode, hostile.Exit) << run.Err;
        EXPECT_NE(run.Err.find(hostile.Message), std::string::npos) << run.Err;
        EXPECT_TRUE(run.Out.empty()) << run.Out;
        std::filesystem::permissions(Dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        std::filesystem::permissions(Image, std::filesystem::perms::owner_read |
                                                std::filesystem::perms::owner_write);
        EXPECT_EQ(ReadText(Image), Original);
    }
}

// Every cut at a block boundary is refused when the file is opened, whichever zone it
// loses; odd file names work like any other.
TEST_F(HostileInput, EveryCutAtABlockBoundaryIsRefusedAndOddNamesWork) {
    const std::vector<std::size_t> blocks = Blocks(Original);
    ASSERT_EQ(blocks.size(), 425u);
    const std::string cut = File("cut.g20");
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        WriteText(cut, Original.substr(0, blocks[i]));
        const auto stream = OpenZoneFile(cut, false);
        EXPECT_EQ(MissingZones(*stream, "GA_Line3_Robot2").size(), blocks.size() - i) << i;
    }
    EXPECT_TRUE(MissingZones(*OpenZoneFile(Image, false), "GA_Line3_Robot2").empty());

    const std::string odd = File("station \"nord\"\n'2'.g20");
    ASSERT_EQ(Run({"new", "GM_Nord", odd}).ExitCode, ExitOk);
    EXPECT_TRUE(MissingZones(*OpenZoneFile(odd, false), "GM_Nord").empty());
    EXPECT_EQ(Run({"set", odd, "PrcProgrammes=5", "IDTempsSoudage=12"}).ExitCode, ExitOk);
    const auto get = Run({"get", odd, "PrcProgrammes=5", "IDTempsSoudage"});
    EXPECT_EQ(get.ExitCode, ExitOk) << get.Err;
    EXPECT_EQ(get.Out, "12\n");
}

} // namespace
