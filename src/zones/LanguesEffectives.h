// Languages active on the controller (G20, read-only), 9 bytes: one language number per
// byte, entry 0 first.
#pragma once

#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"

#include <array>

namespace g20seq {

class TLanguesEffectivesG20 : public TReadOnlyZone<TZoneCPS> {
public:
    static constexpr int NombreLangues = 9;
    static constexpr int TaillePayload = NombreLangues;

    TLanguesEffectivesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TLanguesEffectivesG20"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The zone base's copy, then, from a zone of this class and EPROM, the languages.
    void Assign(const TPersistent* Source) override;
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // Entry Index (0..8); another index raises ERangeError.
    int GetLangueEffective(int Index) const;

protected:
    std::array<int, NombreLangues> FlanguesEffectives{};
};

} // namespace g20seq
