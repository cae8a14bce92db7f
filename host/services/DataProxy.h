// The data proxy the host hands the module (SetDataProxy): one object that answers the
// event log, translation and settings services by their interface identifiers, as the
// module asks for them at the moment of use. It owns the services and the dialogs.
#pragma once

#include "services/Dialogs.h"
#include "services/EventLog.h"
#include "services/Settings.h"
#include "services/Translations.h"
#include <g20seq/support/Object.h>

#include <string>

namespace g20seq::host {

class TDataProxy final : public TInterfacedPersistent {
public:
    TDataProxy();

    std::string ClassName() const override { return "THostDataProxy"; }
    // Answers IEventLogProxy, ITranslationProxy and ISettingsProxy.
    THResult QueryInterface(const TGUID& IID, void** Obj) override;

    TEventLog& EventLog() { return FEventLog; }
    TTranslations& Translations() { return FTranslations; }
    TSettings& Settings() { return FSettings; }
    TDialogs& Dialogs() { return FDialogs; }

    // Sets the services up from the user's files, as both hosts start: the settings file
    // (Settings, or settings.ini under $XDG_CONFIG_HOME/g20seq or ~/.config/g20seq), the
    // catalogue (Catalogue, or the settings' one; none gives the French texts) and the log
    // file (Log, the settings' one, or g20seq.log under $XDG_STATE_HOME/g20seq or
    // ~/.local/state/g20seq). Raises EHostIOError for a catalogue that cannot be read.
    void LoadUserFiles(const std::string& Settings, const std::string& Catalogue,
                       const std::string& Log);

private:
    TEventLog FEventLog;
    TDialogs FDialogs;
    TTranslations FTranslations;
    TSettings FSettings;
};

} // namespace g20seq::host
