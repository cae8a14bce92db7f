// The g20seq command-line tool: parses the command line and runs one command.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace g20seq::host {

// Exit codes of the tool.
constexpr int ExitOk = 0;
constexpr int ExitDifferent = 1; // differences found, or a value or payload refused
constexpr int ExitUsage = 2;     // usage or I/O error

// Runs the command given by args (without the program name); normal output goes to
// out, messages to err. Answers the process exit code.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace g20seq::host
