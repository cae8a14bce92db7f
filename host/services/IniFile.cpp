#include "services/IniFile.h"

#include "SafeSave.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <sstream>

namespace g20seq::host {

namespace {

std::string Trim(const std::string& Text) {
    const auto first = Text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = Text.find_last_not_of(" \t\r");
    return Text.substr(first, last - first + 1);
}

std::string Lower(std::string Text) {
    std::transform(Text.begin(), Text.end(), Text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return Text;
}

struct TBoolWord {
    const char* Word;
    bool Value;
};

constexpr std::array<TBoolWord, 8> BoolWords = {{{"1", true},
                                                 {"true", true},
                                                 {"yes", true},
                                                 {"oui", true},
                                                 {"0", false},
                                                 {"false", false},
                                                 {"no", false},
                                                 {"non", false}}};

constexpr const char* Utf8Bom = "\xEF\xBB\xBF";

} // namespace

void TIniFile::SetText(const std::string& Text) {
    FSections.clear();
    std::istringstream lines(Text.rfind(Utf8Bom, 0) == 0 ? Text.substr(3) : Text);
    std::string line;
    TSection* current = nullptr;
    while (std::getline(lines, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#')
            continue;
        if (text.front() == '[' && text.back() == ']') {
            current = &SectionFor(Trim(text.substr(1, text.size() - 2)));
            continue;
        }
        const auto equal = text.find('=');
        if (equal == std::string::npos)
            continue;
        // Lines before the first section belong to the section without name.
        if (current == nullptr)
            current = &SectionFor("");
        WriteString(current->Name, Trim(text.substr(0, equal)), Trim(text.substr(equal + 1)));
    }
}

std::string TIniFile::Text() const {
    std::string text;
    for (const TSection& section : FSections) {
        if (!text.empty())
            text += '\n';
        text += "[" + section.Name + "]\n";
        for (const auto& [key, value] : section.Entries)
            text += key + "=" + value + "\n";
    }
    return text;
}

bool TIniFile::LoadFromFile(const std::string& Path) {
    std::ifstream file(Path, std::ios::binary);
    if (!file) {
        FSections.clear();
        return false;
    }
    std::ostringstream content;
    content << file.rdbuf();
    SetText(content.str());
    return true;
}

void TIniFile::SaveToFile(const std::string& Path) const {
    TSafeSave::WriteFile(Path, Text());
}

const std::string* TIniFile::Find(const std::string& Section, const std::string& Key) const {
    for (const TSection& section : FSections) {
        if (section.Name != Section)
            continue;
        for (const auto& [key, value] : section.Entries)
            if (key == Key)
                return &value;
    }
    return nullptr;
}

TIniFile::TSection& TIniFile::SectionFor(const std::string& Section) {
    for (TSection& section : FSections)
        if (section.Name == Section)
            return section;
    FSections.push_back({Section, {}});
    return FSections.back();
}

bool TIniFile::HasKey(const std::string& Section, const std::string& Key) const {
    return Find(Section, Key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Key,
                                 const std::string& Default) const {
    const std::string* value = Find(Section, Key);
    return value != nullptr ? *value : Default;
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Key, bool Default) const {
    const std::string value = Lower(ReadString(Section, Key, ""));
    for (const TBoolWord& word : BoolWords)
        if (value == word.Word)
            return word.Value;
    return Default;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Key,
                           const std::string& Value) {
    TEntries& entries = SectionFor(Section).Entries;
    for (auto& [key, value] : entries)
        if (key == Key) {
            value = Value;
            return;
        }
    entries.emplace_back(Key, Value);
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
    WriteString(Section, Key, Value ? "1" : "0");
}

std::vector<std::string> TIniFile::Sections() const {
    std::vector<std::string> names;
    for (const TSection& section : FSections)
        names.push_back(section.Name);
    return names;
}

std::vector<std::pair<std::string, std::string>>
TIniFile::Entries(const std::string& Section) const {
    for (const TSection& section : FSections)
        if (section.Name == Section)
            return section.Entries;
    return {};
}

} // namespace g20seq::host
