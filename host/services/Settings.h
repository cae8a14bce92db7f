// The host's settings: an INI file (the settings file of the user or the one given on
// the command line) with the mains frequency, the editors' window context file and the
// two panel flags the editors read; any other section and key is kept as written.
#pragma once

#include "services/IniFile.h"
#include <g20seq/interface/ProxyInterface.h>

#include <mutex>
#include <string>

namespace g20seq::host {

// Where the settings live in the file.
inline constexpr const char* SectionGeneral = "General";
inline constexpr const char* KeyFrequenceSecteur = "FrequenceSecteur"; // 50 or 60
inline constexpr const char* KeyFichierContexte = "FichierContexte";   // ".ihm" file
inline constexpr const char* KeyCatalogue = "Catalogue";               // translations
inline constexpr const char* KeyFichierLog = "FichierLog";             // event log file
inline constexpr const char* SectionEditeurs = "Editeurs";
// Hide the last weld result panel of the program editor.
inline constexpr const char* KeyMasquerDernierResultat = "MasquerDernierResultat";
// Hide the graph panels (sequence and wear compensation graphs) of the editors.
inline constexpr const char* KeyMasquerGraphes = "MasquerGraphes";

class TSettings final : public ISettingsProxy {
public:
    static constexpr Byte DefaultFrequence = 50;
    static constexpr const char* DefaultContextFile = "g20seq.ihm";

    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // ISettingsProxy
    std::string ReadString(const std::string& Section, const std::string& Key,
                           const std::string& Default) override;
    bool ReadBool(const std::string& Section, const std::string& Key, bool Default) override;
    // 50 or 60; any other value in the file reads as 50.
    Byte GetFrequenceSecteur() override;
    // The file's context file, or "g20seq.ihm" next to the settings file.
    std::string GetContextFileName() override;
    void WriteString(const std::string& Section, const std::string& Key,
                     const std::string& Value) override;
    void WriteBool(const std::string& Section, const std::string& Key, bool Value) override;

    // The two panel flags of the editors.
    bool MasquerDernierResultat();
    bool MasquerGraphes();

    // Reads the settings file (a missing file gives the defaults) and remembers its name.
    void Load(const std::string& FileName);
    // Writes the settings back to their file (safely); nothing without a file name.
    void Save() const;
    std::string GetFileName() const;

private:
    mutable std::mutex FMutex;
    TIniFile FIni;
    std::string FFileName;
};

} // namespace g20seq::host
