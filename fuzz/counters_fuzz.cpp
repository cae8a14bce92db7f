// Counters payload decoder: arbitrary bytes are decoded as the 12-byte payload of a G20
// counters zone and as the 9-byte payload of a counters companion (completed as step 1),
// through the serial and the zone-file decoders. A refused payload must leave the zone as
// it was; an accepted one must come back from its zone-file form unchanged (the file form
// drops the state bits only the controller sets). The derived wear values are computed
// for every accepted zone over the station's electrode and configuration. Anything else (a
// crash, a leak, an arithmetic overflow, an exception escaping the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/CompteurG20.h"
#include "zones/ConfigurationG20.h"
#include "zones/ElectrodeG20.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One station with an electrode and a configuration, and the two counters zones.
struct TStation : TFuzzStation {
    TStation()
        : TFuzzStation("GA_Fuzz", {{ZoneClassOf<TElectrodeG20>, PrcElectrodes},
                                   {ZoneClassOf<TConfigurationG20>, PrcConfiguration}}) {}

    std::unique_ptr<TCompteurG20> Compteur =
        std::make_unique<TCompteurG20>(Eprom.get(), PrcCompteurs, 3, nullptr);
    std::unique_ptr<TCompteurG20> Compagnon =
        std::make_unique<TCompteurG20>(Eprom.get(), PrcCompteursMaxi, 0, nullptr);
};

// Every value of the zone, in a fixed order.
std::vector<int> Valeurs(const TCompteurG20& Zone) {
    return {Zone.GetCompteurPoints(),
            Zone.GetCompteurRodages(),
            Zone.GetCompteurPointsInterPalier(),
            Zone.GetCompteurPointsAbsolu(),
            Zone.GetCompteurChainage(),
            Zone.GetFinDeVie(),
            Zone.GetDemandeRodageInterpalier(),
            Zone.GetDemandeRodageNeuve(),
            Zone.GetDemandeRodageFinCU(),
            Zone.GetDemandeChangement(),
            Zone.GetNumeroPalier(),
            Zone.GetValeurFinDeVie(),
            Zone.GetModeSoudageDegrade()};
}

void Deriver(const TCompteurG20& Zone) {
    Verifier(Zone.GetEtatCU() <= evNone && Zone.GetEtatFDVE() <= evNone);
    (void)(Zone.PointsRestants() + Zone.PointsRestantsTotal() + Zone.NbPointsMaxAvantFDVE() +
           Zone.NbPointsMaxAvantRodage());
    (void)Zone.ElecAvecCU();
}

void Exercer(TCompteurG20& Zone, const TByteArray& Trame, int Longueur, bool Fichier) {
    const std::vector<int> avant = Valeurs(Zone);
    const TErreurSerie resultat =
        Fichier ? Zone.FileDecode(Trame, Longueur) : Zone.SerialDecode(Trame, Longueur);
    if (resultat != SerSansErreur) {
        Verifier(Valeurs(Zone) == avant);
        return;
    }
    Verifier(Zone.GetNumeroPalier() >= 0 && Zone.GetNumeroPalier() <= TCompteurG20::PalierMax);
    Deriver(Zone);
    if (Zone.GetTypeZone() != PrcCompteurs)
        return;
    static TByteArray fichier;
    static TByteArray encore;
    fichier.fill(0);
    encore.fill(0);
    Verifier(Zone.FileEncode(fichier, 0, 12) == TCompteur::TailleLecture);
    Verifier(Zone.FileDecode(fichier, TCompteur::TailleLecture) == SerSansErreur);
    Verifier(Zone.FileEncode(encore, 0, 12) == TCompteur::TailleLecture);
    Verifier(fichier == encore);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation station;
    const auto [trame, longueur] = Payload(Data, Size);
    Exercer(*station.Compteur, trame, longueur, Size % 2 == 0);
    Exercer(*station.Compagnon, trame, longueur, false);
    return 0;
}
