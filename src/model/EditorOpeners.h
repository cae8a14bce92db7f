// The editors of the zones, opened one way: one table of openers keyed by zone type, which
// the editor layer fills. A zone class whose zones have an editor answers SaisieZoneCPS
// with OpenEditor; without an opener for its zone type it answers false.
//
// Holds. An opener receives a hold on the zone (a TZoneHolder). A window that opens keeps
// the hold and gives it back once, when it is destroyed; a hold the opener does not keep
// (it answers false, or only brings an open window to the front) is given back when the
// opener returns. TEprom::SaisieZone hands over the hold it takes on the zone (see
// TEditorHandOver); a SaisieZoneCPS called directly takes a hold of its own.
#pragma once

#include "interface/CustomEprom.h"
#include "support/G20SeqExport.h"
#include "support/TypeZones.h"

#include <functional>

namespace g20seq {

class TCustomZoneCPS;

// Opens (or brings to the front) the editor of Hold's zone as a child of the host window
// aOwner; FormReference is the host's window reference. Answers whether an editor shows.
using TEditorOpener = std::function<bool(TZoneHolder Hold, void* aOwner, void* FormReference)>;

// Installs the opener of a zone type, replacing the one before; an empty opener removes it.
// Called by the editor layer; openers may be called from any thread that opens an editor.
G20SEQ_EXPORT void RegisterEditorOpener(TTypeZones TypeZone, TEditorOpener Opener);

// SaisieZoneCPS of a zone that has an editor: the opener of the zone's type with a hold on
// the zone; false without an opener or without a hold (a zone no EPROM holds).
bool OpenEditor(TCustomZoneCPS& Zone, void* aOwner, void* FormReference);

// Hands a hold taken on a zone to the editor its SaisieZoneCPS opens, on this thread and for
// this object's scope; a hold nobody took is given back when the scope ends.
class TEditorHandOver {
public:
    explicit TEditorHandOver(TZoneHolder Hold);
    ~TEditorHandOver();
    TEditorHandOver(const TEditorHandOver&) = delete;
    TEditorHandOver& operator=(const TEditorHandOver&) = delete;

    TCustomZoneCPS* Zone() const { return FZone; }
    // The hold of Zone when this thread's innermost hand-over still has it; empty otherwise.
    static TZoneHolder Take(const TCustomZoneCPS& Zone);

private:
    TZoneHolder FHold;
    TCustomZoneCPS* FZone;
    TEditorHandOver* FOuter;
};

} // namespace g20seq
