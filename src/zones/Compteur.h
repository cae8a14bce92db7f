// The counters zone of one electrode, generation-independent part.
//
// The controller reports the live wear state of each electrode: the point counter of the
// current step, the dressings done, the inter-step dressing counter, the absolute point
// counter, the current step, the end-of-life value and the request flags. The zone number
// is the electrode number. Unlike most zones the counters are plain values held by the
// zone, not fields; they are read from the controller (12-byte payload) and only the four
// counters and two request flags are written back (9-byte payload).
//
// On top of the raw values the zone derives the wear state of the electrode, combining
// its own values with the electrode zone of the same number, the configuration and the
// faults present on the controller. Each derived value opens the zones it needs for the
// computation only; when one is missing, states answer evNone and numbers 0 (the absence
// is logged once, see TZonesAbsentes).
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/PayloadLayout.h"
#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "zones/ZoneCalcul.h"

#include <cstdint>
#include <string>

namespace g20seq {

class TElectrode;
class TStringList;

// Counters zone: the raw counters, their payloads and the derived wear values. Abstract:
// the generation reads the electrode's dressing settings (NombreRodage, NombreIP,
// PostFDVE, CUInterPalier). The companions PrcCompteursMini, PrcCompteursMaxi and
// PrcCompteursRAZ are zones of the same class.
//
// Values are read and written under the zone's lock; derived values take the values one
// by one and open the other zones outside the lock.
class TCompteur : public TZoneCPS, public ICompteur {
public:
    // Size of the payload written to the controller and of the one read from it (also the
    // zone-file form).
    static constexpr int TailleEcriture = 9;
    static constexpr int TailleLecture = 12;

    // Every counter 0, every flag false, step range 0..0 at 0, end-of-life value 0.
    TCompteur(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
              TInterfacedPersistent* aLogicalZone);

    // --- Operations beyond the zone base, in slot order. ---
    // Step 0 of the electrode is not 0 (false without the electrode).
    virtual bool ElecAvecCU() const;
    // The electrode's dressing settings: number of dressings, points between two
    // inter-step dressings, points allowed after the end of life, inter-step dressing on.
    virtual int NombreRodage() const = 0;
    virtual int NombreIP() const = 0;
    virtual int PostFDVE() const = 0;
    virtual bool CUInterPalier() const = 0;
    // Points left before the next dressing (inter-step) or the end of the step.
    virtual int PointsRestants() const;
    // Points left before the end of life of the electrode.
    virtual int PointsRestantsTotal() const;
    // Points the electrode welds at most before its end of life.
    virtual int NbPointsMaxAvantFDVE() const;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Copies the zone, then every counter, flag, the step and the end-of-life value of a
    // counters zone of the same EPROM.
    void Assign(const TPersistent* Source) override;
    // The 12-byte payload; a companion receives 9 bytes, completed as step 1 with
    // end-of-life value 0. Any other length, or a step outside the step range, answers
    // SerErrDonnees and leaves the zone unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Only a PrcCompteurs zone writes: the 9 bytes from Trame[LngTrame] on, answering
    // LngTrame + 9 (values sent modulo 65536); companions write nothing and answer 0.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // The zone-file form: the 9 written bytes, the step and the end-of-life value (12
    // bytes; the state bits the controller alone sets are 0). Companions are never in
    // files: they write nothing and answer 0.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;

    // Points the electrode welds at most before the next dressing.
    int NbPointsMaxAvantRodage() const;

    // ICompteur.
    int GetCompteurPoints() const override;
    void SetCompteurPoints(int Value) override;
    int GetCompteurRodages() const override;
    void SetCompteurRodages(int Value) override;
    int GetCompteurPointsInterPalier() const override;
    void SetCompteurPointsInterPalier(int Value) override;
    int GetCompteurPointsAbsolu() const override;
    void SetCompteurPointsAbsolu(int Value) override;
    int GetCompteurChainage() const override;
    void SetCompteurChainage(int Value) override;
    bool GetFinDeVie() const override;
    void SetFinDeVie(bool Value) override;
    bool GetDemandeRodageInterpalier() const override;
    void SetDemandeRodageInterpalier(bool Value) override;
    bool GetDemandeRodageNeuve() const override;
    void SetDemandeRodageNeuve(bool Value) override;
    bool GetDemandeRodageFinCU() const override;
    void SetDemandeRodageFinCU(bool Value) override;
    bool GetDemandeChangement() const override;
    void SetDemandeChangement(bool Value) override;
    int GetNumeroPalier() const override;
    void SetNumeroPalier(int Value) override;
    int GetValeurFinDeVie() const override;
    void SetValeurFinDeVie(int Value) override;
    // End-of-life and wear compensation states (evNone without the electrode, or without
    // the configuration when the compensation state needs it).
    TEtatVie GetEtatFDVE() const override;
    TEtatVie GetEtatCU() const override;

    // Limits of the step number.
    void SetPlagePalier(int Min, int Max);
    int GetPalierMin() const;
    int GetPalierMax() const;

protected:
    // The owner EPROM, the zone number and whether the zone is the controller's counters
    // (not a companion), read under the zone's lock: a decode rewrites the zone's identity
    // when it assigns its copy.
    TCustomEprom* Eprom() const;
    int Numero() const;
    bool EstCompteurs() const;
    // A zone of the owner EPROM opened for one computation (see TZoneCalcul), and the
    // electrode of the same number.
    template <class TZone>
    TZoneCalcul<TZone> Ouvrir(TTypeZones TypeZone, int NumeroZone, const char* Source) const {
        return TZoneCalcul<TZone>(*this, Eprom(), TypeZone, NumeroZone, Source);
    }
    template <class TZone> TZoneCalcul<TZone> OuvrirElectrode(const char* Source) const {
        return Ouvrir<TZone>(PrcElectrodes, Numero(), Source);
    }
    // Reads the 12-byte payload from Trame[0] into this zone (a duplicate being decoded)
    // and answers the bytes consumed; Offset follows the item being read.
    virtual int LireTrame(const TByteArray& Trame, int& Offset);
    // The faults present on the controller, as the owner EPROM lists them.
    void DefautsPresents(TStringList& Defauts) const;

private:
    // The read payload, which also names every value that copying the zone copies; the
    // zone-file form, whose first bytes are the written payload.
    static const TPayloadLayout& LayoutLecture();
    static const TPayloadLayout& LayoutFichier();
    static const TPayloadLayout& LayoutEcriture();

    // The derived values once the electrode is known to exist.
    TEtatVie EtatCU(const TElectrode& Electrode, const TStringList& Defauts) const;
    TEtatVie EtatFDVE(const TElectrode& Electrode, const TStringList& Defauts) const;
    int MaxAvantRodage(const TElectrode& Electrode) const;
    Int64 Restants() const;
    int Lire(int TCompteur::*Valeur) const;
    bool Lire(bool TCompteur::*Valeur) const;
    void Ecrire(int TCompteur::*Valeur, int Value);
    void Ecrire(bool TCompteur::*Valeur, bool Value);

    int FCompteurPoints = 0;
    int FCompteurRodages = 0;
    int FCompteurPointsInterPalier = 0;
    int FCompteurPointsAbsolu = 0;
    int FCompteurChainage = 0;
    bool FFinDeVie = false;
    bool FDemandeRodageInterpalier = false;
    bool FDemandeRodageNeuve = false;
    bool FDemandeRodageFinCU = false;
    bool FDemandeChangement = false;
    TIntegerRange FNumeroPalier{0, 0, 0};
    int FValeurFinDeVie = 0;
};

// True when fault Numero ("10") is in a list of present faults.
bool DefautPresent(const TStringList& Defauts, const char* Numero);

} // namespace g20seq
