// SPDX-License-Identifier: GPL-3.0-or-later
// vantrel-cli: headless access to Vantrel projects.
#include "commands.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp(std::ostream& out)
{
    out << "Usage: vantrel-cli COMMAND [ARGUMENTS]\n\n"
           "Reads, writes and inspects Vantrel adaptation-pathway projects (.pathway files)\n"
           "without a window.\n\nCommands:\n";
    for (const auto& c : vantrel::cli::commands())
        out << "  " << c.name << ' ' << c.synopsis << "\n      " << c.description << "\n";
    out << "\n  --help, help\n      Shows this text.\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printHelp(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(std::cout);
        return 0;
    }
    for (const auto& c : vantrel::cli::commands()) {
        if (args[0] != c.name)
            continue;
        args.erase(args.begin());
        try {
            return c.run(args, std::cout);
        } catch (const vantrel::cli::UsageError& e) {
            std::cerr << e.what() << "\nUsage: vantrel-cli " << c.name << ' ' << c.synopsis << "\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "Unknown command '" << args[0] << "'. See vantrel-cli --help.\n";
    return 2;
}
