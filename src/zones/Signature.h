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
#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/DateTime.h"

#include <string>

namespace g20seq {

class TDefautListH35;

// The counters and electrode state a signature carries, handed over by UpdateCpt to
// whoever keeps the counters of the signature's electrode (the EPROM's counters zone, the
// host's own signature views).
struct TCompteursSignature {
    int NumeroElectrode = 0;
    int CompteurPointsAbsolu = 0;
    int CompteurPoints = 0;
    int CompteurRodage = 0;
    int CompteurPointsIP = 0;
    bool DemandeRodageneuve = false;
    bool DemandeRodageIP = false;
    bool DemandeRodageFinCU = false;
    bool AlarmeChangementElectrode = false;
    bool FinDeVie = false;
    bool ModeSoudageDegrade = false;
};

// What the host reads of any signature. The 26 operations after the three of IInterface
// are in this order, which is ours and pinned by a test: new operations go at the end.
class ISignature : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{8E3C5B21-4A7F-4D19-9C62-1F0B7D4E2A53}");
    // Present faults of the signature; this generation keeps none (nullptr).
    virtual TDefautListH35* GetDefauts() const = 0; // 1
    virtual TDateTime GetDateHeure() const = 0;     // 2
    // The kind of signature derived from the raw type: raw 1 -> SigDefaut, 2 ->
    // SigAcquittement, 3 -> SigCoupureAlimentation, 4 -> SigMiseSousTension, any other ->
    // SigProgElementaire.
    virtual TypesSignature GetTypeSignature() const = 0; // 3
    // Stores the raw type of a kind (SigDefaut -> 1 ... SigMiseSousTension -> 4, any
    // other kind -> 0).
    virtual void SetTypeSignature(TypesSignature Value) = 0; // 4
    virtual int GetTypeSignatureBrut() const = 0;            // 5
    virtual int GetProgrammeCombine() const = 0;             // 6
    virtual int GetCompteurChainage() const = 0;             // 7
    // Origin of the acknowledgement: 0..5 as received, any larger value reads 6.
    virtual int GetOrigineAcquittement() const = 0; // 8
    virtual int GetNumeroProgramme() const = 0;     // 9
    virtual int GetNumeroPalier() const = 0;        // 10
    // Measured current for display: in amperes when ModeAmperes, else in hundreds of
    // amperes (the stored value divided by 100).
    virtual double GetIntensiteMesuree(bool ModeAmperes) const = 0; // 11
    virtual double GetPourcentEquivalent() const = 0;               // 12
    virtual double GetPourcentTension() const = 0;                  // 13
    virtual double GetIntensiteTotaleMesuree() const = 0;           // 14
    virtual int GetNumeroElectrode() const = 0;                     // 15
    virtual bool GetDemandeRodageNeuve() const = 0;                 // 16
    virtual bool GetDemandeRodageIP() const = 0;                    // 17
    virtual bool GetDemandeRodageFinCU() const = 0;                 // 18
    virtual bool GetAlarmeChangementElectrode() const = 0;          // 19
    virtual bool GetFinDeVie() const = 0;                           // 20
    virtual int GetCompteurPointsAbsolu() const = 0;                // 21
    virtual int GetCompteurPoints() const = 0;                      // 22
    virtual int GetCompteurRodage() const = 0;                      // 23
    virtual int GetCompteurPointsIP() const = 0;                    // 24
    virtual int GetEffortMesure() const = 0;                        // 25
    // Copies the signature's counters and electrode state into Compteurs; the signature
    // itself is left as it is.
    virtual void UpdateCpt(TCompteursSignature& Compteurs) const = 0; // 26

protected:
    ~ISignature() = default;
};

// Complements for the host's signature views. The order of the operations is ours and
// pinned by a test.
class ISignatureCompl1 : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{3D9A6F47-0B2E-4C85-A1D3-6E8F2B5C7904}");
    // The fault number of the signature; -1 when the signature carries none.
    virtual int GetNumeroDefaut() const = 0; // 1
    // Identifier of the kind of signature ("SigDefaut").
    virtual std::string GetNomTypeSignature() const = 0; // 2
    // Date and time of the weld as "DD/MM/YYYY" and "hh:nn:ss".
    virtual std::string GetDate() const = 0;  // 3
    virtual std::string GetHeure() const = 0; // 4

protected:
    ~ISignatureCompl1() = default;
};

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
