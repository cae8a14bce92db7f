// The counters zone of the G20 controllers: steps 0..10, the degraded welding mode, the
// electrode's dressing settings read from the G20 electrode, and the state of the
// tip-dressing cutter the electrode uses.
#pragma once

#include "zones/Compteur.h"

namespace g20seq {

// The degraded welding mode of a G20 counters zone. The order of the operations after the
// three of IInterface is ours and is pinned by a test: new operations go at the end.
class ICompteurEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{07C36896-5F58-484B-A12D-7D9A714C2BB6}");
    virtual bool GetModeSoudageDegrade() const = 0;
    virtual void SetModeSoudageDegrade(bool Value) = 0;

protected:
    ~ICompteurEx() = default;
};

// What is left of the life of an electrode and of its cutter. The order of the operations
// after the three of IInterface is ours and is pinned by a test: new operations go at the
// end.
//  1-2  points at most before the end of life / before the next dressing
//  3-4  points left before the next dressing or end of step / before the end of life
//  5-6  end of life of the cutter (points) and its state
class ICompteurVie : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{4BBA8C54-CBB4-4B1A-B416-D45E924BA462}");
    virtual int GetNbPointsMaxAvantFDVE() const = 0;
    virtual int GetNbPointsMaxAvantRodage() const = 0;
    virtual int GetPointsRestants() const = 0;
    virtual int GetPointsRestantsTotal() const = 0;
    virtual int GetNbPointsMaxAvantFDVFraise() const = 0;
    virtual TEtatVie GetEtatFDVFraise() const = 0;

protected:
    ~ICompteurVie() = default;
};

// G20 counters zone. The Mini companion reports step 1; the Maxi companion the largest
// counters, every request flag, step 10, end-of-life value 65000 and the degraded mode.
//
// The cutter values read the cutter number K of the electrode of the same number, the
// cutter zone PrcFraise K and the cutter counters zone PrcCompteurFraise K.
class TCompteurG20 : public TCompteur, public ICompteurEx, public ICompteurVie {
public:
    static constexpr int PalierMax = 10;

    TCompteurG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone);

    // The electrode's IDNombreRodage, IDNombreIP, IDPostFDVE and IDCURodageInterPalier,
    // read from the G20 electrode of the same number (0 / false without it).
    int NombreRodage() const override;
    int NombreIP() const override;
    int PostFDVE() const override;
    bool CUInterPalier() const override;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // The counters, then the degraded mode of a G20 counters zone.
    void Assign(const TPersistent* Source) override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The counters are not compared: only the zone identity and the degraded mode, which
    // adds no difference line.
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;

    // The cutter's use counter (0 without the electrode or the cutter counters).
    int CompteurFraiseRodeuse() const;

    // ICompteurEx.
    bool GetModeSoudageDegrade() const override;
    void SetModeSoudageDegrade(bool Value) override;

    // ICompteurVie.
    int GetNbPointsMaxAvantFDVE() const override { return NbPointsMaxAvantFDVE(); }
    int GetNbPointsMaxAvantRodage() const override { return NbPointsMaxAvantRodage(); }
    int GetPointsRestants() const override { return PointsRestants(); }
    int GetPointsRestantsTotal() const override { return PointsRestantsTotal(); }
    // The cutter's IDFinDeVieFraiseRodeuse (0 without the electrode or the cutter).
    int GetNbPointsMaxAvantFDVFraise() const override;
    // evOK while the cutter counter is below end of life minus alarm, evAlarm while it is
    // below the end of life, then evKO; evNone without the electrode or a cutter zone.
    TEtatVie GetEtatFDVFraise() const override;

protected:
    // The 12-byte payload with the degraded mode (bit 7 of the state byte).
    int LireTrame(const TByteArray& Trame, int& Offset) override;

private:
    void InitCompagnon();
    // Cutter number of the electrode, -1 without the electrode.
    int NumeroFraise(const char* Source) const;

    bool FModeSoudageDegrade = false;
};

} // namespace g20seq
