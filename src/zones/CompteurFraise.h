// The counters of a tip-dressing cutter: its use counter, compared with the cutter's end
// of life and alarm, and on later generations the dressings that succeeded and failed.
#pragma once

#include "model/PayloadLayout.h"
#include "model/ZoneCPS.h"

#include <string>

namespace g20seq {

// Cutter counters zone, numbered by the cutter number. The counters are plain values held
// by the zone, read and written under the zone's lock. The payload has 3 bytes (the use
// counter and a zero byte) when the EPROM description's generation is below 5, else 6
// (the use counter, the successful and the failed dressings); the zone's sizes follow.
class TCompteurFraise : public TZoneCPS {
public:
    static constexpr int TailleCourte = 3;
    static constexpr int TailleLongue = 6;
    // First generation whose payload carries the dressing counters.
    static constexpr int GenerationLongue = 5;

    TCompteurFraise(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                    TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    // Copies the zone, then the three counters of a cutter counters zone of the same EPROM.
    void Assign(const TPersistent* Source) override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The payload of the zone's layout from Trame[0]; any other length answers
    // SerErrDonnees and leaves the zone unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Writes the payload from Trame[LngTrame] on (values sent modulo 65536) and answers
    // the index after it.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // The zone-file form is the payload.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;

    // Size of the zone's payload (3 or 6).
    int TaillePayload() const { return FAvecRodages ? TailleLongue : TailleCourte; }

    int GetCompteurFraiseRodeuse() const;
    void SetCompteurFraiseRodeuse(int Value);
    int GetNombreRodagesOK() const;
    void SetNombreRodagesOK(int Value);
    int GetNombreRodagesNOK() const;
    void SetNombreRodagesNOK(int Value);

private:
    // The short and the long payload; the long one names every counter the copy copies.
    static const TPayloadLayout& LayoutCourt();
    static const TPayloadLayout& LayoutLong();

    const TPayloadLayout& Layout() const { return FAvecRodages ? LayoutLong() : LayoutCourt(); }
    int Lire(int TCompteurFraise::*Valeur) const;
    void Ecrire(int TCompteurFraise::*Valeur, int Value);

    int FCompteurFraiseRodeuse = 0;
    int FNombreRodagesOK = 0;
    int FNombreRodagesNOK = 0;
    // The payload carries the dressing counters (generation 5 and later).
    bool FAvecRodages = false;
};

} // namespace g20seq
