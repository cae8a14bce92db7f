// A small INI file: sections of key=value lines, as the host's settings and translation
// catalogues are written.
//
// Sections and keys keep the order in which they were read or added, so a file written
// back reads like the one the user edited. Names are compared exactly (case-sensitive):
// translation keys are the system's identifiers. Lines starting with ';' or '#' are
// comments; spaces around names and values are dropped; a UTF-8 byte-order mark and CR LF
// line ends are accepted. Writing produces UTF-8 without byte-order mark, LF line ends.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace g20seq::host {

class TIniFile {
public:
    // Replaces the content with the text of an INI file.
    void SetText(const std::string& Text);
    std::string Text() const;
    // Reads a file; answers false (content emptied) when it cannot be read.
    bool LoadFromFile(const std::string& Path);
    // Writes the file through a working copy committed by rename; raises on failure.
    void SaveToFile(const std::string& Path) const;

    bool HasKey(const std::string& Section, const std::string& Key) const;
    std::string ReadString(const std::string& Section, const std::string& Key,
                           const std::string& Default) const;
    // "1", "true", "yes", "oui" (any case) are true; "0", "false", "no", "non" false;
    // anything else gives Default.
    bool ReadBool(const std::string& Section, const std::string& Key, bool Default) const;
    void WriteString(const std::string& Section, const std::string& Key, const std::string& Value);
    void WriteBool(const std::string& Section, const std::string& Key, bool Value);

    std::vector<std::string> Sections() const;
    // The key=value pairs of a section, in file order (none for an unknown section).
    std::vector<std::pair<std::string, std::string>> Entries(const std::string& Section) const;
    bool Empty() const { return FSections.empty(); }

private:
    using TEntries = std::vector<std::pair<std::string, std::string>>;
    struct TSection {
        std::string Name;
        TEntries Entries;
    };

    const std::string* Find(const std::string& Section, const std::string& Key) const;
    TSection& SectionFor(const std::string& Section);

    std::vector<TSection> FSections;
};

} // namespace g20seq::host
