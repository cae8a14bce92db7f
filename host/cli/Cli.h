// The g20seq command-line tool: parses the command line, sets up the host services and
// the module's data proxy, and runs one command from the table of commands.
#pragma once

#include "cli/CommandContext.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace g20seq::host {

// Runs the command given by args (without the program name); normal output goes to
// out, messages to err. Answers the process exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs one command line ("set FILE ZONE FIELD=VALUE", without global options) with the
// services of Context: checks the arguments against the command table, prints the
// command's help for --help, and turns errors into messages and exit codes.
int RunCommand(const TCommandContext& Context, const TArgs& CommandLine);

} // namespace g20seq::host
