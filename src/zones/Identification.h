// Identification of the controller (G20, read-only), 19 bytes, one character per byte:
//   0 software version (3), 3 software type (2), 5 protocol version (3), 8 production year
//   (2), 10 production week (2), 12 sales statistics group (4), 16 serial number (3).
// The texts are kept as read.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TIdentificationG20 : public TReadOnlyZone<TZoneStatut<TIdentificationG20>> {
public:
    static constexpr int TaillePayload = 19;

    TIdentificationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TIdentificationG20"; }
    static const TPayloadLayout& Layout();

    std::string GetVersionLogiciel() const { return Lu(FVersionLogiciel); }
    std::string GetTypeLogiciel() const { return Lu(FTypeLogiciel); }
    std::string GetVersionProtocole() const { return Lu(FVersionProtocole); }
    std::string GetAnneeProduction() const { return Lu(FAnneeProduction); }
    std::string GetSemaineProduction() const { return Lu(FSemaineProduction); }
    std::string GetGroupeStatistiqueVente() const { return Lu(FGroupeStatistiqueVente); }
    std::string GetNumeroIncremental() const { return Lu(FNumeroIncremental); }

protected:
    std::string FVersionLogiciel;
    std::string FTypeLogiciel;
    std::string FVersionProtocole;
    std::string FAnneeProduction;
    std::string FSemaineProduction;
    std::string FGroupeStatistiqueVente;
    std::string FNumeroIncremental;
};

} // namespace g20seq
