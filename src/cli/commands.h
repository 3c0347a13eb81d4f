// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantrel::cli {

/// A command line that does not fit the subcommand; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// One subcommand of vantrel-cli.
struct Command {
    const char* name;
    const char* synopsis;    ///< arguments, as shown in the usage line
    const char* description; ///< what it does, for --help
    /// Runs with the arguments after the subcommand's name; returns the exit status. Throws
    /// UsageError for bad arguments and any vantrel error for what fails.
    int (*run)(const std::vector<std::string>& args, std::ostream& out);
};

/// Every subcommand, in the order --help lists them.
const std::vector<Command>& commands();

// Helpers shared by the subcommands.
double parseNumberArgument(const std::string& text, const char* what);
int parseIntegerArgument(const std::string& text, const char* what);
/// Takes "--name VALUE" out of `args` if present.
bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value);
/// Takes a "--name" flag out of `args` if present.
bool takeFlag(std::vector<std::string>& args, const std::string& name);
void expectArgumentCount(const std::vector<std::string>& args, std::size_t min, std::size_t max);

} // namespace vantrel::cli
