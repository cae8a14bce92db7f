// The G20 memory map, as the host's protocol model answers it: bytes sent and received on
// the serial link per zone type, whether zones of the type are stored in zone files,
// whether the type is numbered (and how many zones the controller holds of it), and the
// controller base address of the type. Zone types not listed have no protocol
// information. The one table of these facts: the host's protocol model and the test kit's
// protocol double both read it.
#pragma once

#include <g20seq/interface/ProtocolInterface.h>

#include <array>

namespace g20seq::host {

// One zone type of the G20 memory map.
struct TZoneProtocoleRow {
    TTypeZones TypeZone;
    Word Send;
    Word Receive;
    bool InFile;
    int Zones; // 0: not numbered
    LongWord Adresse;
};

inline constexpr std::array<TZoneProtocoleRow, 43> G20Zones = {{
    {PrcIdentification, 0, 19, false, 0, 0x001000},
    {PrcDiagnostic, 0, 20, false, 0, 0x001100},
    {PrcDefautsPresents, 0, 12, false, 0, 0x001200},
    {PrcThermique, 0, 2, false, 0, 0x001300},
    {PrcPeriodes, 0, 26, false, 12, 0x001400},
    {PrcEtatNovram, 0, 2, false, 0, 0x001600},
    {PrcZonesModifies, 0, 2, false, 0, 0x001700},
    {PrcRAZZonesNovram, 0, 2, false, 0, 0x001800},
    {PrcAcquittements, 2, 0, false, 0, 0x001900},
    {PrcSignalisationModification, 1, 0, false, 0, 0x001A00},
    {PrcSignaturesPerdues, 2, 2, false, 0, 0x001B00},
    {PrcMouchard, 0, 20, false, 0, 0x001C00},
    {PrcLanguesEffectives, 0, 9, false, 0, 0x001D00},
    {PrcHorodateur, 6, 6, false, 0, 0x001E00},
    {PrcConfigurationMini, 183, 183, false, 0, 0x001F00},
    {PrcConfigurationMaxi, 183, 183, false, 0, 0x002000},
    {PrcConfigurationRAZ, 183, 183, false, 0, 0x002100},
    {PrcConfiguration, 183, 183, true, 0, 0x002200},
    {PrcElectrodeMini, 79, 79, false, 0, 0x002300},
    {PrcElectrodeMaxi, 79, 79, false, 0, 0x002400},
    {PrcElectrodesRAZ, 79, 79, false, 0, 0x002500},
    {PrcElectrodes, 79, 79, true, 16, 0x002600},
    {PrcCompteursMini, 9, 9, false, 0, 0x002B00},
    {PrcCompteursMaxi, 9, 9, false, 0, 0x002C00},
    {PrcCompteursRAZ, 9, 9, false, 0, 0x002D00},
    {PrcCompteurs, 9, 12, true, 16, 0x002E00},
    {PrcProgrammesMini, 163, 163, false, 0, 0x002F00},
    {PrcProgrammesMaxi, 163, 163, false, 0, 0x003000},
    {PrcprogrammesRAZ, 163, 163, false, 0, 0x003100},
    {PrcProgrammes, 163, 163, true, 128, 0x003200},
    {PrcSoudage, 0, 13, false, 128, 0x008400},
    {PrcMesures, 0, 14, false, 128, 0x008B00},
    {PrcSignatures, 0, 34, false, 0, 0x009200},
    {PrcLienProcess, 1070, 1070, true, 128, 0x009300},
    {PrcTypeLogicielsAdditionnels, 0, 16, false, 0, 0x02AA00},
    {PrcApprentissage, 13, 13, true, 16, 0x02AB00},
    {PrcLienProcessAvance, 1000, 1000, true, 128, 0x02AC00},
    {PrcAssignationPoint, 22, 22, true, 128, 0x04A000},
    {PrcFraiseMini, 5, 5, false, 0, 0x04AB00},
    {PrcFraiseMaxi, 5, 5, false, 0, 0x04AC00},
    {PrcFraiseRAZ, 5, 5, false, 0, 0x04AD00},
    {PrcFraise, 5, 5, true, 4, 0x04AE00},
    {PrcCompteurFraise, 3, 3, true, 4, 0x04AF00},
}};

// The rows a medium-frequency controller answers otherwise: its measures (18 bytes) and its
// signature records (36 bytes) are longer. 128 measures of 18 bytes would run from 0x8B00
// into the signatures and the process links, so the MF controller keeps its measures after
// the last type of the map.
inline constexpr std::array<TZoneProtocoleRow, 2> G20ZonesMF = {{
    {PrcMesures, 0, 18, false, 128, 0x04B000},
    {PrcSignatures, 0, 36, false, 0, 0x009200},
}};

} // namespace g20seq::host
