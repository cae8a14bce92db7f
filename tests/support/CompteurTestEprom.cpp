#include "support/CompteurTestEprom.h"

#include "eprom/ZoneCreator.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "zones/ZoneCalcul.h"

namespace g20seq::testkit {

namespace {

enum class TFamille { Toujours, Electrodes, Configuration, Fraises };

struct TCreateurCompteur {
    TZoneClass Classe;
    TTypeZones PhysicalZone;
    int LogicalZone;
    TFamille Famille;
};

constexpr int Aucune = TZoneCreator::NoLogicalZone;

const TCreateurCompteur CreateursCompteur[] = {
    {ZoneClassOf<TDefautsPresentsG20>, PrcDefautsPresents, Aucune, TFamille::Toujours},
    {ZoneClassOf<TConfigurationG20>, PrcConfiguration, Aucune, TFamille::Configuration},
    {ZoneClassOf<TElectrodeG20>, PrcElectrodes, Aucune, TFamille::Electrodes},
    {ZoneClassOf<TCompteurG20>, PrcCompteursMini, Aucune, TFamille::Toujours},
    {ZoneClassOf<TCompteurG20>, PrcCompteursMaxi, Aucune, TFamille::Toujours},
    {ZoneClassOf<TCompteurG20>, PrcCompteursRAZ, Aucune, TFamille::Toujours},
    {ZoneClassOf<TCompteurG20>, PrcCompteurs, Aucune, TFamille::Toujours},
    {ZoneClassOf<TFraise>, PrcFraiseMini, Aucune, TFamille::Fraises},
    {ZoneClassOf<TFraise>, PrcFraiseMaxi, Aucune, TFamille::Fraises},
    {ZoneClassOf<TFraise>, PrcFraiseRAZ, Aucune, TFamille::Fraises},
    {ZoneClassOf<TFraise>, PrcFraise, PrcFraise, TFamille::Fraises},
    {ZoneClassOf<TCompteurFraise>, PrcCompteurFraise, Aucune, TFamille::Fraises},
};

bool Retenu(TFamille Famille, const TOptionsCompteur& Options) {
    switch (Famille) {
    case TFamille::Electrodes:
        return Options.AvecElectrodes;
    case TFamille::Configuration:
        return Options.AvecConfiguration;
    case TFamille::Fraises:
        return Options.AvecFraises;
    case TFamille::Toujours:
        break;
    }
    return true;
}

} // namespace

TCompteurTestDescription::TCompteurTestDescription(TPersistent* aOwner,
                                                   const std::string& aNomEprom, int aGeneration)
    : TEpromDescriptionG20(aOwner, aNomEprom), FGeneration(aGeneration) {}

TCompteurTestEprom::TCompteurTestEprom(TCreateKey Key, const std::string& NomEprom,
                                       TInterfacedPersistent* aProtocole, TOptionsCompteur Options)
    : TEprom(Key, NomEprom, aProtocole), FOptions(Options) {
    for (const TCreateurCompteur& createur : CreateursCompteur)
        if (Retenu(createur.Famille, Options))
            RegisterZoneCreator(std::make_unique<TZoneCreator>(
                createur.Classe, createur.PhysicalZone, createur.LogicalZone));
}

TCompteurTestEprom::~TCompteurTestEprom() {
    TZonesAbsentes::Oublier(this);
}

void TCompteurTestEprom::InitTypeZones() {
    FDescription =
        std::make_unique<TCompteurTestDescription>(this, GetNomEprom(), FOptions.Generation);
    TEprom::InitTypeZones();
    for (TTypeZones type : {PrcDefautsPresents, PrcFraiseMini, PrcFraiseMaxi, PrcFraiseRAZ,
                            PrcFraise, PrcCompteurFraise})
        FSetOfTypesZones.Include(type);
    for (TTypeZones type : {PrcDefautsPresents, PrcConfiguration, PrcElectrodes})
        FSetOfVolatileTypesZones.Include(type);
    CreateLogicalZones(PrcFraise, ZoneProtocole(PrcFraise));
}

void TCompteurTestEprom::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    TEprom::AddTabSheets(aLogicalZone);
    if (aLogicalZone->GetTypeZone() == PrcFraise)
        aLogicalZone->AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabCU, aLogicalZone));
}

void TCompteurTestEprom::GetDefautsPresents(TStringList* defauts) {
    TZoneTenue<TDefautsPresentsG20> zone(*this, PrcDefautsPresents, 0);
    if (zone.Get() != nullptr)
        zone->GetDefautsPresents(defauts);
}

bool TCompteurTestEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) {
    return aZone != nullptr;
}

TBancCompteur::TBancCompteur(TOptionsCompteur Options) {
    Eprom = TEprom::Create<TCompteurTestEprom>("GA_Compteurs", &Protocol, Options);
}

} // namespace g20seq::testkit
