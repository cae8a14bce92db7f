// Host-facing declaration of an in-memory INI file: the read-only key/value source the host
// hands to the EPROM's imports from memory (weld support data).
//
// The host keeps the object; the module only reads it for the duration of the call and never
// frees it. Header-only, so every layer may include it.
#pragma once

#include <string>

namespace g20seq {

class TStringList;

// Sections of key=value lines, as an INI file holds them once read into memory.
class IMemIniFile {
public:
    virtual bool SectionExists(const std::string& Section) const = 0;
    virtual bool ValueExists(const std::string& Section, const std::string& Ident) const = 0;
    // The value of Ident in Section, Default when there is none.
    virtual std::string ReadString(const std::string& Section, const std::string& Ident,
                                   const std::string& Default) const = 0;
    // Replaces the content of Sections with the section names, in the file's order.
    virtual void ReadSections(TStringList& Sections) const = 0;
    // Replaces the content of Idents with the keys of Section, in the file's order.
    virtual void ReadSection(const std::string& Section, TStringList& Idents) const = 0;

protected:
    ~IMemIniFile() = default;
};

} // namespace g20seq
