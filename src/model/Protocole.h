// Protocol model of a controller station: the registry of zone protocol information
// (sizes, file storage, numbering per zone type), the count of EPROMs using the model
// and its name. The host's concrete protocol classes derive from TProtocole, fill the
// registry and provide the link operations (IProtocoleCommunication) and the controller
// automaton.
#pragma once

#include "interface/ProtocolInterface.h"
#include "model/ErreurSerie.h"
#include "support/ByteArray.h"
#include "support/Lock.h"
#include "support/StringList.h"

#include <memory>
#include <string>

namespace g20seq {

// Link operations of the host's communication layer (frame envelope, addressing,
// checksum, retries are its business; the module sees payloads only). The operations
// and their order are ours to choose; the order is pinned by a test.
class IProtocoleCommunication : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{2F7D94A3-C15E-4B08-9E6A-73B1D0C5E812}");
    // Opens the link to the station; answers whether it is open.
    virtual bool Connecter() = 0;
    virtual void Deconnecter() = 0;
    virtual bool IsConnecte() = 0;
    // Writes the payload Trame[0..LngTrame-1] of a zone into controller NumeroCPS.
    virtual TErreurSerie EcrireZone(Byte NumeroCPS, TTypeZones TypeZone, Word NumeroZone,
                                    const TByteArray& Trame, int LngTrame) = 0;
    // Reads the payload of a zone into Trame from index 0; LngTrame receives its length.
    virtual TErreurSerie LireZone(Byte NumeroCPS, TTypeZones TypeZone, Word NumeroZone,
                                  TByteArray& Trame, int& LngTrame) = 0;
    // Controller address of a zone (base address of its type + number * receive size).
    virtual LongWord GetAdresseZone(TTypeZones TypeZone, Word NumeroZone) = 0;

protected:
    ~IProtocoleCommunication() = default;
};

class TProtocole : public TInterfacedPersistent,
                   public IProtocoleModel,
                   public IProtocoleCommunication,
                   public IProtocoleNom {
public:
    explicit TProtocole(const std::string& Nom);
    ~TProtocole() override;
    TProtocole(const TProtocole&) = delete;
    TProtocole& operator=(const TProtocole&) = delete;

    std::string ClassName() const override { return "TProtocole"; }
    // Answers IProtocoleModel, IProtocoleCommunication and IProtocoleNom.
    bool QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // IProtocoleModel: the entry of the zone type, or nullptr.
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override;
    void IncNombreEproms() override;
    // Never below 0; answers true when no EPROM uses the model any more.
    bool DecNombreEproms() override;

    // IProtocoleNom
    std::string GetNom() override;
    void SetNom(const std::string& Nom) override;

    // Registers the zone protocol information of a type; the registry owns it. Info must
    // implement IZoneProtocole (EConvertError otherwise); a type registered twice raises
    // the list's duplicate error. In both cases Info is freed.
    void AddZoneProtocole(TTypeZones TypeZone, std::unique_ptr<TInterfacedPersistent> Info);
    int GetNombreEproms() const;
    // Registered zone types (decimal text of the type, sorted as texts).
    const TStringList& GetListeTypeZones() const { return ListeTypeZones; }

private:
    mutable TCriticalSection FLock;
    TStringList ListeTypeZones;
    int NombreEproms = 0;
    std::string FNomProtocole;
};

} // namespace g20seq
