// What the host reads of a weld signature: the counters a signature hands over and the
// interfaces of the signature zones. Header-only, so every layer may include it.
#pragma once

#include "interface/CustomEprom.h"
#include "interface/ProxyInterface.h"
#include "support/DateTime.h"
#include "support/Object.h"

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

// Point assignment of a signature: the point the weld was made on. The order of the
// operations is ours and pinned by a test.
class ISignatureAssignation : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{B71E4D09-6C3A-4F58-8E21-95D0A3C6F1B7}");
    // The point number; -1 when the signature carries none.
    virtual int GetNumeroPoint() const = 0; // 1
    virtual bool IsNumeroPoint() const = 0; // 2

protected:
    ~ISignatureAssignation() = default;
};

// The G20 values of a signature beyond the common ones. The order of the operations is
// ours and pinned by a test.
class ISignatureEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{5F2B8C63-D914-4A7E-B305-7C1E6A9D2F48}");
    virtual int GetCoefficientDerive() const = 0;   // 1
    virtual int GetDureeTempsAccostage() const = 0; // 2
    virtual bool GetModeSoudageDegrade() const = 0; // 3
    virtual int GetIntensiteSansMontee() const = 0; // 4
    virtual int GetIntensiteParametree() const = 0; // 5
    virtual int GetIntensitePrimaire() const = 0;   // 6
    virtual int GetPourcentCyclique() const = 0;    // 7
    virtual int GetTensionBusAuRepos() const = 0;   // 8

protected:
    ~ISignatureEx() = default;
};

} // namespace g20seq
