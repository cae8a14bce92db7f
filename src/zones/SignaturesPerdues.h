// Number of signatures the controller lost (G20): one word, read and written (the host
// writes it back, typically 0, once it has taken note). Never stored in zone files.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TSignaturesPerduesG20 : public TNotInFilesZone<TZoneStatut<TSignaturesPerduesG20>> {
public:
    static constexpr int TaillePayload = 2;

    TSignaturesPerduesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TSignaturesPerduesG20"; }
    static const TPayloadLayout& Layout();

    int GetNbSignaturesPerdues() const { return Lu(FNbSignaturesPerdues); }
    void SetNbSignaturesPerdues(Word Value);

protected:
    int FNbSignaturesPerdues = 0;
};

} // namespace g20seq
