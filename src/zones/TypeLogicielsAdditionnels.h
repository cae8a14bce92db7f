// Software of the additional processors (G20, read-only), 16 bytes, one character per
// byte: for the second processor version (2), revision (1), software type (2), complement
// (3); then the same four texts for the medium-frequency card. Each text is kept without
// its trailing blanks.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TTypeLogicielsAdditionnelsG20
    : public TReadOnlyZone<TZoneStatut<TTypeLogicielsAdditionnelsG20>> {
public:
    static constexpr int TaillePayload = 16;

    TTypeLogicielsAdditionnelsG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TTypeLogicielsAdditionnelsG20"; }
    static const TPayloadLayout& Layout();

    // The software of the additional processors is never a difference: always true.
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;

    std::string GetVersion2ndProcesseur() const { return Lu(FVersion2ndProcesseur); }
    std::string GetRevision2ndProcesseur() const { return Lu(FRevision2ndProcesseur); }
    std::string GetTypeLogiciel2ndProc() const { return Lu(FTypeLogiciel2ndProc); }
    std::string GetComplement2ndProc() const { return Lu(FComplement2ndProc); }
    std::string GetVersionCarteMF() const { return Lu(FVersionCarteMF); }
    std::string GetRevisionCarteMF() const { return Lu(FRevisionCarteMF); }
    std::string GetTypeLogicielCarteMF() const { return Lu(FTypeLogicielCarteMF); }
    std::string GetComplementCarteMF() const { return Lu(FComplementCarteMF); }

protected:
    std::string FVersion2ndProcesseur;
    std::string FRevision2ndProcesseur;
    std::string FTypeLogiciel2ndProc;
    std::string FComplement2ndProc;
    std::string FVersionCarteMF;
    std::string FRevisionCarteMF;
    std::string FTypeLogicielCarteMF;
    std::string FComplementCarteMF;
};

} // namespace g20seq
