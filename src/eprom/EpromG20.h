// The EPROM of the G20 controller generation: which zone types a G20 has, which class makes
// each of them, which zones stay in memory, how the logical zones are laid out in tab
// sheets, and the operations that need knowledge of the generation (identification,
// mapping of controller addresses to zones).
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

class TEpromG20 : public TEprom {
public:
    // Use New (or TEprom::Create<TEpromG20>): the creation steps run once the object is
    // complete. A name the generation does not handle raises Exception ("Sequence '%s' not
    // handled by the current library.").
    TEpromG20(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole);
    ~TEpromG20() override;

    static std::unique_ptr<TEpromG20> New(const std::string& NomEprom,
                                          TInterfacedPersistent* aProtocole);

    std::string ClassName() const override { return "TEpromG20"; }

    // The controller's name, from the configuration zone ("" without it).
    std::string GetIdentifiantCPS() override;
    // Finds the zone the controller holds at address Adresse (zone n of a type at the
    // type's base address + n * receive size; process links have no address) and adds
    // duplicates of it to Liste: one per record for signatures (Longeur bytes written), one
    // for a zone received from the controller, none otherwise (logged). Liste is left as it
    // is when no zone sits at that address.
    void GetZoneByMapping(int Adresse, int Longeur, TZoneList* Liste) override;

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

    TZoneClass FConfigurationClass = nullptr;
    TZoneClass FElectrodeClass = nullptr;
    TZoneClass FProgrammeClass = nullptr;
    TZoneClass FSignatureClass = nullptr;
};

} // namespace g20seq
