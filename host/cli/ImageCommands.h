// Commands on a station image: create it, describe it, show, read and change its fields,
// compare it with another image. Each answers the tool's exit code.
#pragma once

#include "cli/CommandContext.h"

#include <g20seq/interface/CustomEprom.h>

#include <functional>

namespace g20seq::host {

// A held zone of the station, named as the command line names it; raises TUsageError when
// the text names no zone type or the station has no such zone.
class TCliZone {
public:
    TCliZone(const TStation& Station, const std::string& Text);

    const TZoneId& Id() const { return FId; }
    TCustomZoneCPS& Zone() const { return *FHolder.Get(); }

private:
    TZoneId FId;
    TZoneHolder FHolder;
};

// Runs Visit on each zone Zones names, in their order, or, when Zones is empty, on every
// zone the image stores, in the order of the file. Named tells Visit which of the two.
void VisitZones(const TStation& Station, const std::vector<std::string>& Zones,
                const std::function<void(TCustomZoneCPS& Zone, bool Named)>& Visit);

int CommandNew(const TCommandContext& Context, const TArgs& Args);
int CommandInfo(const TCommandContext& Context, const TArgs& Args);
int CommandDump(const TCommandContext& Context, const TArgs& Args);
int CommandGet(const TCommandContext& Context, const TArgs& Args);
int CommandSet(const TCommandContext& Context, const TArgs& Args);
int CommandDiff(const TCommandContext& Context, const TArgs& Args);

} // namespace g20seq::host
