// Test double of the host's data proxy: records every log entry, answers translations
// from a map (default text otherwise), scripts dialog answers and serves settings.
#pragma once

#include "interface/ProxyInterface.h"

#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace g20seq::testkit {

struct LogEntry {
    std::string SenderClass;
    std::string Source;
    std::string Text1;
    std::string Text2;
    int Level = 0;
    std::string Category;
};

struct DialogCall {
    std::string Section;
    std::string ID;
    std::string Default;
    TMsgDlgType Kind;
    TMsgDlgButtons Buttons;
};

class FakeDataProxy : public TInterfacedPersistent,
                      public IEventLogProxy,
                      public ITranslationProxy,
                      public ISettingsProxy {
public:
    // Installs itself as the module-wide proxy; the destructor removes it again.
    FakeDataProxy();
    ~FakeDataProxy() override;

    std::string ClassName() const override { return "TFakeDataProxy"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // IEventLogProxy
    int GetLogLevel() override { return 0; }
    void AddLog(const TObject* Sender, const std::string& Source, const std::string& Text1,
                const std::string& Text2, int Level, const std::string& Category) override;
    void SetLogLevel(int) override {}
    std::string GetLogFileName() override { return {}; }
    void Flush() override {}

    // ITranslationProxy
    std::string GetLanguage() override { return "FR"; }
    void SetLanguage(const std::string&) override {}
    std::string TranslateMessage(const std::string& Section, const std::string& ID,
                                 const std::string& Default) override;
    std::string Translate(const std::string& Section, const std::string& ID,
                          const std::string& Default) override;
    void TranslateComponent(TObject*, const std::string&) override {}
    int MessageDlg(const std::string& Section, const std::string& ID, const std::string& Default,
                   TMsgDlgType Kind, TMsgDlgButtons Buttons) override;

    // ISettingsProxy
    std::string ReadString(const std::string&, const std::string&,
                           const std::string& Default) override {
        return Default;
    }
    bool ReadBool(const std::string& Section, const std::string& Key, bool Default) override {
        const auto found = Booleens.find(Section + "|" + Key);
        return found != Booleens.end() ? found->second : Default;
    }
    Byte GetFrequenceSecteur() override { return Frequence; }
    std::string GetContextFileName() override { return ContextFile; }
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
    void WriteBool(const std::string&, const std::string&, bool) override {}

    // Test controls.
    void AddTranslation(const std::string& Section, const std::string& ID, const std::string& Text);
    void QueueDialogAnswer(int ModalResult) { DialogAnswers.push_back(ModalResult); }
    // Boolean settings by "Section|Key"; any other reads its default.
    std::map<std::string, bool> Booleens;
    std::vector<LogEntry> Logs() const;
    // Entries whose second text (or first, when Text2 is empty) equals Text.
    int CountLogs(const std::string& Text) const;
    void ClearLogs();

    Byte Frequence = 50;
    std::string ContextFile;
    std::vector<DialogCall> Dialogs;
    std::deque<int> DialogAnswers;

private:
    mutable std::mutex FMutex;
    std::vector<LogEntry> FLogs;
    std::map<std::pair<std::string, std::string>, std::string> FTranslations;
};

} // namespace g20seq::testkit
