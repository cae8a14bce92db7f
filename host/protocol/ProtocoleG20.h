// The protocol model of a G20 station, as the host hands it to each EPROM.
//
// For every zone type the controller knows it answers the zone protocol information:
// bytes sent and received on the serial link, whether zones of the type are stored in
// zone files, whether the type is numbered and how many zones the controller holds of
// it, and the controller base address of the type (zone n of a numbered type sits at
// base + n * receive size; the types are laid out one after the other without overlap).
// It counts the EPROMs that use it. Other zone types have no protocol information.
// A medium-frequency controller answers longer measures and signatures: the protocol of
// one variant hands a station of the other variant to its sibling (PourStation).
#pragma once

#include "protocol/TableG20.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/interface/ProtocolInterface.h>
#include <g20seq/support/Object.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace g20seq::host {

// The zone protocol information of one zone type.
class TZoneProtocoleG20 final : public IZoneProtocole {
public:
    explicit TZoneProtocoleG20(const TZoneProtocoleRow& Row) : FRow(Row) {}

    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    Word GetTailleSendZone() override { return FRow.Send; }
    Word GetTailleReceiveZone() override { return FRow.Receive; }
    LongWord GetAdresse() override { return FRow.Adresse; }
    bool IsFileZone() override { return FRow.InFile; }
    bool IsZoneMultiple() override { return FRow.Zones > 0; }
    int GetNombreZones() override { return FRow.Zones > 0 ? FRow.Zones : 1; }

private:
    TZoneProtocoleRow FRow;
};

class TProtocoleG20 final : public TInterfacedPersistent,
                            public IProtocoleModel,
                            public IProtocoleNom {
public:
    static constexpr const char* DefaultNom = "H35";

    explicit TProtocoleG20(TVariante Variante = TVariante::AC);
    TProtocoleG20(const TProtocoleG20&) = delete;
    TProtocoleG20& operator=(const TProtocoleG20&) = delete;

    std::string ClassName() const override { return "TProtocoleG20"; }
    // Answers IProtocoleModel and IProtocoleNom.
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // IProtocoleModel
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override;
    void IncNombreEproms() override;
    bool DecNombreEproms() override;
    // The reference host has no controller automaton yet: answers nullptr.
    TInterfacedPersistent* CreateAutomate(TObject* AOwner) override;

    // IProtocoleNom
    std::string GetNom() override;
    void SetNom(const std::string& Nom) override;

    int GetNombreEproms() const;
    TVariante Variante() const { return FVariante; }
    // The protocol of the station Nom's variant: this one, or its sibling of the other
    // variant (made on first use, owned by this one). A name of no known variant: this one.
    TProtocoleG20& PourStation(const std::string& Nom);

private:
    TVariante FVariante;
    std::unique_ptr<TProtocoleG20> FAutre;
    mutable std::mutex FMutex;
    std::map<TTypeZones, TZoneProtocoleG20> FZones;
    int FNombreEproms = 0;
    std::string FNom = DefaultNom;
};

} // namespace g20seq::host
