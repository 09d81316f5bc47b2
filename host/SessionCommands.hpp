#pragma once
#include "host/SessionText.hpp"

#include <string>
#include <vector>

// The commands of the session script language, one row each: a new command
// is a row here and, when it needs one, an operation of the session.
namespace vantor::host {

class Session;

struct SessionCommand {
    const char* name;
    // As the usage line shows them: a word each, "[ARG]" may be left out.
    const char* arguments;
    const char* summary;
    // Runs with the arguments counted already.
    void (*run)(Session& session, const std::vector<Token>& args);
};

const std::vector<SessionCommand>& SessionCommands();
// The command of that name (matched exactly), or null.
const SessionCommand* FindSessionCommand(const std::string& name);
// Whether the command takes that many arguments, by its usage line.
bool AcceptsCount(const SessionCommand& command, size_t count);
// "usage: NAME ARGUMENTS", as a session reports a wrong count of arguments.
std::string UsageOf(const SessionCommand& command);
// One line a command, "  NAME ARGUMENTS   SUMMARY", in the order of the table.
std::string SessionCommandHelp();

} // namespace vantor::host
