// Handles of the weld program fields (zone family TProgramme / TProgrammeG20).
#pragma once

#include "model/FieldHandle.h"

namespace g20seq::ChampsProgramme {

inline constexpr TFieldFamily Family = TFieldFamily::Programme;

// The fields every generation shares, in creation order.
inline constexpr TFieldHandle IDTempsPremierAccostage{Family, 0, "IDTempsPremierAccostage"};
inline constexpr TFieldHandle IDTempsAccostage{Family, 1, "IDTempsAccostage"};
inline constexpr TFieldHandle IDTempsSoudage{Family, 2, "IDTempsSoudage"};
inline constexpr TFieldHandle IDTempsForgeage{Family, 3, "IDTempsForgeage"};
inline constexpr TFieldHandle IDTempsIntervalGeneral{Family, 4, "IDTempsIntervalGeneral"};
inline constexpr TFieldHandle IDNombrePulsations{Family, 5, "IDNombrePulsations"};
inline constexpr TFieldHandle IDIntervallePulsations{Family, 6, "IDIntervallePulsations"};
inline constexpr TFieldHandle IDTempsUpslope{Family, 7, "IDTempsUpslope"};
inline constexpr TFieldHandle IDTempsDownslope{Family, 8, "IDTempsDownslope"};
inline constexpr TFieldHandle IDTempsPrechauffage{Family, 9, "IDTempsPrechauffage"};
inline constexpr TFieldHandle IDTempsFroid{Family, 10, "IDTempsFroid"};
inline constexpr TFieldHandle IDTempsTrempe{Family, 11, "IDTempsTrempe"};
inline constexpr TFieldHandle IDTempsRecuit{Family, 12, "IDTempsRecuit"};
inline constexpr TFieldHandle IDSoudageDemiPeriode{Family, 13, "IDSoudageDemiPeriode"};
inline constexpr TFieldHandle IDModeRegulation{Family, 14, "IDModeRegulation"};
inline constexpr TFieldHandle IDModeControle{Family, 15, "IDModeControle"};
inline constexpr TFieldHandle IDNumeroElectrode{Family, 16, "IDNumeroElectrode"};
inline constexpr TFieldHandle IDPaliersPourcent{Family, 17, "IDPaliersPourcent"};
inline constexpr TFieldHandle IDPrechauffagePourcent{Family, 18, "IDPrechauffagePourcent"};
inline constexpr TFieldHandle IDRecuitPourcent{Family, 19, "IDRecuitPourcent"};
inline constexpr TFieldHandle IDPaliersAmpere{Family, 20, "IDPaliersAmpere"};
inline constexpr TFieldHandle IDPrechauffageAmpere{Family, 21, "IDPrechauffageAmpere"};
inline constexpr TFieldHandle IDRecuitAmpere{Family, 22, "IDRecuitAmpere"};
inline constexpr TFieldHandle IDPaliersTension{Family, 23, "IDPaliersTension"};
inline constexpr TFieldHandle IDPrechauffageTension{Family, 24, "IDPrechauffageTension"};
inline constexpr TFieldHandle IDRecuitTension{Family, 25, "IDRecuitTension"};
inline constexpr TFieldHandle IDSeuilIntensiteHaut{Family, 26, "IDSeuilIntensiteHaut"};
inline constexpr TFieldHandle IDSeuilIntensiteBas{Family, 27, "IDSeuilIntensiteBas"};
inline constexpr TFieldHandle IDSeuilIntensiteBasRepetitif{Family, 28,
                                                           "IDSeuilIntensiteBasRepetitif"};
inline constexpr TFieldHandle IDNombreSeuilIntensiteBasRepetitif{
    Family, 29, "IDNombreSeuilIntensiteBasRepetitif"};
inline constexpr TFieldHandle IDSeuilPourcentHaut{Family, 30, "IDSeuilPourcentHaut"};
inline constexpr TFieldHandle IDSeuilPourcentBas{Family, 31, "IDSeuilPourcentBas"};
inline constexpr TFieldHandle IDSeuilPourcentHautRepetitif{Family, 32,
                                                           "IDSeuilPourcentHautRepetitif"};
inline constexpr TFieldHandle IDNombreSeuilPourcentHautRepetitif{
    Family, 33, "IDNombreSeuilPourcentHautRepetitif"};
inline constexpr TFieldHandle IDPressionPourcent{Family, 34, "IDPressionPourcent"};
inline constexpr TFieldHandle IDConsignePression{Family, 35, "IDConsignePression"};
inline constexpr TFieldHandle IDEpaisseurSoudage{Family, 36, "IDEpaisseurSoudage"};
inline constexpr TFieldHandle IDEffortSoudage{Family, 37, "IDEffortSoudage"};
inline constexpr TFieldHandle IDModeElectrovannes{Family, 38, "IDModeElectrovannes"};
inline constexpr TFieldHandle IDRetardElectrovanne2{Family, 39, "IDRetardElectrovanne2"};
inline constexpr TFieldHandle IDDureeElectrovanne2{Family, 40, "IDDureeElectrovanne2"};
inline constexpr TFieldHandle IDAvecIntensite{Family, 41, "IDAvecIntensite"};
inline constexpr TFieldHandle IDControleFacteurMarche{Family, 42, "IDControleFacteurMarche"};
inline constexpr TFieldHandle IDModeVolee{Family, 43, "IDModeVolee"};
inline constexpr TFieldHandle IDSortieProgrammable{Family, 44, "IDSortieProgrammable"};

// The fields the G20 generation adds.
inline constexpr TFieldHandle IDPourcentDebutUpslope{Family, 45, "IDPourcentDebutUpslope"};
inline constexpr TFieldHandle IDPourcentFinDownslope{Family, 46, "IDPourcentFinDownslope"};
inline constexpr TFieldHandle IDAmpereDebutUpslope{Family, 47, "IDAmpereDebutUpslope"};
inline constexpr TFieldHandle IDAmpereFinDownslope{Family, 48, "IDAmpereFinDownslope"};
inline constexpr TFieldHandle IDReferencePourcent{Family, 49, "IDReferencePourcent"};
inline constexpr TFieldHandle IDReferenceIntensite{Family, 50, "IDReferenceIntensite"};
inline constexpr TFieldHandle IDReferenceTension{Family, 51, "IDReferenceTension"};
inline constexpr TFieldHandle IDVariationSegment{Family, 52, "IDVariationSegment"};
inline constexpr TFieldHandle IDPressionPourcent2{Family, 53, "IDPressionPourcent2"};
inline constexpr TFieldHandle IDConsignePression2{Family, 54, "IDConsignePression2"};
inline constexpr TFieldHandle IDControleEffort{Family, 55, "IDControleEffort"};
inline constexpr TFieldHandle IDEffortFinAccostage{Family, 56, "IDEffortFinAccostage"};
inline constexpr TFieldHandle IDEffortMiniForgeage{Family, 57, "IDEffortMiniForgeage"};
inline constexpr TFieldHandle IDEffortMaxiForgeage{Family, 58, "IDEffortMaxiForgeage"};
inline constexpr TFieldHandle IDToleranceEpaisseur{Family, 59, "IDToleranceEpaisseur"};
inline constexpr TFieldHandle IDSurveillanceThyristors{Family, 60, "IDSurveillanceThyristors"};
inline constexpr TFieldHandle IDRegulDebut5emePeriode{Family, 61, "IDRegulDebut5emePeriode"};
inline constexpr TFieldHandle IDPhieFixe{Family, 62, "IDPhieFixe"};
inline constexpr TFieldHandle IDAnglePhieFixe{Family, 63, "IDAnglePhieFixe"};

// Every handle of the family, in slot order.
inline constexpr TFieldHandle Handles[] = {
    IDTempsPremierAccostage,
    IDTempsAccostage,
    IDTempsSoudage,
    IDTempsForgeage,
    IDTempsIntervalGeneral,
    IDNombrePulsations,
    IDIntervallePulsations,
    IDTempsUpslope,
    IDTempsDownslope,
    IDTempsPrechauffage,
    IDTempsFroid,
    IDTempsTrempe,
    IDTempsRecuit,
    IDSoudageDemiPeriode,
    IDModeRegulation,
    IDModeControle,
    IDNumeroElectrode,
    IDPaliersPourcent,
    IDPrechauffagePourcent,
    IDRecuitPourcent,
    IDPaliersAmpere,
    IDPrechauffageAmpere,
    IDRecuitAmpere,
    IDPaliersTension,
    IDPrechauffageTension,
    IDRecuitTension,
    IDSeuilIntensiteHaut,
    IDSeuilIntensiteBas,
    IDSeuilIntensiteBasRepetitif,
    IDNombreSeuilIntensiteBasRepetitif,
    IDSeuilPourcentHaut,
    IDSeuilPourcentBas,
    IDSeuilPourcentHautRepetitif,
    IDNombreSeuilPourcentHautRepetitif,
    IDPressionPourcent,
    IDConsignePression,
    IDEpaisseurSoudage,
    IDEffortSoudage,
    IDModeElectrovannes,
    IDRetardElectrovanne2,
    IDDureeElectrovanne2,
    IDAvecIntensite,
    IDControleFacteurMarche,
    IDModeVolee,
    IDSortieProgrammable,
    IDPourcentDebutUpslope,
    IDPourcentFinDownslope,
    IDAmpereDebutUpslope,
    IDAmpereFinDownslope,
    IDReferencePourcent,
    IDReferenceIntensite,
    IDReferenceTension,
    IDVariationSegment,
    IDPressionPourcent2,
    IDConsignePression2,
    IDControleEffort,
    IDEffortFinAccostage,
    IDEffortMiniForgeage,
    IDEffortMaxiForgeage,
    IDToleranceEpaisseur,
    IDSurveillanceThyristors,
    IDRegulDebut5emePeriode,
    IDPhieFixe,
    IDAnglePhieFixe,
};
static_assert(HandlesInSlotOrder(Handles));

} // namespace g20seq::ChampsProgramme
