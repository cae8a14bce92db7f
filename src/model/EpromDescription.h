#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/EnumSet.h"
#include "support/G20SeqExport.h"
#include "support/Object.h"
#include "support/TypeZones.h"
#include "support/Types.h"

namespace g20seq {

enum TMesureEffort : std::uint8_t { meNone, meEffort };

enum TTypeCourant : std::uint8_t { tcAC, tcMF, tcTRI };

enum TTypeIO : std::uint8_t {
    tiTOR,
    tiPROFIBUS_DP,
    tiINTERBUS_S,
    tiDeviceNet,
    tiInterbusFO,
    tiEthernetIP,
    tiProfinetIO_Cu,
    tiProfinetIO_FO,
    tiHMS
};

// Controller hardware kinds; tmG20Ethernet (4) is the G20 Ethernet controller.
enum TTypeMateriel : std::uint8_t {
    tmInconnu,
    tmCPSRS232,
    tmCPSRS485,
    tmG20RS485,
    tmG20Ethernet,
    tmG20BusTerrain,
    tmCPSMF,
    tmCPSTriphase,
    tmCPSIntegree,
    tmStationDiagnostic,
    tmSimulateur,
    tmAutre
};

enum TTypeAcces : std::uint8_t {
    taSurveillanceCPS,
    taActivationSD,
    taTraitementElectrodes,
    taTraitementDefauts,
    taProgrammes,
    taElectrodes,
    taConfiguration,
    taChangementCPS,
    taChangementSD,
    taSignatures,
    taAudit,
    taCopie,
    taAssignationPoint,
    taEnumerationMateriel,
    taRepetitionPoint,
    taPointSuivant,
    taNewMenuAWSW,
    taSuiviExecutionMF_AW,
    taSuiviDefauts,
    taProgCombine,
    taNotRedoTraining
};

enum TNetworkType : std::uint8_t { ntRS485, ntEthernet };

enum TTypeHardware : std::uint8_t { thDatakey, thToreMesure, thNoKeyReady };

enum TTypeSupportFunctions : std::uint8_t {
    sfNone,
    sfSelectedCurves,
    sfEtatProgrammes,
    sfAWAlu,
    sfEtatNumPoints,
    sfNoneCurveRefCPS,
    sfPortage,
    sfSupportFileAWL,
    sfSupportOldFileINI,
    sfEtatProgrammesAWA,
    sfSupportFileAWAL,
    sfSupportModuleQA,
    sfSupportEnregAuto,
    sfSupportCompteurGlobal,
    sfSupportWS,
    sfSupportCourbeConfig,
    sfSupportFileWS,
    sfSupportCourbe16bits,
    sfSupportSignaturesEx,
    sfSupportFS
};

enum TFamily : std::uint8_t { faMucom, faMapping };

using TTypesAcces = TEnumSet<TTypeAcces>;
using THardware = TEnumSet<TTypeHardware>;
using TSupportFunctions = TEnumSet<TTypeSupportFunctions>;

// Translation section of the description's texts.
inline constexpr const char* IDEpromDescriptionSection = "IDEpromDescription";

// What a controller variant has: zone number ranges of the numbered zone types, current
// type, field bus, hardware kind, the functions the host may offer. The host reads these
// operations in this order; keep it.
class G20SEQ_EXPORT TCustomEpromDescription : public TPersistent {
public:
    std::string ClassName() const override;

    virtual std::string NbProg() const = 0;
    virtual int GetMaxZone(TTypeZones Index) const = 0;
    virtual TMesureEffort MesureEffort() const = 0;
    virtual int GetMinZone(TTypeZones Index) const = 0;
    virtual int GetZoneNumber(TTypeZones Index) const = 0;
    virtual TTypeCourant TypeCourant() const = 0;
    virtual TTypeIO TypeIO() const = 0;
    virtual std::string Text() const = 0;
    virtual TTypeMateriel TypeMateriel() const = 0;
    virtual TTypesAcces TypesAcces() const = 0;
    virtual int OffsetImage() const = 0;
    virtual int DefautElec() const = 0;
    virtual int DefautProg() const = 0;
    virtual TNetworkType NetworkType() const = 0;
    virtual TFamily Family() const = 0;
    virtual int Generation() const = 0;
    virtual std::string NomEprom() const = 0;
    virtual std::string TypeCourantAsString() const = 0;
    virtual std::string TypeIOAsString() const = 0;
    virtual std::string TypeMaterielAsString() const = 0;
    virtual std::string NetworkTypeAsString() const = 0;
    virtual int Avec_Courbes() const = 0;
    virtual TSupportFunctions SupportFunctions() const = 0;
    virtual int VersionFileMOTOR() const = 0;
    virtual int VersionFileTRAFO() const = 0;
    virtual int VersionFileGEOM() const = 0;
    virtual int VersionFileSGUN() const = 0;
    virtual int VersionFilePGUN() const = 0;
    virtual int VersionFileAWL() const = 0;
    virtual int VersionFileAWAL() const = 0;
    virtual Byte VersionHeaderACTP() const = 0;
    virtual int VersionFileWS() const = 0;
};

// The description's values with their defaults. The owner EPROM's name and protocol name
// are given at creation: both are fixed for the EPROM's lifetime.
class TEpromDescription : public TCustomEpromDescription {
public:
    TEpromDescription(TPersistent* aOwner, std::string aNomEprom, std::string aNomProtocole);

    std::string ClassName() const override;

    std::string NbProg() const override;
    int GetMaxZone(TTypeZones Index) const override;
    TMesureEffort MesureEffort() const override;
    int GetMinZone(TTypeZones Index) const override;
    int GetZoneNumber(TTypeZones Index) const override;
    TTypeCourant TypeCourant() const override;
    TTypeIO TypeIO() const override;
    std::string Text() const override;
    TTypeMateriel TypeMateriel() const override;
    TTypesAcces TypesAcces() const override;
    int OffsetImage() const override;
    int DefautElec() const override;
    int DefautProg() const override;
    TNetworkType NetworkType() const override;
    TFamily Family() const override;
    int Generation() const override;
    std::string NomEprom() const override;
    std::string TypeCourantAsString() const override;
    std::string TypeIOAsString() const override;
    std::string TypeMaterielAsString() const override;
    std::string NetworkTypeAsString() const override;
    int Avec_Courbes() const override;
    TSupportFunctions SupportFunctions() const override;
    int VersionFileMOTOR() const override;
    int VersionFileTRAFO() const override;
    int VersionFileGEOM() const override;
    int VersionFileSGUN() const override;
    int VersionFilePGUN() const override;
    int VersionFileAWL() const override;
    int VersionFileAWAL() const override;
    Byte VersionHeaderACTP() const override;
    int VersionFileWS() const override;

    THardware Hardware() const { return FHardware; }
    TPersistent* Owner() const { return FOwner; }
    std::string NomProtocole() const { return FNomProtocole; }

protected:
    // Sets the lowest and highest zone number of a zone type (-1 = none).
    void SetZoneBounds(TTypeZones Index, int Min, int Max);

    TPersistent* FOwner;
    std::string FNomEprom;
    std::string FNomProtocole;
    std::array<int, TypeZonesCount> FMaxZones{};
    std::array<int, TypeZonesCount> FMinZones{};
    TMesureEffort FMesureEffort = meNone;
    TTypeCourant FTypeCourant = tcAC;
    TTypeIO FTypeIO = tiTOR;
    TTypeMateriel FTypeMateriel = tmInconnu;
    TTypesAcces FTypesAcces;
    int FOffsetImage = 0;
    int FDefautElec = 0;
    int FDefautProg = 0;
    TNetworkType FNetworkType = ntRS485;
    THardware FHardware;
    TSupportFunctions FSupportFunctions{sfNone};
    int FVersionFileMOTOR = 0;
    int FVersionFileTRAFO = 0;
    int FVersionFileGEOM = 0;
    int FVersionFileSGUN = 0;
    int FVersionFilePGUN = 0;
    int FVersionFileAWL = 0;
    int FVersionFileAWAL = 0;
    int FVersionFileWS = 0;

private:
    // Zone type whose bounds a zone type takes (itself unless it shares another's).
    static TTypeZones BoundsOf(TTypeZones Index);
};

// The G20 description: G20 values, and the controller variant recognised from the first two
// characters of the EPROM name ("GA": AC controller, "GM": medium-frequency controller,
// compared with case). Any other name raises Exception: the EPROM cannot be created.
class TEpromDescriptionG20 : public TEpromDescription {
public:
    TEpromDescriptionG20(TPersistent* aOwner, const std::string& aNomEprom,
                         const std::string& aNomProtocole = {});

    std::string ClassName() const override;

    // The variant was recognised from the EPROM name.
    bool VarianteReconnue() const { return FVarianteReconnue; }
    // Fieldbus profile C1 (fault default classes in the configuration). No G20 station of
    // this generation sets it; it stays false unless a caller sets it explicitly.
    bool ProfilC1() const { return FProfilC1; }
    void SetProfilC1(bool Value) { FProfilC1 = Value; }

private:
    void RecogniseVariant();

    bool FVarianteReconnue = false;
    bool FProfilC1 = false;
};

} // namespace g20seq
