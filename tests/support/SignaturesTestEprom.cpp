#include "support/SignaturesTestEprom.h"

#include "support/HexVectors.h"

#include <algorithm>
#include <stdexcept>

namespace g20seq::testkit {

TSignatureComptee::TSignatureComptee(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                     TInterfacedPersistent* aLogicalZone)
    : TSignatureG20(AOwner, TypeZone, Numero, aLogicalZone) {
    ++Vivantes;
}

TSignatureComptee::~TSignatureComptee() {
    --Vivantes;
}

std::unique_ptr<TCustomZoneCPS>
TSignatureComptee::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TSignatureComptee>(AOwner, TypeZone, Numero, aLogicalZone);
}

TEpromSignatures::TEpromSignatures(TCreateKey Key, const std::string& NomEprom,
                                   TInterfacedPersistent* aProtocole)
    : TBenchEprom(Key, NomEprom, aProtocole, SigDiag(tcAC, tiINTERBUS_S)) {}

void TEpromSignatures::NouvelleSignature(int NumProg) {
    Annonces.emplace_back(GetSignature(NumProg) != nullptr, GetSignatureTempsReel().size());
    TBenchEprom::NouvelleSignature(NumProg);
}

TBancSignatures::TBancSignatures()
    : Eprom(TEprom::Create<TEpromSignatures>("GA_Signatures", &Protocol)) {}

std::unique_ptr<TSignatureComptee> TBancSignatures::Signature(int Prog, int Id, Byte Type) const {
    TBytes payload(TSignatureG20::TaillePayloadAC, 0);
    const Byte debut[] = {31, 12, 31, 23, 59, 58, Type, 0, 0, static_cast<Byte>(Prog), 1};
    std::copy(std::begin(debut), std::end(debut), payload.begin());
    payload[12] = static_cast<Byte>(Id >> 8);
    payload[13] = static_cast<Byte>(Id);
    auto signature = std::make_unique<TSignatureComptee>(Eprom.get(), PrcSignatures, 0, nullptr);
    if (TBancSigDiag::Decoder(*signature, payload) != SerSansErreur)
        throw std::logic_error("signature payload refused");
    return signature;
}

int TBancSignatures::Id(const TCustomZoneCPS* Signature) {
    return static_cast<int>(dynamic_cast<const ISignature&>(*Signature).GetIntensiteMesuree(true));
}

} // namespace g20seq::testkit
