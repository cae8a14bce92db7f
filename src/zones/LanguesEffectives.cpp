#include "zones/LanguesEffectives.h"

#include "support/Exceptions.h"

#include <mutex>

namespace g20seq {

TLanguesEffectivesG20::TLanguesEffectivesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                             TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::unique_ptr<TCustomZoneCPS>
TLanguesEffectivesG20::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                              TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TLanguesEffectivesG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TLanguesEffectivesG20::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    TZoneCPS::Assign(Source);
    const auto* source = dynamic_cast<const TLanguesEffectivesG20*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner())
        return;
    std::scoped_lock lock(ZoneLock(), source->ZoneLock());
    FlanguesEffectives = source->FlanguesEffectives;
}

TErreurSerie TLanguesEffectivesG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [](TLanguesEffectivesG20& Copie, const TByteArray& Donnees, int& Offset) {
                              for (Offset = 0; Offset < NombreLangues; ++Offset)
                                  Copie.FlanguesEffectives[static_cast<std::size_t>(Offset)] =
                                      GetByte(Donnees, Offset);
                              return TaillePayload;
                          });
}

int TLanguesEffectivesG20::GetLangueEffective(int Index) const {
    if (Index < 0 || Index >= NombreLangues)
        throw ERangeError();
    TLockGuard lock(ZoneLock());
    return FlanguesEffectives[static_cast<std::size_t>(Index)];
}

} // namespace g20seq
