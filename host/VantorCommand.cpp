#include "host/VantorCommand.hpp"

#include "host/DesktopAssociation.hpp"
#include "host/OptionsStore.hpp"

#include "host/DialogCatalogue.hpp"
#include "host/MemberReference.hpp"
#include "host/Session.hpp"
#include "host/SessionCommands.hpp"
#include "model/Application.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/Workbook.hpp"
#include "xlsx/WorkbookFile.hpp"
#include "model/numfmt/FormatCode.hpp"
#include "vantor/automation/SafeSave.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/PropertyPage.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace vantor::host {

namespace {

using Args = std::vector<std::string>;

constexpr const char* DemoUsage = R"(usage: vantor demo [--trace] [--out FILE.xlsx]

Opens the Format Cells dialog over a mixed region of the sample workbook,
changes the alignment, font, border and fill as a user would and presses OK;
then undoes. Prints the cells before, what the pages read, what the user
changed, the cells after OK and after undo, and saves the workbook as it was
after OK, printing "saved FILE" last.
  --trace          also print every access of the pages to the workbook and
                   the diagnostic log
  --out FILE.xlsx  where to save (vantor-demo.xlsx in the current folder)
)";

constexpr const char* SessionUsage =
    R"(usage: vantor session [--workbook sample|empty|FILE.xlsx] [--trace] SCRIPT

Runs the session script SCRIPT (- reads standard input) against the embedded
workbook (sample by default). One command a line; # starts a comment.
  --workbook sample|empty|FILE.xlsx  the workbook to start with (a file named
                   sample or empty is ./sample); a file that cannot be opened
                   ends the command with its error and status 2
  --trace          print every access of the pages to the workbook
Output goes to standard output; a script error goes to standard error as
"line N: WHAT" and ends the session with status 2, as does a script that
cannot be read. A line may be up to 1 MiB long.
)";

constexpr const char* NumfmtUsage = R"(usage: vantor numfmt < LINES

Reads lines CODE<TAB>VALUE<TAB>TYPE with TYPE n (a number), s (a text) or d (a
date YYYY-MM-DD or date-time YYYY-MM-DDThh:mm:ss) and prints each as
CODE<TAB>VALUE<TAB>TYPE<TAB>TEXT, the value formatted with the code as the
embedded spreadsheet shows it (\t \n \r \\ escaped). Seconds may have a
fraction (2024-02-29T23:59:59.5). Every line gives one line: a refused code, value
or line prints !ERR: and why in place of the text, and the status is then 1.
)";

constexpr const char* DialogsUsage = R"(usage: vantor dialogs

Lists the dialogs of the host, each with the target its pages get, and its
pages with their captions, class names and class identities.
)";

constexpr const char* ConvertUsage = R"(usage: vantor convert IN.xlsx OUT.xlsx

Opens the workbook file IN.xlsx and saves it as OUT.xlsx: every property the
dialog pages edit is read into the embedded spreadsheet and written back, and
everything else in the file is carried through unchanged. Prints "saved OUT";
a file that cannot be opened or saved prints "error N: ..." on standard error
and ends with status 2.
)";

constexpr const char* SampleUsage = R"(usage: vantor sample FILE.xlsx

Writes the sample workbook (the one `vantor demo` and sessions start from) to
FILE.xlsx and prints "saved FILE".
)";

constexpr const char* MembersUsage = R"(usage: vantor members [--check FILE | --update FILE]

Prints, for every page and dialog-style page, the members of its target that
it reads, writes and calls, the kinds of value it writes, and whether it
accepts Null where it reads (a mixed selection reads as Null). Found by running
each page against recording targets: loaded over a uniform and over a mixed
target, every control acted on through each of its user actions, applied.
  --check FILE   compare with the table between the marker lines of FILE:
                 status 1 when it differs
  --update FILE  write the table between the marker lines of FILE
)";

constexpr const char* HelpUsage = R"(usage: vantor help [COMMAND]

Prints the list of commands, or the help of one command.
)";

// The cells the demo looks at, before, after OK and after undo.
constexpr const char* DemoCells = R"(get B2:D4 HorizontalAlignment
get B2:D4 WrapText
get B2:D4 Font.Bold
get B2:D4 Font.Color
get B2:D4 Borders(12).LineStyle
get B2:D4 Interior.Color
get B2 HorizontalAlignment
get C3 Font.Bold
)";

// The controls whose state the demo shows, before and after the user's
// changes, each after its tab.
constexpr const char* DemoControls = R"(tab CellPropAlign
show cbxHorizonAlign
show chkAutoNewLine
tab CellPropFont
show chkBold
show csxFontColor
tab CellPropBackGround
show csxBackColor
)";

constexpr const char* DemoActions = R"(tab CellPropAlign
user cbxHorizonAlign select 2
user chkAutoNewLine click
tab CellPropFont
user chkBold click
user csxFontColor pick 255
tab CellPropBorder
user cmdInside click
tab CellPropBackGround
user csxBackColor pick 10092543
)";

// Wrong arguments: the command ends with the message and its usage.
struct BadArguments : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

void RefuseArguments(const Args& args) {
    if (!args.empty()) {
        throw BadArguments("unexpected argument " + args[0]);
    }
}

// The value of an option that takes one: the next argument.
const std::string& OptionValue(const Args& args, size_t& i) {
    if (i + 1 >= args.size()) {
        throw BadArguments(args[i] + " takes a value");
    }
    return args[++i];
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A date or date-time as a spreadsheet serial (1900 system: its serials
// before March 1900 are one less than the automation serials, and 60 is the
// 29 February 1900 every spreadsheet keeps). Seconds may have a fraction.
bool ParseSerial(const std::string& text, double& serial) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, n = 0;
    double fraction = 0;
    const bool full =
        std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &y, &mo, &d, &h, &mi, &s, &n) == 6;
    if (full && text[n] == '.') {
        const size_t digits = text.find_first_not_of("0123456789", n + 1);
        if (digits == static_cast<size_t>(n) + 1) {
            return false;
        }
        fraction = std::strtod(text.substr(n).c_str(), nullptr);
        n = static_cast<int>(digits == std::string::npos ? text.size() : digits);
    }
    const bool complete = full && static_cast<size_t>(n) == text.size();
    n = 0;
    const bool dateOnly = !complete &&
                          std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &y, &mo, &d, &n) == 3 &&
                          static_cast<size_t>(n) == text.size();
    if ((!complete && !dateOnly) || y < 1900 || y > 9999 || mo < 1 || mo > 12 || d < 1 ||
        h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) {
        return false;
    }
    const double time = TimeSerial(h, mi, s) + fraction / 86400;
    if (y == 1900 && mo == 2 && d == 29) {
        serial = 60 + time;
        return true;
    }
    static constexpr int Days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > Days[mo - 1] || (mo == 2 && d == 29 && !leap)) {
        return false;
    }
    serial = DateSerial(y, mo, d) + time;
    if (serial < 61) {
        serial -= 1;
    }
    return true;
}

// One input line rendered, or why it cannot be: the text that follows the
// line's fields in the output, and whether the line was good.
std::pair<std::string, bool> RenderNumfmtLine(const std::string& code,
                                              const std::string& valueText,
                                              const std::string& type) {
    // A value may have blanks around it, at either end.
    const std::string trimmed = valueText.substr(0, valueText.find_last_not_of(' ') + 1);
    numfmt::FormatValue value;
    double number = 0;
    if (type == "n") {
        std::istringstream parse(trimmed);
        parse.imbue(std::locale::classic());
        if (!(parse >> number) || !parse.eof()) {
            return {"!ERR:not a number: " + valueText, false};
        }
        value = numfmt::FormatValue::Number(number);
    } else if (type == "s") {
        value = numfmt::FormatValue::Text(valueText);
    } else if (type == "d") {
        const size_t start = trimmed.find_first_not_of(' ');
        if (start == std::string::npos || !ParseSerial(trimmed.substr(start), number)) {
            return {"!ERR:not a date: " + valueText, false};
        }
        value = numfmt::FormatValue::Date(number);
    } else {
        return {"!ERR:unknown type " + type + " (n, s or d)", false};
    }
    const numfmt::CompileResult compiled = numfmt::FormatCode::Compile(code);
    if (!compiled.Ok()) {
        return {"!ERR:" + compiled.Error().Description(), false};
    }
    return {Escaped(compiled.Code()->Format(value)), true};
}

// Every input line gives one output line, a bad one its error in place.
int RunNumfmt(const Args& args, std::istream& in, std::ostream& out, std::ostream&) {
    RefuseArguments(args);
    std::string line;
    bool anyBad = false;
    for (LineRead read; (read = ReadLine(in, line)) != LineRead::End;) {
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (read == LineRead::TooLong) {
            out << "!ERR:the line is longer than 1 MiB\n";
            anyBad = true;
        } else if (tab2 == std::string::npos || line.find('\t', tab2 + 1) != std::string::npos) {
            out << Escaped(line) << "\t!ERR:expected CODE<TAB>VALUE<TAB>TYPE\n";
            anyBad = true;
        } else {
            const std::string code = line.substr(0, tab1);
            const std::string valueText = line.substr(tab1 + 1, tab2 - tab1 - 1);
            const std::string type = line.substr(tab2 + 1);
            const auto [text, good] = RenderNumfmtLine(code, valueText, type);
            out << code << '\t' << valueText << '\t' << type << '\t' << text << '\n';
            anyBad = anyBad || !good;
        }
    }
    return anyBad ? 1 : 0;
}

int RunDialogs(const Args& args, std::istream&, std::ostream& out, std::ostream&) {
    RefuseArguments(args);
    auto describe = [&](const std::string& className) {
        const ClassInfo* info = ClassTable::Find(className);
        std::string caption = "(not in this build)";
        if (info->create) {
            const auto object = info->create();
            if (const auto page = std::dynamic_pointer_cast<PropertyPage>(object)) {
                page->GetCaption(caption);
                caption = Quote(caption);
            } else {
                caption = "(dialog-style page)";
            }
        }
        out << "  " << info->name << "  " << info->classId << "  " << caption << '\n';
    };
    for (const CatalogueDialog& dialog : DialogCatalogue::Dialogs()) {
        out << dialog.name << " (target: " << TargetKindName(dialog.target) << ")\n";
        for (const std::string& page : dialog.pages) {
            describe(page);
        }
    }
    out << "Dialog-style pages (opened alone, no target)\n";
    for (const std::string& page : DialogCatalogue::DialogStylePages()) {
        describe(page);
    }
    return 0;
}


// The part of `text` between the reference's marker lines, as offsets; 1004
// when the file has no markers.
std::pair<size_t, size_t> ReferenceSpan(const std::string& text, const std::string& file) {
    const size_t begin = text.find(MemberReferenceBegin);
    const size_t end = text.find(MemberReferenceEnd);
    if (begin == std::string::npos || end == std::string::npos || end < begin) {
        throw AutomationError(err::ApplicationDefined, file + " has no lines " + MemberReferenceBegin + " and " +
                                                           MemberReferenceEnd);
    }
    const size_t start = text.find('\n', begin);
    return {start == std::string::npos ? text.size() : start + 1, end};
}

int RunMembers(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        out << MemberReference();
        return 0;
    }
    if (args.size() != 2 || (args[0] != "--check" && args[0] != "--update")) {
        throw BadArguments(args.size() == 1 ? args[0] + " takes a value" : "unexpected argument " + args[0]);
    }
    const std::string& file = args[1];
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            throw AutomationError(err::ApplicationDefined, "cannot read " + file);
        }
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        const auto [start, end] = ReferenceSpan(text, file);
        const std::string reference = MemberReference();
        if (args[0] == "--check") {
            if (text.compare(start, end - start, reference) == 0) {
                return 0;
            }
            err << "vantor: the member reference in " << file
                << " differs from what the pages do; run vantor members --update " << file << '\n';
            return 1;
        }
        const std::string updated = text.substr(0, start) + reference + text.substr(end);
        SafeSave(
            file,
            [&updated](const std::string& temp) {
                std::ofstream written(temp, std::ios::binary);
                if (!(written << updated).flush()) {
                    throw AutomationError(err::ApplicationDefined, "cannot write " + temp);
                }
            },
            0644);
        out << "updated " << file << '\n';
        return 0;
    } catch (const AutomationError& e) {
        err << ErrorLine(e) << '\n';
        return 2;
    }
}

int RunSession(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::string workbook = "sample";
    bool trace = false;
    std::string file;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--workbook") {
            workbook = OptionValue(args, i);
        } else if (args[i] == "--trace") {
            trace = true;
        } else if (file.empty() && (args[i] == "-" || args[i][0] != '-')) {
            file = args[i];
        } else {
            throw BadArguments("unexpected argument " + args[i]);
        }
    }
    if (file.empty()) {
        throw BadArguments("no script given");
    }
    std::ifstream script;
    if (file != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(file, error)) {
            err << "vantor: cannot read " << file << ": it is a folder\n";
            return 2;
        }
        script.open(file);
        if (!script) {
            err << "vantor: cannot read " << file << '\n';
            return 2;
        }
    }
    Session session(out, err);
    session.UseStoredOptions(std::make_shared<OptionsStore>(KeyStore::Default()),
                             std::make_shared<DesktopAssociation>(DesktopAssociation::ForUser()));
    try {
        session.OpenWorkbook(Token{workbook}, false);
    } catch (const AutomationError& e) {
        err << ErrorLine(e) << '\n';
        return 2;
    }
    session.SetTrace(trace);
    return session.Run(file == "-" ? in : script);
}

int RunDemo(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    bool trace = false;
    std::string file = "vantor-demo.xlsx";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--trace") {
            trace = true;
        } else if (args[i] == "--out") {
            file = OptionValue(args, i);
        } else {
            throw BadArguments("unexpected argument " + args[i]);
        }
    }
    struct Section {
        const char* heading;
        std::string script;
        // Whether the workbook is saved after the section.
        bool save = false;
    };
    const Section sections[] = {
        {"The cells before: B2:D4 of the sheet Mixed (Null where the cells differ)",
         std::string("workbook sample\nsheet Mixed\nselect B2:D4\n") + DemoCells},
        {"What the pages read: the Format Cells dialog over B2:D4",
         std::string(trace ? "trace on\n" : "") + "dialog \"Format Cells\"\n" + DemoControls},
        {"What the user changed, and how often the pages said so",
         std::string(DemoActions) + DemoControls + "modified\n"},
        {"The cells after OK", std::string("ok\n") + (trace ? "trace off\nlog\n" : "") + DemoCells,
         true},
        {"After undo", std::string("undo\n") + DemoCells},
    };
    std::error_code error;
    const std::string path = std::filesystem::absolute(file, error).string();
    Session session(out, err);
    for (const Section& section : sections) {
        out << "== " << section.heading << '\n';
        std::istringstream lines(section.script);
        if (session.Run(lines) != 0) {
            return 2;
        }
        try {
            if (section.save) {
                xlsx::SaveWorkbook(*session.App()->ActiveWorkbook(), path);
            }
        } catch (const AutomationError& e) {
            err << ErrorLine(e) << '\n';
            return 2;
        }
    }
    out << "== The formatted workbook, as it was after OK\nsaved " << path << '\n';
    return 0;
}

// Refuses any count of arguments but `count`.
void ExpectArguments(const Args& args, size_t count) {
    if (args.size() < count) {
        throw BadArguments("missing file name");
    }
    if (args.size() > count) {
        throw BadArguments("unexpected argument " + args[count]);
    }
}

// Saves the workbook `make` adds to a new application: "saved PATH", or the
// error as a session prints it and status 2.
int SaveNew(std::shared_ptr<model::Workbook> (*make)(const std::shared_ptr<model::Application>&,
                                                     const std::string&),
            const std::string& source, const std::string& path, std::ostream& out,
            std::ostream& err) {
    try {
        // The workbook knows its application only weakly: it must outlive the save.
        const auto app = model::Application::Create();
        const auto book = make(app, source);
        const std::string notice = xlsx::SaveWorkbook(*book, path);
        if (!notice.empty()) {
            err << "vantor: not carried through: " << notice;
        }
        out << "saved " << path << "\n";
        return 0;
    } catch (const AutomationError& e) {
        err << ErrorLine(e) << "\n";
        return 2;
    }
}

int RunConvert(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    ExpectArguments(args, 2);
    return SaveNew(xlsx::OpenWorkbook, args[0], args[1], out, err);
}

int RunSample(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    ExpectArguments(args, 1);
    return SaveNew([](const std::shared_ptr<model::Application>& app, const std::string&) {
        return model::sample::AddSampleWorkbook(app);
    }, "", args[0], out, err);
}

int RunHelp(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.size() > 1) {
        throw BadArguments("unexpected argument " + args[1]);
    }
    if (args.empty()) {
        out << VantorHelp();
        return 0;
    }
    return RunVantorCommand({args[0], "--help"}, in, out, err);
}

std::string SessionCommandsHelp() {
    return "\nCommands:\n" + SessionCommandHelp();
}

// "NAME ARGS" of the command's usage line.
std::string Synopsis(const VantorSubcommand& command) {
    const std::string usage = command.usage;
    const size_t start = std::string("usage: vantor ").size();
    return usage.substr(start, usage.find('\n') - start);
}

} // namespace

const std::vector<VantorSubcommand>& VantorSubcommands() {
    static const std::vector<VantorSubcommand> commands = {
        {"demo", DemoUsage,
         "Format Cells over the sample workbook: OK, undo, the result saved",
         RunDemo},
        {"session", SessionUsage, "run a session script (- for standard input)", RunSession,
         SessionCommandsHelp},
        {"numfmt", NumfmtUsage, "format values read from standard input", RunNumfmt},
        {"dialogs", DialogsUsage, "list the dialogs with their pages and class identities",
         RunDialogs},
        {"convert", ConvertUsage, "open a workbook file and save it under another name",
         RunConvert},
        {"sample", SampleUsage, "write the sample workbook to a file", RunSample},
        {"members", MembersUsage, "the target members each page reads, writes and calls", RunMembers},
        {"help", HelpUsage, "this text, or a command's own", RunHelp},
    };
    return commands;
}

std::string VantorHelp() {
    std::string help = "usage: vantor COMMAND [ARGS]\n\n"
                       "Runs the dialog pages of Vantor over an embedded spreadsheet, without a "
                       "window.\n\nCommands:\n";
    for (const VantorSubcommand& command : VantorSubcommands()) {
        // A synopsis too long for its column puts the summary on a line of its own.
        constexpr size_t Column = 28;
        const std::string synopsis = "  " + Synopsis(command);
        help += synopsis.size() + 2 > Column ? synopsis + "\n" + std::string(Column, ' ')
                                             : synopsis + std::string(Column - synopsis.size(), ' ');
        help += std::string(command.summary) + "\n";
    }
    return help + "\nRun `vantor COMMAND --help` for a command's options.\n";
}

int RunVantorCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err) {
    if (args.empty()) {
        err << "vantor: no command given\n\n" << VantorHelp();
        return 2;
    }
    if (IsHelp(args[0])) {
        out << VantorHelp();
        return 0;
    }
    const auto& commands = VantorSubcommands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const VantorSubcommand& c) { return args[0] == c.name; });
    if (command == commands.end()) {
        err << "vantor: unknown command " << args[0] << "\n\n" << VantorHelp();
        return 2;
    }
    if (args.size() > 1 && IsHelp(args[1])) {
        out << command->usage << (command->moreHelp != nullptr ? command->moreHelp() : "");
        return 0;
    }
    try {
        return command->run(Args(args.begin() + 1, args.end()), in, out, err);
    } catch (const BadArguments& e) {
        err << "vantor: " << e.what() << "\n\n" << command->usage;
        return 2;
    }
}

} // namespace vantor::host
