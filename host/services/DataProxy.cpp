#include "services/DataProxy.h"

namespace g20seq::host {

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

} // namespace g20seq::host
