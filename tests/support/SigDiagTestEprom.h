// A test bench for the signature and diagnostic zones: a fake host (data proxy and
// protocol model) and an EPROM whose controller variant (current type, I/O type) is
// chosen by the test. Its PrcSignatures zones are TSignatureG20 (TSignatureG20MF on a
// medium-frequency controller) and its PrcDiagnostic zone is TDiagnosticG20.
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"

#include <memory>
#include <span>

namespace g20seq::testkit {

// The bench's EPROM set-up for a controller variant.
TBenchSetup SigDiag(TTypeCourant Courant, TTypeIO IO);

// The host doubles and the EPROM, in creation order.
struct TBancSigDiag {
    explicit TBancSigDiag(TTypeCourant Courant = tcAC, TTypeIO IO = tiINTERBUS_S);

    // A new zone of the EPROM's class for that type, outside the EPROM (owned by the
    // caller).
    std::unique_ptr<TCustomZoneCPS> NouvelleZone(TTypeZones TypeZone) const;
    // Decodes Bytes (from index 0 of a payload buffer) into Zone.
    static TErreurSerie Decoder(TCustomZoneCPS& Zone, std::span<const Byte> Bytes);

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
};

} // namespace g20seq::testkit
