#include "entry/InstanceRegistry.h"

#include "eprom/EpromG20.h"
#include "model/DataProxy.h"
#include "model/TypeDefaut.h"
#include "support/Exceptions.h"

#include <limits>

namespace g20seq {

std::unique_ptr<TCustomEprom> CreateGenerationEprom(const std::string& Name,
                                                    TInterfacedPersistent* Protocole) {
    // The G20 EPROM raises for a name the generation does not handle.
    return TEpromG20::New(Name, Protocole);
}

TInstanceRegistry::TInstanceRegistry(TEpromFactory Factory, std::int32_t Compteur)
    : FInstances(true), FCompteur(Compteur), FFactory(std::move(Factory)) {
    FInstances.SetSorted(false);
    FInstances.SetCaseSensitive(false);
}

TInstanceRegistry::~TInstanceRegistry() {
    FreeAll();
}

int TInstanceRegistry::NouvelleEprom(const std::string& Name, TInterfacedPersistent* Protocole) {
    std::unique_ptr<TCustomEprom> eprom = FFactory(Name, Protocole);
    const TLockGuard guard(FLock);
    if (FCompteur == std::numeric_limits<std::int32_t>::max())
        throw ERangeError("Integer overflow");
    ++FCompteur;
    FInstances.AddObject(std::to_string(FCompteur), eprom.release());
    return FCompteur;
}

void TInstanceRegistry::FermeEprom(const std::string& Handle) {
    const TLockGuard guard(FLock);
    const int index = FInstances.IndexOf(Handle);
    if (index >= 0)
        FInstances.Delete(index);
}

TCustomEprom* TInstanceRegistry::ChercheInstance(const std::string& Handle) const {
    const TLockGuard guard(FLock);
    const int index = FInstances.IndexOf(Handle);
    return index >= 0 ? static_cast<TCustomEprom*>(FInstances.Objects(index)) : nullptr;
}

void TInstanceRegistry::FreeAll() {
    const TLockGuard guard(FLock);
    for (int index = FInstances.Count() - 1; index >= 0; --index)
        FInstances.Delete(index);
}

int TInstanceRegistry::Count() const {
    const TLockGuard guard(FLock);
    return FInstances.Count();
}

std::int32_t TInstanceRegistry::Compteur() const {
    const TLockGuard guard(FLock);
    return FCompteur;
}

TModuleState::TModuleState() : FRegistry(std::make_unique<TInstanceRegistry>()) {
    CreateGlobalFaultTypes();
}

TModuleState::~TModuleState() {
    FreeGlobalFaultTypes();
    FRegistry->FreeAll();
    FRegistry.reset();
    SetGlobalDataProxy(nullptr);
}

} // namespace g20seq
