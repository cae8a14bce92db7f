#include "model/EditorOpeners.h"

#include "model/CustomZoneCPS.h"

#include <array>
#include <mutex>
#include <utility>

namespace g20seq {

namespace {

// One opener per zone type; the table's lock is never held while an opener runs.
class TEditorOpeners {
public:
    void Register(TTypeZones TypeZone, TEditorOpener Opener) {
        const std::lock_guard lock(FLock);
        FOpeners[TypeZone] = std::move(Opener);
    }
    TEditorOpener Find(TTypeZones TypeZone) const {
        const std::lock_guard lock(FLock);
        return FOpeners[TypeZone];
    }

private:
    mutable std::mutex FLock;
    std::array<TEditorOpener, 256> FOpeners;
};

// Built on first use and never destroyed: an editor library may unregister its openers
// while the module is being unloaded.
TEditorOpeners& Openers() {
    static auto* openers = new TEditorOpeners;
    return *openers;
}

thread_local TEditorHandOver* InnermostHandOver = nullptr;

} // namespace

void RegisterEditorOpener(TTypeZones TypeZone, TEditorOpener Opener) {
    Openers().Register(TypeZone, std::move(Opener));
}

bool OpenEditor(TCustomZoneCPS& Zone, void* aOwner, void* FormReference) {
    const TEditorOpener opener = Openers().Find(Zone.GetTypeZone());
    if (!opener)
        return false;
    TZoneHolder hold = TEditorHandOver::Take(Zone);
    if (!hold)
        hold = TZoneHolder(Zone.GetEprom(), Zone.GetTypeZone(), Zone.GetNumeroZone());
    return hold && opener(std::move(hold), aOwner, FormReference);
}

TEditorHandOver::TEditorHandOver(TZoneHolder Hold)
    : FHold(std::move(Hold)), FZone(FHold.Get()), FOuter(InnermostHandOver) {
    InnermostHandOver = this;
}

TEditorHandOver::~TEditorHandOver() {
    InnermostHandOver = FOuter;
}

TZoneHolder TEditorHandOver::Take(const TCustomZoneCPS& Zone) {
    TEditorHandOver* handOver = InnermostHandOver;
    if (handOver == nullptr || handOver->FHold.Get() != &Zone)
        return {};
    return std::move(handOver->FHold);
}

} // namespace g20seq
