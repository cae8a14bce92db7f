// Helpers shared by the zone tests: the bytes a zone writes, the fields a tab sheet shows,
// whether a field is shown, a log entry on one line and the message of a raised exception.
#pragma once

#include "model/CustomZoneCPS.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"
#include "support/HexVectors.h"

#include <memory>
#include <string>
#include <vector>

namespace g20seq::testkit {

// The bytes SerialEncode writes from index Debut (TailleZone passed on), up to the index it
// answers; none when it answers an index before Debut.
TBytes EncodeSerie(const TCustomZoneCPS& Zone, int TailleZone, int Debut = 0);
// The same through FileEncode.
TBytes EncodeFichier(const TCustomZoneCPS& Zone, int TailleZone, int Debut = 0);

// Identifiers of the tab sheet Onglet of the zone's logical zone, in sheet order; none when
// the zone has no logical zone or the sheet does not exist.
std::vector<std::string> ChampsOnglet(const TCustomZoneCPS& Zone, const std::string& Onglet);

// Whether the zone has the field and it is shown.
bool Lie(const TCustomZoneCPS& Zone, const std::string& FieldID);

// A log entry as "Source|Text1|Text2|Level|Category".
std::string Journal(const LogEntry& Entry);

// The zone as its class TZone, owned; none when it is of another class.
template <class TZone> std::unique_ptr<TZone> Comme(std::unique_ptr<TCustomZoneCPS> Zone) {
    auto* zone = dynamic_cast<TZone*>(Zone.get());
    if (zone != nullptr)
        Zone.release();
    return std::unique_ptr<TZone>(zone);
}

// Message of the exception Appel raises, "" when none.
template <class F> std::string ErrorOf(const F& Appel) {
    try {
        Appel();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "";
}

} // namespace g20seq::testkit
