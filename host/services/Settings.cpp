#include "services/Settings.h"

#include <filesystem>

namespace g20seq::host {

THResult TSettings::QueryInterface(const TGUID& IID, void** Obj) {
    *Obj = IID == ISettingsProxy::IID ? static_cast<ISettingsProxy*>(this) : nullptr;
    return *Obj != nullptr ? THResult::S_OK : THResult::E_NOINTERFACE;
}

std::string TSettings::ReadString(const std::string& Section, const std::string& Key,
                                  const std::string& Default) {
    std::lock_guard lock(FMutex);
    return FIni.ReadString(Section, Key, Default);
}

bool TSettings::ReadBool(const std::string& Section, const std::string& Key, bool Default) {
    std::lock_guard lock(FMutex);
    return FIni.ReadBool(Section, Key, Default);
}

void TSettings::WriteString(const std::string& Section, const std::string& Key,
                            const std::string& Value) {
    std::lock_guard lock(FMutex);
    FIni.WriteString(Section, Key, Value);
}

void TSettings::WriteBool(const std::string& Section, const std::string& Key, bool Value) {
    std::lock_guard lock(FMutex);
    FIni.WriteBool(Section, Key, Value);
}

Byte TSettings::GetFrequenceSecteur() {
    const std::string value = ReadString(SectionGeneral, KeyFrequenceSecteur, "");
    return value == "60" ? 60 : DefaultFrequence;
}

std::string TSettings::GetContextFileName() {
    const std::string value = ReadString(SectionGeneral, KeyFichierContexte, "");
    if (!value.empty())
        return value;
    const auto directory = std::filesystem::path(GetFileName()).parent_path();
    return directory.empty() ? DefaultContextFile : (directory / DefaultContextFile).string();
}

bool TSettings::MasquerDernierResultat() {
    return ReadBool(SectionEditeurs, KeyMasquerDernierResultat, false);
}

bool TSettings::MasquerGraphes() {
    return ReadBool(SectionEditeurs, KeyMasquerGraphes, false);
}

void TSettings::Load(const std::string& FileName) {
    std::lock_guard lock(FMutex);
    FFileName = FileName;
    FIni.LoadFromFile(FileName);
}

void TSettings::Save() const {
    std::lock_guard lock(FMutex);
    if (!FFileName.empty())
        FIni.SaveToFile(FFileName);
}

std::string TSettings::GetFileName() const {
    std::lock_guard lock(FMutex);
    return FFileName;
}

} // namespace g20seq::host
