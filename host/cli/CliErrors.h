// Errors of the command-line tool that are the user's: a wrong command line (exit 2 with
// the command's usage).
#pragma once

#include <stdexcept>

namespace g20seq::host {

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace g20seq::host
