#include "support/TypeZones.h"

#include <array>
#include <string_view>
#include <unordered_map>

#include "support/Exceptions.h"

namespace g20seq {

namespace {

// Enumeration names, indexed by zone type.
constexpr std::array<const char*, TypeZonesCount> TypeZoneNames = {
    "PrcIdentification",
    "PrcDiagnostic",
    "PrcDefautsPresents",
    "PrcThermique",
    "PrcPeriodes",
    "PrcEtatNovram",
    "PrcZonesModifies",
    "PrcRAZZonesNovram",
    "PrcAcquittements",
    "PrcSignalisationModification",
    "PrcSignaturesPerdues",
    "PrcMouchard",
    "PrcLanguesEffectives",
    "PrcHorodateur",
    "PrcConfigurationMini",
    "PrcConfigurationMaxi",
    "PrcConfigurationRAZ",
    "PrcConfiguration",
    "PrcElectrodeMini",
    "PrcElectrodeMaxi",
    "PrcElectrodesRAZ",
    "PrcElectrodes",
    "PrcCompteursMini",
    "PrcCompteursMaxi",
    "PrcCompteursRAZ",
    "PrcCompteurs",
    "PrcProgrammesMini",
    "PrcProgrammesMaxi",
    "PrcprogrammesRAZ",
    "PrcProgrammes",
    "PrcSoudage",
    "PrcMesures",
    "PrcPolling",
    "PrcPollingCourt",
    "PrcSignatures",
    "PrcHistorique",
    "PrcChainages",
    "PrcCascades",
    "PrcConfigurationBis",
    "PrcConfigurationBisMini",
    "PrcConfigurationBisMaxi",
    "PrcConfigurationBisRAZ",
    "PrcPhie",
    "PrcPhieMini",
    "PrcPhieMaxi",
    "PrcPhieRAZ",
    "PrcMoyenneFrequence",
    "PrcMoyenneFrequenceMini",
    "PrcMoyenneFrequenceMaxi",
    "PrcMoyenneFrequenceRAZ",
    "PrcIdentifiant",
    "PrcRepetitionPoint",
    "PrcLienProcess",
    "PrcSelectionsPince1Mini",
    "PrcSelectionsPince1Maxi",
    "PrcSelectionsPince1RAZ",
    "PrcSelectionsPince1",
    "PrcSelectionsPince2Mini",
    "PrcSelectionsPince2Maxi",
    "PrcSelectionsPince2RAZ",
    "PrcSelectionsPince2",
    "PrcStationDiagnostic",
    "PrcTypeLogicielsAdditionnels",
    "PrcApprentissage",
    "PrcPhieVirtual",
    "PrcCascadesMini",
    "PrcCascadesMaxi",
    "PrcCascadesRAZ",
    "PrcChainagesMini",
    "PrcChainagesMaxi",
    "PrcChainagesRAZ",
    "PrcCompteurChainagesMini",
    "PrcCompteurChainagesMaxi",
    "PrcCompteurChainagesRAZ",
    "PrcCompteurChainages",
    "PrcLienProcessAvance",
    "PrcCalibrage",
    "PrcMoteur",
    "PrcCommandeCalibrage",
    "PrcEtatCalibrage",
    "PrcDiagnosticVariateur",
    "PrcAssignationPointMini",
    "PrcAssignationPointMaxi",
    "PrcAssignationPointRAZ",
    "PrcAssignationPoint",
    "PrcFraiseMini",
    "PrcFraiseMaxi",
    "PrcFraiseRAZ",
    "PrcFraise",
    "PrcCompteurFraiseMini",
    "PrcCompteurFraiseMaxi",
    "PrcCompteurFraiseRAZ",
    "PrcCompteurFraise",
    "PrcRodeuse",
    "PrcIntensitesThermiques",
    "PrcCommandeMaintenance",
    "PrcZoneThermiques",
    "PrcZoneThermDisjoncteur",
    "PrcDefautsPresents_AUT1",
    "PrcDefautsPresents_AUT2",
    "PrcServices",
    "PrcCompteur_AW",
    "PrcMesures_AW",
    "PrcOscilloCourbeRefCalibrage",
    "PrcOscilloDerniereCourbe",
    "PrcOscilloHistorique",
    "PrcHistoriqueRodages",
    "PrcHistoriqueChangements",
    "PrcProgrammeExpert",
    "PrcContexte",
    "PrcDefautsPresents_SYST",
    "PrcAlarmesPresentes_SYST",
    "PrcAlarmesPresentes_AUT1",
    "PrcAlarmesPresentes_AUT2",
    "PrcEtatCalibrage_AUT1",
    "PrcEtatCalibrage_AUT2",
    "PrcCommandeCalibrage_AUT1",
    "PrcCommandeCalibrage_AUT2",
    "PrcFirmware",
    "PrcParametresOscilloVela",
    "PrcDonneesOscilloVela",
    "PrcCausesDefauts_SYST",
    "PrcCausesDefauts_AUT1",
    "PrcCausesDefauts_AUT2",
    "PrcApprentissageAW",
    "PrcOscilloCourbeRefHistorique",
    "PrcOscilloCourbeRefHistoriqueCPS",
    "PrcDefautsPolling",
    "PrcDefautsHistorique",
    "PrcServicesMini",
    "PrcServicesMaxi",
    "PrcCalibrageEffort",
    "PrcMesureVariateur",
    "PrcIdentificationSoudeuse",
    "PrcProgrammeCombine",
    "PrcCompteurProgCombine",
    "PrcAssignationCommentaire",
    "PrcCompteurGlobalPince",
    "PrcCompteurProgramme",
    "PrcGestionPiece",
    "PrcMesures_APPRAW",
    "PrcApprentissageAWA",
    "PrcSignaturesPolling",
    "PrcSignaturesHistorique",
    "PrcTransfoDiodeMini",
    "PrcTransfoDiodeMaxi",
    "PrcTransfoDiode",
    "PrcSignatureWS",
    "PrcSignaturesHistoriqueWS",
    "PrcCourbeI",
    "PrcCourbesHistoriqueI",
    "PrcCourbeU",
    "PrcCourbesHistoriqueU",
    "PrcCourbeConfig",
    "PrcCourbesHistoriqueConfig",
    "PrcSignaturesEx",
    "PrcSignaturesHistoriqueEx",
};

// Name -> zone type, built once on first use.
const std::unordered_map<std::string_view, int>& NameIndex() {
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> result;
        for (int i = 0; i < TypeZonesCount; ++i)
            result.emplace(TypeZoneNames[static_cast<std::size_t>(i)], i);
        return result;
    }();
    return index;
}

} // namespace

std::string TypeZoneName(TTypeZones TypeZone) {
    return TypeZoneNames[static_cast<std::size_t>(TypeZoneFromInt(TypeZone))];
}

bool TypeZoneFromName(const std::string& Name, TTypeZones& TypeZone) {
    const auto& index = NameIndex();
    const auto found = index.find(Name);
    if (found == index.end())
        return false;
    TypeZone = static_cast<TTypeZones>(found->second);
    return true;
}

TTypeZones TypeZoneFromInt(int Value) {
    if (!IsValidTypeZone(Value))
        throw ERangeError();
    return static_cast<TTypeZones>(Value);
}

} // namespace g20seq
