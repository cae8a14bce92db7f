// Handles of the configuration fields (zone family TConfiguration / TConfigurationG20).
// The keypad screens, the faults and their default classes take the slots after these
// (their handles are rows of the G20 tables).
#pragma once

#include "model/FieldHandle.h"

namespace g20seq::ChampsConfiguration {

inline constexpr TFieldFamily Family = TFieldFamily::Configuration;

// The fields every generation shares, in creation order.
inline constexpr TFieldHandle IDProgEditeDCY1{Family, 0, "IDProgEditeDCY1"};
inline constexpr TFieldHandle IDProgrammeDCY1{Family, 1, "IDProgrammeDCY1"};
inline constexpr TFieldHandle IDProgrammeMiniDCY1{Family, 2, "IDProgrammeMiniDCY1"};
inline constexpr TFieldHandle IDProgrammeMaxiDCY1{Family, 3, "IDProgrammeMaxiDCY1"};
inline constexpr TFieldHandle IDProgEditeDCY2{Family, 4, "IDProgEditeDCY2"};
inline constexpr TFieldHandle IDProgrammeDCY2{Family, 5, "IDProgrammeDCY2"};
inline constexpr TFieldHandle IDProgrammeMiniDCY2{Family, 6, "IDProgrammeMiniDCY2"};
inline constexpr TFieldHandle IDProgrammeMaxiDCY2{Family, 7, "IDProgrammeMaxiDCY2"};
inline constexpr TFieldHandle IDParite{Family, 8, "IDParite"};
inline constexpr TFieldHandle IDCUChargeProgAlarme{Family, 9, "IDCUChargeProgAlarme"};
inline constexpr TFieldHandle IDCUContinue{Family, 10, "IDCUContinue"};
inline constexpr TFieldHandle IDChangementPermanent{Family, 11, "IDChangementPermanent"};
inline constexpr TFieldHandle IDCUActivationToutesElectrodes{Family, 12,
                                                             "IDCUActivationToutesElectrodes"};
inline constexpr TFieldHandle IDCURodageAlarme{Family, 13, "IDCURodageAlarme"};
inline constexpr TFieldHandle IDReInitialisationCompteurs{Family, 14,
                                                          "IDReInitialisationCompteurs"};
inline constexpr TFieldHandle IDCUConsignesLiees{Family, 15, "IDCUConsignesLiees"};
inline constexpr TFieldHandle IDCUPointsLies{Family, 16, "IDCUPointsLies"};
inline constexpr TFieldHandle IDReposDGNNF{Family, 17, "IDReposDGNNF"};
inline constexpr TFieldHandle IDReposDFANF{Family, 18, "IDReposDFANF"};
inline constexpr TFieldHandle IDReposDASNF{Family, 19, "IDReposDASNF"};
inline constexpr TFieldHandle IDLangue{Family, 20, "IDLangue"};
inline constexpr TFieldHandle IDNbRepetitionPointAuto{Family, 21, "IDNbRepetitionPointAuto"};
inline constexpr TFieldHandle IDRepetPointF4ClePrg{Family, 22, "IDRepetPointF4ClePrg"};
inline constexpr TFieldHandle IDPointSuivantF5ClePrg{Family, 23, "IDPointSuivantF5ClePrg"};
inline constexpr TFieldHandle IDCUAcqF7ClePrg{Family, 24, "IDCUAcqF7ClePrg"};
inline constexpr TFieldHandle IDMotDePasseAcquittement{Family, 25, "IDMotDePasseAcquittement"};

// Identifiers of the configuration that have captions but no field of their own.
inline constexpr TFieldHandle IDAvecParite{Family, 26, "IDAvecParite"};
inline constexpr TFieldHandle IDPariteImpaire{Family, 27, "IDPariteImpaire"};

// The fields the G20 generation adds, in creation order.
inline constexpr TFieldHandle IDExecutionDCY1{Family, 28, "IDExecutionDCY1"};
inline constexpr TFieldHandle IDExecutionDCY2{Family, 29, "IDExecutionDCY2"};
inline constexpr TFieldHandle IDGestionFraiseRodeuse{Family, 30, "IDGestionFraiseRodeuse"};
inline constexpr TFieldHandle IDNbStartsParPince{Family, 31, "IDNbStartsParPince"};
inline constexpr TFieldHandle IDReposFVENF{Family, 32, "IDReposFVENF"};
inline constexpr TFieldHandle IDReposALENF{Family, 33, "IDReposALENF"};
inline constexpr TFieldHandle IDReposDRONF{Family, 34, "IDReposDRONF"};
inline constexpr TFieldHandle IDReposSP1NF{Family, 35, "IDReposSP1NF"};
inline constexpr TFieldHandle IDReposSP2NF{Family, 36, "IDReposSP2NF"};
inline constexpr TFieldHandle IDReposMF1NF{Family, 37, "IDReposMF1NF"};
inline constexpr TFieldHandle IDReposMF2NF{Family, 38, "IDReposMF2NF"};
inline constexpr TFieldHandle IDReposMF3NF{Family, 39, "IDReposMF3NF"};
inline constexpr TFieldHandle IDReposMF4NF{Family, 40, "IDReposMF4NF"};
inline constexpr TFieldHandle IDActionDGNClignotante{Family, 41, "IDActionDGNClignotante"};
inline constexpr TFieldHandle IDActionDFAClignotante{Family, 42, "IDActionDFAClignotante"};
inline constexpr TFieldHandle IDActionFVEClignotante{Family, 43, "IDActionFVEClignotante"};
inline constexpr TFieldHandle IDActionALEClignotante{Family, 44, "IDActionALEClignotante"};
inline constexpr TFieldHandle IDActionDROClignotante{Family, 45, "IDActionDROClignotante"};
inline constexpr TFieldHandle IDActionSP1Clignotante{Family, 46, "IDActionSP1Clignotante"};
inline constexpr TFieldHandle IDActionSP2Clignotante{Family, 47, "IDActionSP2Clignotante"};
inline constexpr TFieldHandle IDActionMF1Clignotante{Family, 48, "IDActionMF1Clignotante"};
inline constexpr TFieldHandle IDActionMF2Clignotante{Family, 49, "IDActionMF2Clignotante"};
inline constexpr TFieldHandle IDActionMF3Clignotante{Family, 50, "IDActionMF3Clignotante"};
inline constexpr TFieldHandle IDActionMF4Clignotante{Family, 51, "IDActionMF4Clignotante"};
inline constexpr TFieldHandle IDReposALE1NF{Family, 52, "IDReposALE1NF"};
inline constexpr TFieldHandle IDReposALE2NF{Family, 53, "IDReposALE2NF"};
inline constexpr TFieldHandle IDReposFVE1NF{Family, 54, "IDReposFVE1NF"};
inline constexpr TFieldHandle IDReposFVE2NF{Family, 55, "IDReposFVE2NF"};
inline constexpr TFieldHandle IDActionALE1Clignotante{Family, 56, "IDActionALE1Clignotante"};
inline constexpr TFieldHandle IDActionALE2Clignotante{Family, 57, "IDActionALE2Clignotante"};
inline constexpr TFieldHandle IDActionFVE1Clignotante{Family, 58, "IDActionFVE1Clignotante"};
inline constexpr TFieldHandle IDActionFVE2Clignotante{Family, 59, "IDActionFVE2Clignotante"};
inline constexpr TFieldHandle IDTensionSecteur{Family, 60, "IDTensionSecteur"};
inline constexpr TFieldHandle IDTypeConvertisseur{Family, 61, "IDTypeConvertisseur"};
inline constexpr TFieldHandle IDPourcentApprentissage1{Family, 62, "IDPourcentApprentissage1"};
inline constexpr TFieldHandle IDPourcentApprentissage2{Family, 63, "IDPourcentApprentissage2"};
inline constexpr TFieldHandle IDPeriodeTestDifferentiel{Family, 64, "IDPeriodeTestDifferentiel"};
inline constexpr TFieldHandle IDDelaiTestDifferentiel{Family, 65, "IDDelaiTestDifferentiel"};
inline constexpr TFieldHandle IDAdresseIP{Family, 66, "IDAdresseIP"};
inline constexpr TFieldHandle IDMasqueIP{Family, 67, "IDMasqueIP"};
inline constexpr TFieldHandle IDGatewayIP{Family, 68, "IDGatewayIP"};
inline constexpr TFieldHandle IDPortIP{Family, 69, "IDPortIP"};
inline constexpr TFieldHandle IDPCListLocked{Family, 70, "IDPCListLocked"};
inline constexpr TFieldHandle IDPCAdresseIP{Family, 71, "IDPCAdresseIP"};
inline constexpr TFieldHandle IDVitesseEthernet{Family, 72, "IDVitesseEthernet"};
inline constexpr TFieldHandle IDModePince{Family, 73, "IDModePince"};
inline constexpr TFieldHandle IDModeElectrovannes{Family, 74, "IDModeElectrovannes"};
inline constexpr TFieldHandle IDModeSortiesCU{Family, 75, "IDModeSortiesCU"};
inline constexpr TFieldHandle IDMotDePasse{Family, 76, "IDMotDePasse"};
inline constexpr TFieldHandle IDDureeMotDePasse{Family, 77, "IDDureeMotDePasse"};
inline constexpr TFieldHandle IDMotDePasseProg{Family, 78, "IDMotDePasseProg"};
inline constexpr TFieldHandle IDDureeMotDePasseProg{Family, 79, "IDDureeMotDePasseProg"};
inline constexpr TFieldHandle IDCommandePhase2{Family, 80, "IDCommandePhase2"};
inline constexpr TFieldHandle IDModeSP1_SP2{Family, 81, "IDModeSP1_SP2"};
inline constexpr TFieldHandle IDVitesseRS232{Family, 82, "IDVitesseRS232"};
inline constexpr TFieldHandle IDNomCPS{Family, 83, "IDNomCPS"};
inline constexpr TFieldHandle IDVitesseBusTerrain{Family, 84, "IDVitesseBusTerrain"};
inline constexpr TFieldHandle IDNumEsclaveBusTerrain{Family, 85, "IDNumEsclaveBusTerrain"};
inline constexpr TFieldHandle IDProfilBusDeTerrain{Family, 86, "IDProfilBusDeTerrain"};
inline constexpr TFieldHandle IDModeEffort{Family, 87, "IDModeEffort"};
inline constexpr TFieldHandle IDModeAssignationPoint{Family, 88, "IDModeAssignationPoint"};
inline constexpr TFieldHandle IDAcqValidClePrg{Family, 89, "IDAcqValidClePrg"};
inline constexpr TFieldHandle IDTypeRS232{Family, 90, "IDTypeRS232"};
inline constexpr TFieldHandle IDSignaturesPointsEmises{Family, 91, "IDSignaturesPointsEmises"};
inline constexpr TFieldHandle IDSignaturesDefautsEmises{Family, 92, "IDSignaturesDefautsEmises"};
inline constexpr TFieldHandle IDSurveillanceModification{Family, 93, "IDSurveillanceModification"};

// Every handle of the family, in slot order.
inline constexpr TFieldHandle Handles[] = {
    IDProgEditeDCY1,
    IDProgrammeDCY1,
    IDProgrammeMiniDCY1,
    IDProgrammeMaxiDCY1,
    IDProgEditeDCY2,
    IDProgrammeDCY2,
    IDProgrammeMiniDCY2,
    IDProgrammeMaxiDCY2,
    IDParite,
    IDCUChargeProgAlarme,
    IDCUContinue,
    IDChangementPermanent,
    IDCUActivationToutesElectrodes,
    IDCURodageAlarme,
    IDReInitialisationCompteurs,
    IDCUConsignesLiees,
    IDCUPointsLies,
    IDReposDGNNF,
    IDReposDFANF,
    IDReposDASNF,
    IDLangue,
    IDNbRepetitionPointAuto,
    IDRepetPointF4ClePrg,
    IDPointSuivantF5ClePrg,
    IDCUAcqF7ClePrg,
    IDMotDePasseAcquittement,
    IDAvecParite,
    IDPariteImpaire,
    IDExecutionDCY1,
    IDExecutionDCY2,
    IDGestionFraiseRodeuse,
    IDNbStartsParPince,
    IDReposFVENF,
    IDReposALENF,
    IDReposDRONF,
    IDReposSP1NF,
    IDReposSP2NF,
    IDReposMF1NF,
    IDReposMF2NF,
    IDReposMF3NF,
    IDReposMF4NF,
    IDActionDGNClignotante,
    IDActionDFAClignotante,
    IDActionFVEClignotante,
    IDActionALEClignotante,
    IDActionDROClignotante,
    IDActionSP1Clignotante,
    IDActionSP2Clignotante,
    IDActionMF1Clignotante,
    IDActionMF2Clignotante,
    IDActionMF3Clignotante,
    IDActionMF4Clignotante,
    IDReposALE1NF,
    IDReposALE2NF,
    IDReposFVE1NF,
    IDReposFVE2NF,
    IDActionALE1Clignotante,
    IDActionALE2Clignotante,
    IDActionFVE1Clignotante,
    IDActionFVE2Clignotante,
    IDTensionSecteur,
    IDTypeConvertisseur,
    IDPourcentApprentissage1,
    IDPourcentApprentissage2,
    IDPeriodeTestDifferentiel,
    IDDelaiTestDifferentiel,
    IDAdresseIP,
    IDMasqueIP,
    IDGatewayIP,
    IDPortIP,
    IDPCListLocked,
    IDPCAdresseIP,
    IDVitesseEthernet,
    IDModePince,
    IDModeElectrovannes,
    IDModeSortiesCU,
    IDMotDePasse,
    IDDureeMotDePasse,
    IDMotDePasseProg,
    IDDureeMotDePasseProg,
    IDCommandePhase2,
    IDModeSP1_SP2,
    IDVitesseRS232,
    IDNomCPS,
    IDVitesseBusTerrain,
    IDNumEsclaveBusTerrain,
    IDProfilBusDeTerrain,
    IDModeEffort,
    IDModeAssignationPoint,
    IDAcqValidClePrg,
    IDTypeRS232,
    IDSignaturesPointsEmises,
    IDSignaturesDefautsEmises,
    IDSurveillanceModification,
};
static_assert(HandlesInSlotOrder(Handles));

} // namespace g20seq::ChampsConfiguration
