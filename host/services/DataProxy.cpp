#include "services/DataProxy.h"

#include "SafeSave.h"

#include <cstdlib>

namespace g20seq::host {

namespace {

std::string EnvOr(const char* Name, const std::string& Default) {
    const char* value = std::getenv(Name);
    return value != nullptr && *value != '\0' ? value : Default;
}

// A file under the user's XDG directory (Variable, else HOME/Fallback), "" without HOME.
std::string UserFile(const char* Variable, const char* Fallback, const char* Name) {
    const std::string home = EnvOr("HOME", "");
    const std::string base = EnvOr(Variable, home.empty() ? "" : home + "/" + Fallback);
    return base.empty() ? "" : base + "/g20seq/" + Name;
}

} // namespace

TDataProxy::TDataProxy() : FTranslations(FDialogs) {}

THResult TDataProxy::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IEventLogProxy::IID)
        *Obj = static_cast<IEventLogProxy*>(&FEventLog);
    else if (IID == ITranslationProxy::IID)
        *Obj = static_cast<ITranslationProxy*>(&FTranslations);
    else if (IID == ISettingsProxy::IID)
        *Obj = static_cast<ISettingsProxy*>(&FSettings);
    else
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    return THResult::S_OK;
}

void TDataProxy::LoadUserFiles(const std::string& Settings, const std::string& Catalogue,
                               const std::string& Log) {
    FSettings.Load(!Settings.empty() ? Settings
                                     : UserFile("XDG_CONFIG_HOME", ".config", "settings.ini"));
    const std::string catalogue =
        !Catalogue.empty() ? Catalogue : FSettings.ReadString(SectionGeneral, KeyCatalogue, "");
    if (!catalogue.empty() && !FTranslations.LoadCatalogue(catalogue))
        throw EHostIOError("cannot read the translation catalogue '" + catalogue + "'");
    FEventLog.SetLogFile(
        !Log.empty()
            ? Log
            : FSettings.ReadString(SectionGeneral, KeyFichierLog,
                                   UserFile("XDG_STATE_HOME", ".local/state", "g20seq.log")));
}

} // namespace g20seq::host
