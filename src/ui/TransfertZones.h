// The zones an editor window sends to the controller and the answers it waits for.
//
// Saving lists each zone sent in the waiting list (FZones_Transferees), under the zone's
// identity ("PrcProgrammes=5") with the object the answer goes into, and pushes a duplicate
// into the queue to transfer (FZones_a_Transferer), which the EPROM hands to the host. The
// host's answers arrive on its own threads, in the order sent; Recevoir matches each with
// the head of the waiting list under the list's lock and answers what the window then does
// on its user-interface thread.
#pragma once

#include "interface/CustomEprom.h"
#include "support/Lock.h"
#include "support/StringList.h"

#include <functional>
#include <memory>
#include <string>

namespace g20seq {

class TCustomZoneCPS;

class TTransfertZones {
public:
    TTransfertZones();

    // The lists as saving fills them (the point handler fills them too). Used on the
    // user-interface thread before the queue is handed over.
    TStringList& Transferees() { return FTransferees; }
    TZoneQueue& AEnvoyer() { return *FAEnvoyer; }

    // Lists Cible under its identity and queues a duplicate of it.
    void Ajouter(TCustomZoneCPS& Cible);
    // Starts a new empty queue (the old one's zones went to the host, or are dropped).
    void NouvelleFile();
    // Forgets every zone awaiting an answer (the host refused the transfer).
    void Oublier();

    int NbEnAttente() const;
    // The object awaiting the next answer, or null.
    TCustomZoneCPS* Suivante() const;

    // What one answer means for the window.
    struct TReception {
        // The object the answer goes into (head of the list) and a copy of the answer that
        // the user-interface thread assigns into it; both null when nothing is assigned.
        TCustomZoneCPS* Cible = nullptr;
        std::unique_ptr<TCustomZoneCPS> Copie;
        // Position of the answer's identity in the list before it was removed: 0 when it
        // came in order, -1 when not found.
        int Index = -1;
        // Zones still awaiting an answer after this one, and the next of them.
        int Restantes = 0;
        TCustomZoneCPS* Suivante = nullptr;
    };
    // Takes one answer (any thread). An error empties the list. Otherwise the answer's
    // identity is looked up: the head is removed and its object gets a copy of the answer;
    // an entry found further down is removed without copy. Suite receives the outcome while
    // the list is still locked, so that what it queues for the user-interface thread is
    // queued before anyone sees the list without that answer.
    void Recevoir(const TCustomZoneCPS* Zone, bool bErreur,
                  const std::function<void(TReception)>& Suite);

private:
    mutable TCriticalSection FLock;
    TStringList FTransferees;
    std::unique_ptr<TZoneQueue> FAEnvoyer;
};

} // namespace g20seq
