#include "eprom/SignaturesEprom.h"

#include "interface/SignatureInterface.h"
#include "model/CustomZoneCPS.h"
#include "model/DataProxy.h"
#include "model/SignatureTypes.h"
#include "support/Format.h"
#include "support/TypeZones.h"

#include <algorithm>
#include <utility>

namespace g20seq {

namespace {

// The kinds of signature a weld produces: the only ones the store keeps.
constexpr TypesSignature TypesConserves[] = {SigProgElementaire, SigPointAW, SigApprentissageAWA,
                                             SigPointAWA};

} // namespace

TSignaturesEprom::TSignaturesEprom(const TObject* Sender, TNumProg NumProg,
                                   TNouvelleSignature Nouvelle)
    : FSender(Sender), FNumProg(std::move(NumProg)), FNouvelle(std::move(Nouvelle)),
      FListeSignatures(true) {
    FListeSignatures.SetSorted(true);
    FListeSignatures.SetCaseSensitive(true);
    FListeSignatures.SetDuplicates(TDuplicates::dupError);
}

TSignaturesEprom::~TSignaturesEprom() {
    Clear();
}

bool TSignaturesEprom::Acceptee(const TCustomZoneCPS& Signature) const {
    // A zone that is not a signature goes on to the program number, which refuses it.
    const auto* signature = dynamic_cast<const ISignature*>(&Signature);
    if (signature == nullptr)
        return true;
    const TypesSignature type = signature->GetTypeSignature();
    if (std::find(std::begin(TypesConserves), std::end(TypesConserves), type) !=
        std::end(TypesConserves))
        return true;
    LogEvent(FSender, "SetSignature", TypeSignatureName(type), "", LogTrace, CatEprom);
    return false;
}

void TSignaturesEprom::SetSignature(std::unique_ptr<TCustomZoneCPS> Signature) {
    if (Signature == nullptr || !Acceptee(*Signature))
        return;
    const int numProg = FNumProg(Signature.get());
    if (numProg == -1)
        return;
    std::unique_ptr<TCustomZoneCPS> copie = Signature->Duplicate();
    {
        const TLockGuard guard(FLock);
        const std::string cle = IntToStr(numProg);
        if (const int index = FListeSignatures.IndexOf(cle); index >= 0) {
            const std::unique_ptr<TObject> remplacee(FListeSignatures.Objects(index));
            FListeSignatures.SetObject(index, Signature.release());
        } else {
            FListeSignatures.AddObject(cle, Signature.get());
            Signature.release();
        }
        if (static_cast<int>(FTempsReel.size()) >= MaxTempsReel)
            FTempsReel.erase(FTempsReel.begin());
        FTempsReel.push_back(std::move(copie));
    }
    if (FNouvelle)
        FNouvelle(numProg);
}

TCustomZoneCPS* TSignaturesEprom::Get(int NumProg) const {
    const TLockGuard guard(FLock);
    const int index = FListeSignatures.IndexOf(IntToStr(NumProg));
    return index >= 0 ? static_cast<TCustomZoneCPS*>(FListeSignatures.Objects(index)) : nullptr;
}

std::unique_ptr<TCustomZoneCPS> TSignaturesEprom::Copie(int NumProg) const {
    const TLockGuard guard(FLock);
    const TCustomZoneCPS* signature = Get(NumProg);
    return signature != nullptr ? signature->Duplicate() : nullptr;
}

TZoneList TSignaturesEprom::CopieTempsReel() const {
    const TLockGuard guard(FLock);
    TZoneList copies;
    copies.reserve(FTempsReel.size());
    for (const auto& signature : FTempsReel)
        copies.push_back(signature->Duplicate());
    return copies;
}

int TSignaturesEprom::Count() const {
    const TLockGuard guard(FLock);
    return FListeSignatures.Count();
}

void TSignaturesEprom::Clear() {
    const TLockGuard guard(FLock);
    FTempsReel.clear();
    FListeSignatures.Clear();
}

int TSignaturesEprom::NumeroProgramme(const TObject* Sender, const std::string& NomEprom,
                                      const TCustomZoneCPS* Signature) {
    const std::string source = "GetNumProg (" + NomEprom + ")";
    if (Signature == nullptr) {
        LogEvent(Sender, source, "Signature non trouvée", "", LogAnomaly, CatEprom);
        return -1;
    }
    const auto* signature = dynamic_cast<const ISignature*>(Signature);
    if (Signature->GetTypeZone() != PrcSignatures || signature == nullptr) {
        const TTypeZones type = Signature->GetTypeZone();
        LogEvent(Sender, source, "Le paramètre n'est pas une signature",
                 Format("Erreur type zone %d (%s)", int{type},
                        IsValidTypeZone(type) ? TypeZoneName(type) : IntToStr(int{type})),
                 LogAnomaly, CatEprom);
        return -1;
    }
    return signature->GetNumeroProgramme();
}

} // namespace g20seq
