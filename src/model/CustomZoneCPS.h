#pragma once

#include "model/ErreurSerie.h"
#include "model/GereDonnees.h"
#include "support/ByteArray.h"
#include "support/G20SeqExport.h"
#include "support/Observers.h"
#include "support/TypeZones.h"
#include "support/Types.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace g20seq {

class TKEVField;
class TStringList;
class TCustomEprom;

// The abstract zone: a fixed block of the controller memory identified by its zone type
// and number, with its sizes on the serial link and every operation a zone answers.
//
// The virtual operations from GetNumeroCPS to IsZoneMultiple are called by the host by
// slot: they are declared in that order and nothing may be inserted among them.
// Operations that a zone class must provide raise EAbstractError ("Abstract Error") here.
class G20SEQ_EXPORT TCustomZoneCPS : public TGereDonnees {
public:
    // An observer of the zone as a whole (see Subscribe).
    using TObserver = std::function<void(TCustomZoneCPS& Zone)>;

    TCustomZoneCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero);
    ~TCustomZoneCPS() override;
    TCustomZoneCPS(const TCustomZoneCPS&) = delete;
    TCustomZoneCPS& operator=(const TCustomZoneCPS&) = delete;

    std::string ClassName() const override;

    virtual Byte GetNumeroCPS() const;                     // 1
    virtual bool GetLoadToCPS() const;                     // 2
    virtual bool GetSaveFromCPS() const;                   // 3
    virtual TInterfacedPersistent* GetLogicalZone() const; // 4
    // The field named FieldID (exact, case-sensitive), or nullptr.
    virtual TKEVField* GetFieldByID(const std::string& FieldID) const; // 5
    virtual TKEVField* GetFields(int Index) const;                     // 6
    virtual int GetFieldCount() const;                                 // 7
    virtual void SetLogicalZone(TInterfacedPersistent* Value);         // 8
    virtual void SetLoadToCPS(bool Value);                             // 9
    virtual void SetSaveFromCPS(bool Value);                           // 10
    // The virtual constructor: a new zone of this object's own class built with the
    // arguments. Every concrete zone class overrides it.
    virtual std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                   Word Numero,
                                                   TInterfacedPersistent* aLogicalZone) const; // 11
    virtual std::unique_ptr<TCustomZoneCPS> CreateSameZone() const;                            // 12
    virtual bool IsFileZone() const;                                                           // 13
    virtual bool Equals(const TPersistent* Other) const;                                       // 14
    virtual bool EqualsDetails(const TPersistent* Other,
                               TStringList* ListeDifferences) const; // 15
    // Decodes a received payload: Trame holds it from index 0, LngTrame bytes long.
    virtual TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame); // 16
    // Writes the payload from index LngTrame on and answers the index after it.
    virtual int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const; // 17
    virtual TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame);          // 18
    virtual int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const;   // 19
    // Opens the zone's editor as a child of the host window aOwner.
    virtual bool SaisieZoneCPS(void* aOwner, void* FormReference);  // 20
    virtual std::string NomChamp(const std::string& IDChamp) const; // 21
    virtual std::string DetailChamp(const std::string& IDChamp,
                                    const std::string& Valeur) const; // 22
    virtual std::string DetailIDChamp(const std::string& IDChamp, const std::string& Valeur,
                                      std::string& IDZone, std::string& IDValeur) const; // 23
    // Limit companions (Maxi, Mini, RAZ zones of the same EPROM), borrowed; none here.
    virtual TCustomZoneCPS* GetZoneMaxi() const; // 24
    virtual TCustomZoneCPS* GetZoneMini() const; // 25
    virtual TCustomZoneCPS* GetZoneRAZ() const;  // 26
    virtual std::string NomZone() const;         // 27
    virtual bool IsZoneMultiple() const;         // 28

    // Caption of a zone: the translated caption of the zone type, followed by " N°<n>"
    // unless aNumeroZone is -1.
    static std::string NomZone(TTypeZones aTypeZone, int aNumeroZone);

    // A new zone of the same class, owner, type and number, without logical zone, holding
    // a copy of this zone's values.
    std::unique_ptr<TCustomZoneCPS> Duplicate() const;
    // The copy a payload is decoded into (see DecodeIntoCopy): a duplicate of this zone.
    // A zone decoded more than once (the controller's status zones, polled all the time)
    // keeps the copy of its previous decode and only refreshes its values, instead of
    // building every field again; a zone decoded once (read from its file) keeps none.
    std::unique_ptr<TCustomZoneCPS> TakeDecodeCopy() const;
    // Gives back the copy after the decode; it is kept from the second decode on.
    void KeepDecodeCopy(std::unique_ptr<TCustomZoneCPS> Copy) const;

    TPersistent* GetOwner() const { return FOwner; }
    // The owner as an EPROM, or nullptr.
    TCustomEprom* GetEprom() const;
    TTypeZones GetTypeZone() const { return FTypeZone; }
    Word GetNumeroZone() const { return FNumeroZone; }
    Word GetTailleSendZone() const { return FTailleSendZone; }
    Word GetTailleReceiveZone() const { return FTailleReceiveZone; }
    // The zone's identity as written in messages and keys: "PrcProgrammes=12".
    std::string ZoneLabel() const;

    // Follows the zone as a whole: the observer is told once after each Assign of the zone
    // and each payload decoded into it, on the thread that made the change, once the zone's
    // lock is released (see TZoneChanges). Changes of single fields are told by the fields.
    [[nodiscard]] TSubscription Subscribe(TObserver Observer);

protected:
    // Copies the identity, flags and sizes of another zone.
    void AssignCustomZone(const TCustomZoneCPS& Source);
    void SetTailles(Word Send, Word Receive);

private:
    TPersistent* FOwner;
    // The owner as an EPROM, found once (zones ask for it all the time).
    TCustomEprom* FEprom;
    TTypeZones FTypeZone;
    Word FNumeroZone;
    bool FLoadToCPS = false;
    bool FSaveFromCPS = false;
    Word FTailleSendZone = 0;
    Word FTailleReceiveZone = 0;
    TObservers<TCustomZoneCPS&> FObservers;
    // The kept decode copy (owned; taken by one decode at a time) and whether the zone was
    // decoded before.
    mutable std::atomic<TCustomZoneCPS*> FDecodeCopy = nullptr;
    mutable std::atomic<bool> FDecodedBefore = false;

    friend class TZoneChanges;
};

// Holds back, on this thread, the field notifications of a zone operation that runs under
// zone locks (an Assign, the copy of a decoded payload), and delivers them when the
// thread's outermost scope ends: first each changed field's observers, once per field,
// then the observers of each zone that opened a scope, once per zone. Observers therefore
// never run under a zone lock, provided the scope opens before the operation takes its
// lock. Only subjects that have observers are remembered; an observer that raises during
// the delivery is logged (source "Notification") and the delivery goes on.
class TZoneChanges {
public:
    explicit TZoneChanges(TCustomZoneCPS& Zone);
    ~TZoneChanges();
    TZoneChanges(const TZoneChanges&) = delete;
    TZoneChanges& operator=(const TZoneChanges&) = delete;

    // Keeps the field's notification for later when a scope is open on this thread.
    static bool Defer(TKEVField& Field);
    // A field or zone freed while a scope is open on this thread is not told.
    static void Forget(const TObject& Subject);
};

} // namespace g20seq
