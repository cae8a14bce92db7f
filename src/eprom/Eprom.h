// The EPROM core: zone references, zone lifetime and look-up, logical zones, callbacks.
//
// An EPROM holds one zone reference per zone the controller has (zone type and number).
// The zone object itself is created on first access, counted per holder and freed when
// the last holder gives it back, unless its zone type is kept in memory.
//
// The image lives in two zone files: the working file, from which zones are read on their
// first access and into which editors save them, and the reference file, the copy last
// known to be good. The host creates the streams and hands them over: the EPROM owns them
// from then on.
//
// Two locks guard the references: the access lock (getting and releasing zones) and the
// look-up lock (reference search and its cache). The look-up lock is only ever taken
// inside the access lock, never the reverse.
#pragma once

#include "eprom/KEVCustomFileStream.h"
#include "eprom/SignaturesEprom.h"
#include "eprom/ZoneCreator.h"
#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"
#include "support/Lock.h"
#include "support/SetOfTypesZones.h"
#include "support/StringList.h"
#include "zones/ZoneCalcul.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace g20seq {

class IProtocoleModel;
class IZoneProtocole;
class TKEVLogicalZone;
class IMemIniFile;
class TRequetesFichiersKEV;

// One zone the controller has: its identity, the zone object while somebody holds it, and
// the number of holders.
class TZoneReference : public TPersistent {
public:
    TZoneReference(TTypeZones aTypeZone, int aNumeroZone, IZoneProtocole* aZoneProtocole,
                   std::unique_ptr<TCustomZoneCPS> aZone = nullptr);
    ~TZoneReference() override;

    std::string ClassName() const override { return "TZoneReference"; }

    TTypeZones GetTypeZone() const { return FTypeZone; }
    int GetNumeroZone() const { return FNumeroZone; }
    int GetReferenceCount() const { return FReferenceCount; }
    TCustomZoneCPS* GetZone() const { return FZone.get(); }
    bool GetDansFichier() const { return FDansFichier; }
    bool GetReady() const { return FReady; }
    void SetReady(bool Value) { FReady = Value; }
    // "PrcProgrammes=3".
    std::string Key() const;

    // Stores the zone (replacing one already there, which is logged) and counts one
    // holder when it is not empty.
    void SetZone(std::unique_ptr<TCustomZoneCPS> aZone);
    void AddReference();
    // One holder less; answers whether none is left.
    bool ReleaseReference();
    // Frees the zone when no holder is left.
    void ReleaseZone();

private:
    std::string CountText(bool WithEprom) const;

    TTypeZones FTypeZone;
    int FNumeroZone;
    int FReferenceCount = 0;
    std::unique_ptr<TCustomZoneCPS> FZone;
    bool FDansFichier;
    bool FReady = false;
};

// Offered by the data zone of a diagnostic station: the electrodes and programs the
// station holds, which the station's EPROM must not let the user change.
class IStationDiagnosticData {
public:
    virtual bool IsElectrodeLocked(int Numero) = 0;
    virtual bool IsProgrammeLocked(int Numero) = 0;

protected:
    ~IStationDiagnosticData() = default;
};

// Kinds of auxiliary parameter files the host imports and exports.
enum TListFilesKEV : std::uint8_t {
    FilesKEV_Motor,
    FilesKEV_Transformer,
    FilesKEV_Geometry,
    FilesKEV_ServoGun,
    FilesKEV_PneumaticGun,
    FilesKEV_AWLearning,
    FilesKEV_AWALearning,
    FilesKEV_WS
};

class G20SEQ_EXPORT TEprom : public TCustomEprom {
protected:
    // Only TEprom::Create makes the key, so that every EPROM runs the creation steps that
    // need the generation's hooks once the object is complete.
    class TCreateKey {
        friend class TEprom;
        TCreateKey() = default;
    };

public:
    // Makes an EPROM of class TEpromClass (TEprom or a generation), whose constructor takes
    // (TCreateKey, NomEprom, aProtocole, Args...). aProtocole is the host's protocol model
    // (an object offering IProtocoleModel) or null; the EPROM keeps it for its lifetime.
    template <class TEpromClass = TEprom, class... Args>
    static std::unique_ptr<TEpromClass> Create(const std::string& NomEprom,
                                               TInterfacedPersistent* aProtocole, Args&&... args) {
        auto eprom = std::make_unique<TEpromClass>(TCreateKey{}, NomEprom, aProtocole,
                                                   std::forward<Args>(args)...);
        eprom->CreateZoneTypes();
        return eprom;
    }

    TEprom(TCreateKey, const std::string& NomEprom, TInterfacedPersistent* aProtocole);
    ~TEprom() override;
    TEprom(const TEprom&) = delete;
    TEprom& operator=(const TEprom&) = delete;

    std::string ClassName() const override { return "TEprom"; }
    // Also answers the EPROM's journal of missing zones for TZonesAbsentes::IID.
    THResult QueryInterface(const TGUID& IID, void** Obj) override;

    // Name of the protocol model ("H35"...), "" when the model does not tell it.
    std::string GetNomProtocole() const;

    int GetNbDefautsNonBloquants() override;
    int GetNbDefautsBloquants() override;
    std::string GetIdentifiantCPS() override;
    std::string GetDescriptionCPS() override;
    TKevCustomFileStream* GetFichier() override { return FFichierCPS.get(); }
    TKevCustomFileStream* GetFichierReference() override { return FFichierRefCPS.get(); }
    int GetAbscisse() override { return FAbscisse; }
    int GetOrdonee() override { return FOrdonees; }
    bool GetVisible() override { return FVisible; }
    void SetAbscisse(int Value) override { FAbscisse = Value; }
    void SetOrdonee(int Value) override { FOrdonees = Value; }
    void SetVisible(bool Value) override { FVisible = Value; }
    TSetOfTypesZones GetExecZoneTypes() override { return FSetOfExecZoneTypes; }
    std::unique_ptr<TCustomZoneCPS> GetZoneCompteurFraise(int& NumeroElectrode) override;
    void NextProgressStep(int Step, int Overall) override;
    bool PartialCopyRef() override;
    bool GetAvecGestionPieceParCPS() override;
    int GetMaxSelectedCurves() override;
    TTypeWeldingSupports GetTypeWeldingSupport() override;
    bool GetModeDegrade() override { return FModeDegrade; }
    bool GetModeDegradeEprom() override;
    void SetModeDegrade(bool Value) override { FModeDegrade = Value; }
    TEtatCOM_CPS GetEtatCOMCPS() override { return FEtatCOMCPS; }
    void SetEtatCOMCPS(TEtatCOM_CPS Value) override { FEtatCOMCPS = Value; }
    void GetTypeLogicalZones(TStringList* ZoneList) override;
    bool SaveToNewFile(TKevCustomFileStream* Fichier) override;
    bool SaveToNewRefFile(TKevCustomFileStream* Fichier) override;
    bool SaveToRefFile(TKevCustomFileStream* Fichier) override;
    bool ReadFromFile(TKevCustomFileStream* Fichier) override;
    bool ReadFromRefFile(TKevCustomFileStream* Fichier) override;
    bool FreeRefFile() override;
    void CloseFile() override;
    bool ConversionASCII(TExportTypes Sections, const std::string& Filename, TStringList* ProgList,
                         TStringList* ElecList) override;
    bool EqualsZones(TCustomEprom* Source, TStringList* ListeDifferences) override;
    bool EqualsFichier(TStringList* ListeDifferences, const std::string& FileName) override;
    bool SaveZoneToFile(TCustomZoneCPS* aZone) override;
    bool ReadZoneFromFile(TCustomZoneCPS* aZone) override;
    TCustomZoneCPS* GetPhysicalZone(TTypeZones TypeZone, int NumeroZone,
                                    bool ReadFromFile) override;
    void ReleasePhysicalZone(TCustomZoneCPS*& aZone) override;
    void GetMultiplePhysicalZone(TStringList* aList) override;
    void ReleaseMultiplePhysicalZone(TStringList* aList) override;
    std::unique_ptr<TCustomZoneCPS> GetZoneRef(TCustomZoneCPS* aOriginalZone) override;
    bool SaveZoneRef(TCustomZoneCPS* aZone) override;
    bool SaisieZone(void* aOwner, TTypeZones TypeZone, int NumeroZone,
                    void* FormReference) override;
    std::unique_ptr<TInterfacedPersistent> CreateAutomate(TObject* AOwner) override;
    // The last signature of a program, owned by the EPROM: valid until a newer signature of
    // that program replaces it. Another thread than the one handing signatures in holds
    // Signatures().Verrou() while it uses it, or takes Signatures().Copie(NumProg).
    TCustomZoneCPS* GetSignature(int NumProg) override;
    void SetSignature(std::unique_ptr<TCustomZoneCPS> Signature) override;
    // The real-time list itself: walked under Signatures().Verrou(), or copied.
    const TZoneList& GetSignatureTempsReel() override { return FSignatures.TempsReel(); }
    void GetZonesTransfert(TZoneQueue* aQueue, bool bSens) override;
    void GetZonesCompteurs(TZoneQueue* AQueue) override;
    void AnalyseSignature(TCustomZoneCPS* Signature) override;
    void SetIsAutorised(TIsAutorised FuncIsAutorised) override;
    bool IsAutorised(TTypeZones TypeZone) override;
    void SetChargerZoneCPS(TChargerZoneCPS FuncChargerZoneCPS) override;
    void SetChargerMultipleZoneCPS(TChargerMultipleZoneCPS FuncChargerMultipleZoneCPS) override;
    void SetNextProgressStep(TNextProgressStep FuncNextStep) override;
    void ChargeZoneCPS(TCustomZoneCPS* AncienneZoneCPS, TCustomZoneCPS* NouvelleZoneCPS) override;
    bool ChargeMultipleZoneCPS(TZoneQueue* aListeZone) override;
    void ReinitCU(TReinitCUs Typereinit, int NumElectrode, int CompteurPoints, int CompteurRodages,
                  TStringList* ListeZones) override;
    bool GetValide() override { return FIsValide; }
    TImageEtat GetEtat() override { return FEtat; }
    bool GetIsAuditActif() override { return FIsAuditActif; }
    bool GetIsSavePointsActif() override { return FIsSavePointsActif; }
    TCustomEpromDescription* GetDescription() override { return FDescription.get(); }
    void SetValide(bool Value) override;
    void SetEtat(TImageEtat Value) override { FEtat = Value; }
    void SetIsAuditActif(bool Value) override { FIsAuditActif = Value; }
    void SetIsSavePointsActif(bool Value) override { FIsSavePointsActif = Value; }
    TCustomZoneCPS* GetDataSD() override;
    TCustomEprom* GetLink() override { return FLink; }
    int GetFirstZone(TTypeZones& TypeZone, int& NumeroZone) override;
    bool IsLockZone(TTypeZones& TypeZone, int& NumeroZone) override;
    bool IsValidSD() override { return FLink != nullptr; }
    void SetLink(TCustomEprom* Value) override { FLink = Value; }
    void FieldsAssign(const std::vector<TInterfacedPersistent*>& aListFields,
                      TStringList* aListeZones, TStringList* aListeDest) override;
    TInterfacedPersistent* GetFieldByID(TTypeZones TypeZone, int NumeroZone,
                                        const std::string& FieldID) override;
    TInterfacedPersistent* GetLogicalZone(TTypeZones TypeZone, int NumeroZone) override;
    void GetZoneByMapping(int Adresse, int Longeur, TZoneList* Liste) override;
    std::string GetFichierTypeEprom(const std::string& FileName) override;
    IProtocoleModel* GetProtocole() override { return Protocole; }
    void GetDefautsPresents(TStringList* defauts) override;
    Word GetCausesDefauts(const std::string& NomDefaut, Word Origine) override;
    TCustomZoneCPS* GetZoneNomCPS() override;
    void LoadPhysicalZoneFromLogicalZone(TTypeZones LogicalZone, int NumeroZone,
                                         TStringList* ZoneList) override;
    bool CreateFileAppr(bool TransfertToCPS, int ApprTarget, TStringList* ListParamsAllSign,
                        TStringList* ListCurvesAllSign, TStringList* ListProgToTransfert,
                        TTypeWeldingSupport TypeWelding, const std::string& FileName,
                        const std::string& Comment) override;
    bool SaveCurveRef(int aNumAppr, Int64 aSignatureID, const TByteVector& aCurveRefI,
                      const TByteVector& aCurveRefU) override;
    bool SaveCurveRefEx(int aNumAppr, Int64 aSignatureID, const TByteVector& aCurveRefI,
                        const TByteVector& aCurveRefU, const TByteVector& aCurveRefConfig) override;
    TypesSignature TypeSignatureIntToEnum(int Code) override;
    int TypeSignatureEnumToInt(TypesSignature Value) override;

    // The zone types that get zone references, and those kept in memory.
    const TSetOfTypesZones& GetSetOfTypesZones() const { return FSetOfTypesZones; }
    const TSetOfTypesZones& GetSetOfVolatileTypesZones() const { return FSetOfVolatileTypesZones; }
    // The signatures received, with their lock and copies for readers on other threads.
    TSignaturesEprom& Signatures() { return FSignatures; }

protected:
    // --- Internal operations, in slot order after the host's. ---
    // Writes one zone into a zone file / reads one zone from a zone file.
    virtual bool SaveZoneCPSToCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile);
    virtual bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile);
    // Finds the reference of (TypeZone, NumeroZone), creates its zone object when it has
    // none and counts one holder; nullptr (logged) for a zone without reference.
    virtual TZoneReference* CreatePhysicalZone(TTypeZones TypeZone, int NumeroZone,
                                               bool WithLogicalZone);
    virtual TZoneReference* FindZoneReference(TTypeZones TypeZone, int NumeroZone);
    // Program number of a signature, -1 without one.
    virtual int GetNumProg(TCustomZoneCPS* Signature);
    // Appends the references of every in-file zone, in registration order.
    virtual void GetListZoneReference(std::vector<TZoneReference*>& aList);
    // Creates the logical zones of a zone type from its protocol information.
    virtual void CreateLogicalZones(TTypeZones TypeZone, IZoneProtocole* aZoneProtocole);
    // Adds the tab sheets of a new logical zone.
    virtual void AddTabSheets(TKEVLogicalZone* aLogicalZone);
    // Generation hook: makes the zone object of a reference (asking the zone creators from
    // the last registered to the first) and sets its transfer flags; nullptr when no
    // creator makes the type.
    virtual std::unique_ptr<TCustomZoneCPS> CreateZoneCPS(TZoneReference* aReference);
    // Generation hook: a signature of program NumProg was stored; tells the EPROM's
    // new-signature observers (after the signature store's lock is released).
    virtual void NouvelleSignature(int NumProg);
    // Fills the zone type sets and creates the logical zones.
    virtual void InitTypeZones();
    virtual void InitExecZoneTypes();
    // Reads the history of reference curves when its block is missing from a zone file.
    virtual void ReadCourbeRefHistorique(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile);
    // Creates the references of a zone type that the protocol model describes.
    virtual void RegisterTypeZone(TTypeZones TypeZone, IZoneProtocole* aZoneProtocole);

    // Per-kind operations of the auxiliary parameter files, reached through the requests
    // below when the controller variant supports the kind. This generation has none of
    // them: each logs "Methode abstract" and answers false (0).
    friend class TRequetesFichiersKEV;
    virtual bool ExportFilesKEV_Motor(int NumMainZone, const std::string& FileName,
                                      std::string& msg);
    virtual bool ImportFilesKEV_Motor(int MainZone, TStringList* ListZones,
                                      const std::string& FileName, std::string& msg);
    virtual int TestImportFilesKEV_Motor(int NumZone, const std::string& FileName,
                                         std::string& msg);
    virtual bool ExportFilesKEV_Transformer(int NumMainZone, const std::string& FileName,
                                            std::string& msg);
    virtual bool ImportFilesKEV_Transformer(int MainZone, TStringList* ListZones,
                                            const std::string& FileName, std::string& msg);
    virtual int TestImportFilesKEV_Transformer(int NumZone, const std::string& FileName,
                                               std::string& msg);
    virtual bool ExportFilesKEV_Geometry(int NumMainZone, const std::string& FileName,
                                         std::string& msg);
    virtual bool ImportFilesKEV_Geometry(int MainZone, TStringList* ListZones,
                                         const std::string& FileName, std::string& msg);
    virtual int TestImportFilesKEV_Geometry(int NumZone, const std::string& FileName,
                                            std::string& msg);
    virtual bool ExportFilesKEV_ServoGun(int NumMainZone, const std::string& FileName,
                                         std::string& msg);
    virtual bool ImportFilesKEV_ServoGun(int MainZone, TStringList* ListZones,
                                         const std::string& FileName, std::string& msg);
    virtual int TestImportFilesKEV_ServoGun(int NumZone, const std::string& FileName,
                                            std::string& msg);
    virtual int TestImportFilesKEV_Appr(int NumZone, const std::string& FileName,
                                        TListFilesKEV TypeFilesKEV, std::string& msg);
    virtual int TestImportMemKEV_WS(int NumZone, const IMemIniFile* Mem, std::string& msg);

public:
    // Import and export requests on auxiliary parameter files (TRequetesFichiersKEV); the
    // host's in-memory INI file is read, never kept nor freed. The learning, weld support
    // and porting operations after them are not available for this generation: each
    // logs "Methode abstract" and answers false.
    virtual bool ExportFilesKEV(int NumMainZone, const std::string& FileName,
                                TListFilesKEV TypeFilesKEV, std::string& msg);
    virtual bool ImportFilesKEV(int MainZone, TStringList* ListZones, const std::string& FileName,
                                TListFilesKEV TypeFilesKEV, std::string& msg);
    virtual bool ImportMemKEV(int MainZone, TStringList* ListZones, const IMemIniFile* Mem,
                              TListFilesKEV TypeFilesKEV, std::string& msg);
    virtual int TestImportFilesKEV(int NumZone, const std::string& FileName,
                                   TListFilesKEV TypeFilesKEV, std::string& msg);
    virtual int TestImportMemKEV(int NumZone, const IMemIniFile* Mem, TListFilesKEV TypeFilesKEV,
                                 std::string& msg);
    virtual bool PortingFilesKEV_AWL(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                     const std::string& FileName, std::string& msg);
    virtual bool PortingFilesKEV_AWAL(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                      const std::string& FileName, std::string& msg);
    virtual bool PortingFilesKEV_INI(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                     const std::string& FileName, std::string& msg);
    virtual bool ImportFilesKEV_AWL(int MainZone, TStringList* ListZones,
                                    const std::string& FileName, std::string& msg);
    virtual bool ImportFilesKEV_AWAL(int MainZone, TStringList* ListZones,
                                     const std::string& FileName, std::string& msg);
    virtual bool ImportMemKEV_WS(int MainZone, TStringList* ListZones, const IMemIniFile* Mem,
                                 std::string& msg);
    virtual bool ExportFilesKEV_AWL(int NumAppr, const std::string& FileName, std::string& msg);
    virtual bool ExportFilesKEV_AWAL(int NumAppr, const std::string& FileName, std::string& msg);
    virtual bool ExportFilesKEV_WS(int NumProg, const std::string& FileName, std::string& msg);
    virtual bool PortingEpromFilesKEV_AWL(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                          const std::string& FileName, std::string& msg);
    virtual bool PortingEpromFilesKEV_AWAL(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                           const std::string& FileName, std::string& msg);
    virtual bool PortingEpromFilesKEV_INI(int NumGun, int ApprZone, int CurveZone, int MesZone,
                                          const std::string& FileName, std::string& msg);

protected:
    // Adds a zone creator; creators are asked from the last registered to the first.
    void RegisterZoneCreator(std::unique_ptr<TZoneCreator> aCreator);
    // Adds a physical zone type to the line of a logical zone type.
    void AddPhysicalZoneType(TTypeZones LogicalZone, TTypeZones PhysicalZone);
    // Protocol information of a zone type, or nullptr.
    IZoneProtocole* ZoneProtocole(TTypeZones TypeZone) const;
    // Zone number bounds from the description (-1 without description).
    int MinZone(TTypeZones TypeZone) const;
    int MaxZone(TTypeZones TypeZone) const;

    std::map<int, std::map<int, TZoneReference*>> pDictionaryTypeZone;
    // One inner list per registered zone type; null for an EPROM without name.
    std::unique_ptr<std::vector<std::vector<std::unique_ptr<TZoneReference>>>> FListeZones;
    // The reference file and the working file; the host hands the streams over.
    std::unique_ptr<TKevCustomFileStream> FFichierRefCPS;
    std::unique_ptr<TKevCustomFileStream> FFichierCPS;
    // Class of the process links that zone files of earlier versions hold (zone type
    // PrcLienProcess): the generation sets it so that such a file is converted on reading.
    TZoneClass FLienProcessClass = nullptr;
    TIsAutorised FIsAutorised;
    TNextProgressStep FFuncNextStep;
    TChargerZoneCPS FChargerZoneCPS;
    TChargerMultipleZoneCPS FChargerMultipleZoneCPS;
    bool FIsValide = false;
    TImageEtat FEtat = Etat_Invalide;
    bool FIsAuditActif = false;
    bool FIsSavePointsActif = true;
    int FAbscisse = 0;
    int FOrdonees = 0;
    bool FVisible = false;
    TCriticalSection FLastIndexLock;
    int FLastIndexZone = 0;
    TCriticalSection FZoneAcessLock;
    // Reads of a zone that failed on the file itself (an I/O error, a block cut short or
    // malformed): a save of the whole image taken meanwhile holds default values for them.
    std::atomic<int> FLecturesEnErreur{0};
    bool FModeDegrade = false;
    TEtatCOM_CPS FEtatCOMCPS = eCOM_NOK;
    TInterfacedPersistent* FProtocoleObject;
    IProtocoleModel* Protocole = nullptr;
    std::unique_ptr<TStringList> ListeTypeLogicalZones;
    // The logical zones (the tab sheets that show a zone's fields) are made on first use:
    // an idle station holds none. The number of zones of each type that has them, and
    // those made so far, under their lock. A station without a name has none.
    bool FAvecLogicalZones = false;
    std::map<TTypeZones, int> FNombreLogicalZones;
    std::map<std::pair<TTypeZones, int>, std::unique_ptr<TKEVLogicalZone>> FLogicalZones;
    std::mutex FLogicalZonesLock;
    TCustomEprom* FLink = nullptr;
    // The last signature of each program and the real-time list.
    TSignaturesEprom FSignatures;
    std::unique_ptr<TCustomEpromDescription> FDescription;
    TSetOfTypesZones FSetOfTypesZones;
    TSetOfTypesZones FSetOfVolatileTypesZones;
    TSetOfTypesZones FSetOfExecZoneTypes;
    std::vector<std::unique_ptr<TZoneCreator>> FZoneCreators;

private:
    // The zones this EPROM's computed values found missing.
    TZonesAbsentes FZonesAbsentes;

    // Creation steps that need the generation's hooks: zone type sets, references of every
    // zone type the protocol model describes, executable zone types.
    void CreateZoneTypes();
    // Fills aList with the in-file zones under their labels (each counted as one holder).
    void GetInFileZones(TStringList& aList);
    // Logs a callback the host did not install.
    void LogMissingCallback(const std::string& Source) const;
    // Makes Fichier the stream of Slot (the stream held before is freed). The stream of
    // the other slot is refused, so that no stream has two owners: answers false then.
    bool TakeFile(std::unique_ptr<TKevCustomFileStream>& Slot, TKevCustomFileStream* Fichier,
                  const char* Source);
    // Copies a zone just saved to the working file into the zone object its reference
    // holds, so that every holder sees the saved values.
    void UpdateHeldZone(const TCustomZoneCPS* aZone);
    // The zone whose block is missing from a zone file: process links are converted from
    // the older layout, the history of reference curves goes to its hook.
    void ReadMissingBloc(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile);
    // Fills a process link (zone type PrcLienProcessAvance) from the block of the older
    // layout of the same number and appends its own block to the file.
    void ConversionLiensProcess(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile);
    // Encodes a zone for files and appends its block; false when nothing was encoded or
    // the file refused the block (logged under Source).
    bool AppendZone(const TCustomZoneCPS* aZone, TKevCustomFileStream& aFile, const char* Source);
};

} // namespace g20seq
