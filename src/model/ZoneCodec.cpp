#include "model/ZoneCodec.h"

#include "model/DataProxy.h"
#include "support/Format.h"

#include <algorithm>

namespace g20seq {

namespace {

constexpr const char* SourceDecode = "SerialDecode";

// Byte of the payload at Index, 0 outside the buffer (the dump of a read that ran past
// the end).
int ByteAt(const TByteArray& Trame, int Index) {
    return Index >= 0 && Index < MaxBuffer ? Trame[static_cast<std::size_t>(Index)] : 0;
}

} // namespace

TErreurSerie DecodeIntoCopy(TCustomZoneCPS& Zone, const TByteArray& Trame, int LngTrame,
                            const TPayloadReader& Reader) {
    int offset = 0;
    try {
        // The duplicate is freed on every path by its owner pointer.
        std::unique_ptr<TCustomZoneCPS> copy = Zone.Duplicate();
        if (Reader(*copy, Trame, offset) != LngTrame)
            return SerErrDonnees;
        {
            // The zone's observers hear of the decode once, after the whole copy.
            const TZoneChanges changes(Zone);
            Zone.Assign(copy.get());
        }
        return SerSansErreur;
    } catch (const std::exception&) {
        LogDecodeError(&Zone, Trame, LngTrame, offset);
        return SerErrDonnees;
    }
}

void LogDecodeError(const TObject* Sender, const TByteArray& Trame, int LngTrame, int Offset) {
    const int dumped = std::clamp(LngTrame, 0, MaxBuffer);
    LogEvent(Sender, SourceDecode,
             Format("Erreur decodage Offset %d (%2.2X/%2.2X)", Offset, ByteAt(Trame, Offset),
                    ByteAt(Trame, Offset + 1)),
             Format("LngTrame %d Trame%s", LngTrame, HexDump(Trame, 0, dumped)), LogAnomaly,
             CatZRT);
}

TErreurSerie DecodeNeverSentBack(const TObject* Sender, int LngTrame) {
    LogEvent(Sender, SourceDecode, Format("LngTrame = %d", LngTrame),
             "Ne devrait jamais être décodée (SerErrDonnees)", LogAnomaly, CatZRT);
    return SerErrDonnees;
}

} // namespace g20seq
