#include "cli/RefCommands.h"

#include "SafeSave.h"
#include "cli/CliErrors.h"
#include <g20seq/support/StringList.h>

#include <array>
#include <ostream>

namespace g20seq::host {

namespace {

// Prints, for every zone stored in files, the differences between the image and the
// reference file ("ZONE FIELD=image,reference"); answers their number.
int PrintReferenceDifferences(const TCommandContext& Context, TStation& Station) {
    return Context.PrintDifferences(
        [&](TStringList* Differences) { Station.Eprom().EqualsZones(nullptr, Differences); });
}

int RefSave(const TCommandContext& Context, const std::string& File, const std::string& Ref) {
    const auto station = Context.ReadImage(File);
    TSafeSave save(Ref, TSafeSave::TStart::Empty);
    station->SaveToNewRefFile(save.WorkingFile());
    save.Commit();
    Context.Out << "saved the reference " << Ref << " from " << File << '\n';
    return ExitOk;
}

int RefDiff(const TCommandContext& Context, const std::string& File, const std::string& Ref) {
    const auto station = Context.ReadImage(File);
    station->OpenRefFile(Ref);
    return PrintReferenceDifferences(Context, *station) == 0 ? ExitOk : ExitDifferent;
}

int RefRestore(const TCommandContext& Context, const std::string& File, const std::string& Ref) {
    return Context.ChangeImage(File, [&](TStation& station) {
        station.OpenRefFile(Ref);
        const int restored = PrintReferenceDifferences(Context, station);
        if (!station.Eprom().PartialCopyRef())
            throw EHostIOError("cannot restore every zone from '" + Ref + "' (see the event log)");
        Context.Out << "restored " << File << " from the reference " << Ref << " (" << restored
                    << " values)\n";
        return ExitOk;
    });
}

struct TRefAction {
    const char* Name;
    int (*Run)(const TCommandContext&, const std::string&, const std::string&);
};

constexpr std::array<TRefAction, 3> RefActions = {
    {{"save", RefSave}, {"restore", RefRestore}, {"diff", RefDiff}}};

} // namespace

int CommandRef(const TCommandContext& Context, const TArgs& Args) {
    for (const TRefAction& action : RefActions)
        if (Args[0] == action.Name)
            return action.Run(Context, Args[1], Args[2]);
    throw TUsageError("unknown action '" + Args[0] + "' (save, restore or diff)");
}

} // namespace g20seq::host
