#include "cli/TextCommands.h"

#include "SafeSave.h"
#include "cli/CliErrors.h"
#include "cli/ImageCommands.h"
#include "cli/ImageText.h"
#include "protocol/ZoneFiles.h"
#include "services/DataProxy.h"
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/DifferenceReporter.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <ostream>

namespace g20seq::host {

namespace {

// The lines of one zone of a text, in text order.
struct TZoneLines {
    std::string Zone;
    std::vector<const TTextLine*> Lines;
};

std::vector<TZoneLines> ByZone(const TImageText& Text) {
    std::vector<TZoneLines> zones;
    std::map<std::string, std::size_t> found;
    for (const TTextLine& line : Text.Lines) {
        const auto [position, added] = found.emplace(line.Zone, zones.size());
        if (added)
            zones.push_back({line.Zone, {}});
        zones[position->second].Lines.push_back(&line);
    }
    return zones;
}

// What a text changes in a station: the values, as differences (image, text).
struct TApplied {
    std::vector<std::string> Changes; // "ZONE FIELD=image,text"
    int Zones = 0;
    std::vector<TTextError> Errors;
};

// Gives the fields of one zone their values from the text; a refused line is kept in
// Errors and the others go on.
void ApplyZone(TStation& Station, const TZoneLines& Lines, bool Save, TApplied& Applied) {
    const TCliZone zone(Station, Lines.Zone);
    TCustomZoneCPS& held = zone.Zone();
    if (!held.IsFileZone())
        throw TUsageError("the zone is not stored in the image");
    const std::vector<TFieldLine> before = FieldLines(held, RawText);
    for (const TTextLine* line : Lines.Lines)
        try {
            TKEVField& field = FindField(held, line->Field);
            if (RawText(field) != line->Value)
                SetRawText(field, line->Value);
        } catch (const std::exception& refused) {
            Applied.Errors.push_back(
                {line->Number, Lines.Zone + " " + line->Field + ": " + refused.what()});
        }
    const std::vector<TFieldLine> changed = ChangedLines(before, FieldLines(held, RawText));
    if (changed.empty())
        return;
    std::map<std::string, std::string> previous;
    for (const TFieldLine& line : before)
        previous[line.Name] = line.Value;
    const std::string zoneText = ZoneIdText(zone.Id().TypeZone, zone.Id().Numero);
    for (const TFieldLine& line : changed) {
        TFieldDifference difference;
        difference.Path = line.Name;
        difference.OwnText = previous[line.Name];
        difference.OtherText = line.Value;
        Applied.Changes.push_back(zoneText + ' ' + DifferenceLine(difference));
    }
    ++Applied.Zones;
    if (Save)
        Station.SaveZone(held);
}

TApplied ApplyText(TStation& Station, const TImageText& Text, bool Save) {
    TApplied applied;
    applied.Errors = Text.Errors;
    const std::string variante = VarianteText(VarianteOfName(Station.Nom()));
    if (Text.VarianteLine == 0)
        applied.Errors.push_back({1, "the text names no variant (a line: variant AC or MF)"});
    else if (Text.Variante != variante)
        applied.Errors.push_back({Text.VarianteLine, "the text is of variant " + Text.Variante +
                                                         ", the image of variant " + variante});
    for (const TZoneLines& lines : ByZone(Text))
        try {
            ApplyZone(Station, lines, Save, applied);
        } catch (const std::exception& refused) {
            applied.Errors.push_back(
                {lines.Lines.front()->Number, lines.Zone + ": " + refused.what()});
        }
    std::stable_sort(applied.Errors.begin(), applied.Errors.end(),
                     [](const TTextError& A, const TTextError& B) { return A.Number < B.Number; });
    return applied;
}

// Prints what a text changed, or why it was refused; answers the exit code.
int Report(const TCommandContext& Context, const TApplied& Applied, const TArgs& Args,
           bool DryRun) {
    for (const TTextError& error : Applied.Errors)
        Context.Message(Args[1] + ":" + std::to_string(error.Number) + ": " + error.Message);
    if (!Applied.Errors.empty()) {
        Context.Message(std::to_string(Applied.Errors.size()) + " line(s) refused, " + Args[0] +
                        " left unchanged");
        return ExitDifferent;
    }
    for (const std::string& change : Applied.Changes)
        Context.Out << change << '\n';
    Context.Out << (DryRun ? "would change " : "changed ") << Applied.Changes.size()
                << " value(s) in " << Applied.Zones << " zone(s) of " << Args[0]
                << (DryRun ? " (dry run, nothing written)\n" : "\n");
    return ExitOk;
}

} // namespace

int CommandFmt(const TCommandContext& Context, const TArgs& Args) {
    TArgs args = Args;
    const bool all = TakeFlag(args, "--all");
    if (args.empty())
        throw TUsageError("expected FILE");
    const TArgs zones(args.begin() + 1, args.end());
    // Captions in the text must not depend on the catalogue of the machine.
    Context.Proxy.Translations().UseDefaultTexts();
    const auto station = Context.ReadImage(args[0]);
    TImageText header;
    header.Identification = station->Nom();
    header.Variante = VarianteText(VarianteOfName(station->Nom()));
    WriteTextHeader(Context.Out, header);
    VisitZones(*station, zones, [&](TCustomZoneCPS& Zone, bool Named) {
        if (Named || InImageText(Zone, all))
            Context.PrintLines({Zone.GetTypeZone(), Zone.GetNumeroZone()},
                               FieldLines(Zone, CanonicalText));
    });
    return ExitOk;
}

int CommandApply(const TCommandContext& Context, const TArgs& Args) {
    TArgs args = Args;
    const bool dryRun = TakeFlag(args, "--dry-run");
    if (args.size() != 2)
        throw TUsageError("expected FILE TEXT");
    std::ifstream in(args[1], std::ios::binary);
    if (!in)
        throw EHostIOError("cannot read '" + args[1] + "'");
    const TImageText text = ReadImageText(in);
    if (dryRun)
        return Report(Context, ApplyText(*Context.ReadImage(args[0]), text, false), args, true);
    return Context.ChangeImage(args[0], [&](TStation& Station) {
        return Report(Context, ApplyText(Station, text, true), args, false);
    });
}

} // namespace g20seq::host
