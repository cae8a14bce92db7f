#include "model/EditorWindows.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace g20seq {

namespace {

// Deliveries run under the list's lock, so that a window cannot be destroyed while one of
// its answers is being handed to it. A window's ReceiveZone only queues its widget work to
// the user-interface thread, so it never waits for the thread that unregisters.
class TEditorWindows {
public:
    void Add(IEditorWindow* Window) {
        const std::lock_guard lock(FLock);
        FWindows.push_back(Window);
    }
    void Remove(IEditorWindow* Window) {
        const std::lock_guard lock(FLock);
        std::erase(FWindows, Window);
        for (IEditorWindow*& single : FSingles)
            if (single == Window)
                single = nullptr;
    }
    IEditorWindow* Sending(const TZoneQueue* Queue) const {
        const std::lock_guard lock(FLock);
        if (Queue == nullptr)
            return nullptr;
        const auto found = std::find_if(FWindows.begin(), FWindows.end(),
                                        [&](auto* w) { return w->ZonesEnEnvoi() == Queue; });
        return found != FWindows.end() ? *found : nullptr;
    }
    bool Deliver(IEditorWindow* Window, TCustomZoneCPS* ZoneCPS, bool bErreur) {
        const std::lock_guard lock(FLock);
        if (std::find(FWindows.begin(), FWindows.end(), Window) == FWindows.end())
            return false;
        Window->ReceiveZone(ZoneCPS, bErreur);
        return true;
    }
    IEditorWindow* Single(TTypeZones TypeZone) const {
        const std::lock_guard lock(FLock);
        return FSingles[TypeZone];
    }
    void SetSingle(TTypeZones TypeZone, IEditorWindow* Window) {
        const std::lock_guard lock(FLock);
        FSingles[TypeZone] = Window;
    }

private:
    mutable std::recursive_mutex FLock;
    std::vector<IEditorWindow*> FWindows;
    std::array<IEditorWindow*, 256> FSingles{};
};

// Built on first use and never destroyed: windows may close while the module unloads.
TEditorWindows& Windows() {
    static auto* windows = new TEditorWindows;
    return *windows;
}

} // namespace

void RegisterEditorWindow(IEditorWindow* Window) {
    if (Window != nullptr)
        Windows().Add(Window);
}

void UnregisterEditorWindow(IEditorWindow* Window) {
    Windows().Remove(Window);
}

IEditorWindow* FindEditorWindowSending(const TZoneQueue* Queue) {
    return Windows().Sending(Queue);
}

bool DeliverToEditorWindow(IEditorWindow* Window, TCustomZoneCPS* ZoneCPS, bool bErreur) {
    return Windows().Deliver(Window, ZoneCPS, bErreur);
}

IEditorWindow* SingleEditorWindow(TTypeZones TypeZone) {
    return Windows().Single(TypeZone);
}

void SetSingleEditorWindow(TTypeZones TypeZone, IEditorWindow* Window) {
    Windows().SetSingle(TypeZone, Window);
}

} // namespace g20seq
