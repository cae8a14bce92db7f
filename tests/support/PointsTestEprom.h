// A test bench for the point assignment zones and their handler: a fake host (data proxy
// and protocol model) and a G20 EPROM ("GA_..."; programs 0..127, entries 0..127) whose
// entry zones are TAssignationPoints and whose configuration zone is TConfigurationG20.
// Both kinds of zones stay in memory, so values set by a test are seen by every later
// access; the zone file is simulated (every read succeeds and changes nothing).
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/AssignationPoints.h"

#include <memory>
#include <string>

namespace g20seq::testkit {

// The host doubles and the EPROM, in creation order.
struct TBancPoints {
    TBancPoints();

    // Sets "IDModeAssignationPoint" of configuration zone 0.
    void SetMode(int Mode);
    // Sets entry zone Numero of the EPROM.
    void SetEntree(int Numero, bool Valide, const std::string& NumPointCPS, int NumProg);
    // A copy of entry zone Numero of the EPROM.
    std::unique_ptr<TAssignationPoints> Entree(int Numero);
    // A new entry zone of this EPROM, outside it.
    std::unique_ptr<TAssignationPoints> Nouvelle(Word Numero = 0) const;

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
};

} // namespace g20seq::testkit
