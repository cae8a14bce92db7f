#include "services/Translations.h"

#include "services/Dialogs.h"

namespace g20seq::host {

THResult TTranslations::QueryInterface(const TGUID& IID, void** Obj) {
    *Obj = IID == ITranslationProxy::IID ? static_cast<ITranslationProxy*>(this) : nullptr;
    return *Obj != nullptr ? THResult::S_OK : THResult::E_NOINTERFACE;
}

std::string TTranslations::GetLanguage() {
    std::lock_guard lock(FMutex);
    return FLanguage;
}

void TTranslations::SetLanguage(const std::string& Language) {
    std::lock_guard lock(FMutex);
    FLanguage = Language;
}

std::string TTranslations::Lookup(const std::string& Section, const std::string& ID,
                                  const std::string& Default) const {
    std::lock_guard lock(FMutex);
    return FCatalogue.ReadString(Section, ID, Default);
}

std::string TTranslations::TranslateMessage(const std::string& Section, const std::string& ID,
                                            const std::string& Default) {
    return Lookup(Section, ID, Default);
}

std::string TTranslations::Translate(const std::string& Section, const std::string& ID,
                                     const std::string& Default) {
    return Lookup(Section, ID, Default);
}

void TTranslations::TranslateComponent(TObject*, const std::string&) {}

int TTranslations::MessageDlg(const std::string& Section, const std::string& ID,
                              const std::string& Default, TMsgDlgType Kind,
                              TMsgDlgButtons Buttons) {
    return FDialogs.Ask(TranslateMessage(Section, ID, Default), Kind, Buttons);
}

bool TTranslations::LoadCatalogue(const std::string& Path) {
    TIniFile catalogue;
    if (!catalogue.LoadFromFile(Path))
        return false;
    std::lock_guard lock(FMutex);
    for (const std::string& section : catalogue.Sections())
        for (const auto& [key, text] : catalogue.Entries(section))
            FCatalogue.WriteString(section, key, text);
    return true;
}

void TTranslations::AddText(const std::string& Section, const std::string& ID,
                            const std::string& Text) {
    std::lock_guard lock(FMutex);
    FCatalogue.WriteString(Section, ID, Text);
}

void TTranslations::UseDefaultTexts() {
    std::lock_guard lock(FMutex);
    FCatalogue.SetText("");
}

} // namespace g20seq::host
