#include "cli/DemoCommand.h"

#include "cli/Cli.h"

#include <array>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>

namespace g20seq::host {

namespace {

struct TDemoStep {
    const char* Explanation;
    // The command line; {IMAGE}, {REF} and {EXPORT} stand for the demo files.
    const char* CommandLine;
    int Expected;
};

constexpr std::array<TDemoStep, 13> DemoSteps = {{
    {"Create the station GA_Demo (an AC controller) with its factory values.",
     "new GA_Demo {IMAGE} --force", ExitOk},
    {"What the image holds.", "info {IMAGE}", ExitOk},
    {"Set up weld program 5: squeeze, weld and hold times (periods), electrode 1.",
     "set {IMAGE} PrcProgrammes=5 IDTempsAccostage=20 IDTempsSoudage=12 IDTempsForgeage=5 "
     "IDNumeroElectrode=1",
     ExitOk},
    {"Set up electrode 1: points per wear compensation step and dressing margin.",
     "set {IMAGE} PrcElectrodes=1 IDNombreIP=500 IDMargeRodage=25", ExitOk},
    {"The controller refuses a weld time it cannot do: nothing changes.",
     "set {IMAGE} PrcProgrammes=5 IDTempsSoudage=5000", ExitDifferent},
    {"Save this state as the station's reference.", "ref save {IMAGE} {REF}", ExitOk},
    {"Change the program and the electrode again.", "set {IMAGE} PrcProgrammes=5 IDTempsSoudage=14",
     ExitOk},
    {"", "set {IMAGE} PrcElectrodes=1 IDNombreIP=400", ExitOk},
    {"What differs from the reference (image value, reference value).", "ref diff {IMAGE} {REF}",
     ExitDifferent},
    {"The payload program 5 is sent to the controller as.", "encode {IMAGE} PrcProgrammes=5",
     ExitOk},
    {"Put the reference values back.", "ref restore {IMAGE} {REF}", ExitOk},
    {"The weld time is the reference's again.", "get {IMAGE} PrcProgrammes=5 IDTempsSoudage",
     ExitOk},
    {"Export program 5 and electrode 1 as text for a spreadsheet (one column per zone).",
     "export {IMAGE} {EXPORT} --sections Programmes,Electrodes --programs 5 --electrodes 1",
     ExitOk},
}};

TArgs StepArguments(const TDemoStep& Step, const std::map<std::string, std::string>& Files) {
    std::istringstream words(Step.CommandLine);
    TArgs args;
    std::string word;
    while (words >> word) {
        const auto file = Files.find(word);
        args.push_back(file != Files.end() ? file->second : word);
    }
    return args;
}

std::string CommandText(const TArgs& Args) {
    std::string text = "g20seq";
    for (const std::string& arg : Args)
        text += " " + arg;
    return text;
}

} // namespace

int CommandDemo(const TCommandContext& Context, const TArgs& Args) {
    const std::filesystem::path directory = Args[0];
    std::filesystem::create_directories(directory);
    const std::map<std::string, std::string> files = {
        {"{IMAGE}", (directory / "GA_Demo.g20").string()},
        {"{REF}", (directory / "GA_Demo.ref").string()},
        {"{EXPORT}", (directory / "GA_Demo.csv").string()}};
    // The demo's own messages go with its output, so the tour reads in order.
    const TCommandContext stepContext{Context.Out, Context.Out, Context.Proxy, Context.Protocole,
                                      Context.Command};
    for (const TDemoStep& step : DemoSteps) {
        const TArgs args = StepArguments(step, files);
        if (*step.Explanation != '\0')
            Context.Out << '\n' << "== " << step.Explanation << '\n';
        Context.Out << "$ " << CommandText(args) << '\n';
        const int result = RunCommand(stepContext, args);
        if (result != step.Expected) {
            Context.Message("the step '" + CommandText(args) + "' answered " +
                            std::to_string(result) + " instead of " +
                            std::to_string(step.Expected));
            return ExitUsage;
        }
        if (result != ExitOk)
            Context.Out << "(exit code " << result << ")\n";
    }
    Context.Out << "\nThe demo station is in " << directory.string() << ".\n";
    return ExitOk;
}

} // namespace g20seq::host
