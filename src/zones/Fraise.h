// The tip-dressing cutter zone: the life settings of one of the controller's cutters
// ("fraise rodeuse"), numbered by the cutter number. Each electrode names the cutter it
// uses; the counters zone compares the cutter's use counter with these settings.
#pragma once

#include "model/FieldHandle.h"
#include "model/PayloadLayout.h"
#include "zones/ZoneFamilleCPS.h"

#include <string>

namespace g20seq {

// Handles of the cutter zone's fields (their identifiers are also their translation keys
// in the section "IDFraise").
namespace IDFraise {
inline constexpr TFieldFamily Family = TFieldFamily::Fraise;
inline constexpr TFieldHandle IDFinDeVieFraiseRodeuse{Family, 0, "IDFinDeVieFraiseRodeuse"};
inline constexpr TFieldHandle IDAlarmeFraiseRodeuse{Family, 1, "IDAlarmeFraiseRodeuse"};
inline constexpr TFieldHandle Handles[] = {IDFinDeVieFraiseRodeuse, IDAlarmeFraiseRodeuse};
static_assert(HandlesInSlotOrder(Handles));
} // namespace IDFraise

// Cutter zone: end of life and alarm margin of the cutter, on the tab sheet "IDTabCU".
// The companions PrcFraiseMini, PrcFraiseMaxi and PrcFraiseRAZ are zones of the same
// class holding every field at its minimum, its maximum and its default.
class G20SEQ_EXPORT TFraise : public TZoneFamilleCPS {
public:
    static constexpr int TaillePayload = 5;

    // Builds the two fields; an error is logged ("Create", category "ZRT Handling") and
    // swallowed.
    TFraise(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
            TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // The 5-byte payload from Trame[0]; any other length or a value outside its field's
    // limits answers SerErrDonnees and leaves the zone unchanged.
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Writes the 5 bytes from Trame[LngTrame] on and answers LngTrame + 5.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // The zone-file form is the payload.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Captions of the two fields (section "IDFraise"); other identifiers go to the base.
    std::string NomChamp(const std::string& IDChamp) const override;

    int GetFinDeVieFraiseRodeuse() const;
    void SetFinDeVieFraiseRodeuse(int Value);
    int GetAlarmeFraiseRodeuse() const;
    void SetAlarmeFraiseRodeuse(int Value);

    static const TPayloadLayout& Layout();

private:
    void CreateFields();
};

} // namespace g20seq
