#include "cli/Cli.h"

#include "SafeSave.h"
#include "cli/AuditCommand.h"
#include "cli/CliErrors.h"
#include "cli/CodecCommands.h"
#include "cli/DemoCommand.h"
#include "cli/ExportCommand.h"
#include "cli/ImageCommands.h"
#include "cli/RefCommands.h"
#include "cli/SimCommands.h"
#include "cli/TextCommands.h"
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/support/Exceptions.h>

#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>

namespace g20seq::host {

namespace {

using TRun = int (*)(const TCommandContext&, const TArgs&);

struct TCommand {
    const char* Name;
    const char* Usage; // arguments after the command name
    const char* Help;
    int MinArgs;
    int MaxArgs; // -1: no limit
    TRun Run;
};

constexpr int Unlimited = -1;

constexpr std::array<TCommand, 18> Commands = {{
    {"new", "NAME FILE [--force]",
     "Creates the station NAME (\"GA...\" AC controller, \"GM...\" medium frequency) and\n"
     "writes its image with the default values into FILE. An existing FILE is kept\n"
     "unless --force is given.",
     2, 3, CommandNew},
    {"info", "FILE",
     "Shows the identification of the image, the controller variant, whether the header\n"
     "is valid and the number of blocks of every zone type.",
     1, 1, CommandInfo},
    {"dump", "FILE [ZONE...]",
     "Prints every field of the zones stored in FILE (or of the ZONEs given), one line\n"
     "per field: ZONE FIELD=VALUE, with the display value. ZONE is written as\n"
     "PrcProgrammes=5; array elements as FIELD[i], i from 0.",
     1, Unlimited, CommandDump},
    {"get", "FILE ZONE FIELD",
     "Prints the display value of one field (FIELD or FIELD[i]); an array prints one\n"
     "line per element.",
     3, 3, CommandGet},
    {"set", "FILE ZONE FIELD=VALUE...",
     "Changes display values through the fields' setters and saves the image. A value\n"
     "the field refuses prints the field's message, exits 1 and leaves FILE unchanged.\n"
     "An enumerated field takes one of its captions or its number.",
     3, Unlimited, CommandSet},
    {"diff", "FILE OTHER",
     "Compares the image in FILE with the image in OTHER and prints the values that\n"
     "differ (ZONE FIELD=image,other); exits 1 when they differ.",
     2, 2, CommandDiff},
    {"fmt", "FILE [ZONE...] [--all]",
     "Prints the canonical text of the image: a header (identification, variant), then\n"
     "one line per field, ZONE FIELD=VALUE, in the zone order of the file and the field\n"
     "order of the zone. Values are raw values (an enumeration as its number, its caption\n"
     "in a trailing comment), quoted (\"...\", inner quotes doubled) when empty, padded or\n"
     "holding =, # or \". The text is the same on every machine and loads back with apply.\n"
     "Without --all only the zones the controller receives are written (not the counters,\n"
     "the cutter counters or the process links); ZONEs given are written whatever they are.",
     1, Unlimited, CommandFmt},
    {"apply", "FILE TEXT [--dry-run]",
     "Loads a text written by fmt into the image, through the fields' raw limits, and\n"
     "saves the zones that change in one safe save under the image's lock. Every line is\n"
     "checked first: a refused line (unknown zone or field, value outside its limits, a\n"
     "variant other than the image's) is printed with its line number and the field's\n"
     "message, exits 1 and nothing is written. Prints the changed values\n"
     "(ZONE FIELD=image,text); --dry-run prints them and writes nothing.",
     2, 3, CommandApply},
    {"audit", "IMAGES... --refs DIR | --against IMAGE [--html OUT] [--csv OUT] [--jobs N] [--all]",
     "Compares each station image with its reference: the file of the same name in DIR, or\n"
     "one golden IMAGE for all. Stations are compared in parallel (N at a time, default:\n"
     "one per core), with a progress bar when stderr is a terminal. Prints one line per\n"
     "station (equal, N differences, or the error) and writes an HTML report (a sortable\n"
     "table of the differing fields per station, both values and captions) and a CSV.\n"
     "The zones compared are those fmt writes (--all: every zone in the file). Exits 0 when\n"
     "all are equal, 1 when some differ, 2 when an image could not be read (header\n"
     "refused, or a block of the reference missing or short in the image).",
     2, Unlimited, CommandAudit},
    {"export", "FILE OUT [--sections LIST] [--programs LIST] [--electrodes LIST]",
     "Writes the text export of the image into OUT: for each section, one row per\n"
     "parameter and one column per zone number, cells separated by \";\" (UTF-8, CR LF).\n"
     "LIST is comma-separated. Sections: Programmes, Electrodes, Configuration,\n"
     "AssignationPoint, Fraise, Rodeuse, ApprentissageAW, ProgrammeCombine,\n"
     "ApprentissageAWA (default: all; those the station lacks are skipped). --programs and\n"
     "--electrodes keep only the numbers listed (default: all; an empty LIST keeps none).",
     2, 8, CommandExport},
    {"encode", "FILE ZONE",
     "Prints the payload the zone is sent to the controller as, in hexadecimal.", 2, 2,
     CommandEncode},
    {"decode", "FILE ZONE HEX [--write]",
     "Decodes a controller payload (hexadecimal) into the zone, prints the result code\n"
     "and the fields that changed. With --write the image is saved, and only when the\n"
     "payload was accepted; a refused payload exits 1.",
     3, 4, CommandDecode},
    {"ref", "save|restore|diff FILE REF",
     "Reference file of a station: save copies the image into REF; diff prints the\n"
     "values that differ (ZONE FIELD=image,reference) and exits 1 when some do;\n"
     "restore puts the reference values back into the image.",
     3, 3, CommandRef},
    {"simulate", "--port N --station NAME [--image FILE] [--rate W]",
     "Runs a simulated controller of the station NAME (\"GA...\" AC, \"GM...\" MF) on\n"
     "127.0.0.1:N (0: a free port, printed), holding the zones of a new image of that\n"
     "name or of FILE, welding W times a second (default: not), until it is interrupted\n"
     "(Ctrl+C) or terminated.",
     4, 8, CommandSimulate},
    {"watch", "HOST:PORT [--count N]",
     "Prints one line per signature the controller at HOST:PORT writes (date, program,\n"
     "step, electrode, current, points, fault), until interrupted or N signatures.",
     1, 3, CommandWatch},
    {"send", "FILE --to HOST:PORT",
     "Writes every zone a controller takes from the image (not the counters, the cutter\n"
     "counters or the process links) to the controller at HOST:PORT. A refused zone\n"
     "exits 1, no answer exits 2.",
     3, 3, CommandSend},
    {"receive", "FILE --to HOST:PORT",
     "Reads every zone the image stores (but the process links) from the controller at\n"
     "HOST:PORT into the image, which is saved only when every zone came.",
     3, 3, CommandReceive},
    {"demo", "DIR",
     "A guided tour of the main job on a demo station in DIR: create it, change a weld\n"
     "program and an electrode, save a reference, change again, show the differences,\n"
     "restore the reference and export the program and the electrode as text.",
     1, 1, CommandDemo},
}};

constexpr const char* Options =
    "options (anywhere on the command line):\n"
    "  --verbose         print the event log on stderr\n"
    "  --yes, --no       answer the module's questions\n"
    "  --settings FILE   settings file (default ~/.config/g20seq/settings.ini)\n"
    "  --catalogue FILE  translation catalogue (default: the French texts)\n"
    "  --log FILE        log file (default ~/.local/state/g20seq/g20seq.log)\n"
    "  --help            show the help (of a command: g20seq COMMAND --help)\n"
    "  --version         show the version\n";

void PrintUsage(std::ostream& Stream) {
    Stream << "usage: g20seq [OPTIONS] COMMAND [ARGS...]\n\n"
           << "Works on the parameter memory image of G20 welding controllers.\n\ncommands:\n";
    for (const TCommand& command : Commands)
        Stream << "  " << command.Name << ' ' << command.Usage << '\n';
    Stream << '\n' << Options;
}

const TCommand* FindCommand(const std::string& Name) {
    for (const TCommand& command : Commands)
        if (Name == command.Name)
            return &command;
    return nullptr;
}

bool Contains(const TArgs& Args, const char* Word) {
    for (const std::string& arg : Args)
        if (arg == Word)
            return true;
    return false;
}

// The command line without the global options, and the options found.
struct TOptions {
    bool Verbose = false;
    std::optional<TDialogPolicy> Policy;
    std::string Settings;
    std::string Catalogue;
    std::string Log;
    TArgs Rest;
};

TOptions ParseOptions(const TArgs& Args) {
    struct TValueOption {
        const char* Name;
        std::string TOptions::*Value;
    };
    static constexpr std::array<TValueOption, 3> ValueOptions = {
        {{"--settings", &TOptions::Settings},
         {"--catalogue", &TOptions::Catalogue},
         {"--log", &TOptions::Log}}};
    TOptions options;
    for (std::size_t index = 0; index < Args.size(); ++index) {
        const std::string& arg = Args[index];
        if (arg == "--verbose" || arg == "-v") {
            options.Verbose = true;
            continue;
        }
        if (arg == "--yes" || arg == "--no") {
            options.Policy = arg == "--yes" ? TDialogPolicy::Yes : TDialogPolicy::No;
            continue;
        }
        bool taken = false;
        for (const TValueOption& option : ValueOptions)
            if (arg == option.Name) {
                if (++index == Args.size())
                    throw TUsageError(std::string(option.Name) + " needs a file name");
                options.*option.Value = Args[index];
                taken = true;
            }
        if (!taken)
            options.Rest.push_back(arg);
    }
    return options;
}

void SetUpServices(TDataProxy& Proxy, const TOptions& Options, std::ostream& Err) {
    Proxy.LoadUserFiles(Options.Settings, Options.Catalogue, Options.Log);
    if (Options.Verbose)
        Proxy.EventLog().SetVerboseStream(&Err);
    Proxy.Dialogs().SetPolicy(Options.Policy.value_or(TDialogPolicy::Refuse));
    Proxy.Dialogs().SetMessageStream(&Err);
}

// Installs the host's data proxy in the module for the lifetime of one run.
class TProxyInstalled {
public:
    explicit TProxyInstalled(TDataProxy& Proxy) { SetDataProxy(&Proxy); }
    ~TProxyInstalled() { SetDataProxy(nullptr); }
    TProxyInstalled(const TProxyInstalled&) = delete;
    TProxyInstalled& operator=(const TProxyInstalled&) = delete;
};

} // namespace

int RunCommand(const TCommandContext& Context, const TArgs& CommandLine) {
    const TCommand* command = CommandLine.empty() ? nullptr : FindCommand(CommandLine[0]);
    if (command == nullptr) {
        if (!CommandLine.empty())
            Context.Err << "g20seq: unknown command '" << CommandLine[0] << "'\n";
        PrintUsage(Context.Err);
        return ExitUsage;
    }
    TCommandContext context{Context.Out, Context.Err, Context.Proxy, Context.Protocole,
                            command->Name};
    const TArgs args(CommandLine.begin() + 1, CommandLine.end());
    if (Contains(args, "--help") || Contains(args, "-h")) {
        context.Out << "usage: g20seq " << command->Name << ' ' << command->Usage << "\n\n"
                    << command->Help << '\n';
        return ExitOk;
    }
    try {
        const int count = static_cast<int>(args.size());
        if (count < command->MinArgs || (command->MaxArgs != Unlimited && count > command->MaxArgs))
            throw TUsageError("wrong number of arguments");
        return command->Run(context, args);
    } catch (const TUsageError& error) {
        context.Message(error.what());
        context.Err << "usage: g20seq " << command->Name << ' ' << command->Usage << '\n';
    } catch (const std::exception& error) {
        // The module's exceptions (a malformed zone file, a station it does not handle) and
        // the host's I/O errors: the message is the one they carry.
        context.Message(error.what());
    }
    return ExitUsage;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TOptions options;
    try {
        options = ParseOptions(args);
    } catch (const TUsageError& error) {
        err << "g20seq: " << error.what() << '\n';
        return ExitUsage;
    }
    const TArgs& rest = options.Rest;
    if (rest.empty() || rest[0] == "--help" || rest[0] == "-h") {
        PrintUsage(rest.empty() ? err : out);
        return rest.empty() ? ExitUsage : ExitOk;
    }
    if (rest[0] == "--version") {
        out << "g20seq 0.1.0\n";
        return ExitOk;
    }
    TDataProxy proxy;
    TProtocoleG20 protocole;
    try {
        SetUpServices(proxy, options, err);
    } catch (const std::exception& error) {
        err << "g20seq: " << error.what() << '\n';
        return ExitUsage;
    }
    const TProxyInstalled installed(proxy);
    return RunCommand({out, err, proxy, protocole, ""}, rest);
}

} // namespace g20seq::host
