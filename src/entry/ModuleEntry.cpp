#include "entry/ModuleEntry.h"

#include "model/DataProxy.h"

extern "C" {

void SetDataProxy(g20seq::TInterfacedPersistent* Proxy) { g20seq::SetGlobalDataProxy(Proxy); }

} // extern "C"
