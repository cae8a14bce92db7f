#include "cli/StationAudit.h"

#include "SafeSave.h"
#include "Station.h"
#include "cli/ImageText.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/model/CustomZoneCPS.h>

namespace g20seq::host {

namespace {

// Keeps every difference of a comparison; captions are added once the zones are unlocked.
class TDifferenceCollector : public TDifferenceReporter {
public:
    explicit TDifferenceCollector(std::vector<TAuditDifference>& Differences)
        : FDifferences(Differences) {}
    void Report(const TFieldDifference& Difference) override {
        FDifferences.push_back({Difference, {}});
    }

private:
    std::vector<TAuditDifference>& FDifferences;
};

TZoneFileSummary ReferenceSummary(const std::string& Reference) {
    try {
        return ReadZoneFileSummary(Reference);
    } catch (const std::exception& error) {
        throw EHostIOError("the reference '" + Reference + "' cannot be read: " + error.what());
    }
}

// Refuses an image that lacks a block of the reference or holds it cut short.
void CheckBlocks(const std::string& Image, const std::string& Reference) {
    const TZoneFileSummary reference = ReferenceSummary(Reference);
    const auto blocs = BlocsAbsentsOuCourts(ReadZoneFileSummary(Image), reference);
    if (!blocs.empty())
        throw EHostIOError("'" + Image + "' lacks or holds short " + std::to_string(blocs.size()) +
                           " block(s) of the reference, from " +
                           ZoneIdText(static_cast<TTypeZones>(blocs[0].first), blocs[0].second) +
                           " on (the file may be truncated)");
}

// Compares the zones of the blocks that differ, as the image reads them and as the
// reference file reads them.
void CompareZones(TStation& Station, const std::vector<std::pair<int, int>>& Blocs, bool All,
                  std::vector<TAuditDifference>& Differences) {
    TDifferenceCollector collector(Differences);
    TReportingDifferenceList list(collector);
    for (const auto& [type, numero] : Blocs) {
        if (!IsValidTypeZone(type))
            continue;
        const TZoneHolder zone(&Station.Eprom(), static_cast<TTypeZones>(type), numero);
        if (!zone || !InImageText(*zone.Get(), All))
            continue;
        const std::size_t first = Differences.size();
        if (const auto reference = Station.Eprom().GetZoneRef(zone.Get()))
            zone.Get()->EqualsDetails(reference.get(), &list);
        for (std::size_t found = first; found < Differences.size(); ++found) {
            const std::string& path = Differences[found].Difference.Path;
            Differences[found].Caption = zone.Get()->NomChamp(path.substr(0, path.find('[')));
        }
    }
}

} // namespace

TStationAudit AuditStation(const std::string& Image, const std::string& Reference, bool All,
                           TInterfacedPersistent* Protocole) {
    TStationAudit audit;
    audit.Image = Image;
    audit.Reference = Reference;
    try {
        CheckBlocks(Image, Reference);
        // Most stations match their reference block for block: they need no EPROM.
        const auto blocs = BlocsDifferents(Image, Reference);
        if (blocs.empty())
            return audit;
        const auto station = TStation::Open(Image, false, Protocole);
        station->OpenRefFile(Reference);
        CompareZones(*station, blocs, All, audit.Differences);
    } catch (const std::exception& error) {
        audit.Error = error.what();
        audit.Differences.clear();
    }
    return audit;
}

} // namespace g20seq::host
