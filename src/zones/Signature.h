// Weld signatures, generation-independent part.
//
// After each weld the controller reports a signature: the record of that weld (date and
// time, program and step, measured current, counters, electrode state, fault or
// acknowledgement information). A signature holds its values as plain members, some in
// value ranges; it has no fields. Signatures are only ever received: they are never sent
// to the controller nor stored in zone files.
#pragma once

#include "interface/CustomEprom.h"
#include "interface/ProxyInterface.h"
#include "interface/SignatureInterface.h"
#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/DateTime.h"

#include <string>

namespace g20seq {

class TDefautListH35;

// The signature of one weld. The generation decodes its payload: this class answers
// SerErrFonction to SerialDecode.
class TSignature : public TReadOnlyZone<TZoneCPS>, public ISignature, public ISignatureCompl1 {
public:
    TSignature(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
               TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    // From another signature of the same EPROM: identity, then every member.
    void Assign(const TPersistent* Source) override;
    // Both compare the weld values (see EqualsSignature); no difference line is written.
    bool Equals(const TPersistent* Other) const override;
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // ISignature.
    TDefautListH35* GetDefauts() const override;
    TDateTime GetDateHeure() const override;
    TypesSignature GetTypeSignature() const override;
    void SetTypeSignature(TypesSignature Value) override;
    int GetTypeSignatureBrut() const override;
    int GetProgrammeCombine() const override;
    int GetCompteurChainage() const override;
    int GetOrigineAcquittement() const override;
    int GetNumeroProgramme() const override;
    int GetNumeroPalier() const override;
    double GetIntensiteMesuree(bool ModeAmperes) const override;
    double GetPourcentEquivalent() const override;
    double GetPourcentTension() const override;
    double GetIntensiteTotaleMesuree() const override;
    int GetNumeroElectrode() const override;
    bool GetDemandeRodageNeuve() const override;
    bool GetDemandeRodageIP() const override;
    bool GetDemandeRodageFinCU() const override;
    bool GetAlarmeChangementElectrode() const override;
    bool GetFinDeVie() const override;
    int GetCompteurPointsAbsolu() const override;
    int GetCompteurPoints() const override;
    int GetCompteurRodage() const override;
    int GetCompteurPointsIP() const override;
    int GetEffortMesure() const override;
    void UpdateCpt(TCompteursSignature& Compteurs) const override;

    // ISignatureCompl1. This class carries no fault number: -1.
    int GetNumeroDefaut() const override;
    std::string GetNomTypeSignature() const override;
    std::string GetDate() const override;
    std::string GetHeure() const override;

protected:
    // Copies the members of this class from Source (under the zone lock).
    virtual void AssignSignature(const TSignature& Source);
    // Equal date and time, measured values, electrode flags, counters and force, equal
    // ranges (limits, default and value) of type, combined program, chain counter, program,
    // step and electrode, and equal acknowledgement origins.
    virtual bool EqualsSignature(const TSignature& Other) const;

    TDefautListH35* FDefauts = nullptr;
    TDateTime FDateHeure = 0.0;
    TIntegerRange FTypeSignature{0, 4, 0};
    TIntegerRange FProgrammeCombine{0, 0, 0};
    TIntegerRange FCompteurChainage{0, 0, 0};
    TIntegerRange FOrigineAcquittement{0, 0, 0};
    TIntegerRange FNumeroProgramme{0, 0, 0};
    TIntegerRange FNumeropalier{0, 10, 1};
    int FIntensiteMesuree = 0;
    double FPourcentEquivalent = 0.0;
    double FPourcentTension = 0.0;
    double FIntensiteTotaleMesuree = 0.0;
    TIntegerRange FNumeroElectrode{0, 15, 0};
    bool FDemandeRodageneuve = false;
    bool FDemandeRodageIP = false;
    bool FDemandeRodageFinCU = false;
    bool FAlarmeChangementElectrode = false;
    bool FFinDeVie = false;
    int FCompteurPointsAbsolu = 0;
    int FCompteurPoints = 0;
    int FCompteurRodage = 0;
    int FCompteurPointsIP = 0;
    int FEffortMesure = 0;
};

} // namespace g20seq
