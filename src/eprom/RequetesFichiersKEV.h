// The host's requests on auxiliary parameter files (motor, transformer, gun geometry, servo
// gun, pneumatic gun, learning files, weld support data): which kinds each request accepts,
// whether the controller variant supports the kind, and the per-kind operation of the EPROM
// that answers it.
//
// A kind outside what a request accepts is logged "TypeFilesKEV inconnu"; a kind the variant
// does not support is logged with the kind's refusal text. Both are logged at level 3 under
// the request's name with the EPROM's name as category, and answered false (0 for the test
// requests); msg is left as it was. The test requests log the import text of a kind that
// has an export and an import text: they ask whether an import would be accepted.
#pragma once

#include "eprom/Eprom.h"

#include <string>

namespace g20seq {

class IMemIniFile;

// Texts logged when a request is refused.
inline constexpr const char* SFilesKEVInconnu = "TypeFilesKEV inconnu";
inline constexpr const char* SPneumaticGunNonSupporte = "Fichier PneumaticGun non supporté";
inline constexpr const char* SAWLearningNonSupportee = "Fonction AWLearning non supportée";
inline constexpr const char* SFichierAWALearningNonSupporte = "Fichier AWALearning non supporté";
inline constexpr const char* SFonctionAWALearningNonSupportee =
    "Fonction AWALearning non supportée";
inline constexpr const char* SFichierWSNonSupporte = "Fichier WS non supporté";
inline constexpr const char* SFonctionWSNonSupportee = "Fonction WS non supportée";
// Logged (level 2, category "Eprom") by the per-kind operations this generation lacks.
inline constexpr const char* SMethodeAbstract = "Methode abstract";

class TRequetesFichiersKEV {
public:
    explicit TRequetesFichiersKEV(TEprom& Eprom) : FEprom(Eprom) {}

    // Accepts every kind.
    bool ExportFilesKEV(int NumMainZone, const std::string& FileName, TListFilesKEV TypeFilesKEV,
                        std::string& msg) const;
    // Accepts every kind but weld support data, which is imported from memory only.
    bool ImportFilesKEV(int MainZone, TStringList* ListZones, const std::string& FileName,
                        TListFilesKEV TypeFilesKEV, std::string& msg) const;
    // Accepts weld support data only.
    bool ImportMemKEV(int MainZone, TStringList* ListZones, const IMemIniFile* Mem,
                      TListFilesKEV TypeFilesKEV, std::string& msg) const;
    // A missing file answers 0 with msg = the "file not found" message, a line break and
    // the file name; otherwise as ImportFilesKEV.
    int TestImportFilesKEV(int NumZone, const std::string& FileName, TListFilesKEV TypeFilesKEV,
                           std::string& msg) const;
    // As ImportMemKEV.
    int TestImportMemKEV(int NumZone, const IMemIniFile* Mem, TListFilesKEV TypeFilesKEV,
                         std::string& msg) const;

    // Logs that Operation is not available for this generation; answers false.
    static bool MethodeAbstract(const TObject* Sender, const char* Operation);

private:
    // Which of a kind's two refusal texts a request logs.
    enum class TVariante : std::uint8_t { Export, Import };

    // Whether the request may reach its per-kind operation: the kind lies in First..Last
    // and the variant supports it. Logs the refusal otherwise.
    bool Admet(const char* Operation, TVariante Variante, TListFilesKEV First, TListFilesKEV Last,
               TListFilesKEV TypeFilesKEV) const;
    void Refuse(const char* Operation, const char* Texte) const;

    TEprom& FEprom;
};

} // namespace g20seq
