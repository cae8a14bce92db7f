// The diagnostic zone, generation-independent part: the live state of the controller's
// inputs, outputs, DIP switches and LEDs as a catalogue of named objects, each on or off.
// The zone is only ever received; the generation fills the catalogue and decodes it.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"

#include <cstdint>
#include <memory>
#include <string>

namespace g20seq {

class TObjetDiagnostic;

class TObjetDiagnostic : public TInterfacedPersistent, public IObjetDiagnostic {
public:
    TObjetDiagnostic(std::string Identificateur, std::string IDNom, std::string Nom,
                     std::string IDDescription, std::string Description,
                     TTypeObjetDiagnostic TypeES, bool Gere);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    // Copies every member of another diagnostic object.
    void Assign(const TPersistent* Source) override;
    // Same identifier, names, descriptions, state, type and managed flag.
    bool Equals(const TObjetDiagnostic& Other) const;

    std::string GetId() const override { return FId; }
    std::string GetIDNom() const override { return FIDNom; }
    std::string GetNom() const override { return FNom; }
    std::string GetIDDescription() const override { return FIDDescription; }
    std::string GetDescription() const override { return FDescription; }
    bool GetIsON() const override { return FIsON; }
    TTypeObjetDiagnostic GetTypeObjet() const override { return FTypeObjet; }
    bool GetGere() const override { return FGere; }
    void SetNom(const std::string& Value) override { FNom = Value; }
    void SetDescription(const std::string& Value) override { FDescription = Value; }
    void SetIsON(bool Value) override { FIsON = Value; }
    void SetTypeObjet(TTypeObjetDiagnostic Value) override { FTypeObjet = Value; }
    void SetGere(bool Value) override { FGere = Value; }

private:
    std::string FId;
    std::string FIDNom;
    std::string FNom;
    std::string FIDDescription;
    std::string FDescription;
    bool FIsON = false;
    TTypeObjetDiagnostic FTypeObjet;
    bool FGere;
};

// The diagnostic zone: the catalogue of objects in insertion order (identifiers may
// repeat), owned by the zone. Without a generation it has no payload: SerialDecode
// answers SerErrFonction, encoders write nothing and FileDecode answers SerErrZoneRead.
class TDiagnostic : public TReadOnlyZone<TZoneCPS>, public IDiagnostic {
public:
    TDiagnostic(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    // From another diagnostic zone of the same EPROM: identity, then the objects. Objects
    // are copied position by position when both catalogues have the same length (the
    // objects the host holds stay valid); otherwise the catalogue becomes a copy.
    void Assign(const TPersistent* Source) override;
    // Both: same number of objects, each equal to its counterpart; no difference line.
    bool Equals(const TPersistent* Other) const override;
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // IDiagnostic.
    TObjetDiagnostic* GetObjetDiagnostic(const std::string& ID) const override;
    TObjetDiagnostic* GetObjetDiagnosticIndex(int Index) const override;
    int GetNombreObjetsDiagnostic() const override;
    IObjetDiagnostic* GetObjet(int Index) const override;

protected:
    // Appends an object to the catalogue.
    void AjouterObjet(std::unique_ptr<TObjetDiagnostic> Objet);

    TStringList FListeDiagnostic;
};

} // namespace g20seq
