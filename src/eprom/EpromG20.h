// The EPROM of the G20 controller generation: which zone types a G20 has, which class makes
// each of them, which zones stay in memory, how the logical zones are laid out in tab
// sheets, and the operations that need knowledge of the generation (present faults,
// identification, weld results, counter and tip-dressing resets, mapping of controller
// addresses to zones).
//
// The controller variant (AC or medium frequency) comes from the EPROM name through the G20
// description and decides, once, the variant's own zone types and tab sheets and the class
// of the signatures.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/ZoneCreator.h"

#include <memory>
#include <string>
#include <vector>

namespace g20seq {

class TSignature;

class TEpromG20 : public TEprom {
public:
    // Use New (or TEprom::Create<TEpromG20>): the creation steps run once the object is
    // complete. A name the generation does not handle raises Exception ("Sequence '%s' not
    // handled by the current library.").
    TEpromG20(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole);
    // Also forgets the zones found missing for this EPROM, so that a later EPROM at the same
    // address logs its own.
    ~TEpromG20() override;

    static std::unique_ptr<TEpromG20> New(const std::string& NomEprom,
                                          TInterfacedPersistent* aProtocole);

    std::string ClassName() const override { return "TEpromG20"; }

    // Counts of the faults present (zone PrcDefautsPresents 0), 0 without that zone.
    int GetNbDefautsNonBloquants() override;
    int GetNbDefautsBloquants() override;
    // The controller's name, from the configuration zone ("" without it).
    std::string GetIdentifiantCPS() override;
    // True when the counters zone of any electrode reports the degraded welding mode.
    bool GetModeDegradeEprom() override;
    // A copy (owned by the caller) of the counters of the tip dresser that electrode
    // NumeroElectrode uses; nullptr without the electrode or the cutter counters.
    std::unique_ptr<TCustomZoneCPS> GetZoneCompteurFraise(int& NumeroElectrode) override;
    // Updates the present faults and the counters from a weld result handed over by the
    // host: a fault adds its code ("%02.2d" of its fault number), an acknowledgement
    // removes it, a power-up clears the list; a weld, a fault and an acknowledgement copy
    // the signature's counters and electrode state into the counters zone of its
    // electrode (step and end-of-life value stay). A zone of another type is logged at
    // level 2 and ignored.
    void AnalyseSignature(TCustomZoneCPS* Signature) override;
    // Adds to ListeZones (empty texts, objects owned by the list's user) the duplicates the
    // host sends to perform the resets, in this order: the counters of NumElectrode with
    // the given point and dressing counters; the counters of its tip dresser with the
    // given point counter (not together with the counters: logged at level 3); an
    // electrode change, or else a dressing, acknowledgement; a tip dresser
    // acknowledgement.
    void ReinitCU(TReinitCUs Typereinit, int NumElectrode, int CompteurPoints, int CompteurRodages,
                  TStringList* ListeZones) override;
    // Finds the zone the controller holds at address Adresse (zone n of a type at the
    // type's base address + n * receive size; process links have no address) and adds
    // duplicates of it to Liste: one per record for signatures (Longeur bytes written), one
    // for a zone received from the controller, none otherwise (logged). Liste is left as it
    // is when no zone sits at that address.
    void GetZoneByMapping(int Adresse, int Longeur, TZoneList* Liste) override;
    // Copies the faults present (zone PrcDefautsPresents 0) into defauts; empties it
    // without that zone.
    void GetDefautsPresents(TStringList* defauts) override;

    // The zone creators, in registration order, and the class references of the families
    // whose class the generation may refine.
    const std::vector<std::unique_ptr<TZoneCreator>>& GetZoneCreators() const {
        return FZoneCreators;
    }
    TZoneClass GetConfigurationClass() const { return FConfigurationClass; }
    TZoneClass GetElectrodeClass() const { return FElectrodeClass; }
    TZoneClass GetProgrammeClass() const { return FProgrammeClass; }
    TZoneClass GetSignatureClass() const { return FSignatureClass; }

protected:
    // Creates the G20 description, applies the core's zone type sets and logical zones,
    // then the G20 sets, the logical zones of point assignment and tip dressing, and
    // registers the zone creators (the variant is known from then on).
    void InitTypeZones() override;
    // The core's tab sheets, then those of the G20 and of its variant.
    void AddTabSheets(TKEVLogicalZone* aLogicalZone) override;
    // Makes the zone with the creators and sets which way it is transferred.
    std::unique_ptr<TCustomZoneCPS> CreateZoneCPS(TZoneReference* aReference) override;

private:
    bool IsMF() const;
    void RegisterZoneCreators();
    // Duplicates of the zone of the reference for the address mapping.
    void MapZone(const TZoneReference& aReference, int Adresse, int Longeur, TZoneList& Liste);
    // Copies the counters a signature carries into the counters zone of its electrode.
    void UpdateCompteurs(const TSignature& Signature);
    // Tip dresser number of an electrode, -1 without the electrode.
    int NumeroFraise(int NumeroElectrode);
    // Duplicates for ReinitCU: the counters of an electrode with new point and dressing
    // counters, the counters of its tip dresser with a new use counter; nullptr without
    // the zones.
    std::unique_ptr<TCustomZoneCPS> CompteursReinitialises(int NumElectrode, int CompteurPoints,
                                                           int CompteurRodages);
    std::unique_ptr<TCustomZoneCPS> CompteurFraiseReinitialise(int NumElectrode,
                                                               int CompteurPoints);
    // A duplicate of the acknowledgements zone prepared by Preparer; nullptr without the
    // zone.
    template <class TPreparation>
    std::unique_ptr<TCustomZoneCPS> Acquittement(const TPreparation& Preparer);

    TZoneClass FConfigurationClass = nullptr;
    TZoneClass FElectrodeClass = nullptr;
    TZoneClass FProgrammeClass = nullptr;
    TZoneClass FSignatureClass = nullptr;
};

} // namespace g20seq
