#include "model/SignatureTypes.h"

#include <algorithm>
#include <array>

namespace g20seq {

const TCodeTypeSignature CodesTypesSignature[27] = {
    {1, SigPointAW},
    {2, SigApprentissageAW},
    {3, SigRespot},
    {4, SigSPWSW},
    {5, SigSPWAW},
    {6, SigPrepulse},
    {7, SigPointQW},
    {8, SigSPWQW},
    {9, SigApprentissageAWA},
    {10, SigPointAWA},
    {11, SigPointAQW},
    {126, SigCompteursModifiesSW},
    {127, SigCompteursModifies},
    {128, SigDefaut},
    {129, SigAcquittement},
    {130, SigCoupureAlimentation},
    {131, SigMiseSousTension},
    {132, SigRodageFaibleSansModifCompteur},
    {133, SigTestRodageSWOK},
    {134, SigTestRodageSWNOK},
    {135, SigTestRodageAWOK},
    {136, SigTestRodageAWNOK},
    {137, SigRodageSW},
    {138, SigRodageAW},
    {139, SigChangementSW},
    {140, SigChangementAW},
    {141, SigFinApprentissageAW},
};

static_assert(SigProgElementaire == 0 && SigProgChainage == 1 && SigProgCascade == 2 &&
              SigDefaut == 3 && SigAcquittement == 4 && SigCoupureAlimentation == 5 &&
              SigMiseSousTension == 6 && SigPointAW == 7 && SigPointAQW == 17 &&
              SigCompteursModifiesSW == 18 && SigCompteursModifies == 19 &&
              SigRodageFaibleSansModifCompteur == 20 && SigFinApprentissageAW == 29 &&
              TypesSignatureCount == 30);

namespace {

// Identifiers of the kinds, indexed by value.
constexpr std::array<const char*, TypesSignatureCount> NomsTypesSignature = {
    "SigProgElementaire",
    "SigProgChainage",
    "SigProgCascade",
    "SigDefaut",
    "SigAcquittement",
    "SigCoupureAlimentation",
    "SigMiseSousTension",
    "SigPointAW",
    "SigApprentissageAW",
    "SigRespot",
    "SigSPWSW",
    "SigSPWAW",
    "SigPrepulse",
    "SigPointQW",
    "SigSPWQW",
    "SigApprentissageAWA",
    "SigPointAWA",
    "SigPointAQW",
    "SigCompteursModifiesSW",
    "SigCompteursModifies",
    "SigRodageFaibleSansModifCompteur",
    "SigTestRodageSWOK",
    "SigTestRodageSWNOK",
    "SigTestRodageAWOK",
    "SigTestRodageAWNOK",
    "SigRodageSW",
    "SigRodageAW",
    "SigChangementSW",
    "SigChangementAW",
    "SigFinApprentissageAW",
};

} // namespace

TypesSignature TypeSignatureIntToEnum(int Code) {
    const auto* found =
        std::find_if(std::begin(CodesTypesSignature), std::end(CodesTypesSignature),
                     [Code](const TCodeTypeSignature& c) { return c.Code == Code; });
    return found != std::end(CodesTypesSignature) ? found->Type : SigProgElementaire;
}

int TypeSignatureEnumToInt(TypesSignature Value) {
    const auto* found =
        std::find_if(std::begin(CodesTypesSignature), std::end(CodesTypesSignature),
                     [Value](const TCodeTypeSignature& c) { return c.Type == Value; });
    return found != std::end(CodesTypesSignature) ? found->Code : 0;
}

std::string TypeSignatureName(TypesSignature Value) {
    const auto index = static_cast<std::size_t>(Value);
    return index < NomsTypesSignature.size() ? NomsTypesSignature[index] : std::to_string(index);
}

} // namespace g20seq
