// The host-facing EPROM: the in-memory image of one controller's parameter memory.
//
// The host reaches an EPROM only through the virtual operations of TCustomEprom, on the
// object that ChercheInstance returns, and calls them by slot: the order of the virtual
// operations below is a binary contract and must never change. Zones (model layer) use
// the same class to ask their owner EPROM for its protocol model and for other zones.
//
// Header-only: it depends on the support runtime and on forward declarations, so every
// layer may include it.
#pragma once

#include "support/DateTime.h"
#include "support/EnumSet.h"
#include "support/Object.h"
#include "support/Observers.h"
#include "support/SetOfTypesZones.h"
#include "support/TypeZones.h"
#include "support/Types.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace g20seq {

class TCustomZoneCPS;
class TCustomEpromDescription;
class TKevCustomFileStream;
class TStringList;
class IProtocoleModel;

// Identifier of the marker interface IEprom. It has no operations of its own: a query for
// it answers the TCustomEprom itself.
inline constexpr TGUID IID_IEprom = GuidFromString("{D463CF16-6195-4E58-8290-CCEF8B8D9C7D}");

// State of the station image.
enum TImageEtat : std::uint8_t {
    Etat_Absent,
    Etat_Declare,
    Etat_Suspendu,
    Etat_Identifie,
    Etat_Surveille,
    Etat_Invalide,
    Etat_Inaccessible
};

// Communication state with the controller.
enum TEtatCOM_CPS : std::uint8_t { eCOM_OK, eCOM_NOK };

// Welding supports the controller variant offers.
enum TTypeWeldingSupport : std::uint8_t { SW, AW, SW_SQA, AW_SQA };
using TTypeWeldingSupports = TEnumSet<TTypeWeldingSupport>;

// Resets the host may ask for (counters, tip dressing, electrode change).
enum TReinitCU : std::uint8_t {
    ReinitCompteurs,
    ReinitFraise,
    Changement,
    ChangementFraise,
    RodageNeuve,
    RodageInterPalier,
    RodageFinCU
};
using TReinitCUs = TEnumSet<TReinitCU>;

// Sections of the text export.
enum TExportType : std::uint8_t {
    etProgrammes,
    etElectrodes,
    etConfiguration,
    etAssignationPoint,
    etFraise,
    etRodeuse,
    etApprentissageAW,
    etProgrammeCombine,
    etApprentissageAWA
};
using TExportTypes = TEnumSet<TExportType>;

// Kinds of weld signature. The controller transmits them as codes (0 to 11 and 126 to
// 141); TypeSignatureIntToEnum and TypeSignatureEnumToInt convert.
enum TypesSignature : std::uint8_t {
    SigProgElementaire,
    SigProgChainage,
    SigProgCascade,
    SigDefaut,
    SigAcquittement,
    SigCoupureAlimentation,
    SigMiseSousTension,
    SigPointAW,
    SigApprentissageAW,
    SigRespot,
    SigSPWSW,
    SigSPWAW,
    SigPrepulse,
    SigPointQW,
    SigSPWQW,
    SigApprentissageAWA,
    SigPointAWA,
    SigPointAQW,
    SigCompteursModifiesSW,
    SigCompteursModifies,
    SigRodageFaibleSansModifCompteur,
    SigTestRodageSWOK,
    SigTestRodageSWNOK,
    SigTestRodageAWOK,
    SigTestRodageAWNOK,
    SigRodageSW,
    SigRodageAW,
    SigChangementSW,
    SigChangementAW,
    SigFinApprentissageAW
};
inline constexpr int TypesSignatureCount = 30;

class TCustomEprom;

// Queue of zones handed to or from the host; the queue's user owns the zones.
using TZoneQueue = std::deque<std::unique_ptr<TCustomZoneCPS>>;
// Owning list of zones (real-time signatures, zones found by controller address).
using TZoneList = std::vector<std::unique_ptr<TCustomZoneCPS>>;
// Byte arrays of reference curves.
using TByteVector = std::vector<Byte>;

// Callbacks the host installs on each EPROM.
// May zones of this type be modified?
using TIsAutorised = std::function<bool(TTypeZones TypeZone)>;
// Sends one zone to the controller.
using TChargerZoneCPS = std::function<void(TCustomEprom* Eprom, TCustomZoneCPS* ZoneCPS)>;
// Sends a queue of zones to the controller; answers whether it was done.
using TChargerMultipleZoneCPS = std::function<bool(TCustomEprom* Eprom, TZoneQueue* aListeZone)>;
// Progress of a transfer.
using TNextProgressStep = std::function<void(int Step, int Overall)>;
// Told that a weld signature of program NumProg was stored in Eprom (see
// TCustomEprom::SubscribeNouvelleSignature).
using TNouvelleSignatureObserver = std::function<void(TCustomEprom& Eprom, int NumProg)>;

class TCustomEprom : public TInterfacedPersistent {
public:
    explicit TCustomEprom(std::string aNomEprom) : FNomEprom(std::move(aNomEprom)) {}
    ~TCustomEprom() override = default;

    std::string ClassName() const override { return "TCustomEprom"; }

    // Answers the EPROM itself for IID_IEprom.
    THResult QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID == IID_IEprom) {
            *Obj = this;
            return THResult::S_OK;
        }
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    }

    // --- The host's operations, in slot order (1 to 98). ---
    virtual int GetNbDefautsNonBloquants() = 0;                   // 1
    virtual int GetNbDefautsBloquants() = 0;                      // 2
    virtual std::string GetIdentifiantCPS() = 0;                  // 3
    virtual std::string GetNomEprom() { return FNomEprom; }       // 4
    virtual std::string GetDescriptionCPS() = 0;                  // 5
    virtual TKevCustomFileStream* GetFichier() = 0;               // 6
    virtual TKevCustomFileStream* GetFichierReference() = 0;      // 7
    virtual int GetAbscisse() = 0;                                // 8
    virtual int GetOrdonee() = 0;                                 // 9
    virtual bool GetVisible() = 0;                                // 10
    virtual bool GetSelection() { return FSelection; }            // 11
    virtual void SetAbscisse(int Value) = 0;                      // 12
    virtual void SetOrdonee(int Value) = 0;                       // 13
    virtual void SetVisible(bool Value) = 0;                      // 14
    virtual void SetSelection(bool Value) { FSelection = Value; } // 15
    virtual TSetOfTypesZones GetExecZoneTypes() = 0;              // 16
    // Duplicate of the tip-dressing counter zone of an electrode (owned by the caller).
    virtual std::unique_ptr<TCustomZoneCPS> GetZoneCompteurFraise(int& NumeroElectrode) = 0; // 17
    virtual void NextProgressStep(int Step, int Overall) = 0;                                // 18
    virtual bool PartialCopyRef() = 0;                                                       // 19
    virtual bool GetAvecGestionPieceParCPS() = 0;                                            // 20
    virtual int GetMaxSelectedCurves() = 0;                                                  // 21
    virtual TTypeWeldingSupports GetTypeWeldingSupport() = 0;                                // 22
    virtual bool GetModeDegrade() = 0;                                                       // 23
    virtual bool GetModeDegradeEprom() = 0;                                                  // 24
    virtual void SetModeDegrade(bool Value) = 0;                                             // 25
    virtual TEtatCOM_CPS GetEtatCOMCPS() = 0;                                                // 26
    virtual void SetEtatCOMCPS(TEtatCOM_CPS Value) = 0;                                      // 27
    virtual void GetTypeLogicalZones(TStringList* ZoneList) = 0;                             // 28
    // Zone files: a stream handed to the EPROM is owned by it from then on.
    virtual bool SaveToNewFile(TKevCustomFileStream* Fichier) = 0;    // 29
    virtual bool SaveToNewRefFile(TKevCustomFileStream* Fichier) = 0; // 30
    virtual bool SaveToRefFile(TKevCustomFileStream* Fichier) = 0;    // 31
    virtual bool ReadFromFile(TKevCustomFileStream* Fichier) = 0;     // 32
    virtual bool ReadFromRefFile(TKevCustomFileStream* Fichier) = 0;  // 33
    virtual bool FreeRefFile() = 0;                                   // 34
    virtual void CloseFile() = 0;                                     // 35
    virtual bool ConversionASCII(TExportTypes Sections, const std::string& Filename,
                                 TStringList* ProgList, TStringList* ElecList) = 0;    // 36
    virtual bool EqualsZones(TCustomEprom* Source, TStringList* ListeDifferences) = 0; // 37
    virtual bool EqualsFichier(TStringList* ListeDifferences,
                               const std::string& FileName) = 0; // 38
    virtual bool SaveZoneToFile(TCustomZoneCPS* aZone) = 0;      // 39
    virtual bool ReadZoneFromFile(TCustomZoneCPS* aZone) = 0;    // 40
    // Borrowed zone, counted as one holder: give it back with ReleasePhysicalZone.
    virtual TCustomZoneCPS* GetPhysicalZone(TTypeZones TypeZone, int NumeroZone,
                                            bool ReadFromFile) = 0; // 41
    // Empties aZone when it is the EPROM's own zone object; a copy is left as it is.
    virtual void ReleasePhysicalZone(TCustomZoneCPS*& aZone) = 0;     // 42
    virtual void GetMultiplePhysicalZone(TStringList* aList) = 0;     // 43
    virtual void ReleaseMultiplePhysicalZone(TStringList* aList) = 0; // 44
    // A new zone read from the reference file (owned by the caller).
    virtual std::unique_ptr<TCustomZoneCPS> GetZoneRef(TCustomZoneCPS* aOriginalZone) = 0; // 45
    virtual bool SaveZoneRef(TCustomZoneCPS* aZone) = 0;                                   // 46
    // aOwner is the host's parent window; FormReference the caller's window variable.
    virtual bool SaisieZone(void* aOwner, TTypeZones TypeZone, int NumeroZone,
                            void* FormReference) = 0;                                   // 47
    virtual std::unique_ptr<TInterfacedPersistent> CreateAutomate(TObject* AOwner) = 0; // 48
    // Last signature of a program; it stays owned by the EPROM.
    virtual TCustomZoneCPS* GetSignature(int NumProg) = 0; // 49
    // The EPROM takes ownership of the signature.
    virtual void SetSignature(std::unique_ptr<TCustomZoneCPS> Signature) = 0; // 50
    virtual const TZoneList& GetSignatureTempsReel() = 0;                     // 51
    virtual void GetZonesTransfert(TZoneQueue* aQueue, bool bSens) = 0;       // 52
    virtual void GetZonesCompteurs(TZoneQueue* AQueue) = 0;                   // 53
    virtual void AnalyseSignature(TCustomZoneCPS* Signature) = 0;             // 54
    virtual void SetIsAutorised(TIsAutorised FuncIsAutorised) = 0;            // 55
    virtual bool IsAutorised(TTypeZones TypeZone) = 0;                        // 56
    virtual void SetChargerZoneCPS(TChargerZoneCPS FuncChargerZoneCPS) = 0;   // 57
    virtual void
    SetChargerMultipleZoneCPS(TChargerMultipleZoneCPS FuncChargerMultipleZoneCPS) = 0; // 58
    virtual void SetNextProgressStep(TNextProgressStep FuncNextStep) = 0;              // 59
    virtual void ChargeZoneCPS(TCustomZoneCPS* AncienneZoneCPS,
                               TCustomZoneCPS* NouvelleZoneCPS) = 0; // 60
    virtual bool ChargeMultipleZoneCPS(TZoneQueue* aListeZone) = 0;  // 61
    // Fills ListeZones with duplicates (owned by the list's user) to send for the resets.
    virtual void ReinitCU(TReinitCUs Typereinit, int NumElectrode, int CompteurPoints,
                          int CompteurRodages, TStringList* ListeZones) = 0; // 62
    virtual bool GetValide() = 0;                                            // 63
    virtual TImageEtat GetEtat() = 0;                                        // 64
    virtual bool GetIsAuditActif() = 0;                                      // 65
    virtual bool GetIsSavePointsActif() = 0;                                 // 66
    virtual TCustomEpromDescription* GetDescription() = 0;                   // 67
    virtual void SetValide(bool Value) = 0;                                  // 68
    virtual void SetEtat(TImageEtat Value) = 0;                              // 69
    virtual void SetIsAuditActif(bool Value) = 0;                            // 70
    virtual void SetIsSavePointsActif(bool Value) = 0;                       // 71
    // Zone of the linked diagnostic station, held on the linked EPROM.
    virtual TCustomZoneCPS* GetDataSD() = 0;                             // 72
    virtual TCustomEprom* GetLink() = 0;                                 // 73
    virtual int GetFirstZone(TTypeZones& TypeZone, int& NumeroZone) = 0; // 74
    virtual bool IsLockZone(TTypeZones& TypeZone, int& NumeroZone) = 0;  // 75
    virtual bool IsValidSD() = 0;                                        // 76
    virtual void SetLink(TCustomEprom* Value) = 0;                       // 77
    // aListFields holds fields (as returned by GetFieldByID).
    virtual void FieldsAssign(const std::vector<TInterfacedPersistent*>& aListFields,
                              TStringList* aListeZones, TStringList* aListeDest) = 0; // 78
    virtual TInterfacedPersistent* GetFieldByID(TTypeZones TypeZone, int NumeroZone,
                                                const std::string& FieldID) = 0; // 79
    virtual TInterfacedPersistent* GetLogicalZone(TTypeZones TypeZone,
                                                  int NumeroZone) = 0;                        // 80
    virtual void GetZoneByMapping(int Adresse, int Longeur, TZoneList* Liste) = 0;            // 81
    virtual std::string GetFichierTypeEprom(const std::string& FileName) = 0;                 // 82
    virtual IProtocoleModel* GetProtocole() = 0;                                              // 83
    virtual Byte GetNumeroCPS() { return FNumeroCPS; }                                        // 84
    virtual std::string GetNomReseauCPS() { return FNomReseauCPS; }                           // 85
    virtual int GetCPSID() { return FCPSID; }                                                 // 86
    virtual void GetDefautsPresents(TStringList* defauts) = 0;                                // 87
    virtual Word GetCausesDefauts(const std::string& NomDefaut, Word Origine) = 0;            // 88
    virtual void SetNumeroCPS(Byte NumCPS) { FNumeroCPS = NumCPS; }                           // 89
    virtual void SetNomReseauCPS(const std::string& NomReseau) { FNomReseauCPS = NomReseau; } // 90
    virtual void SetCPSID(int CPDIdent) { FCPSID = CPDIdent; }                                // 91
    virtual TCustomZoneCPS* GetZoneNomCPS() = 0;                                              // 92
    virtual void LoadPhysicalZoneFromLogicalZone(TTypeZones LogicalZone, int NumeroZone,
                                                 TStringList* ZoneList) = 0; // 93
    virtual bool CreateFileAppr(bool TransfertToCPS, int ApprTarget, TStringList* ListParamsAllSign,
                                TStringList* ListCurvesAllSign, TStringList* ListProgToTransfert,
                                TTypeWeldingSupport TypeWelding, const std::string& FileName,
                                const std::string& Comment) = 0; // 94
    virtual bool SaveCurveRef(int aNumAppr, Int64 aSignatureID, const TByteVector& aCurveRefI,
                              const TByteVector& aCurveRefU) = 0; // 95
    virtual bool SaveCurveRefEx(int aNumAppr, Int64 aSignatureID, const TByteVector& aCurveRefI,
                                const TByteVector& aCurveRefU,
                                const TByteVector& aCurveRefConfig) = 0; // 96
    virtual TypesSignature TypeSignatureIntToEnum(int Code) = 0;         // 97
    virtual int TypeSignatureEnumToInt(TypesSignature Value) = 0;        // 98

    // --- Properties the host reads and writes directly (not virtual). ---
    const std::string& NomPC() const { return FNomPCCPS; }
    void SetNomPC(const std::string& Value) { FNomPCCPS = Value; }
    const std::string& NomZoneCPS() const { return FNomZoneCPS; }
    void SetNomZoneCPS(const std::string& Value) { FNomZoneCPS = Value; }
    char Revision() const { return FRevision; }
    void SetRevision(char Value) { FRevision = Value; }
    const std::string& NumeroPiece() const { return FNumeroPiece; }
    void SetNumeroPiece(const std::string& Value) { FNumeroPiece = Value; }
    const std::string& NumeroSerie() const { return FNumeroSerie; }
    void SetNumeroSerie(const std::string& Value) { FNumeroSerie = Value; }
    const std::string& Commentaire() const { return FCommentaire; }
    void SetCommentaire(const std::string& Value) { FCommentaire = Value; }
    TDateTime DateTimeDebutPiece() const { return FDateTimeDebutPiece; }
    void SetDateTimeDebutPiece(TDateTime Value) { FDateTimeDebutPiece = Value; }
    TDateTime DateTimeFinPiece() const { return FDateTimeFinPiece; }
    void SetDateTimeFinPiece(TDateTime Value) { FDateTimeFinPiece = Value; }
    bool AvecGestionPieceParPM() const { return FAvecGestionPieceParPM; }
    void SetAvecGestionPieceParPM(bool Value) { FAvecGestionPieceParPM = Value; }
    Int64 Piece_ID() const { return FPiece_ID; }
    void SetPiece_ID(Int64 Value) { FPiece_ID = Value; }

    // Follows the weld signatures the EPROM stores (the host's live views, the program
    // editor): each observer is told the EPROM and the program number, on the thread that
    // handed the signature in, once the signature store's lock is released, and must not
    // wait. The stored signature may be replaced meanwhile by another thread: observers read
    // a copy of it, never the object GetSignature answers.
    [[nodiscard]] TSubscription SubscribeNouvelleSignature(TNouvelleSignatureObserver Observer) {
        return FNouvellesSignatures.Subscribe(std::move(Observer));
    }

protected:
    void NotifyNouvelleSignature(int NumProg) { FNouvellesSignatures.Notify(*this, NumProg); }

    // Empties the part-management fields; start and end take the time given.
    void ResetGestionPiece(TDateTime Debut) {
        FNumeroPiece.clear();
        FNumeroSerie.clear();
        FCommentaire.clear();
        FDateTimeDebutPiece = Debut;
        FDateTimeFinPiece = Debut;
        FAvecGestionPieceParPM = false;
        FPiece_ID = 0;
    }

    Byte FNumeroCPS = 0;
    std::string FNomReseauCPS;
    std::string FNomEprom;
    std::string FNomPCCPS;
    std::string FNomZoneCPS;
    char FRevision = '\0';
    std::string FNumeroPiece;
    std::string FNumeroSerie;
    std::string FCommentaire;
    TDateTime FDateTimeDebutPiece = 0.0;
    TDateTime FDateTimeFinPiece = 0.0;
    bool FAvecGestionPieceParPM = false;
    Int64 FPiece_ID = 0;
    bool FSelection = false;
    int FCPSID = 0;
    TObservers<TCustomEprom&, int> FNouvellesSignatures;
};

// Holds a zone got from an EPROM and gives it back when the holder goes: the module's way
// of pairing GetPhysicalZone with ReleasePhysicalZone. A hold moves (to an editor window
// that keeps it, for example) and is given back exactly once, by its last owner.
class TZoneHolder {
public:
    TZoneHolder() = default;
    TZoneHolder(TCustomEprom* Eprom, TTypeZones TypeZone, int NumeroZone, bool ReadFromFile = true)
        : FEprom(Eprom),
          FZone(Eprom != nullptr ? Eprom->GetPhysicalZone(TypeZone, NumeroZone, ReadFromFile)
                                 : nullptr) {}
    ~TZoneHolder() { Release(); }
    TZoneHolder(TZoneHolder&& Other) noexcept
        : FEprom(std::exchange(Other.FEprom, nullptr)), FZone(std::exchange(Other.FZone, nullptr)) {
    }
    TZoneHolder& operator=(TZoneHolder&& Other) noexcept {
        if (this != &Other) {
            Release();
            FEprom = std::exchange(Other.FEprom, nullptr);
            FZone = std::exchange(Other.FZone, nullptr);
        }
        return *this;
    }
    // Takes over a zone already borrowed from Eprom (a companion from GetZoneMini, for
    // example): the holder gives it back.
    static TZoneHolder Adopt(TCustomEprom* Eprom, TCustomZoneCPS* Borrowed) {
        TZoneHolder hold;
        if (Borrowed != nullptr && Eprom != nullptr) {
            hold.FEprom = Eprom;
            hold.FZone = Borrowed;
        }
        return hold;
    }
    TZoneHolder(const TZoneHolder&) = delete;
    TZoneHolder& operator=(const TZoneHolder&) = delete;

    TCustomZoneCPS* Get() const { return FZone; }
    TCustomZoneCPS* operator->() const { return FZone; }
    explicit operator bool() const { return FZone != nullptr; }
    // The zone as one of its classes, or nullptr.
    template <class TZone> TZone* As() const { return dynamic_cast<TZone*>(FZone); }
    // Gives the zone back now.
    void Release() {
        if (FZone != nullptr)
            FEprom->ReleasePhysicalZone(FZone);
        FZone = nullptr;
    }

private:
    TCustomEprom* FEprom = nullptr;
    TCustomZoneCPS* FZone = nullptr;
};

} // namespace g20seq
