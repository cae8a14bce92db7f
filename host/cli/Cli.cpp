#include "cli/Cli.h"

#include <ostream>

namespace g20seq::host {

namespace {

const char* const Usage = "usage: g20seq COMMAND [ARGS...]\n"
                          "\n"
                          "Works on the parameter memory image of G20 welding controllers.\n"
                          "\n"
                          "options:\n"
                          "  --help     show this help\n"
                          "  --version  show the version\n";

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << Usage;
        return ExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << Usage;
        return ExitOk;
    }
    if (args[0] == "--version") {
        out << "g20seq 0.1.0\n";
        return ExitOk;
    }
    err << "g20seq: unknown command '" << args[0] << "'\n" << Usage;
    return ExitUsage;
}

} // namespace g20seq::host
