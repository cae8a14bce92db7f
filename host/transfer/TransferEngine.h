// How the hosts send the zones an editor window saves to a controller and answer the
// window: the engine is installed as an EPROM's send callback (TChargerMultipleZoneCPS).
//
// The callback finds the window that hands the queue over (FindEditorWindowSending) and,
// when the engine accepts, moves the zones out of the queue. The engine then answers each
// zone, in queue order and from a thread of its own, through DeliverToEditorWindow; after
// an error answer it drops the rest of that queue. An offline engine answers from the
// image alone; an engine that talks to a controller answers from the controller's frames.
#pragma once

#include <g20seq/interface/CustomEprom.h>

namespace g20seq::host {

class ITransferEngine {
public:
    virtual ~ITransferEngine() = default;

    // Takes the zones of Queue, which Eprom hands over for the window that is saving, and
    // answers whether they will be answered (the queue is left as it was when not).
    virtual bool Send(TCustomEprom& Eprom, TZoneQueue& Queue) = 0;
    // Returns once every zone accepted so far has been answered or dropped.
    virtual void WaitIdle() = 0;

    // Makes this engine Eprom's send callback; the engine must outlive the EPROM's use of it.
    void InstallOn(TCustomEprom& Eprom) {
        Eprom.SetChargerMultipleZoneCPS([this](TCustomEprom* Source, TZoneQueue* Queue) {
            return Source != nullptr && Queue != nullptr && Send(*Source, *Queue);
        });
    }
};

} // namespace g20seq::host
