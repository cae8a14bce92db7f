#include "support/ElectrodeTestEprom.h"

#include "eprom/ZoneCreator.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"

namespace g20seq::testkit {

namespace {

struct TCreateurElectrode {
    TTypeZones PhysicalZone;
    int LogicalZone;
};

constexpr TCreateurElectrode CreateursElectrode[] = {
    {PrcElectrodeMini, TZoneCreator::NoLogicalZone},
    {PrcElectrodeMaxi, TZoneCreator::NoLogicalZone},
    {PrcElectrodesRAZ, TZoneCreator::NoLogicalZone},
    {PrcElectrodes, PrcElectrodes},
};

} // namespace

TElectrodeTestDescription::TElectrodeTestDescription(TPersistent* aOwner,
                                                     const std::string& aNomEprom,
                                                     TTypeCourant Courant, TTypeIO IO)
    : TEpromDescription(aOwner, aNomEprom, "G20") {
    FTypeCourant = Courant;
    FTypeIO = IO;
    SetZoneBounds(PrcElectrodes, 0, 15);
}

TElectrodeTestEprom::TElectrodeTestEprom(TCreateKey Key, const std::string& NomEprom,
                                         TInterfacedPersistent* aProtocole, TTypeCourant Courant,
                                         TTypeIO IO)
    : TEprom(Key, NomEprom, aProtocole), FCourant(Courant), FIO(IO) {
    for (const TCreateurElectrode& createur : CreateursElectrode)
        RegisterZoneCreator(std::make_unique<TZoneCreator>(
            ZoneClassOf<TElectrodeG20>, createur.PhysicalZone, createur.LogicalZone));
}

void TElectrodeTestEprom::InitTypeZones() {
    FDescription = std::make_unique<TElectrodeTestDescription>(this, GetNomEprom(), FCourant, FIO);
    TEprom::InitTypeZones();
}

void TElectrodeTestEprom::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    TEprom::AddTabSheets(aLogicalZone);
    if (aLogicalZone->GetTypeZone() == PrcElectrodes && FCourant == tcMF)
        aLogicalZone->InsertTabSheet("IDTabElecAdvParam",
                                     std::make_unique<TKEVTabSheet>(IDTabTransfo, aLogicalZone));
}

bool TElectrodeTestEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream*) {
    return aZone != nullptr;
}

TZoneEmpruntee::TZoneEmpruntee(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero)
    : FEprom(Eprom), FZone(Eprom.GetPhysicalZone(TypeZone, Numero, true)) {}

TZoneEmpruntee::TZoneEmpruntee(TCustomEprom& Eprom, TCustomZoneCPS* Zone)
    : FEprom(Eprom), FZone(Zone) {}

TZoneEmpruntee::~TZoneEmpruntee() {
    if (FZone != nullptr)
        FEprom.ReleasePhysicalZone(FZone);
}

TBancElectrode::TBancElectrode(TTypeCourant Courant, TTypeIO IO, Byte Frequence) {
    Proxy.Frequence = Frequence;
    Eprom = TEprom::Create<TElectrodeTestEprom>(Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol,
                                                Courant, IO);
}

std::unique_ptr<TElectrodeG20> TBancElectrode::NouvelleElectrode(Word Numero) const {
    return std::make_unique<TElectrodeG20>(Eprom.get(), PrcElectrodes, Numero, nullptr);
}

std::unique_ptr<TElectrodeG20> TBancElectrode::CopieEnElectrode(const TZoneCPS& Source) const {
    auto electrode = NouvelleElectrode();
    for (int i = 0; i < electrode->GetFieldCount(); ++i)
        electrode->GetFields(i)->Assign(Source.GetFields(i));
    return electrode;
}

} // namespace g20seq::testkit
