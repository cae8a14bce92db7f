// The data proxy the host hands the module (SetDataProxy): one object that answers the
// event log, translation and settings services by their interface identifiers, as the
// module asks for them at the moment of use. It owns the services and the dialogs.
#pragma once

#include "services/Dialogs.h"
#include "services/EventLog.h"
#include "services/Settings.h"
#include "services/Translations.h"
#include <g20seq/support/Object.h>

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

private:
    TEventLog FEventLog;
    TDialogs FDialogs;
    TTranslations FTranslations;
    TSettings FSettings;
};

} // namespace g20seq::host
