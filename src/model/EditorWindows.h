// The module-wide list of open editor windows, through which a host reaches a window that
// is saving (see interface/EditorWindow.h), and the module-wide references to the windows
// of which only one may be open at a time (the program editor, the configuration window).
#pragma once

#include "interface/EditorWindow.h"
#include "support/G20SeqExport.h"
#include "support/TypeZones.h"

namespace g20seq {

// Called by a window when it is created and when it is destroyed. Unregistering waits for
// a delivery to that window that is running on another thread.
G20SEQ_EXPORT void RegisterEditorWindow(IEditorWindow* Window);
G20SEQ_EXPORT void UnregisterEditorWindow(IEditorWindow* Window);

// The open window whose queue Queue is (being handed to the EPROM), or null.
G20SEQ_EXPORT IEditorWindow* FindEditorWindowSending(const TZoneQueue* Queue);

// Calls Window's ReceiveZone when Window is still open, and answers whether it was.
G20SEQ_EXPORT bool DeliverToEditorWindow(IEditorWindow* Window, TCustomZoneCPS* ZoneCPS,
                                         bool bErreur);

// The single open window of an editor kind (keyed by the zone type it edits), or null. Set
// by that window when it is created, cleared when it is destroyed.
G20SEQ_EXPORT IEditorWindow* SingleEditorWindow(TTypeZones TypeZone);
G20SEQ_EXPORT void SetSingleEditorWindow(TTypeZones TypeZone, IEditorWindow* Window);

} // namespace g20seq
