#include "support/ZonesTestKit.h"

#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "model/ZoneCPS.h"

namespace g20seq::testkit {

namespace {

TBytes Entre(const TByteArray& Trame, int Debut, int Fin) {
    return Fin > Debut ? FromPayload(Trame, Debut, Fin - Debut) : TBytes{};
}

} // namespace

TBytes EncodeSerie(const TCustomZoneCPS& Zone, int TailleZone, int Debut) {
    TByteArray trame{};
    return Entre(trame, Debut, Zone.SerialEncode(trame, Debut, TailleZone));
}

TBytes EncodeFichier(const TCustomZoneCPS& Zone, int TailleZone, int Debut) {
    TByteArray trame{};
    return Entre(trame, Debut, Zone.FileEncode(trame, Debut, TailleZone));
}

std::vector<std::string> ChampsOnglet(const TCustomZoneCPS& Zone, const std::string& Onglet) {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(Zone.GetLogicalZone());
    TKEVTabSheet* sheet = logicalZone != nullptr ? logicalZone->GetTabByID(Onglet) : nullptr;
    std::vector<std::string> ids;
    for (int i = 0; sheet != nullptr && i < sheet->GetFieldCount(); ++i)
        ids.push_back(sheet->GetField(i)->GetFieldID());
    return ids;
}

bool Lie(const TCustomZoneCPS& Zone, const std::string& FieldID) {
    const auto* zone = dynamic_cast<const TZoneCPS*>(&Zone);
    const TKEVField* field = zone != nullptr ? zone->GetFieldByID(FieldID) : nullptr;
    return field != nullptr && field->GetLinked();
}

std::string Journal(const LogEntry& Entry) {
    return Entry.Source + "|" + Entry.Text1 + "|" + Entry.Text2 + "|" +
           std::to_string(Entry.Level) + "|" + Entry.Category;
}

} // namespace g20seq::testkit
