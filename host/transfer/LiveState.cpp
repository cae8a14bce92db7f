#include "transfer/LiveState.h"

#include <g20seq/interface/SignatureInterface.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/support/DateTime.h>
#include <g20seq/support/StringList.h>

namespace g20seq::host {

namespace {

// The interface I of a zone, or nullptr.
template <class I> I* Interface(TCustomZoneCPS* Zone) {
    void* interface = nullptr;
    if (Zone == nullptr || Zone->QueryInterface(I::IID, &interface) != THResult::S_OK)
        return nullptr;
    return static_cast<I*>(interface);
}

std::string DateHeureText(TDateTime DateHeure) {
    return FormatDate(DateHeure) + " " + FormatTime(DateHeure);
}

void LireTempsReel(TCustomEprom& Eprom, TEtatStation& Etat) {
    for (const auto& signature : Eprom.GetSignatureTempsReel()) {
        TSoudureDirecte soudure;
        if (LireSoudure(*signature, soudure))
            Etat.TempsReel.push_back(std::move(soudure));
    }
}

void LireDiagnostic(TCustomEprom& Eprom, TEtatStation& Etat) {
    const TZoneHolder zone(&Eprom, PrcDiagnostic, 0);
    const auto* diagnostic = Interface<IDiagnostic>(zone.Get());
    for (int i = 0; diagnostic != nullptr && i < diagnostic->GetNombreObjetsDiagnostic(); ++i) {
        const IObjetDiagnostic* objet = diagnostic->GetObjet(i);
        if (objet != nullptr && objet->GetGere())
            Etat.Diagnostic.push_back({objet->GetNom(), objet->GetDescription(), objet->GetIsON()});
    }
}

void LireHorloge(TCustomEprom& Eprom, TEtatStation& Etat) {
    const TZoneHolder zone(&Eprom, PrcHorodateur, 0);
    if (const auto* horloge = Interface<IHorodateur>(zone.Get());
        horloge != nullptr && horloge->GetDateHeure() != 0)
        Etat.Horloge = DateHeureText(horloge->GetDateHeure());
}

void LireCompteurs(TCustomEprom& Eprom, TEtatStation& Etat) {
    TZoneQueue zones;
    Eprom.GetZonesCompteurs(&zones);
    for (const auto& zone : zones) {
        const auto* compteur = Interface<ICompteur>(zone.get());
        if (compteur == nullptr || zone->GetTypeZone() != PrcCompteurs)
            continue;
        Etat.Compteurs.push_back({zone->GetNumeroZone(), compteur->GetCompteurPoints(),
                                  compteur->GetCompteurRodages(), compteur->GetNumeroPalier(),
                                  compteur->GetCompteurPointsAbsolu(), compteur->GetEtatCU(),
                                  compteur->GetEtatFDVE()});
    }
}

} // namespace

bool LireSoudure(TCustomZoneCPS& Signature, TSoudureDirecte& Soudure) {
    const auto* signature = Interface<ISignature>(&Signature);
    if (signature == nullptr)
        return false;
    Soudure = {signature->GetNumeroProgramme(),      DateHeureText(signature->GetDateHeure()),
               signature->GetNumeroPalier(),         signature->GetNumeroElectrode(),
               signature->GetIntensiteMesuree(true), signature->GetCompteurPoints()};
    return true;
}

std::vector<TDefautDirect> DefautsPresents(TCustomEprom& Eprom) {
    TStringList codes;
    Eprom.GetDefautsPresents(&codes);
    const TZoneHolder zone(&Eprom, PrcConfiguration, 0);
    const auto* configuration = Interface<IConfiguration>(zone.Get());
    std::vector<TDefautDirect> defauts;
    for (int i = 0; i < codes.Count(); ++i)
        defauts.push_back(
            {codes[i], configuration != nullptr ? configuration->GetTexteDefaut(codes[i]) : ""});
    return defauts;
}

TEtatStation ReleverEtat(TCustomEprom& Eprom) {
    TEtatStation etat;
    LireTempsReel(Eprom, etat);
    etat.Defauts = DefautsPresents(Eprom);
    LireDiagnostic(Eprom, etat);
    LireHorloge(Eprom, etat);
    LireCompteurs(Eprom, etat);
    return etat;
}

const char* EtatVieText(TEtatVie Etat) {
    static constexpr const char* Textes[] = {"OK", "Alarme", "Erreur", "KO", ""};
    return Etat < std::size(Textes) ? Textes[Etat] : "";
}

} // namespace g20seq::host
