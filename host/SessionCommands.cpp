#include "host/SessionCommands.hpp"

#include "host/Session.hpp"

#include <algorithm>
#include <sstream>

namespace vantor::host {

namespace {

using Args = std::vector<Token>;

} // namespace

const std::vector<SessionCommand>& SessionCommands() {
    static const std::vector<SessionCommand> commands = {
        {"workbook", "sample|empty|FILE",
         "start over on the sample workbook, an empty one or a workbook file (\"FILE\" always "
         "a file)",
         [](Session& s, const Args& a) { s.OpenWorkbook(a[0]); }},
        {"save", "[FILE]", "save the workbook to its own file, or as FILE",
         [](Session& s, const Args& a) {
             s.Save(a.empty() ? std::nullopt : std::optional<Token>(a[0]));
         }},
        {"sheet", "NAME", "make a sheet active, adding it when there is none of that name",
         [](Session& s, const Args& a) { s.ActivateSheet(a[0].text); }},
        {"select", "REF", "select a range: A1, B2:D9, A:C, 3:5, Sheet2!A1:B2 (grown over merge areas)",
         [](Session& s, const Args& a) { s.Select(a[0].text); }},
        {"sheets", "NAME,NAME", "select sheets for the sheet pages",
         [](Session& s, const Args& a) { s.SelectSheets(a[0].text); }},
        {"set", "TARGET PATH VALUE", "write a member as a host does, at once",
         [](Session& s, const Args& a) { s.SetValue(a[0].text, a[1].text, ValueOf(a[2])); }},
        {"get", "TARGET PATH", "print a member of a range, book, sheet, app or the page's target",
         [](Session& s, const Args& a) { s.GetValue(a[0].text, a[1].text); }},
        {"trace", "on|off", "print every access of the pages to the workbook",
         [](Session& s, const Args& a) { s.Trace(a[0].text); }},
        {"dialog", "NAME", "open a dialog and print its tabs",
         [](Session& s, const Args& a) { s.OpenDialog(a[0].text); }},
        {"tab", "I|CLASS", "choose a tab of the dialog by its number or its class",
         [](Session& s, const Args& a) { s.ChooseTab(a[0]); }},
        {"open", "CLASS", "open one page alone, a dialog-style page too",
         [](Session& s, const Args& a) { s.OpenPage(a[0].text); }},
        {"close", "", "close the page opened alone",
         [](Session& s, const Args&) { s.ClosePage(); }},
        {"user", "CONTROL ACTION [ARG]",
         "act as the user: click, select I, type TEXT, focus, leave, value V, pick COLOR|auto, "
         "border N, check I",
         [](Session& s, const Args& a) { s.User(a); }},
        {"show", "CONTROL|page", "print the state of a control or of every control of the page",
         [](Session& s, const Args& a) { s.Show(a[0].text); }},
        {"list", "CONTROL", "print the items of a list or combo box",
         [](Session& s, const Args& a) { s.List(a[0].text); }},
        {"browse", "\"PATH\"|cancel", "the answer of the next folder dialog",
         [](Session& s, const Args& a) {
             s.AnswerFolder(!a[0].quoted && a[0].text == "cancel"
                                ? std::nullopt
                                : std::optional<std::string>(a[0].text));
         }},
        {"form", "CONTROL|ok|cancel [ACTION] [ARG]",
         "queue an answer of the next modal form or nested dialog: a user action on a control "
         "(of any of the dialog's pages), then ok or cancel",
         [](Session& s, const Args& a) { s.AnswerForm(a); }},
        {"reset", "", "reset the page", [](Session& s, const Args&) { s.Reset(); }},
        {"validate", "", "print the page's answer to validation",
         [](Session& s, const Args&) { s.Validate(); }},
        {"apply", "", "apply the dialog or the page opened alone",
         [](Session& s, const Args&) { s.Apply(); }},
        {"event", "N", "send the page a user event",
         [](Session& s, const Args& a) { s.SendEvent(ValueOf(a[0]).ToLong()); }},
        {"ok", "", "press OK", [](Session& s, const Args&) { s.PressOk(); }},
        {"cancel", "", "press Cancel", [](Session& s, const Args&) { s.PressCancel(); }},
        {"enddialog", "", "print how a dialog-style page ended its dialog",
         [](Session& s, const Args&) { s.EndDialogCalls(); }},
        {"passwords", "", "print the passwords of the password dialog",
         [](Session& s, const Args&) { s.Passwords(); }},
        {"modified", "", "print how often the pages reported a change since the last time",
         [](Session& s, const Args&) { s.ShowModified(); }},
        {"log", "", "print the log lines written since the last time",
         [](Session& s, const Args&) { s.ShowLog(); }},
        {"undo", "", "undo the last step", [](Session& s, const Args&) { s.UndoOrRedo(true); }},
        {"redo", "", "redo the step undone", [](Session& s, const Args&) { s.UndoOrRedo(false); }},
    };
    return commands;
}

const SessionCommand* FindSessionCommand(const std::string& name) {
    const auto& commands = SessionCommands();
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const SessionCommand& c) { return name == c.name; });
    return it == commands.end() ? nullptr : &*it;
}

bool AcceptsCount(const SessionCommand& command, size_t count) {
    size_t words = 0;
    size_t optional = 0;
    std::istringstream arguments(command.arguments);
    for (std::string word; arguments >> word; ++words) {
        optional += word.front() == '[' ? 1 : 0;
    }
    return count <= words && count + optional >= words;
}

std::string UsageOf(const SessionCommand& command) {
    return std::string("usage: ") + command.name +
           (*command.arguments == '\0' ? "" : std::string(" ") + command.arguments);
}

std::string SessionCommandHelp() {
    std::string help;
    for (const SessionCommand& command : SessionCommands()) {
        std::string synopsis = UsageOf(command).replace(0, 7, "  ");
        synopsis.resize(std::max<size_t>(synopsis.size() + 2, 32), ' ');
        help += synopsis + command.summary + "\n";
    }
    return help;
}

} // namespace vantor::host
