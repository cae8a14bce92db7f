#include "support/PointsTestEprom.h"

#include "zones/ConfigurationG20.h"

namespace g20seq::testkit {

namespace {

TBenchSetup Points() {
    return {{{ZoneClassOf<TConfigurationG20>, PrcConfiguration},
             {ZoneClassOf<TAssignationPoints>, PrcAssignationPoint}},
            DescriptionG20({"H35"}),
            {PrcAssignationPoint},
            {PrcAssignationPoint, PrcConfiguration}};
}

} // namespace

TBancPoints::TBancPoints() : Eprom(TEprom::Create<TBenchEprom>("GA_Points", &Protocol, Points())) {}

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
