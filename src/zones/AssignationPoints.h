// The point assignment zone: one entry of the table that maps a weld point number sent by
// the line to the program that welds it.
//
// One zone per entry (zone type PrcAssignationPoint, numbers from the description's
// minimum to its maximum). The point number is kept as the controller stores it; the
// configuration's "IDModeAssignationPoint" (configuration zone 0) decides how it is shown:
// 0 as stored, 1 as family.part.point ("AB.012.000256" for the stored "000256012AB").
#pragma once

#include "model/FieldHandle.h"
#include "model/ZoneCPS.h"
#include "support/G20SeqExport.h"

#include <string>

namespace g20seq {

// Handles of the entry's fields (their identifiers are also their translation keys in the
// section "IDAssignationPoints", which is also the key of the tab sheet that shows them).
namespace IDAssignationPoints {
inline constexpr const char* Section = "IDAssignationPoints";
inline constexpr TFieldFamily Family = TFieldFamily::AssignationPoints;
inline constexpr TFieldHandle IDPointValide{Family, 0, "IDPointValide"};
inline constexpr TFieldHandle IDNumPoint{Family, 1, "IDNumPoint"};
inline constexpr TFieldHandle IDProgAssocie{Family, 2, "IDProgAssocie"};
inline constexpr TFieldHandle Handles[] = {IDPointValide, IDNumPoint, IDProgAssocie};
static_assert(HandlesInSlotOrder(Handles));
} // namespace IDAssignationPoints

// Point number display modes of the configuration field "IDModeAssignationPoint".
inline constexpr int ModeSansAssignation = 0; // shown as stored
inline constexpr int ModeFormatPSA = 1;       // shown as family.part.point

// Conversions of the point number in the family.part.point mode. Positions past the end
// of a short text give empty pieces, so no text makes them fail; an empty text stays empty.
// Stored "000256012AB" -> displayed "AB.012.000256".
std::string NumPointAffiche(const std::string& Stocke);
// Displayed "AB.012.000256" -> stored "000256012AB" (right-trimmed first, at most 11
// characters). The dots are not checked: the editor's input mask gives the text its shape.
std::string NumPointStocke(const std::string& Affiche);

class G20SEQ_EXPORT TAssignationPoints : public TZoneCPS {
public:
    static constexpr int TaillePayload = 22;
    // First byte of the point number of an invalid entry.
    static constexpr Byte OctetInvalide = 0xFF;

    // Builds the three fields (program range from the owner EPROM's description); an error
    // is logged and swallowed (the zone keeps the fields built so far).
    TAssignationPoints(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The 22-byte entry into a duplicate, assigned only when the payload is exactly one
    // valid entry (program within the description's range); SerErrDonnees otherwise.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Writes the 22 bytes from Trame[LngTrame] on and answers the index after them. A
    // failure is logged and the index reached is answered.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // The zone file block is the payload.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Opens the point assignment editor through the opener of the zone's type (false
    // without one).
    bool SaisieZoneCPS(void* aOwner, void* FormReference) override;
    // Captions of the three fields (section "IDAssignationPoints"), then the base's.
    std::string NomChamp(const std::string& IDChamp) const override;

    // --- Properties; a missing field reads as false, empty or -1 and is not written. ---
    bool GetPointValide() const;
    void SetPointValide(bool Value);
    // The point number as stored; empty for an invalid entry. Written as it is given.
    std::string GetNumPointCPS() const;
    void SetNumPointCPS(const std::string& Value);
    // The point number as shown (through the display mode); empty for an invalid entry.
    // Written through the input conversion of the display mode.
    std::string GetNumPoint() const;
    void SetNumPoint(const std::string& Value);
    int GetNumProg() const;
    void SetNumProg(int Value);
    // Size of the point number field (20 characters).
    int GetTailleNumPoint() const;

    // The display mode: "IDModeAssignationPoint" of configuration zone 0 of the owner
    // EPROM, read each time; ModeSansAssignation without EPROM, zone or field.
    int ModeAssignation() const;

    // Comparisons format point numbers under the zone locks, where the configuration zone
    // must not be opened (the EPROM's access lock is never taken inside a zone lock): the
    // display modes of both EPROMs are read first and used for the whole comparison.
    bool Equals(const TPersistent* Other) const override;
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;

private:
    void CreateFields();
    // Raises "String too long [%d/%d]" for a point number longer than the field.
    void VerifierTaille(const std::string& Value) const;
    // Writes the 20 point number bytes from Trame[Start] on.
    void EncodeNumPoint(TByteArray& Trame, int Start) const;
    // Reads the 20 point number bytes from Trame index 0 into this zone.
    void DecodeNumPoint(const TByteArray& Trame);
};

} // namespace g20seq
