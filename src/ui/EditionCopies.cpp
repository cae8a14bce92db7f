#include "ui/EditionCopies.h"

#include "model/CustomZoneCPS.h"
#include "support/ByteArray.h"

namespace g20seq {

namespace {

// The file bytes of a zone (its block in a zone file).
std::vector<Byte> OctetsFichier(const TCustomZoneCPS& Zone) {
    TByteArray trame{};
    const int longueur = Zone.FileEncode(trame, 0, Zone.GetTailleReceiveZone());
    return {trame.begin(), trame.begin() + std::max(longueur, 0)};
}

} // namespace

int TEditionCopies::Ajouter(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero,
                            bool FichierSeul) {
    const TZoneHolder zone(&Eprom, TypeZone, Numero);
    if (!zone)
        return -1;
    auto initiale = zone->Duplicate();
    auto travail = initiale->Duplicate();
    FPaires.push_back({&Eprom, std::move(initiale), std::move(travail), FichierSeul});
    return Count() - 1;
}

bool TEditionCopies::Charger(int Index, int Numero) {
    TPaire& paire = FPaires.at(Index);
    const TZoneHolder zone(paire.Eprom, paire.Initiale->GetTypeZone(), Numero);
    if (!zone)
        return false;
    paire.Initiale->Assign(zone.Get());
    paire.Travail->Assign(paire.Initiale.get());
    return true;
}

int TEditionCopies::IndexTravail(const TCustomZoneCPS* Zone) const {
    for (int i = 0; i < Count(); ++i)
        if (FPaires[i].Travail.get() == Zone)
            return i;
    return -1;
}

bool TEditionCopies::Differe(int Index) const {
    const TPaire& paire = FPaires.at(Index);
    return OctetsFichier(*paire.Initiale) != OctetsFichier(*paire.Travail);
}

bool TEditionCopies::Modifiees() const {
    for (int i = 0; i < Count(); ++i)
        if (Differe(i))
            return true;
    return false;
}

void TEditionCopies::Annuler() {
    for (TPaire& paire : FPaires)
        paire.Travail->Assign(paire.Initiale.get());
}

bool TEditionCopies::SauverFichier(int Index) {
    TPaire& paire = FPaires.at(Index);
    const TZoneHolder zone(paire.Eprom, paire.Travail->GetTypeZone(),
                           paire.Travail->GetNumeroZone());
    if (!zone)
        return false;
    zone->Assign(paire.Travail.get());
    const bool ecrit = paire.Eprom->SaveZoneToFile(zone.Get());
    paire.Initiale->Assign(paire.Travail.get());
    return ecrit;
}

void TEditionCopies::Recevoir(TCustomZoneCPS& Cible, const TCustomZoneCPS& Reponse) {
    // The window switched to another zone of the type meanwhile: the EPROM's zone took the
    // answer, the copies now show another zone.
    if (Cible.GetTypeZone() != Reponse.GetTypeZone() ||
        Cible.GetNumeroZone() != Reponse.GetNumeroZone())
        return;
    Cible.Assign(&Reponse);
    const int index = IndexTravail(&Cible);
    if (index >= 0)
        FPaires[index].Initiale->Assign(&Reponse);
}

} // namespace g20seq
