#include "model/IDTypeZones.h"

#include <array>

#include "model/DataProxy.h"
#include "support/Format.h"

namespace g20seq {

namespace {

// Catalogue key and French caption, indexed by zone type.
constexpr std::array<TIDZone, TypeZonesCount> IDTypeZones = {{
    {"PrcIdentification", "Identification de la CPS"},
    {"PrcDiagnostic", "Diagnostic"},
    {"PrcDefautsPresents", "Liste des défauts présents"},
    {"PrcThermique", "Intensité thermique"},
    {"PrcPeriodes", "Périodes de soudage"},
    {"PrcEtatNovram", "Etat de la NOVRAM"},
    {"PrcZonesModifies", "Zones modifiées"},
    {"PrcRAZZonesNovram", "Demande de RAZ NOVRAM"},
    {"PrcAcquittements", "Acquittements"},
    {"PrcSignalisationModification", "Gestion de la signalisation des modifications"},
    {"PrcSignaturesPerdues", "Signatures perdues"},
    {"PrcMouchard", "Mouchard"},
    {"PrcLanguesEffectives", "Liste des langues disponibles "},
    {"PrcHorodateur", "Horodateur"},
    {"PrcConfigurationMini", "Configuration mini"},
    {"PrcConfigurationMaxi", "Configuration maxi"},
    {"PrcConfigurationRAZ", "Configuration RAZ"},
    {"PrcConfiguration", "Configuration"},
    {"PrcElectrodeMini", "Electrode mini"},
    {"PrcElectrodeMaxi", "electrode maxi"},
    {"PrcElectrodesRAZ", "Electrode RAZ"},
    {"PrcElectrodes", "Electrode"},
    {"PrcCompteursMini", "Compteurs mini"},
    {"PrcCompteursMaxi", "Compteurs maxi"},
    {"PrcCompteursRAZ", "Compteur RAZ"},
    {"PrcCompteurs", "Compteurs"},
    {"PrcProgrammesMini", "Programme mini"},
    {"PrcProgrammesMaxi", "Programme maxi"},
    {"PrcprogrammesRAZ", "Programme RAZ"},
    {"PrcProgrammes", "Programmes"},
    {"PrcSoudage", "Résultats de soudage"},
    {"PrcMesures", "Résultats de mesure"},
    {"PrcPolling", "Interrogation polling"},
    {"PrcPollingCourt", "Interrogation polling court"},
    {"PrcSignatures", "Signatures"},
    {"PrcHistorique", "Historique des signatures"},
    {"PrcChainages", "Programmes chaînages"},
    {"PrcCascades", "Programmes cascades"},
    {"PrcConfigurationBis", "Configuration bis"},
    {"PrcConfigurationBisMini", "Configuration bis mini"},
    {"PrcConfigurationBisMaxi", "Configuration bis maxi"},
    {"PrcConfigurationBisRAZ", "Configuration bis RAZ"},
    {"PrcPhie", "Paramètres de phie"},
    {"PrcPhieMini", "paramètres phie mini"},
    {"PrcPhieMaxi", "paramètres phie maxi"},
    {"PrcPhieRAZ", "paramètres phie RAZ"},
    {"PrcMoyenneFrequence", "Paramètres moyenne fréquence"},
    {"PrcMoyenneFrequenceMini", "paramètres moyenne fréquence mini"},
    {"PrcMoyenneFrequenceMaxi", "paramètres moyenne fréquence maxi"},
    {"PrcMoyenneFrequenceRAZ", "paramètres moyenne fréquence RAZ"},
    {"PrcIdentifiant", "Identifiant CPS"},
    {"PrcRepetitionPoint", "Demande répétition point"},
    {"PrcLienProcess", "Lien process"},
    {"PrcSelectionsPince1Mini", "Sélections pince 1 mini"},
    {"PrcSelectionsPince1Maxi", "Sélections pince 1 maxi"},
    {"PrcSelectionsPince1RAZ", "Sélections pince 1 RAZ"},
    {"PrcSelectionsPince1", "Sélections pince 1"},
    {"PrcSelectionsPince2Mini", "Sélections pince 2 mini"},
    {"PrcSelectionsPince2Maxi", "Sélections pince 2 maxi"},
    {"PrcSelectionsPince2RAZ", "Sélections pince 2 RAZ"},
    {"PrcSelectionsPince2", "Sélections pince 2"},
    {"PrcStationDiagnostic", "Paramètres de test pour la station de diagnostic"},
    {"PrcTypeLogicielsAdditionnels", "Type logiciels additionnels"},
    {"PrcApprentisssage", "Apprentissage électrode"},
    {"PrcPhieVirtual", "Paramètres de phie"},
    {"PrcCascadesMini", "Programmes cascades mini"},
    {"PrcCascadesMaxi", "Programmes cascades maxi"},
    {"PrcCascadesRAZ", "Programmes cascades RAZ"},
    {"PrcChainagesMini", "Programmes chaînages mini"},
    {"PrcChainagesMaxi", "Programmes chaînages maxi"},
    {"PrcChainagesRAZ", "Programmes chaînages RAZ"},
    {"PrcCompteurChainagesMini", "Compteur programmes chaînages mini"},
    {"PrcCompteurChainagesMaxi", "Compteur programmes chaînages maxi"},
    {"PrcCompteurChainagesRAZ", "Compteur programmes chaînages RAZ"},
    {"PrcCompteurChainages", "Compteur programmes chaînages"},
    {"PrcLienProcessAvance", "Lien process"},
    {"PrcCalibrage", "Calibrage"},
    {"PrcMoteur", "Moteur"},
    {"PrcCommandeCalibrage", "Commande de calibrage"},
    {"PrcEtatCalibrage", "Etat du calibrage"},
    {"PrcDiagnosticVariateur", "Diagnostic du variateur"},
    {"PrcAssignationPointMini", "Numéro de point mini"},
    {"PrcAssignationPointMaxi", "Numéro de point maxi"},
    {"PrcAssignationPointRAZ", "Numéro de point RAZ"},
    {"PrcAssignationPoint", "N° de points"},
    {"PrcFraiseMini", "Fraise mini"},
    {"PrcFraiseMaxi", "Fraise maxi"},
    {"PrcFraiseRAZ", "Fraise RAZ"},
    {"PrcFraise", "Fraise"},
    {"PrcCompteurFraiseMini", "Compteur Fraise mini"},
    {"PrcCompteurFraiseMaxi", "Compteur Fraise maxi"},
    {"PrcCompteurFraiseRAZ", "Compteur Fraise RAZ"},
    {"PrcCompteurFraise", "Compteur Fraise"},
    {"PrcRodeuse", "Rôdeuse"},
    {"PrcIntensitesThermiques", "Intensités thermiques"},
    {"PrcCommandeMaintenance", "Commande de maintenance"},
    {"PrcZoneThermiques", "Zone thermiques"},
    {"PrcZoneThermDisjoncteur", "Zone thermiques disjoncteur"},
    {"PrcDefautsPresents_AUT1", "Défauts présents pince 01"},
    {"PrcDefautsPresents_AUT2", "Défauts présents pince 02"},
    {"PrcServices", "Services"},
    {"PrcCompteur_AW", "Compteur AW"},
    {"PrcMesures_AW", "Mesures AW"},
    {"PrcOscilloCourbeRefCalibrage", "Oscilloscope : courbe de référence du calibrage"},
    {"PrcOscilloDerniereCourbe", "Oscilloscope : dernière courbe"},
    {"PrcOscilloHistorique", "Oscilloscope : historique"},
    {"PrcHistoriqueRodages", "Historique des rodages"},
    {"PrcHistoriqueChangements", "Historique des changements"},
    {"PrcProgrammeExpert", "Programme expert"},
    {"PrcContexte", "Contexte"},
    {"PrcDefautsPresents_SYST", "Défauts présents système"},
    {"PrcAlarmesPresentes_SYST", "Alarmes présentes système"},
    {"PrcAlarmesPresentes_AUT1", "Alarmes présentes pince 01"},
    {"PrcAlarmesPresentes_AUT2", "Alarmes présentes pince 02"},
    {"PrcEtatCalibrage_AUT1", "Etat du calibrage pince 01"},
    {"PrcEtatCalibrage_AUT2", "Etat du calibrage pince 02"},
    {"PrcCommandeCalibrage_AUT1", "Commande de calibrage pince 01"},
    {"PrcCommandeCalibrage_AUT2", "Commande de calibrage pince 02"},
    {"PrcFirmware", "Firmware"},
    {"PrcParametresOscilloVela", "Paramètres Oscillo Vela"},
    {"PrcDonneesOscilloVela", "Données Oscillo Vela"},
    {"PrcCausesDefauts_SYST", "Causes des défauts système"},
    {"PrcCausesDefauts_AUT1", "Causes des défauts pince 01"},
    {"PrcCausesDefauts_AUT2", "Causes des défauts pince 02"},
    {"PrcApprentissageAW", "Apprentissage AW"},
    {"PrcOscilloCourbeRefHistorique", "Oscilloscope : courbes de référence des calibrages"},
    {"PrcOscilloCourbeRefHistoriqueCPS", "Oscilloscope : courbes de référence des calibrages"},
    {"PrcDefautsPolling", "Défauts Polling"},
    {"PrcDefautsHistorique", "Historique des défauts"},
    {"PrcServicesMini", "Services Mini"},
    {"PrcServicesMaxi", "Services Maxi"},
    {"PrcCalibrageEffort", "Calibrage d'effort"},
    {"PrcMesureVariateur", "Mesure du variateur"},
    {"PrcIdentificationSoudeuse", "Identification soudeuse"},
    {"PrcProgrammeCombine", "Programme combiné"},
    {"PrcCompteurProgCombine", "Compteur programme combiné"},
    {"PrcAssignationCommentaire", "Commentaire"},
    {"PrcCompteurGlobalPince", "Compteur global/pince"},
    {"PrcCompteurProgramme", "Compteur programme"},
    {"PrcGestionPiece", "Gestion pièce"},
    {"PrcMesures_APPRAW", "Mesure apprentissage AW"},
    {"PrcApprentissageAWA", "Apprentissage AWA"},
    {"PrcSignaturesPolling", "Signature"},
    {"PrcSignaturesHistorique", "Historique des signatures"},
    {"PrcTransfoDiodeMini", "Transformateur et diodes mini"},
    {"PrcTransfoDiodeMaxi", "Transformateur et diodes maxi"},
    {"PrcTransfoDiode", "Transformateur et diodes"},
    {"PrcSignatureWS", "Signature"},
    {"PrcSignaturesHistoriqueWS", "Historique des signatures"},
    {"PrcCourbeI", "Courbe de courant"},
    {"PrcCourbesHistoriqueI", "Historique des courbes de courant"},
    {"PrcCourbeU", "Courbe de tension"},
    {"PrcCourbesHistoriqueU", "Historique des courbes de tension"},
    {"PrcCourbeConfig", "Courbe supplémentaire"},
    {"PrcCourbesHistoriqueConfig", "Historique des courbes supplémentaires"},
    {"PrcSignaturesEx", "Signature"},
    {"PrcSignaturesHistoriqueEx", "Historique des signatures"},
}};

constexpr std::array<TTypeZoneFamily, 17> TypeZoneFamilies = {{
    {PrcConfiguration, PrcConfigurationMini, PrcConfigurationMaxi, true, PrcConfigurationRAZ},
    {PrcElectrodes, PrcElectrodeMini, PrcElectrodeMaxi, true, PrcElectrodesRAZ},
    {PrcCompteurs, PrcCompteursMini, PrcCompteursMaxi, true, PrcCompteursRAZ},
    {PrcProgrammes, PrcProgrammesMini, PrcProgrammesMaxi, true, PrcprogrammesRAZ},
    {PrcChainages, PrcChainagesMini, PrcChainagesMaxi, true, PrcChainagesRAZ},
    {PrcCascades, PrcCascadesMini, PrcCascadesMaxi, true, PrcCascadesRAZ},
    {PrcConfigurationBis, PrcConfigurationBisMini, PrcConfigurationBisMaxi, true,
     PrcConfigurationBisRAZ},
    {PrcPhie, PrcPhieMini, PrcPhieMaxi, true, PrcPhieRAZ},
    {PrcMoyenneFrequence, PrcMoyenneFrequenceMini, PrcMoyenneFrequenceMaxi, true,
     PrcMoyenneFrequenceRAZ},
    {PrcSelectionsPince1, PrcSelectionsPince1Mini, PrcSelectionsPince1Maxi, true,
     PrcSelectionsPince1RAZ},
    {PrcSelectionsPince2, PrcSelectionsPince2Mini, PrcSelectionsPince2Maxi, true,
     PrcSelectionsPince2RAZ},
    {PrcCompteurChainages, PrcCompteurChainagesMini, PrcCompteurChainagesMaxi, true,
     PrcCompteurChainagesRAZ},
    {PrcAssignationPoint, PrcAssignationPointMini, PrcAssignationPointMaxi, true,
     PrcAssignationPointRAZ},
    {PrcFraise, PrcFraiseMini, PrcFraiseMaxi, true, PrcFraiseRAZ},
    {PrcCompteurFraise, PrcCompteurFraiseMini, PrcCompteurFraiseMaxi, true, PrcCompteurFraiseRAZ},
    {PrcServices, PrcServicesMini, PrcServicesMaxi, false, PrcServices},
    {PrcTransfoDiode, PrcTransfoDiodeMini, PrcTransfoDiodeMaxi, false, PrcTransfoDiode},
}};

bool BelongsTo(const TTypeZoneFamily& Family, TTypeZones TypeZone) {
    return TypeZone == Family.Zone || TypeZone == Family.Mini || TypeZone == Family.Maxi ||
           (Family.HasRAZ && TypeZone == Family.RAZ);
}

} // namespace

const TIDZone& IDTypeZone(TTypeZones TypeZone) {
    return IDTypeZones[static_cast<std::size_t>(TypeZoneFromInt(TypeZone))];
}

std::string TypeZoneDisplayName(TTypeZones TypeZone) {
    const TIDZone& entry = IDTypeZone(TypeZone);
    return Translate(IDTypeZoneSection, entry.IDZone, entry.Libelle);
}

std::string ZoneDisplayName(TTypeZones TypeZone, int NumeroZone) {
    const std::string caption = TypeZoneDisplayName(TypeZone);
    if (NumeroZone == -1)
        return caption;
    return Format("%s N°%s", caption, std::to_string(static_cast<std::uint32_t>(NumeroZone)));
}

const TTypeZoneFamily* FindTypeZoneFamily(TTypeZones TypeZone) {
    for (const TTypeZoneFamily& family : TypeZoneFamilies)
        if (BelongsTo(family, TypeZone))
            return &family;
    return nullptr;
}

bool IsCompanionTypeZone(TTypeZones TypeZone) {
    const TTypeZoneFamily* family = FindTypeZoneFamily(TypeZone);
    return family != nullptr && family->Zone != TypeZone;
}

} // namespace g20seq
