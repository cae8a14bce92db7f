// Module-wide access to the host's data proxy (exported for the editors library, which
// logs and asks through the module's proxy).
//
// Every log entry, translation and setting is fetched from the proxy at the moment of
// use. Without a proxy, or when the proxy does not offer the service, log entries are
// skipped, translations answer their default text and settings their default value.
#pragma once

#include "interface/ProxyInterface.h"
#include "support/G20SeqExport.h"

#include <string>

namespace g20seq {

// Log levels and categories of the system.
constexpr int LogTrace = 0;
constexpr int LogAnomaly = 2;
constexpr int LogError = 3;
inline const char* const CatEprom = "Eprom";
inline const char* const CatZRT = "ZRT Handling";
inline const char* const CatKevnet = "Kevnet";
inline const char* const CatThread = "Thread";

G20SEQ_EXPORT void SetGlobalDataProxy(TInterfacedPersistent* Proxy);
G20SEQ_EXPORT TInterfacedPersistent* GetGlobalDataProxy();

G20SEQ_EXPORT IEventLogProxy* EventLogProxy();
G20SEQ_EXPORT ITranslationProxy* TranslationProxy();
G20SEQ_EXPORT ISettingsProxy* SettingsProxy();

G20SEQ_EXPORT void LogEvent(const TObject* Sender, const std::string& Source,
                            const std::string& Text1, const std::string& Text2, int Level,
                            const std::string& Category);
// Caption look-up (the translation service's caption operation).
G20SEQ_EXPORT std::string Translate(const std::string& Section, const std::string& Key,
                                    const std::string& Default);
// Message look-up (the translation service's message operation).
G20SEQ_EXPORT std::string TranslateMessage(const std::string& Section, const std::string& Key,
                                           const std::string& Default);
// Asks the host's message dialog; without a translation service answers mrNone.
G20SEQ_EXPORT int MessageDlg(const std::string& Section, const std::string& Key,
                             const std::string& Default, TMsgDlgType Kind, TMsgDlgButtons Buttons);
// Mains frequency from the host settings; 50 without a settings service.
G20SEQ_EXPORT Byte FrequenceSecteur();

} // namespace g20seq
