#include "support/PointsTestEprom.h"

#include "eprom/EpromDescription.h"
#include "eprom/ZoneCreator.h"
#include "zones/ConfigurationG20.h"

namespace g20seq::testkit {

TPointsTestEprom::TPointsTestEprom(TCreateKey Key, const std::string& NomEprom,
                                   TInterfacedPersistent* aProtocole)
    : TEprom(Key, NomEprom, aProtocole) {
    RegisterZoneCreator(
        std::make_unique<TZoneCreator>(ZoneClassOf<TConfigurationG20>, PrcConfiguration));
    RegisterZoneCreator(
        std::make_unique<TZoneCreator>(ZoneClassOf<TAssignationPoints>, PrcAssignationPoint));
}

void TPointsTestEprom::InitTypeZones() {
    FDescription = std::make_unique<TEpromDescriptionG20>(this, GetNomEprom(), GetNomProtocole());
    TEprom::InitTypeZones();
    FSetOfTypesZones.Include(PrcAssignationPoint);
    FSetOfVolatileTypesZones.Include(PrcAssignationPoint);
    FSetOfVolatileTypesZones.Include(PrcConfiguration);
}

bool TPointsTestEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) {
    return aZone != nullptr;
}

TBancPoints::TBancPoints() : Eprom(TEprom::Create<TPointsTestEprom>("GA_Points", &Protocol)) {}

void TBancPoints::SetMode(int Mode) {
    TZoneHolder configuration(Eprom.get(), PrcConfiguration, 0);
    configuration->GetFieldByID("IDModeAssignationPoint")->SetAsInteger(Mode);
}

void TBancPoints::SetEntree(int Numero, bool Valide, const std::string& NumPointCPS, int NumProg) {
    TZoneHolder zone(Eprom.get(), PrcAssignationPoint, Numero);
    auto* entree = zone.As<TAssignationPoints>();
    entree->SetPointValide(Valide);
    entree->SetNumPointCPS(NumPointCPS);
    entree->SetNumProg(NumProg);
}

std::unique_ptr<TAssignationPoints> TBancPoints::Entree(int Numero) {
    TZoneHolder zone(Eprom.get(), PrcAssignationPoint, Numero);
    auto copie = std::make_unique<TAssignationPoints>(Eprom.get(), PrcAssignationPoint,
                                                      static_cast<Word>(Numero), nullptr);
    copie->Assign(zone.Get());
    return copie;
}

std::unique_ptr<TAssignationPoints> TBancPoints::Nouvelle(Word Numero) const {
    return std::make_unique<TAssignationPoints>(Eprom.get(), PrcAssignationPoint, Numero, nullptr);
}

} // namespace g20seq::testkit
