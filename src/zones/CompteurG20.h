// The counters zone of the G20 controllers: steps 0..10, the degraded welding mode, the
// electrode's dressing settings read from the G20 electrode, and the state of the
// tip-dressing cutter the electrode uses.
#pragma once

#include "zones/Compteur.h"

namespace g20seq {

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
    // The G20 values of the read payload beside the counters' own.
    static const TPayloadLayout& LayoutG20();
    void InitCompagnon();
    // Cutter number of the electrode, -1 without the electrode.
    int NumeroFraise(const char* Source) const;

    bool FModeSoudageDegrade = false;
};

} // namespace g20seq
