// Weld signatures of the G20 controller.
//
// The G20 reports a signature as a 34-byte payload, 36 bytes on a medium-frequency
// controller:
//   0..5    year - 2000, month, day, hour, minute, second
//   6       type byte: t = byte AND 0x83; raw type t when t < 0x80, else t - 0x7F;
//           bit 6: a point number follows in byte 11
//   7       fault number (kept only for a fault or an acknowledgement)
//   8..10   acknowledgement origin, program number, step number
//   11      point number
//   then the measurements: AC 12 measured current, 14 equivalent % x 10, 16 voltage %
//   x 10; MF 12 current without upslope, 14 set current / 10, 16 primary current, 18 duty
//   cycle %, 20 unused
//   then from p = 18 (AC) or 22 (MF): electrode number, electrode state bits (0 tip
//   dressing request new, 1 tip dressing request IP, 2 tip dressing request end of wear
//   compensation, 3 electrode change alarm, 4 end of life, 7 degraded welding mode), the
//   absolute point, point, tip dressing and point IP counters, the drift coefficient
//   (AC only), the measured force and the approach time.
// Words are most significant byte first.
#pragma once

#include "model/PayloadLayout.h"
#include "zones/Signature.h"

namespace g20seq {

class TSignatureG20 : public TSignature, public ISignatureAssignation, public ISignatureEx {
public:
    static constexpr int TaillePayloadAC = 34;
    static constexpr int TaillePayloadMF = 36;

    // The G20 ranges (acknowledgement origin 0..5, program 0..127); on a medium-frequency
    // controller the receive size is 36 bytes.
    TSignatureG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    // The payload of the controller variant of the owner EPROM, decoded into a duplicate;
    // an impossible date or time, a value outside its range or a length other than the
    // variant's gives SerErrDonnees and leaves the signature unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // The fault number as received, except for a power cut or a power-up (-1).
    int GetNumeroDefaut() const override;
    void UpdateCpt(TCompteursSignature& Compteurs) const override;

    // ISignatureAssignation.
    int GetNumeroPoint() const override;
    // A point number is present: it is not -1.
    bool IsNumeroPoint() const override;

    // ISignatureEx.
    int GetCoefficientDerive() const override;
    int GetDureeTempsAccostage() const override;
    bool GetModeSoudageDegrade() const override;
    int GetIntensiteSansMontee() const override;
    int GetIntensiteParametree() const override;
    int GetIntensitePrimaire() const override;
    int GetPourcentCyclique() const override;
    int GetTensionBusAuRepos() const override;

    // The payloads of the AC and the medium-frequency controllers, read in order: the
    // type byte before the values that depend on it.
    static const TPayloadLayout& LayoutAC();
    static const TPayloadLayout& LayoutMF();

protected:
    // The values the payloads compute from their bytes.
    friend struct TStockageSignatureG20;

    void AssignSignature(const TSignature& Source) override;
    // Adds the fault number as read, the point number and the degraded-mode flag.
    bool EqualsSignature(const TSignature& Other) const override;
    // Runs on the decoded duplicate once every value is read.
    virtual void ApresDecodage();
    // The owner EPROM's controller is a medium-frequency one.
    bool EstMF() const;

    int FNumeroDefaut = 0;
    int FNumeroPoint = -1;
    int FCoefficientDerive = 0;
    int FDureeTempsAccostage = 0;
    bool FModeSoudageDegrade = false;
    int FIntensiteSansMontee = 0;
    int FIntensiteParametree = 0;
    int FIntensitePrimaire = 0;
    int FPourcentCyclique = 0;
    int FTensionBusAuRepos = 0;

private:
    // Bytes 0 to 11, the same on both controller variants.
    static const TPayloadLayout& LayoutEntete();
    // The G20 values that copying a signature copies.
    static const TPayloadLayout& LayoutCopie();
    // Reads the payload into this (duplicate) signature; answers the bytes consumed.
    int Lire(const TByteArray& Trame, int& Offset);
    // The payload of the owner EPROM's controller variant.
    const TPayloadLayout& Layout() const;
};

// The signature of a medium-frequency G20 controller. Its own value is the transformer
// ratio of the weld, computed on decoding from the values as stored: measured (secondary)
// current divided by primary current, 0 without a primary current. Its displayed current
// is the current without upslope that the controller reports.
class TSignatureG20MF : public TSignatureG20 {
public:
    TSignatureG20MF(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                    TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    double GetIntensiteMesuree(bool ModeAmperes) const override;
    double GetRapportTransformation() const;

protected:
    void AssignSignature(const TSignature& Source) override;
    void ApresDecodage() override;

    double FRapportTransformation = 0.0;
};

} // namespace g20seq
