// The present-faults zone: the set of fault numbers currently active on the controller,
// refreshed from a bit map the controller sends and from the weld results the host hands
// to the EPROM. It is never written to the controller nor stored in zone files.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/StringList.h"

#include <string>

namespace g20seq {

// Present faults of a G20 controller: the fault numbers written with at least two digits
// ("08", "12", "100"), sorted in byte order, each once. Every operation holds the zone's
// lock: the host's communication threads add and remove faults while editors read them.
//
// A present fault is blocking when the fault definition of the same number in
// configuration zone 0 has a blocking fault type; a fault without a definition, or every
// fault when the configuration is missing, counts as non-blocking.
class TDefautsPresentsG20 : public TReadOnlyZone<TZoneCPS>, public IDefautsPresents {
public:
    TDefautsPresentsG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                        TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Copies the zone, then the list of a present-faults zone of the same EPROM.
    void Assign(const TPersistent* Source) override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // Same zone identity and same present faults (no difference line).
    bool Equals(const TPersistent* Other) const override;
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;
    // A bit map of any length: bit j of byte b stands for fault 8 x b + j; a set bit adds
    // the fault, a clear bit removes it. Faults beyond the bit map stay as they are.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // Name of fault number Numero: Format("%.2d").
    static std::string NomDefaut(int Numero);

    // IDefautsPresents.
    int GetNbDefautsPresents() const override;
    std::string GetDefautPresent(int Index) const override;
    bool GetDefautIsPresent(const std::string& NomDefaut) const override;
    // Adds the fault when it is absent.
    void Ajouter(const std::string& NomDefaut) override;
    // Removes the fault when it is present.
    void Supprimer(const std::string& NomDefaut) override;
    void Vider() override;
    void GetDefautsPresents(TStringList* Defauts) const override;
    int GetNbDefautsBloquants() const override;
    int GetNbDefautsNonBloquants() const override;

private:
    // Counts the blocking faults present (Bloquant true) or the others.
    int CompterDefauts(bool Bloquant, const char* Source) const;
    int LireTrame(const TByteArray& Trame, int LngTrame, int& Offset);

    TStringList FTabDefautsPresents;
};

} // namespace g20seq
