// What a host sees of an open editor window. The windows themselves are Qt widgets of the
// editors library; a host reaches them through this interface and the module's window
// registry (model/EditorWindows.h), never through their classes.
//
// A window registers itself when it is created and unregisters when it is destroyed. While
// it saves, it hands its queue of zones to the EPROM (ChargeMultipleZoneCPS); the host's
// send callback finds the window by that queue (FindEditorWindowSending) and, when it
// accepts, moves the zones out of the queue. Each answer then goes back to the window
// through DeliverToEditorWindow, from any thread, which reaches the window only while it
// is still open.
//
// FormReference, the last argument of SaisieZone, is the address of the host's window
// variable (IEditorWindow**) or null: the window stores itself there when it is created and
// clears it when it is destroyed (when the variable still names it).
//
// The order of the operations is ours; a test pins it.
#pragma once

#include "interface/CustomEprom.h"

namespace g20seq {

class IEditorWindow {
public:
    // One answer to the transfer the window started: the zone the controller now holds
    // (not owned, read during the call only), or bErreur when the transfer failed. Runs on
    // the calling thread.
    virtual void ReceiveZone(TCustomZoneCPS* ZoneCPS, bool bErreur) = 0; // 0
    // The queue the window is handing to the EPROM, or null outside a save.
    virtual const TZoneQueue* ZonesEnEnvoi() const = 0; // 1
    // The EPROM whose zone the window edits.
    virtual TCustomEprom* GetEprom() const = 0; // 2
    // Closes the window without asking (the host closes a station).
    virtual void ForceFermeture() = 0; // 3

protected:
    ~IEditorWindow() = default;
};

} // namespace g20seq
