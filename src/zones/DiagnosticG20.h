// The diagnostic zone of the G20 controller.
//
// The catalogue has 160 objects, and 16 more on a controller with discrete I/O (176).
// The payload has one bit per object in catalogue order: object i (from 0) reads bit
// (i mod 8) of byte (i div 8), bit 0 being the least significant; 20 bytes, 22 with
// discrete I/O. Placeholder objects ("DMY", never managed) keep bit positions free.
//
// Entries 43 and 44 of the catalogue are the fieldbus inputs RE10 and RE11: they sit
// between RE09 and RE12 among the fieldbus inputs and follow their numbering.
#pragma once

#include "zones/Diagnostic.h"

#include <cstdint>
#include <span>

namespace g20seq {

// When the controller manages a diagnostic object, from the current type (AC, MF) and
// the I/O type (TOR: discrete I/O; DN: DeviceNet; IB: INTERBUS-S copper or fibre optic;
// FO: INTERBUS fibre optic) of the EPROM description.
enum class TGereDiagnostic : std::uint8_t {
    Toujours,
    Jamais,
    AC,
    MF,
    TOR,
    DN,
    IB,
    FO,
    PasIB,      // not IB
    PasTOR,     // not TOR
    FOouTOR,    // FO or TOR
    PasFOouTOR, // neither FO nor TOR
};

// One object of the catalogue: its code (identifier and name), kind, managed condition,
// French description and description key (nullptr: "DESCR_" followed by the code).
struct TDefObjetDiagnostic {
    const char* Code;
    TTypeObjetDiagnostic Type;
    TGereDiagnostic Gere;
    const char* Description;
    const char* CleDescription = nullptr;
};

class TDiagnosticG20 : public TDiagnostic {
public:
    static constexpr int NbObjets = 160;
    static constexpr int NbObjetsTOR = 176;
    static constexpr int TaillePayload = NbObjets / 8;
    static constexpr int TaillePayloadTOR = NbObjetsTOR / 8;

    // Translation key of the objects' names.
    static constexpr const char* IDNomDiagnostic = "IDDiagnosticG20";

    // Builds the catalogue for the controller variant of the owner EPROM (AC with discrete
    // I/O without an owner description) and sets the send and receive sizes to one bit
    // per object.
    TDiagnosticG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                   TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    // The state of every object from its bit, into a duplicate; the payload must cover
    // the catalogue exactly (SerErrDonnees otherwise, the zone unchanged).
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;

    // Managed flag of the first object with that identifier; false (read) or nothing
    // (write) when there is none.
    bool GetEnableByID(const std::string& ID) const;
    void SetEnableByID(const std::string& ID, bool Value);

    // The whole catalogue in order: the 160 objects of every controller, then the 16 of
    // the controllers with discrete I/O.
    static std::span<const TDefObjetDiagnostic> Catalogue();
    // Description key of an object of the catalogue.
    static std::string CleDescription(const TDefObjetDiagnostic& Def);

private:
    int Lire(const TByteArray& Trame);
};

} // namespace g20seq
