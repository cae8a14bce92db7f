// The host's translation service: captions and messages looked up in INI catalogues
// (section = the system's translation section, key = the text identifier), the French
// default text when no catalogue holds the key. Its dialog operation translates the
// message and hands it to the host's dialogs.
#pragma once

#include "services/IniFile.h"
#include <g20seq/interface/ProxyInterface.h>

#include <mutex>
#include <string>

namespace g20seq::host {

class TDialogs;

class TTranslations final : public ITranslationProxy {
public:
    explicit TTranslations(TDialogs& Dialogs) : FDialogs(Dialogs) {}

    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // ITranslationProxy
    std::string GetLanguage() override;
    void SetLanguage(const std::string& Language) override;
    std::string TranslateMessage(const std::string& Section, const std::string& ID,
                                 const std::string& Default) override;
    std::string Translate(const std::string& Section, const std::string& ID,
                          const std::string& Default) override;
    // Widgets are translated by the studio; the command-line host has none.
    void TranslateComponent(TObject* Component, const std::string& Section) override;
    int MessageDlg(const std::string& Section, const std::string& ID, const std::string& Default,
                   TMsgDlgType Kind, TMsgDlgButtons Buttons) override;

    // Adds the texts of a catalogue file (later catalogues win); false when unreadable.
    bool LoadCatalogue(const std::string& Path);
    void AddText(const std::string& Section, const std::string& ID, const std::string& Text);
    // Forgets every catalogue: from then on every text is the French default, the texts
    // that do not depend on the machine (what the canonical image text writes).
    void UseDefaultTexts();

private:
    std::string Lookup(const std::string& Section, const std::string& ID,
                       const std::string& Default) const;

    TDialogs& FDialogs;
    mutable std::mutex FMutex;
    TIniFile FCatalogue;
    std::string FLanguage = "FR";
};

} // namespace g20seq::host
