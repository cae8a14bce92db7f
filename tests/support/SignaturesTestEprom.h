// A test bench for the signatures an EPROM keeps: a fake host, an AC G20 signature EPROM
// whose new-signature hook records what it saw, and G20 signatures that count the objects of
// their class alive (copies included), so tests see what is freed.
#pragma once

#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/SigDiagTestEprom.h"
#include "zones/SignatureG20.h"

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

namespace g20seq::testkit {

class TSignatureComptee : public TSignatureG20 {
public:
    TSignatureComptee(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                      TInterfacedPersistent* aLogicalZone);
    ~TSignatureComptee() override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;

    static inline std::atomic<int> Vivantes{0};
};

class TEpromSignatures : public TBenchEprom {
public:
    TEpromSignatures(TCreateKey Key, const std::string& NomEprom,
                     TInterfacedPersistent* aProtocole);

    // What the hook saw, per signature: whether its program had a stored signature, and the
    // size of the real-time list.
    std::vector<std::pair<bool, std::size_t>> Annonces;

protected:
    void NouvelleSignature(int NumProg) override;
};

// The host doubles and the EPROM ("GA_Signatures"), in creation order.
struct TBancSignatures {
    TBancSignatures();

    // An AC weld signature of program Prog (type byte Type) told apart by its measured
    // current, Id.
    std::unique_ptr<TSignatureComptee> Signature(int Prog, int Id, Byte Type = 0x00) const;
    static int Id(const TCustomZoneCPS* Signature);

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TEpromSignatures> Eprom;
};

} // namespace g20seq::testkit
