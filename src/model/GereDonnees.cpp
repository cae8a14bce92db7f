#include "model/GereDonnees.h"

namespace g20seq {

std::string TGereDonnees::ClassName() const {
    return "TGereDonnees";
}

void TGereDonnees::EnregistrerModifications() {
    if (!GetDonneesModifiees())
        return;
    DoEnregistrerModifications();
    FDonneesModifiees = false;
}

void TGereDonnees::AnnulerModifications() {
    if (GetDonneesModifiees())
        DoAnnulerModifications();
}

void TGereDonnees::DoEnregistrerModifications() {
    FDonneesModifiees = false;
}

void TGereDonnees::DoAnnulerModifications() {
    FDonneesModifiees = false;
}

bool TGereDonnees::GetDonneesModifiees() const {
    return FDonneesModifiees;
}

} // namespace g20seq
