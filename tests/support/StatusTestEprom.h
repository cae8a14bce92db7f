// A test bench for the status and command zones: a fake host (data proxy and protocol
// model) and a G20 EPROM, AC or medium-frequency, whose status and command zone types are
// made of their real classes. The zone file is simulated: every read succeeds and
// changes nothing.
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/HexVectors.h"

#include <memory>
#include <span>
#include <string>

namespace g20seq::testkit {

// The host doubles and the EPROM, in creation order.
struct TBancStatut {
    explicit TBancStatut(bool MoyenneFrequence = false);

    // A new zone of that type and number, of the EPROM's class for it, outside the EPROM
    // (owned by the caller); nullptr when the EPROM makes no such zone of class TZone.
    template <class TZone> std::unique_ptr<TZone> Nouvelle(TTypeZones TypeZone, int Numero = 0) {
        std::unique_ptr<TCustomZoneCPS> zone = NouvelleZone(TypeZone, Numero);
        if (dynamic_cast<TZone*>(zone.get()) == nullptr)
            return nullptr;
        return std::unique_ptr<TZone>(static_cast<TZone*>(zone.release()));
    }
    std::unique_ptr<TCustomZoneCPS> NouvelleZone(TTypeZones TypeZone, int Numero) const;

    // Decodes Bytes (from index 0 of a payload buffer) into Zone.
    static TErreurSerie Decoder(TCustomZoneCPS& Zone, const TBytes& Bytes);
    // The bytes Zone's SerialEncode writes at index 0 of a zeroed buffer.
    static TBytes Encoder(const TCustomZoneCPS& Zone);

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
};

} // namespace g20seq::testkit
