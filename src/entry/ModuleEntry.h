// The module's exported entry points. A host loads libg20seq, hands it its data proxy,
// then creates, finds and closes one EPROM per controller station by handle.
#pragma once

#include "entry/G20SeqExport.h"
#include "support/Object.h"

extern "C" {

// Stores the host's data proxy (not owned). A later call replaces it.
G20SEQ_EXPORT void SetDataProxy(g20seq::TInterfacedPersistent* Proxy);

} // extern "C"
