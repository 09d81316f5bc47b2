#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace vantor::host {

// The `vantor` command: runs the subcommand its arguments name and returns
// the exit status (0 done, 1 some input refused, 2 bad input or a failure).
int RunVantorCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);

// The subcommands of `vantor`, one row each; the top-level help is made from
// this table.
struct VantorSubcommand {
    const char* name;
    // The command's own help; its first line is "usage: vantor NAME ...".
    const char* usage;
    // One line for the top-level help.
    const char* summary;
    // Runs with the arguments after the name; a help option is answered before.
    int (*run)(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err);
    // What the command's help adds after its usage, or null.
    std::string (*moreHelp)() = nullptr;
};

const std::vector<VantorSubcommand>& VantorSubcommands();
// The help of `vantor --help`: a line a subcommand, in the order of the table.
std::string VantorHelp();

} // namespace vantor::host
