// Handles of the electrode fields (zone family TElectrode / TElectrodeG20): the
// generation-independent fields in IDElectrode (their identifiers are their translation
// keys in the section "IDElectrode"), those of the G20 generation in IDElectrodeG20
// (section "IDElectrodeG20"), one slot numbering for both.
#pragma once

#include "model/FieldHandle.h"

namespace g20seq {

namespace IDElectrode {

inline constexpr TFieldFamily Family = TFieldFamily::Electrode;

inline constexpr TFieldHandle IDPaliers{Family, 0, "IDPaliers"};
inline constexpr TFieldHandle IDAlarme{Family, 1, "IDAlarme"};
inline constexpr TFieldHandle IDNombreRodage{Family, 2, "IDNombreRodage"};
inline constexpr TFieldHandle IDDecalage{Family, 3, "IDDecalage"};
inline constexpr TFieldHandle IDNombreIP{Family, 4, "IDNombreIP"};
inline constexpr TFieldHandle IDMargeRodage{Family, 5, "IDMargeRodage"};
inline constexpr TFieldHandle IDGainServo{Family, 6, "IDGainServo"};
inline constexpr TFieldHandle IDCoefficientEtalonnage{Family, 7, "IDCoefficientEtalonnage"};

} // namespace IDElectrode

namespace IDElectrodeG20 {

using IDElectrode::Family;

inline constexpr TFieldHandle IDPostFDVE{Family, 8, "IDPostFDVE"};
inline constexpr TFieldHandle IDCURemplacementEtendu{Family, 9, "IDCURemplacementEtendu"};
inline constexpr TFieldHandle IDCURemplaceToutes{Family, 10, "IDCURemplaceToutes"};
inline constexpr TFieldHandle IDCURodageNeuve{Family, 11, "IDCURodageNeuve"};
inline constexpr TFieldHandle IDCURodageInterPalier{Family, 12, "IDCURodageInterPalier"};
inline constexpr TFieldHandle IDNumeroFraise{Family, 13, "IDNumeroFraise"};
inline constexpr TFieldHandle IDTypeEnsembleTransfoDiode{Family, 14, "IDTypeEnsembleTransfoDiode"};
inline constexpr TFieldHandle IDNombreTores{Family, 15, "IDNombreTores"};
inline constexpr TFieldHandle IDFrequenceTransformateur{Family, 16, "IDFrequenceTransformateur"};
inline constexpr TFieldHandle IDRapportTransformation{Family, 17, "IDRapportTransformation"};
inline constexpr TFieldHandle IDOffsetRapport{Family, 18, "IDOffsetRapport"};
inline constexpr TFieldHandle IDRapportTransfoIntFaible{Family, 19, "IDRapportTransfoIntFaible"};
inline constexpr TFieldHandle IDOffsetRapportIntFaible{Family, 20, "IDOffsetRapportIntFaible"};
inline constexpr TFieldHandle IDLimiteIntFaible{Family, 21, "IDLimiteIntFaible"};
inline constexpr TFieldHandle IDTypeMesure{Family, 22, "IDTypeMesure"};
inline constexpr TFieldHandle IDGainServo2{Family, 23, "IDGainServo2"};
inline constexpr TFieldHandle IDGainBobineIntensite{Family, 24, "IDGainBobineIntensite"};
inline constexpr TFieldHandle IDRapportMesure{Family, 25, "IDRapportMesure"};
inline constexpr TFieldHandle IDGainCapteurEffort{Family, 26, "IDGainCapteurEffort"};
inline constexpr TFieldHandle IDOffsetEffortSV{Family, 27, "IDOffsetEffortSV"};
inline constexpr TFieldHandle IDOffsetEffortSV2{Family, 28, "IDOffsetEffortSV2"};
inline constexpr TFieldHandle IDDebutMesure{Family, 29, "IDDebutMesure"};
inline constexpr TFieldHandle IDSeuilArretMesure{Family, 30, "IDSeuilArretMesure"};
inline constexpr TFieldHandle IDDureePassageGOPO{Family, 31, "IDDureePassageGOPO"};
inline constexpr TFieldHandle IDDureeOuverturePO{Family, 32, "IDDureeOuverturePO"};
inline constexpr TFieldHandle IDAngleSlope{Family, 33, "IDAngleSlope"};
inline constexpr TFieldHandle IDDeltaPsiPulse1{Family, 34, "IDDeltaPsiPulse1"};
inline constexpr TFieldHandle IDIntensiteThermique{Family, 35, "IDIntensiteThermique"};
inline constexpr TFieldHandle IDDureeIntegrationThermique{Family, 36,
                                                          "IDDureeIntegrationThermique"};
inline constexpr TFieldHandle IDIntensiteThCycle{Family, 37, "IDIntensiteThCycle"};
inline constexpr TFieldHandle IDDureeIntegrationThCycle{Family, 38, "IDDureeIntegrationThCycle"};
inline constexpr TFieldHandle IDCUFacteurMarche{Family, 39, "IDCUFacteurMarche"};
inline constexpr TFieldHandle IDCUControleThermique{Family, 40, "IDCUControleThermique"};
inline constexpr TFieldHandle IDModeSoudageDegrade{Family, 41, "IDModeSoudageDegrade"};
inline constexpr TFieldHandle IDDebitEau{Family, 42, "IDDebitEau"};
inline constexpr TFieldHandle IDTemperatureEau{Family, 43, "IDTemperatureEau"};
inline constexpr TFieldHandle IDDeltaPsiRecuit{Family, 44, "IDDeltaPsiRecuit"};
inline constexpr TFieldHandle IDDeltaPsiPulse2{Family, 45, "IDDeltaPsiPulse2"};
inline constexpr TFieldHandle IDAngleDemarrageRegul{Family, 46, "IDAngleDemarrageRegul"};

} // namespace IDElectrodeG20

namespace FamilleElectrode {

// Every handle of the family, in slot order.
inline constexpr TFieldHandle Handles[] = {
    IDElectrode::IDPaliers,
    IDElectrode::IDAlarme,
    IDElectrode::IDNombreRodage,
    IDElectrode::IDDecalage,
    IDElectrode::IDNombreIP,
    IDElectrode::IDMargeRodage,
    IDElectrode::IDGainServo,
    IDElectrode::IDCoefficientEtalonnage,
    IDElectrodeG20::IDPostFDVE,
    IDElectrodeG20::IDCURemplacementEtendu,
    IDElectrodeG20::IDCURemplaceToutes,
    IDElectrodeG20::IDCURodageNeuve,
    IDElectrodeG20::IDCURodageInterPalier,
    IDElectrodeG20::IDNumeroFraise,
    IDElectrodeG20::IDTypeEnsembleTransfoDiode,
    IDElectrodeG20::IDNombreTores,
    IDElectrodeG20::IDFrequenceTransformateur,
    IDElectrodeG20::IDRapportTransformation,
    IDElectrodeG20::IDOffsetRapport,
    IDElectrodeG20::IDRapportTransfoIntFaible,
    IDElectrodeG20::IDOffsetRapportIntFaible,
    IDElectrodeG20::IDLimiteIntFaible,
    IDElectrodeG20::IDTypeMesure,
    IDElectrodeG20::IDGainServo2,
    IDElectrodeG20::IDGainBobineIntensite,
    IDElectrodeG20::IDRapportMesure,
    IDElectrodeG20::IDGainCapteurEffort,
    IDElectrodeG20::IDOffsetEffortSV,
    IDElectrodeG20::IDOffsetEffortSV2,
    IDElectrodeG20::IDDebutMesure,
    IDElectrodeG20::IDSeuilArretMesure,
    IDElectrodeG20::IDDureePassageGOPO,
    IDElectrodeG20::IDDureeOuverturePO,
    IDElectrodeG20::IDAngleSlope,
    IDElectrodeG20::IDDeltaPsiPulse1,
    IDElectrodeG20::IDIntensiteThermique,
    IDElectrodeG20::IDDureeIntegrationThermique,
    IDElectrodeG20::IDIntensiteThCycle,
    IDElectrodeG20::IDDureeIntegrationThCycle,
    IDElectrodeG20::IDCUFacteurMarche,
    IDElectrodeG20::IDCUControleThermique,
    IDElectrodeG20::IDModeSoudageDegrade,
    IDElectrodeG20::IDDebitEau,
    IDElectrodeG20::IDTemperatureEau,
    IDElectrodeG20::IDDeltaPsiRecuit,
    IDElectrodeG20::IDDeltaPsiPulse2,
    IDElectrodeG20::IDAngleDemarrageRegul,
};
static_assert(HandlesInSlotOrder(Handles));

} // namespace FamilleElectrode

} // namespace g20seq
