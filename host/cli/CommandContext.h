// What every command of the command-line tool works with: its output streams, the
// host's data proxy and the G20 protocol model, and the two ways to reach an image
// (read it as it is, or change it through a working copy that is committed only when the
// command succeeds).
#pragma once

#include "Station.h"
#include "cli/FieldAccess.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace g20seq::host {

class TDataProxy;
class TProtocoleG20;

// Exit codes of the tool.
constexpr int ExitOk = 0;
constexpr int ExitDifferent = 1; // differences found, or a value or payload refused
constexpr int ExitUsage = 2;     // usage or I/O error

struct TCommandContext {
    std::ostream& Out;
    std::ostream& Err;
    TDataProxy& Proxy;
    TProtocoleG20& Protocole;
    // Name of the running command, for messages ("g20seq set: ...").
    std::string Command;

    // Prints "g20seq <command>: <Text>" on the message stream.
    void Message(const std::string& Text) const;
    // Prints "ZONE FIELD=VALUE" for every line.
    void PrintLines(const TZoneId& Zone, const std::vector<TFieldLine>& Lines) const;
    // Runs Compare with a difference list that prints "ZONE FIELD=own,other" for every
    // difference it is given; answers the number of differences printed.
    int PrintDifferences(const std::function<void(TStringList*)>& Compare) const;

    // The station of the image in Path, opened read-only.
    std::unique_ptr<TStation> ReadImage(const std::string& Path) const;
    // Runs Change on a working copy of the image in Path; the copy replaces the image only
    // when Change answers ExitOk, otherwise (and on any exception) it is removed and the
    // image stays as it was. Answers what Change answered.
    int ChangeImage(const std::string& Path, const std::function<int(TStation&)>& Change) const;
};

// Arguments of a command after the command name.
using TArgs = std::vector<std::string>;

// Removes every Flag from Args; answers whether there was one.
bool TakeFlag(TArgs& Args, const std::string& Flag);
// Removes "Option VALUE" from Args and answers VALUE (empty when Option is absent); raises
// TUsageError for an option without its value.
std::string TakeValue(TArgs& Args, const std::string& Option);

} // namespace g20seq::host
