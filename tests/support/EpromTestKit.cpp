#include "support/EpromTestKit.h"

#include "support/Exceptions.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace g20seq::testkit {

TScratchDir::TScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "g20seq-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch directory");
    FDir = pattern;
}

TScratchDir::~TScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FDir, ignored);
}

std::string ReadText(const std::filesystem::path& Path) {
    std::ifstream file(Path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

TBytes ReadBytes(const std::filesystem::path& Path) {
    const std::string text = ReadText(Path);
    return TBytes(text.begin(), text.end());
}

void WriteText(const std::filesystem::path& Path, const std::string& Text) {
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Text;
}

void WriteBytes(const std::filesystem::path& Path, std::span<const Byte> Bytes) {
    WriteText(Path, std::string(Bytes.begin(), Bytes.end()));
}

std::string ErrorOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

std::string LogLine(const LogEntry& Entry) {
    return Entry.Source + "|" + Entry.Text1 + "|" + Entry.Text2 + "|" +
           std::to_string(Entry.Level) + "|" + Entry.Category;
}

std::vector<std::string> LogLines(const FakeDataProxy& Proxy) {
    std::vector<std::string> lines;
    for (const LogEntry& entry : Proxy.Logs())
        lines.push_back(LogLine(entry));
    return lines;
}

int CountLogLines(const FakeDataProxy& Proxy, const std::string& Line) {
    const std::vector<std::string> lines = LogLines(Proxy);
    return static_cast<int>(std::count(lines.begin(), lines.end(), Line));
}

int CountText1(const FakeDataProxy& Proxy, const std::string& Text1) {
    const std::vector<LogEntry> logs = Proxy.Logs();
    return static_cast<int>(std::count_if(logs.begin(), logs.end(),
                                          [&](const LogEntry& e) { return e.Text1 == Text1; }));
}

} // namespace g20seq::testkit
