// The module's exported entry points. A host loads libg20seq, hands it its data proxy,
// then creates, finds and closes one EPROM per controller station by handle. Everything
// else goes through the virtual operations of the TCustomEprom that ChercheInstance
// answers.
#pragma once

#include "support/G20SeqExport.h"
#include "support/Object.h"

namespace g20seq {
class TCustomEprom;
}

extern "C" {

// Creates the EPROM of a station (Name, UTF-8) for the host's protocol model (an object
// offering IProtocoleModel, or null) and answers its handle: 1 for the first, then one
// more per call. A name the generation does not handle raises
// "Sequence '<Name>' not handled by the current library." and registers nothing.
G20SEQ_EXPORT int NouvelleEprom(const char* Name, g20seq::TInterfacedPersistent* Protocole);

// Frees the EPROM of a handle given as decimal text ("1"); an unknown handle does nothing.
G20SEQ_EXPORT void FermeEprom(const char* Handle);

// The EPROM of a handle (still owned by the module), or null for an unknown handle.
G20SEQ_EXPORT g20seq::TCustomEprom* ChercheInstance(const char* Handle);

// Stores the host's data proxy (not owned). A later call replaces it.
G20SEQ_EXPORT void SetDataProxy(g20seq::TInterfacedPersistent* Proxy);

} // extern "C"
