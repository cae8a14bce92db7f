// The weld signatures an EPROM keeps: the last one received for each program, so that
// editors can show the last weld of a program, and the last fifty received, oldest first,
// so that graphs can follow the welds in real time.
//
// Threads. The host's communication threads hand signatures in while editors and views read
// them, so every access goes through the store's lock. Pointers handed out stay owned by the
// store and live:
// - the signature of a program (Get) until a newer signature of the same program replaces
//   it, or until the store is cleared (the EPROM is freed);
// - an entry of the real-time list (TempsReel) until fifty newer signatures have pushed it
//   out of the list.
// A reader on another thread than the one that hands signatures in holds the lock (Verrou)
// for as long as it uses such a pointer or walks the real-time list, or works on copies
// (Copie, CopieTempsReel), which are its own.
#pragma once

#include "interface/CustomEprom.h"
#include "support/G20SeqExport.h"
#include "support/Lock.h"
#include "support/StringList.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace g20seq {

class G20SEQ_EXPORT TSignaturesEprom {
public:
    // Program number of a signature, -1 when it has none (logged by the EPROM).
    using TNumProg = std::function<int(TCustomZoneCPS* Signature)>;
    // The generation's hook, told of the program of each signature stored.
    using TNouvelleSignature = std::function<void(int NumProg)>;

    // Most signatures the real-time list holds.
    static constexpr int MaxTempsReel = 50;

    // Sender is the EPROM, named in log entries; NumProg and Nouvelle are its operations.
    TSignaturesEprom(const TObject* Sender, TNumProg NumProg, TNouvelleSignature Nouvelle);
    ~TSignaturesEprom();
    TSignaturesEprom(const TSignaturesEprom&) = delete;
    TSignaturesEprom& operator=(const TSignaturesEprom&) = delete;

    // Receives a signature the host hands over; the store owns it from now on. Only welds
    // (SigProgElementaire, SigPointAW, SigApprentissageAWA, SigPointAWA) are kept: another
    // kind is logged at level 0 with its identifier and freed. A weld without program
    // number is freed. Otherwise it replaces (and frees) the signature stored for its
    // program and a copy of it joins the real-time list, which frees its oldest entry when
    // it is full, both under the lock; then, the lock released, the hook is told the
    // program number (the signature itself may already be replaced by another thread).
    void SetSignature(std::unique_ptr<TCustomZoneCPS> Signature);

    // The signature stored for a program, or nullptr; it stays owned by the store.
    TCustomZoneCPS* Get(int NumProg) const;
    // A copy of the signature stored for a program (the caller's), or nullptr.
    std::unique_ptr<TCustomZoneCPS> Copie(int NumProg) const;
    // The real-time list itself, oldest first (see the threads note above).
    const TZoneList& TempsReel() const { return FTempsReel; }
    // Copies of the real-time list's entries, oldest first (the caller's).
    TZoneList CopieTempsReel() const;
    // Number of programs that have a signature.
    int Count() const;
    // Frees every signature.
    void Clear();
    // Holds the store's lock for the caller's scope.
    [[nodiscard]] std::unique_lock<TCriticalSection> Verrou() const {
        return std::unique_lock<TCriticalSection>(FLock);
    }

    // The program number of a zone that should be a signature: -1 without zone ("Signature
    // non trouvée") or for a zone that is not a signature (logged with its zone type under
    // "GetNumProg (<NomEprom>)").
    static int NumeroProgramme(const TObject* Sender, const std::string& NomEprom,
                               const TCustomZoneCPS* Signature);

private:
    // Whether the store keeps signatures of this kind (refusals are logged).
    bool Acceptee(const TCustomZoneCPS& Signature) const;

    const TObject* FSender;
    TNumProg FNumProg;
    TNouvelleSignature FNouvelle;
    mutable TCriticalSection FLock;
    // Key: decimal program number; sorted, case-sensitive, duplicates refused, owning.
    TStringList FListeSignatures;
    TZoneList FTempsReel;
};

} // namespace g20seq
