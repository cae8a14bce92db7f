#include "cli/ImageCommands.h"

#include "cli/CliErrors.h"
#include "protocol/ProtocoleG20.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/eprom/ZonesEnFichier.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>
#include <g20seq/support/Exceptions.h>
#include <g20seq/support/StringList.h>

#include <filesystem>
#include <ostream>

namespace g20seq::host {

namespace {

// Splits "FIELD=VALUE".
std::pair<std::string, std::string> SplitAssignment(const std::string& Text) {
    const auto equal = Text.find('=');
    if (equal == std::string::npos || equal == 0)
        throw TUsageError("expected FIELD=VALUE, got '" + Text + "'");
    return {Text.substr(0, equal), Text.substr(equal + 1)};
}

} // namespace

TCliZone::TCliZone(const TStation& Station, const std::string& Text)
    : FId(ParseZoneId(Text)), FHolder(&Station.Eprom(), FId.TypeZone, FId.Numero) {
    if (!FHolder)
        throw TUsageError("the station has no zone " + ZoneIdText(FId.TypeZone, FId.Numero));
}

void VisitZones(const TStation& Station, const std::vector<std::string>& Zones,
                const std::function<void(TCustomZoneCPS& Zone, bool Named)>& Visit) {
    for (const std::string& text : Zones)
        Visit(TCliZone(Station, text).Zone(), true);
    if (!Zones.empty())
        return;
    const TZonesEnFichier zones(Station.Eprom());
    for (int index = 0; index < zones.Count(); ++index)
        Visit(*zones[index], false);
}

int CommandNew(const TCommandContext& Context, const TArgs& Args) {
    const bool force = Args.size() == 3 && Args[2] == "--force";
    if (Args.size() == 3 && !force)
        throw TUsageError("unknown option '" + Args[2] + "'");
    const std::string& nom = Args[0];
    const std::string& path = Args[1];
    if (!force && std::filesystem::exists(path))
        throw TUsageError("'" + path + "' already exists (use --force to replace it)");
    TStation::CreateImage(nom, path, &Context.Protocole);
    const TZoneFileSummary summary = ReadZoneFileSummary(path);
    Context.Out << "created " << path << ": station " << nom << " ("
                << VarianteText(VarianteOfName(nom)) << "), " << summary.Blocs << " zones\n";
    return ExitOk;
}

int CommandInfo(const TCommandContext& Context, const TArgs& Args) {
    const TZoneFileSummary summary = ReadZoneFileSummary(Args[0]);
    std::ostream& out = Context.Out;
    out << "file: " << Args[0] << '\n'
        << "identification: " << summary.Identification << '\n'
        << "variant: " << VarianteText(VarianteOfName(summary.Identification)) << '\n'
        << "header: valid\n"
        << "blocks: " << summary.Blocs << '\n';
    for (const auto& [type, count] : summary.BlocsParType) {
        const std::string name =
            IsValidTypeZone(type) ? TypeZoneName(static_cast<TTypeZones>(type)) : "?";
        out << "  " << name << " (" << type << "): " << count << '\n';
    }
    return ExitOk;
}

int CommandDump(const TCommandContext& Context, const TArgs& Args) {
    const auto station = Context.ReadImage(Args[0]);
    VisitZones(*station, {Args.begin() + 1, Args.end()}, [&](TCustomZoneCPS& Zone, bool) {
        Context.PrintLines({Zone.GetTypeZone(), Zone.GetNumeroZone()}, FieldLines(Zone));
    });
    return ExitOk;
}

int CommandGet(const TCommandContext& Context, const TArgs& Args) {
    const auto station = Context.ReadImage(Args[0]);
    const TCliZone zone(*station, Args[1]);
    const TKEVField& field = FindField(zone.Zone(), Args[2]);
    const std::vector<TFieldLine> lines = FieldLines(field, Args[2]);
    if (lines.size() == 1 && lines[0].Name == Args[2]) {
        Context.Out << lines[0].Value << '\n';
        return ExitOk;
    }
    for (const TFieldLine& line : lines)
        Context.Out << line.Name << '=' << line.Value << '\n';
    return ExitOk;
}

int CommandSet(const TCommandContext& Context, const TArgs& Args) {
    return Context.ChangeImage(Args[0], [&](TStation& station) {
        const TCliZone zone(station, Args[1]);
        std::vector<TFieldLine> changed;
        for (std::size_t index = 2; index < Args.size(); ++index) {
            const auto [name, value] = SplitAssignment(Args[index]);
            TKEVField& field = FindField(zone.Zone(), name);
            try {
                SetDisplayValue(field, value);
            } catch (const Exception& refused) {
                Context.Message(ZoneIdText(zone.Id().TypeZone, zone.Id().Numero) + " " + name +
                                ": " + refused.what());
                return ExitDifferent;
            }
            changed.push_back(FieldLines(field, name).front());
        }
        station.SaveZone(zone.Zone());
        Context.PrintLines(zone.Id(), changed);
        return ExitOk;
    });
}

int CommandDiff(const TCommandContext& Context, const TArgs& Args) {
    const auto station = Context.ReadImage(Args[0]);
    bool equal = true;
    Context.PrintDifferences([&](TStringList* Differences) {
        equal = station->Eprom().EqualsFichier(Differences, Args[1]);
    });
    return equal ? ExitOk : ExitDifferent;
}

} // namespace g20seq::host
