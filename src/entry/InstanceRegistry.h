// The module's instance registry: one entry per open EPROM, found by its handle text.
//
// A handle is the decimal text of the instance counter at creation ("1", "2", ...): the
// counter starts at 0, grows by one per EPROM created and never goes back, so a closed
// handle is never issued again. Look-ups match the handle text exactly as registered
// ("01" does not find handle 1). The registry owns the EPROMs it holds. Hosts create and
// close EPROMs from several threads at once (one per station they work on), so every
// operation on the entries and the counter holds the registry's lock; an EPROM is built by
// the factory before the lock is taken.
#pragma once

#include "interface/CustomEprom.h"
#include "support/Lock.h"
#include "support/StringList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace g20seq {

// Makes the EPROM of the generation for a station name and the host's protocol model
// (which may be empty). Raises when the generation does not handle the name.
using TEpromFactory = std::function<std::unique_ptr<TCustomEprom>(
    const std::string& Name, TInterfacedPersistent* Protocole)>;

// The generation's EPROM factory, used by the module unless a test installs another.
std::unique_ptr<TCustomEprom> CreateGenerationEprom(const std::string& Name,
                                                    TInterfacedPersistent* Protocole);

class TInstanceRegistry {
public:
    // Compteur is the last handle issued (0 for a fresh registry).
    explicit TInstanceRegistry(TEpromFactory Factory = CreateGenerationEprom,
                               std::int32_t Compteur = 0);
    // Frees the EPROMs still registered, from the last entry to the first.
    ~TInstanceRegistry();
    TInstanceRegistry(const TInstanceRegistry&) = delete;
    TInstanceRegistry& operator=(const TInstanceRegistry&) = delete;

    // Creates and registers an EPROM; answers its handle. An exception of the factory
    // passes out with nothing registered and the counter unchanged; a counter at its
    // maximum raises ERangeError ("Integer overflow") and frees the new EPROM.
    int NouvelleEprom(const std::string& Name, TInterfacedPersistent* Protocole);
    // Frees the EPROM of the handle and removes its entry; an unknown handle does nothing.
    void FermeEprom(const std::string& Handle);
    // The EPROM of the handle (still owned by the registry), or nullptr.
    TCustomEprom* ChercheInstance(const std::string& Handle) const;
    // Frees every EPROM, from the last entry to the first.
    void FreeAll();

    int Count() const;
    std::int32_t Compteur() const;
    void SetFactory(TEpromFactory Factory) { FFactory = std::move(Factory); }

private:
    mutable TCriticalSection FLock;
    TStringList FInstances;
    std::int32_t FCompteur;
    TEpromFactory FFactory;
};

// The module-wide state between library attach and detach. Construction creates the
// registry and the five global fault types; destruction frees the fault types, then
// every EPROM still registered (last first), then the registry, and forgets the host's
// data proxy (which belongs to the host).
class TModuleState {
public:
    TModuleState();
    ~TModuleState();
    TModuleState(const TModuleState&) = delete;
    TModuleState& operator=(const TModuleState&) = delete;

    TInstanceRegistry& Registry() { return *FRegistry; }

private:
    std::unique_ptr<TInstanceRegistry> FRegistry;
};

} // namespace g20seq
