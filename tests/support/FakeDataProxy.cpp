#include "support/FakeDataProxy.h"

#include "model/DataProxy.h"

namespace g20seq::testkit {

FakeDataProxy::FakeDataProxy() {
    SetGlobalDataProxy(this);
}

FakeDataProxy::~FakeDataProxy() {
    if (GetGlobalDataProxy() == this)
        SetGlobalDataProxy(nullptr);
}

THResult FakeDataProxy::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IEventLogProxy::IID)
        *Obj = static_cast<IEventLogProxy*>(this);
    else if (IID == ITranslationProxy::IID)
        *Obj = static_cast<ITranslationProxy*>(this);
    else if (IID == ISettingsProxy::IID)
        *Obj = static_cast<ISettingsProxy*>(this);
    else
        *Obj = nullptr;
    return *Obj != nullptr ? THResult::S_OK : THResult::E_NOINTERFACE;
}

void FakeDataProxy::AddLog(const TObject* Sender, const std::string& Source,
                           const std::string& Text1, const std::string& Text2, int Level,
                           const std::string& Category) {
    std::lock_guard lock(FMutex);
    FLogs.push_back(
        {Sender ? Sender->ClassName() : std::string(), Source, Text1, Text2, Level, Category});
}

std::string FakeDataProxy::Translate(const std::string& Section, const std::string& ID,
                                     const std::string& Default) {
    std::lock_guard lock(FMutex);
    auto found = FTranslations.find({Section, ID});
    return found == FTranslations.end() ? Default : found->second;
}

std::string FakeDataProxy::TranslateMessage(const std::string& Section, const std::string& ID,
                                            const std::string& Default) {
    return Translate(Section, ID, Default);
}

int FakeDataProxy::MessageDlg(const std::string& Section, const std::string& ID,
                              const std::string& Default, TMsgDlgType Kind,
                              TMsgDlgButtons Buttons) {
    std::lock_guard lock(FMutex);
    Dialogs.push_back({Section, ID, Default, Kind, Buttons});
    if (DialogAnswers.empty())
        return mrNone;
    int answer = DialogAnswers.front();
    DialogAnswers.pop_front();
    return answer;
}

void FakeDataProxy::AddTranslation(const std::string& Section, const std::string& ID,
                                   const std::string& Text) {
    std::lock_guard lock(FMutex);
    FTranslations[{Section, ID}] = Text;
}

std::vector<LogEntry> FakeDataProxy::Logs() const {
    std::lock_guard lock(FMutex);
    return FLogs;
}

int FakeDataProxy::CountLogs(const std::string& Text) const {
    std::lock_guard lock(FMutex);
    int count = 0;
    for (const LogEntry& entry : FLogs)
        count += (entry.Text2 == Text || entry.Text1 == Text) ? 1 : 0;
    return count;
}

void FakeDataProxy::ClearLogs() {
    std::lock_guard lock(FMutex);
    FLogs.clear();
}

} // namespace g20seq::testkit
