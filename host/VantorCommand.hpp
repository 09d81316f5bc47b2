#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace vantor::host {

// The `vantor` command: runs the subcommand its arguments name and returns
// the exit status (0 done, 2 bad input).
int RunVantorCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);

} // namespace vantor::host
