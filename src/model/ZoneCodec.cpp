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

// The zone that TFreshZoneDecode marks on this thread.
thread_local const TCustomZoneCPS* FreshZone = nullptr;

// A zone's decode copy, given back to the zone when the decode ends.
class TDecodeCopy {
public:
    explicit TDecodeCopy(const TCustomZoneCPS& Zone) : FZone(Zone), FCopy(Zone.TakeDecodeCopy()) {}
    ~TDecodeCopy() { FZone.KeepDecodeCopy(std::move(FCopy)); }
    TDecodeCopy(const TDecodeCopy&) = delete;
    TDecodeCopy& operator=(const TDecodeCopy&) = delete;

    TCustomZoneCPS& Zone() const { return *FCopy; }

private:
    const TCustomZoneCPS& FZone;
    std::unique_ptr<TCustomZoneCPS> FCopy;
};

// A zone nobody else sees was read in place: a zone built afresh gives it back its first
// values.
void RestoreFreshZone(TCustomZoneCPS& Zone) {
    Zone.Assign(Zone.CreateSameZone().get());
}

// A zone nobody else sees is read in place.
bool ReadFreshZone(TCustomZoneCPS& Zone, const TCopyReader& Read) {
    bool accepted = false;
    try {
        accepted = Read(Zone);
    } catch (...) {
        RestoreFreshZone(Zone);
        throw;
    }
    if (!accepted)
        RestoreFreshZone(Zone);
    return accepted;
}

} // namespace

TFreshZoneDecode::TFreshZoneDecode(const TCustomZoneCPS& Zone) : FPrevious(FreshZone) {
    FreshZone = &Zone;
}

TFreshZoneDecode::~TFreshZoneDecode() {
    FreshZone = FPrevious;
}

bool ReadThroughCopy(TCustomZoneCPS& Zone, const TCopyReader& Read) {
    if (&Zone == FreshZone)
        return ReadFreshZone(Zone, Read);
    // The copy goes back to the zone on every path (see KeepDecodeCopy).
    const TDecodeCopy copy(Zone);
    if (!Read(copy.Zone()))
        return false;
    // The zone's observers hear of the decode once, after the whole copy.
    const TZoneChanges changes(Zone);
    Zone.Assign(&copy.Zone());
    return true;
}

TErreurSerie DecodeIntoCopy(TCustomZoneCPS& Zone, const TByteArray& Trame, int LngTrame,
                            const TPayloadReader& Reader) {
    int offset = 0;
    try {
        return ReadThroughCopy(
                   Zone,
                   [&](TCustomZoneCPS& Copy) { return Reader(Copy, Trame, offset) == LngTrame; })
                   ? SerSansErreur
                   : SerErrDonnees;
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
