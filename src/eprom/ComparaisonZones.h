// Comparison of an EPROM's image with another EPROM or with its reference file, and the copy
// of selected field values into other zones for the host's copy functions (program or
// electrode parameters copied to other numbers).
#pragma once

#include "interface/CustomEprom.h"

#include <string>
#include <vector>

namespace g20seq {

class TKEVField;

// Offered by a phie zone, which holds its elements (each with its own fields) in one zone:
// the element of a number, or nullptr when the zone has none. Fields of a virtual phie zone
// (zone type PrcPhieVirtual, one per element) are copied into that element of phie zone 0.
// The G20 has no phie zones.
class IPhieElements {
public:
    virtual TCustomZoneCPS* GetPhieElement(int Numero) = 0;

protected:
    ~IPhieElements() = default;
};

// Works on the zones of one EPROM, got and given back through its host operations.
class TComparaisonZones {
public:
    explicit TComparaisonZones(TCustomEprom& Eprom) : FEprom(Eprom) {}

    // Compares every in-file zone of the EPROM field by field with the zone of the same type
    // and number in Source, or, without Source, with the zone's version in the reference
    // file; appends one line per difference to ListeDifferences (when given). A zone Source
    // lacks counts as a difference (logged). Answers true when nothing differs.
    bool EqualsZones(TCustomEprom* Source, TStringList* ListeDifferences);

    // Copies the fields of aListFields, in list order, into duplicates of their zones that
    // it collects in aListeZones under "<zone type>=<number>" (the caller owns them and sends
    // them). A line "<logical zone type>=<n>" of aListeDest sends the fields shown on that
    // logical zone's tab sheets to zone n, and a line "PrcElectrodes=<n>" makes a copied
    // IDNumeroElectrode point at electrode n. Nothing happens without aListeZones.
    void FieldsAssign(const std::vector<TInterfacedPersistent*>& aListFields,
                      TStringList* aListeZones, TStringList* aListeDest);

private:
    // Compares one zone with Source's zone of the same type and number (got and given
    // back), or without Source with its version in the reference file.
    bool EqualsZone(const TCustomZoneCPS& aZone, TCustomEprom* Source,
                    TStringList* ListeDifferences);
    // Copies one field; Source is a field of a zone of this EPROM.
    void FieldAssign(const TKEVField& Source, TStringList& aListeZones, TStringList* aListeDest);
    // The duplicate stored under Key, or a new duplicate of zone (TypeZone, Numero) stored
    // under Key; nullptr when the EPROM has no such zone.
    TCustomZoneCPS* Destination(TStringList& aListeZones, const std::string& Key,
                                TTypeZones TypeZone, int Numero);
    // The field FieldID of a destination: of the phie element Numero for a virtual source.
    TKEVField* DestinationField(TCustomZoneCPS& Destination, bool Virtuel, int Numero,
                                const std::string& FieldID);

    TCustomEprom& FEprom;
};

} // namespace g20seq
