#include "zones/ZoneStatut.h"

#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"

namespace g20seq {

double IntensiteAffichee(int Valeur, bool ModeAmperes) {
    return ModeAmperes ? static_cast<double>(Valeur) : Valeur / 100.0;
}

bool EstControleurMF(const TCustomZoneCPS& Zone) {
    TCustomEprom* eprom = Zone.GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    return description != nullptr && description->TypeCourant() == tcMF;
}

} // namespace g20seq
