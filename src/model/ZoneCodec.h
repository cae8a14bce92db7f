// Rules every zone codec follows.
//
// A decode never leaves a zone half written: the payload is read into a duplicate of the
// zone, and the duplicate is assigned to the zone only when it was read without error and
// the payload had exactly the length the reader consumed. A refused payload is logged
// with the offset of the item that failed and a dump of the whole payload.
//
// Zones the controller never sends back, zones never stored in zone files and zones the
// controller only sends answer their codec operations with the fixed results below; the
// mixins apply them to a zone class in one line.
#pragma once

#include "model/CustomZoneCPS.h"
#include "model/ErreurSerie.h"
#include "support/ByteArray.h"

#include <concepts>
#include <functional>

namespace g20seq {

// Reads a payload from Trame index 0 into Copy and answers the number of bytes consumed.
// Before reading each item it stores the item's index in Offset, so that a failure can be
// reported where it happened.
using TPayloadReader =
    std::function<int(TCustomZoneCPS& Copy, const TByteArray& Trame, int& Offset)>;

// Marks, for the decodes made on this thread while it lives, a zone just built and not yet
// handed to anyone: nothing else can see it half written, so its decodes read straight into
// it, and a refused payload gives it back the values it was built with.
class TFreshZoneDecode {
public:
    explicit TFreshZoneDecode(const TCustomZoneCPS& Zone);
    ~TFreshZoneDecode();
    TFreshZoneDecode(const TFreshZoneDecode&) = delete;
    TFreshZoneDecode& operator=(const TFreshZoneDecode&) = delete;

private:
    const TCustomZoneCPS* FPrevious;
};

// Reads into Zone through its decode copy (see TCustomZoneCPS::TakeDecodeCopy), or in
// place for a zone marked fresh: Read answers whether what it read is accepted, and only
// then does Zone take it (answered true). A refusal, or anything Read raises (passed on),
// leaves Zone as it was.
using TCopyReader = std::function<bool(TCustomZoneCPS& Copy)>;
bool ReadThroughCopy(TCustomZoneCPS& Zone, const TCopyReader& Read);

// Decodes Trame[0..LngTrame-1] into a duplicate of Zone with Reader. Consumed length equal
// to LngTrame: the duplicate is assigned to Zone, SerSansErreur. Otherwise, or when
// anything raises (a value outside its field's limits, a read outside the buffer):
// SerErrDonnees and Zone unchanged; an exception is logged (LogDecodeError).
TErreurSerie DecodeIntoCopy(TCustomZoneCPS& Zone, const TByteArray& Trame, int LngTrame,
                            const TPayloadReader& Reader);

// The same with a reader of the zone's own class: Reader(TZone& Copy, Trame, Offset).
template <class TZone, class TReader>
requires std::derived_from<TZone, TCustomZoneCPS> &&
    std::is_invocable_r_v<int, TReader&, TZone&, const TByteArray&, int&>
        TErreurSerie DecodeIntoCopy(TZone& Zone, const TByteArray& Trame, int LngTrame,
                                    TReader Reader) {
    return DecodeIntoCopy(
        static_cast<TCustomZoneCPS&>(Zone), Trame, LngTrame,
        TPayloadReader([&Reader](TCustomZoneCPS& Copy, const TByteArray& Data, int& Offset) {
            return Reader(dynamic_cast<TZone&>(Copy), Data, Offset);
        }));
}

// Log entry of a refused payload (source "SerialDecode", level 2, "ZRT Handling"):
// "Erreur decodage Offset <offset> (<byte at offset>/<next byte>)" and
// "LngTrame <length> Trame" followed by every payload byte as " %2.2X".
void LogDecodeError(const TObject* Sender, const TByteArray& Trame, int LngTrame, int Offset);

// SerialDecode of a zone the controller never sends back: logs the length and answers
// SerErrDonnees.
TErreurSerie DecodeNeverSentBack(const TObject* Sender, int LngTrame);

// Codec results of zones that have no such form.
inline constexpr TErreurSerie NotInFilesDecode = SerErrZoneRead;  // FileDecode, never in files
inline constexpr int NothingEncoded = 0;                          // encoders that write nothing
inline constexpr TErreurSerie CodecNotSupported = SerErrFonction; // no codec at all

// A zone class never stored in zone files: FileDecode answers SerErrZoneRead and
// FileEncode writes nothing.
template <class TBase> class TNotInFilesZone : public TBase {
public:
    using TBase::TBase;
    TErreurSerie FileDecode(const TByteArray&, int) override { return NotInFilesDecode; }
    int FileEncode(TByteArray&, int, int) const override { return NothingEncoded; }
};

// A zone the controller only sends (status zones): never in files, and SerialEncode
// writes nothing.
template <class TBase> class TReadOnlyZone : public TNotInFilesZone<TBase> {
public:
    using TNotInFilesZone<TBase>::TNotInFilesZone;
    int SerialEncode(TByteArray&, int, int) const override { return NothingEncoded; }
};

// A zone the controller never sends back (commands): never in files, and SerialDecode
// logs and refuses every payload.
template <class TBase> class TWriteOnlyZone : public TNotInFilesZone<TBase> {
public:
    using TNotInFilesZone<TBase>::TNotInFilesZone;
    TErreurSerie SerialDecode(const TByteArray&, int LngTrame) override {
        return DecodeNeverSentBack(this, LngTrame);
    }
};

} // namespace g20seq
