#include "model/DataProxy.h"

#include <atomic>

namespace g20seq {

namespace {

std::atomic<TInterfacedPersistent*> gDataProxy{nullptr};

template <class Service> Service* QueryService() {
    TInterfacedPersistent* proxy = gDataProxy.load();
    void* service = nullptr;
    if (proxy == nullptr || proxy->QueryInterface(Service::IID, &service) != THResult::S_OK)
        return nullptr;
    return static_cast<Service*>(service);
}

} // namespace

void SetGlobalDataProxy(TInterfacedPersistent* Proxy) {
    gDataProxy.store(Proxy);
}

TInterfacedPersistent* GetGlobalDataProxy() {
    return gDataProxy.load();
}

IEventLogProxy* EventLogProxy() {
    return QueryService<IEventLogProxy>();
}

ITranslationProxy* TranslationProxy() {
    return QueryService<ITranslationProxy>();
}

ISettingsProxy* SettingsProxy() {
    return QueryService<ISettingsProxy>();
}

void LogEvent(const TObject* Sender, const std::string& Source, const std::string& Text1,
              const std::string& Text2, int Level, const std::string& Category) {
    if (IEventLogProxy* log = EventLogProxy())
        log->AddLog(Sender, Source, Text1, Text2, Level, Category);
}

std::string Translate(const std::string& Section, const std::string& Key,
                      const std::string& Default) {
    ITranslationProxy* translation = TranslationProxy();
    return translation ? translation->Translate(Section, Key, Default) : Default;
}

std::string TranslateMessage(const std::string& Section, const std::string& Key,
                             const std::string& Default) {
    ITranslationProxy* translation = TranslationProxy();
    return translation ? translation->TranslateMessage(Section, Key, Default) : Default;
}

int MessageDlg(const std::string& Section, const std::string& Key, const std::string& Default,
               TMsgDlgType Kind, TMsgDlgButtons Buttons) {
    ITranslationProxy* translation = TranslationProxy();
    return translation ? translation->MessageDlg(Section, Key, Default, Kind, Buttons) : mrNone;
}

Byte FrequenceSecteur() {
    ISettingsProxy* settings = SettingsProxy();
    return settings ? settings->GetFrequenceSecteur() : Byte{50};
}

} // namespace g20seq
