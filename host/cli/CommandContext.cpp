#include "cli/CommandContext.h"

#include "SafeSave.h"
#include "cli/CliErrors.h"
#include "protocol/ProtocoleG20.h"
#include <g20seq/model/DifferenceReporter.h>

#include <algorithm>
#include <iterator>
#include <ostream>

namespace g20seq::host {

namespace {

// Prints each difference as "ZONE FIELD=own,other" and counts them.
class TDifferencePrinter : public TDifferenceReporter {
public:
    explicit TDifferencePrinter(std::ostream& Out) : FOut(Out) {}
    void Report(const TFieldDifference& Difference) override {
        if (Difference.Zone)
            FOut << ZoneIdText(Difference.Zone->TypeZone, Difference.Zone->NumeroZone) << ' ';
        FOut << DifferenceLine(Difference) << '\n';
        ++FCount;
    }
    int Count() const { return FCount; }

private:
    std::ostream& FOut;
    int FCount = 0;
};

} // namespace

void TCommandContext::Message(const std::string& Text) const {
    Err << "g20seq " << Command << ": " << Text << '\n';
}

void TCommandContext::PrintLines(const TZoneId& Zone, const std::vector<TFieldLine>& Lines) const {
    const std::string zone = ZoneIdText(Zone.TypeZone, Zone.Numero);
    for (const TFieldLine& line : Lines)
        Out << zone << ' ' << line.Name << '=' << line.Value << '\n';
}

int TCommandContext::PrintDifferences(const std::function<void(TStringList*)>& Compare) const {
    TDifferencePrinter printer(Out);
    TReportingDifferenceList differences(printer);
    Compare(&differences);
    return printer.Count();
}

std::unique_ptr<TStation> TCommandContext::ReadImage(const std::string& Path) const {
    return TStation::Open(Path, false, &Protocole);
}

int TCommandContext::ChangeImage(const std::string& Path,
                                 const std::function<int(TStation&)>& Change) const {
    TSafeSave save(Path, TSafeSave::TStart::CopyOfTarget);
    int result = ExitOk;
    {
        const auto station = TStation::Open(save.WorkingFile(), true, &Protocole);
        result = Change(*station);
        station->CloseFiles();
    }
    if (result == ExitOk)
        save.Commit();
    return result;
}

bool TakeFlag(TArgs& Args, const std::string& Flag) {
    return std::erase(Args, Flag) > 0;
}

std::string TakeValue(TArgs& Args, const std::string& Option) {
    const auto found = std::find(Args.begin(), Args.end(), Option);
    if (found == Args.end())
        return {};
    if (std::next(found) == Args.end())
        throw TUsageError(Option + " needs a value");
    std::string value = *std::next(found);
    Args.erase(found, found + 2);
    return value;
}

} // namespace g20seq::host
