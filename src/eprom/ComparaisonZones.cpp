#include "eprom/ComparaisonZones.h"

#include "eprom/ZonesEnFichier.h"
#include "model/CustomZoneCPS.h"
#include "model/DataProxy.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/Format.h"
#include "support/StringList.h"
#include "zones/ProgrammeFields.h"

#include <memory>

namespace g20seq {

namespace {

// The value of the line Name of a name=value list, when there is one and it is a number.
bool ValeurEntiere(const TStringList* Liste, const std::string& Name, int& Value) {
    if (Liste == nullptr)
        return false;
    const int index = Liste->IndexOfName(Name);
    return index >= 0 && TryStrToInt(Liste->ValueFromIndex(index), Value);
}

// The name of the logical zone type whose tab sheet shows Field, or "".
std::string TypeLogique(const TKEVField& Field) {
    const TKEVTabSheet* sheet = Field.ParentSheet();
    const auto* logicalZone =
        sheet != nullptr ? dynamic_cast<const TKEVLogicalZone*>(sheet->GetParent()) : nullptr;
    return logicalZone != nullptr ? TypeZoneName(logicalZone->GetTypeZone()) : std::string();
}

} // namespace

// ---------------------------------------------------------------------------------------
// Comparison

bool TComparaisonZones::EqualsZones(TCustomEprom* Source, TStringList* ListeDifferences) {
    const TZonesEnFichier zones(FEprom);
    bool result = true;
    for (int index = 0; index < zones.Count(); ++index)
        if (const TCustomZoneCPS* zone = zones[index])
            result = EqualsZone(*zone, Source, ListeDifferences) && result;
    return result;
}

bool TComparaisonZones::EqualsZone(const TCustomZoneCPS& aZone, TCustomEprom* Source,
                                   TStringList* ListeDifferences) {
    if (Source == nullptr) {
        const std::unique_ptr<TCustomZoneCPS> reference =
            FEprom.GetZoneRef(const_cast<TCustomZoneCPS*>(&aZone));
        return reference == nullptr || aZone.EqualsDetails(reference.get(), ListeDifferences);
    }
    const TZoneHolder autre(Source, aZone.GetTypeZone(), aZone.GetNumeroZone(), true);
    if (!autre) {
        LogEvent(&FEprom, "EqualsZones", aZone.ZoneLabel(), "Zone absente de la source", LogAnomaly,
                 CatEprom);
        return false;
    }
    return aZone.EqualsDetails(autre.Get(), ListeDifferences);
}

// ---------------------------------------------------------------------------------------
// Copies of field values

void TComparaisonZones::FieldsAssign(const std::vector<TInterfacedPersistent*>& aListFields,
                                     TStringList* aListeZones, TStringList* aListeDest) {
    if (aListeZones == nullptr)
        return;
    aListeZones->SetDuplicates(TDuplicates::dupError);
    for (TInterfacedPersistent* item : aListFields)
        if (const auto* field = dynamic_cast<const TKEVField*>(item))
            FieldAssign(*field, *aListeZones, aListeDest);
}

void TComparaisonZones::FieldAssign(const TKEVField& Source, TStringList& aListeZones,
                                    TStringList* aListeDest) {
    TCustomZoneCPS* zone = Source.OwnerZone();
    if (zone == nullptr)
        return;
    const int numero = zone->GetNumeroZone();
    const bool virtuel = zone->GetTypeZone() == PrcPhieVirtual;
    TTypeZones typeDest = PrcPhie;
    int numeroDest = 0;
    if (!virtuel) {
        typeDest = zone->GetTypeZone();
        numeroDest = numero;
        ValeurEntiere(aListeDest, TypeLogique(Source), numeroDest);
    }
    const std::string cle = Format("%s=%d", TypeZoneName(typeDest), numeroDest);
    const std::string fieldID = Source.GetFieldID();
    if (TCustomZoneCPS* destination = Destination(aListeZones, cle, typeDest, numeroDest)) {
        if (TKEVField* champ = DestinationField(*destination, virtuel, numero, fieldID)) {
            champ->Assign(&Source);
            int electrode = 0;
            if (fieldID == ChampsProgramme::IDNumeroElectrode.ID() &&
                ValeurEntiere(aListeDest, TypeZoneName(PrcElectrodes), electrode))
                champ->SetAsInteger(electrode);
        } else {
            LogEvent(&FEprom, "FieldsAssign", "aField=nil", fieldID, LogAnomaly, CatEprom);
        }
    }
    if (TCustomEprom* eprom = virtuel ? zone->GetEprom() : nullptr)
        eprom->ReleasePhysicalZone(zone);
}

TCustomZoneCPS* TComparaisonZones::Destination(TStringList& aListeZones, const std::string& Key,
                                               TTypeZones TypeZone, int Numero) {
    if (const int index = aListeZones.IndexOf(Key); index >= 0)
        return dynamic_cast<TCustomZoneCPS*>(aListeZones.Objects(index));
    TZoneHolder zone(&FEprom, TypeZone, Numero, true);
    if (!zone)
        return nullptr;
    std::unique_ptr<TCustomZoneCPS> copie = zone->Duplicate();
    zone.Release();
    aListeZones.AddObject(Key, copie.get());
    return copie.release();
}

TKEVField* TComparaisonZones::DestinationField(TCustomZoneCPS& Destination, bool Virtuel,
                                               int Numero, const std::string& FieldID) {
    if (!Virtuel)
        return Destination.GetFieldByID(FieldID);
    auto* phie = dynamic_cast<IPhieElements*>(&Destination);
    TCustomZoneCPS* element = phie != nullptr ? phie->GetPhieElement(Numero) : nullptr;
    if (element == nullptr) {
        LogEvent(&FEprom, "FieldsAssign", "aDestPhie=nil", IntToStr(Numero) + ":" + FieldID,
                 LogAnomaly, CatEprom);
        return nullptr;
    }
    return element->GetFieldByID(FieldID);
}

} // namespace g20seq
