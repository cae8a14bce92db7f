#include "entry/ModuleEntry.h"

#include "entry/InstanceRegistry.h"
#include "model/DataProxy.h"

namespace {

// Constructed when the library is attached to the process, destroyed when it is detached.
g20seq::TModuleState gModule;

std::string Text(const char* Value) {
    return Value != nullptr ? Value : "";
}

} // namespace

extern "C" {

int NouvelleEprom(const char* Name, g20seq::TInterfacedPersistent* Protocole) {
    return gModule.Registry().NouvelleEprom(Text(Name), Protocole);
}

void FermeEprom(const char* Handle) {
    gModule.Registry().FermeEprom(Text(Handle));
}

g20seq::TCustomEprom* ChercheInstance(const char* Handle) {
    return gModule.Registry().ChercheInstance(Text(Handle));
}

void SetDataProxy(g20seq::TInterfacedPersistent* Proxy) {
    g20seq::SetGlobalDataProxy(Proxy);
}

} // extern "C"
