// A test generation that makes real program, electrode and process link zones.
//
// TProgrammeTestEprom is TTestEprom with the creators of the G20 program (types 26 to 29),
// electrode (18 to 21) and process link (75) zones, electrodes kept in memory (so that an
// electrode set up by a test keeps its values between accesses), and a description of the
// controller variant the test asks for: the G20 description itself (recognised variant,
// fieldbus; the EPROM name must start with "GA" or "GM"), or a description with the given
// current type and I/O.
#pragma once

#include "support/TestEprom.h"
#include "zones/ElectrodeG20.h"
#include "zones/LienProcess.h"
#include "zones/ProgrammeG20.h"

#include <array>
#include <memory>
#include <string>

namespace g20seq::testkit {

struct TVarianteProgramme {
    TTypeCourant Courant = tcAC;
    TTypeIO IO = tiINTERBUS_S;
    // Use the G20 description (Courant and IO then come from the EPROM name).
    bool DescriptionG20 = true;
};

class TProgrammeTestDescription : public TEpromDescription {
public:
    TProgrammeTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                              const std::string& aNomProtocole, TTypeCourant Courant, TTypeIO IO)
        : TEpromDescription(aOwner, aNomEprom, aNomProtocole) {
        SetZoneBounds(PrcProgrammes, 0, 127);
        FTypeCourant = Courant;
        FTypeIO = IO;
    }
    std::string ClassName() const override { return "TProgrammeTestDescription"; }
};

class TProgrammeTestEprom : public TTestEprom {
public:
    TProgrammeTestEprom(TCreateKey Key, const std::string& NomEprom,
                        TInterfacedPersistent* aProtocole, TVarianteProgramme Variante)
        : TTestEprom(Key, NomEprom, aProtocole), FVariante(Variante) {
        struct TCreateur {
            TZoneClass Classe;
            TTypeZones Type;
            int Logique;
        };
        constexpr int Aucune = TZoneCreator::NoLogicalZone;
        const std::array<TCreateur, 9> createurs = {{
            {ZoneClassOf<TElectrodeG20>, PrcElectrodeMini, Aucune},
            {ZoneClassOf<TElectrodeG20>, PrcElectrodeMaxi, Aucune},
            {ZoneClassOf<TElectrodeG20>, PrcElectrodesRAZ, Aucune},
            {ZoneClassOf<TElectrodeG20>, PrcElectrodes, PrcElectrodes},
            {ZoneClassOf<TProgrammeG20>, PrcProgrammesMini, Aucune},
            {ZoneClassOf<TProgrammeG20>, PrcProgrammesMaxi, Aucune},
            {ZoneClassOf<TProgrammeG20>, PrcprogrammesRAZ, Aucune},
            {ZoneClassOf<TProgrammeG20>, PrcProgrammes, PrcProgrammes},
            {ZoneClassOf<TLienProcessAvanceG20>, PrcLienProcessAvance, PrcProgrammes},
        }};
        for (const TCreateur& createur : createurs)
            RegisterZoneCreator(
                std::make_unique<TZoneCreator>(createur.Classe, createur.Type, createur.Logique));
    }

    static std::unique_ptr<TProgrammeTestEprom> New(const std::string& NomEprom,
                                                    TInterfacedPersistent* aProtocole,
                                                    TVarianteProgramme Variante = {}) {
        return TEprom::Create<TProgrammeTestEprom>(NomEprom, aProtocole, Variante);
    }

    std::string ClassName() const override { return "TProgrammeTestEprom"; }

protected:
    void InitTypeZones() override {
        if (FVariante.DescriptionG20)
            FDescription =
                std::make_unique<TEpromDescriptionG20>(this, GetNomEprom(), GetNomProtocole());
        else
            FDescription = std::make_unique<TProgrammeTestDescription>(
                this, GetNomEprom(), GetNomProtocole(), FVariante.Courant, FVariante.IO);
        TEprom::InitTypeZones();
        FSetOfVolatileTypesZones.Include(PrcElectrodes);
    }

private:
    TVarianteProgramme FVariante;
};

} // namespace g20seq::testkit
