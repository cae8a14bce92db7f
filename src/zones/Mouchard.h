// The controller's event record (G20, read-only), 20 bytes, words most significant byte
// first:
//   0 software type (2 characters), 2 base version, 3 internal controller number
//   (0..254), 4 event flags (bit 1 parameters modified, bit 2 memory reset requested,
//   bit 4 signature lost on the communication side, bit 5 signature lost on the display
//   side, bit 7 last half period negative), 5 unused, 6 last edition (word), 8 total welds
//   in ten-thousands (word) and 10 in units (word), 12 highest thermal current, 14 its
//   date and time (six bytes).
// Last edition: 0x0080 and 0x0081 are the edits 1 and 2, any other word is a program
// edit, the word being the program number (0..127).
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TMouchardG20 : public TReadOnlyZone<TZoneStatut<TMouchardG20>> {
public:
    static constexpr int TaillePayload = 20;

    TMouchardG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TMouchardG20"; }
    static const TPayloadLayout& Layout();

    std::string GetTypeLogiciel() const { return Lu(FTypeLogiciel); }
    int GetVersionBase() const { return Lu(FVersionBase); }
    int GetNumeroInterneCPS() const { return Lu(FNumeroInterneCPS); }
    bool GetParametresModifies() const { return Lu(FParametresModifies); }
    bool GetDemandeRAZNovram() const { return Lu(FDemandeRAZNovram); }
    bool GetPerteSignatureCommunication() const { return Lu(FPerteSignatureCommunication); }
    bool GetPerteSignatureAffichage() const { return Lu(FPerteSignatureAffichage); }
    bool GetDernierDemiPeriodenegative() const { return Lu(FDernierDemiPeriodenegative); }
    // 0 a program edit (see GetDernierProgrammeEdite), 1 or 2 the other edits.
    int GetDerniereEdition() const { return Lu(FDerniereEdition); }
    int GetDernierProgrammeEdite() const { return Lu(FDernierProgrammeEdite); }
    int GetNombreTotalPointCPS() const { return Lu(FNombreTotalPointCPS); }
    // The current as the host shows it (see IntensiteAffichee).
    double GetIntensiteThermiqueMaxi(bool ModeAmperes) const;
    TDateTime GetDateThermiqueMaxi() const { return Lu(FDateThermiqueMaxi); }

protected:
    std::string FTypeLogiciel;
    int FVersionBase = 0;
    TIntegerRange FNumeroInterneCPS{0, 254, 0};
    bool FParametresModifies = false;
    bool FDemandeRAZNovram = false;
    bool FPerteSignatureCommunication = false;
    bool FPerteSignatureAffichage = false;
    bool FDernierDemiPeriodenegative = false;
    TIntegerRange FDerniereEdition{0, 2, 0};
    TIntegerRange FDernierProgrammeEdite{0, 127, 0};
    int FNombreTotalPointCPS = 0;
    int FIntensiteThermiqueMaxi = 0;
    TDateTime FDateThermiqueMaxi = 0.0;

private:
    // The last-edition word and the two words of the weld total.
    static void StockerDerniereEdition(TMouchardG20& Zone, LongWord Mot);
    static LongWord ExtraireDerniereEdition(const TMouchardG20& Zone);
    static void StockerNombreTotal(TMouchardG20& Zone, LongWord Mots);
    static LongWord ExtraireNombreTotal(const TMouchardG20& Zone);
};

} // namespace g20seq
