#include "eprom/RequetesFichiersKEV.h"

#include "model/DataProxy.h"
#include "model/EpromDescription.h"

#include <array>
#include <filesystem>

namespace g20seq {

namespace {

// When the controller variant supports a kind of file.
enum class TCondition : std::uint8_t { Toujours, Jamais, FonctionSupport };

struct TRegleFichierKEV {
    TListFilesKEV TypeFilesKEV;
    TCondition Condition;
    TTypeSupportFunctions Fonction; // the support function a FonctionSupport kind needs
    const char* RefusExport;
    const char* RefusImport;
};

// One rule per kind, in the order of TListFilesKEV.
constexpr std::array<TRegleFichierKEV, 8> ReglesFichiersKEV = {{
    {FilesKEV_Motor, TCondition::Toujours, sfNone, nullptr, nullptr},
    {FilesKEV_Transformer, TCondition::Toujours, sfNone, nullptr, nullptr},
    {FilesKEV_Geometry, TCondition::Toujours, sfNone, nullptr, nullptr},
    {FilesKEV_ServoGun, TCondition::Toujours, sfNone, nullptr, nullptr},
    {FilesKEV_PneumaticGun, TCondition::Jamais, sfNone, SPneumaticGunNonSupporte,
     SPneumaticGunNonSupporte},
    {FilesKEV_AWLearning, TCondition::FonctionSupport, sfSupportFileAWL, SAWLearningNonSupportee,
     SAWLearningNonSupportee},
    {FilesKEV_AWALearning, TCondition::FonctionSupport, sfSupportFileAWAL,
     SFichierAWALearningNonSupporte, SFonctionAWALearningNonSupportee},
    {FilesKEV_WS, TCondition::FonctionSupport, sfSupportFileWS, SFichierWSNonSupporte,
     SFonctionWSNonSupportee},
}};

bool Supporte(const TRegleFichierKEV& Regle, const TCustomEpromDescription* Description) {
    switch (Regle.Condition) {
    case TCondition::Toujours:
        return true;
    case TCondition::Jamais:
        return false;
    case TCondition::FonctionSupport:
        return Description != nullptr && Description->SupportFunctions().Contains(Regle.Fonction);
    }
    return false;
}

// Translation section and key of the "file not found" message.
constexpr const char* IDKEVFileSection = "IDKEVFile";
constexpr const char* IDFileNotFound = "IDFileNotFound";
constexpr const char* SFileNotFound = "Fichier introuvable";

bool FichierExiste(const std::string& FileName) {
    std::error_code erreur;
    return std::filesystem::is_regular_file(FileName, erreur);
}

} // namespace

void TRequetesFichiersKEV::Refuse(const char* Operation, const char* Texte) const {
    LogEvent(&FEprom, Operation, Texte, "", LogError, FEprom.GetNomEprom());
}

bool TRequetesFichiersKEV::Admet(const char* Operation, TVariante Variante, TListFilesKEV First,
                                 TListFilesKEV Last, TListFilesKEV TypeFilesKEV) const {
    if (TypeFilesKEV < First || TypeFilesKEV > Last) {
        Refuse(Operation, SFilesKEVInconnu);
        return false;
    }
    const TRegleFichierKEV& regle = ReglesFichiersKEV[TypeFilesKEV];
    if (Supporte(regle, FEprom.GetDescription()))
        return true;
    Refuse(Operation, Variante == TVariante::Export ? regle.RefusExport : regle.RefusImport);
    return false;
}

bool TRequetesFichiersKEV::MethodeAbstract(const TObject* Sender, const char* Operation) {
    LogEvent(Sender, Operation, SMethodeAbstract, "", LogAnomaly, CatEprom);
    return false;
}

bool TRequetesFichiersKEV::ExportFilesKEV(int NumMainZone, const std::string& FileName,
                                          TListFilesKEV TypeFilesKEV, std::string& msg) const {
    using TOperation = bool (TEprom::*)(int, const std::string&, std::string&);
    static constexpr std::array<TOperation, 8> Operations = {&TEprom::ExportFilesKEV_Motor,
                                                             &TEprom::ExportFilesKEV_Transformer,
                                                             &TEprom::ExportFilesKEV_Geometry,
                                                             &TEprom::ExportFilesKEV_ServoGun,
                                                             nullptr,
                                                             &TEprom::ExportFilesKEV_AWL,
                                                             &TEprom::ExportFilesKEV_AWAL,
                                                             &TEprom::ExportFilesKEV_WS};
    if (!Admet("ExportFilesKEV", TVariante::Export, FilesKEV_Motor, FilesKEV_WS, TypeFilesKEV))
        return false;
    return (FEprom.*Operations[TypeFilesKEV])(NumMainZone, FileName, msg);
}

bool TRequetesFichiersKEV::ImportFilesKEV(int MainZone, TStringList* ListZones,
                                          const std::string& FileName, TListFilesKEV TypeFilesKEV,
                                          std::string& msg) const {
    using TOperation = bool (TEprom::*)(int, TStringList*, const std::string&, std::string&);
    static constexpr std::array<TOperation, 7> Operations = {&TEprom::ImportFilesKEV_Motor,
                                                             &TEprom::ImportFilesKEV_Transformer,
                                                             &TEprom::ImportFilesKEV_Geometry,
                                                             &TEprom::ImportFilesKEV_ServoGun,
                                                             nullptr,
                                                             &TEprom::ImportFilesKEV_AWL,
                                                             &TEprom::ImportFilesKEV_AWAL};
    if (!Admet("ImportFilesKEV", TVariante::Import, FilesKEV_Motor, FilesKEV_AWALearning,
               TypeFilesKEV))
        return false;
    return (FEprom.*Operations[TypeFilesKEV])(MainZone, ListZones, FileName, msg);
}

bool TRequetesFichiersKEV::ImportMemKEV(int MainZone, TStringList* ListZones,
                                        const IMemIniFile* Mem, TListFilesKEV TypeFilesKEV,
                                        std::string& msg) const {
    if (!Admet("ImportMemKEV", TVariante::Import, FilesKEV_WS, FilesKEV_WS, TypeFilesKEV))
        return false;
    return FEprom.ImportMemKEV_WS(MainZone, ListZones, Mem, msg);
}

int TRequetesFichiersKEV::TestImportFilesKEV(int NumZone, const std::string& FileName,
                                             TListFilesKEV TypeFilesKEV, std::string& msg) const {
    using TOperation = int (TEprom::*)(int, const std::string&, std::string&);
    static constexpr std::array<TOperation, 4> Operations = {
        &TEprom::TestImportFilesKEV_Motor, &TEprom::TestImportFilesKEV_Transformer,
        &TEprom::TestImportFilesKEV_Geometry, &TEprom::TestImportFilesKEV_ServoGun};
    if (!FichierExiste(FileName)) {
        msg = TranslateMessage(IDKEVFileSection, IDFileNotFound, SFileNotFound) + "\r\n" + FileName;
        return 0;
    }
    if (!Admet("TestImportFilesKEV", TVariante::Import, FilesKEV_Motor, FilesKEV_AWALearning,
               TypeFilesKEV))
        return 0;
    if (static_cast<std::size_t>(TypeFilesKEV) >= Operations.size())
        return FEprom.TestImportFilesKEV_Appr(NumZone, FileName, TypeFilesKEV, msg);
    return (FEprom.*Operations[TypeFilesKEV])(NumZone, FileName, msg);
}

int TRequetesFichiersKEV::TestImportMemKEV(int NumZone, const IMemIniFile* Mem,
                                           TListFilesKEV TypeFilesKEV, std::string& msg) const {
    if (!Admet("TestImportMemKEV", TVariante::Import, FilesKEV_WS, FilesKEV_WS, TypeFilesKEV))
        return 0;
    return FEprom.TestImportMemKEV_WS(NumZone, Mem, msg);
}

} // namespace g20seq
