// A test bench for the signature and diagnostic zones: a fake host (data proxy and
// protocol model) and an EPROM whose controller variant (current type, I/O type) is
// chosen by the test. Its PrcSignatures zones are TSignatureG20 (TSignatureG20MF on a
// medium-frequency controller) and its PrcDiagnostic zone is TDiagnosticG20.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/EpromDescription.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"

#include <memory>
#include <span>
#include <string>

namespace g20seq::testkit {

class TSigDiagTestDescription : public TEpromDescription {
public:
    TSigDiagTestDescription(TPersistent* aOwner, const std::string& aNomEprom, TTypeCourant Courant,
                            TTypeIO IO);
    std::string ClassName() const override { return "TSigDiagTestDescription"; }
};

class TSigDiagTestEprom : public TEprom {
public:
    TSigDiagTestEprom(TCreateKey Key, const std::string& NomEprom,
                      TInterfacedPersistent* aProtocole, TTypeCourant Courant, TTypeIO IO);

    std::string ClassName() const override { return "TSigDiagTestEprom"; }

protected:
    void InitTypeZones() override;

private:
    TTypeCourant FCourant;
    TTypeIO FIO;
};

// The host doubles and the EPROM, in creation order.
struct TBancSigDiag {
    explicit TBancSigDiag(TTypeCourant Courant = tcAC, TTypeIO IO = tiINTERBUS_S);

    // A new zone of the EPROM's class for that type, outside the EPROM (owned by the
    // caller).
    std::unique_ptr<TCustomZoneCPS> NouvelleZone(TTypeZones TypeZone) const;
    // Decodes Bytes into Zone.
    static TErreurSerie Decoder(TCustomZoneCPS& Zone, std::span<const Byte> Bytes);

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TSigDiagTestEprom> Eprom;
};

} // namespace g20seq::testkit
