#include "host/VantorCommand.hpp"

#include "host/DialogCatalogue.hpp"
#include "host/Session.hpp"
#include "host/SessionCommands.hpp"
#include "model/Application.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/Workbook.hpp"
#include "xlsx/WorkbookFile.hpp"
#include "model/numfmt/FormatCode.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/PropertyPage.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace vantor::host {

namespace {

constexpr const char* Usage = R"(usage: vantor COMMAND [ARGS]

Runs the dialog pages of Vantor over an embedded spreadsheet, without a window.

Commands:
  demo                     open Format Cells over a mixed region of the sample
                           workbook, act on several pages, press OK, undo
  session [OPTIONS] FILE   run a session script (FILE, or - for standard input)
  numfmt                   format values read from standard input
  dialogs                  list the dialogs with their pages and class identities
  convert IN.xlsx OUT.xlsx open a workbook file and save it under another name
  sample FILE.xlsx         write the sample workbook to a file
  help [COMMAND]           this text, or a command's own

Run `vantor COMMAND --help` for a command's options.
)";

constexpr const char* DemoUsage = R"(usage: vantor demo

Opens the Format Cells dialog over a mixed region of the sample workbook,
changes the alignment, font, border and fill as a user would, presses OK and
prints the cells before and after, every access of the pages to the workbook,
and the diagnostic log; then undoes and shows the cells restored.
)";

constexpr const char* SessionUsage =
    R"(usage: vantor session [--workbook sample|empty] [--trace] FILE

Runs the session script FILE (- reads standard input) against the embedded
workbook (sample by default). One command a line; # starts a comment.
  --workbook sample|empty   the workbook to start with
  --trace                   print every access of the pages to the workbook
Output goes to standard output; a script error goes to standard error as
"line N: WHAT" and ends the session with status 2.
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

// What the demo does, as a session script.
constexpr const char* DemoScript = R"(# The cells before
sheet Mixed
select B2:D4
get B2:D4 HorizontalAlignment
get B2:D4 Font.Bold
get B2:D4 Font.Name
get B2:D4 Borders(9).LineStyle
get B2:D4 Interior.Color
get B2 HorizontalAlignment
get C3 Font.Bold
trace on
dialog "Format Cells"
tab CellPropAlign
user cbxHorizonAlign select 2
user chkAutoNewLine click
tab CellPropFont
user chkBold click
user csxFontColor pick 255
tab CellPropBorder
user cmdInside click
tab CellPropBackGround
user csxBackColor pick 10092543
modified
ok
trace off
log
# The cells after
get B2:D4 HorizontalAlignment
get B2:D4 Font.Bold
get B2:D4 Borders(9).LineStyle
get B2:D4 Interior.Color
get B2:D4 WrapText
undo
# The cells restored
get B2:D4 HorizontalAlignment
get B2:D4 Font.Bold
get B2:D4 Borders(9).LineStyle
get B2:D4 Interior.Color
get B2 HorizontalAlignment
get C3 Font.Bold
)";

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

int Fail(std::ostream& err, const std::string& message, const char* usage) {
    err << "vantor: " << message << "\n\n" << usage;
    return 2;
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
int RunNumfmt(std::istream& in, std::ostream& out) {
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

int RunDialogs(std::ostream& out) {
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

int RunSession(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
               std::ostream& err) {
    std::string workbook = "sample";
    bool trace = false;
    std::string file;
    for (size_t i = 1; i < args.size(); ++i) {
        if (IsHelp(args[i])) {
            out << SessionUsage << "\nCommands:\n" << SessionCommandHelp();
            return 0;
        }
        if (args[i] == "--workbook") {
            if (i + 1 >= args.size() || (args[i + 1] != "sample" && args[i + 1] != "empty")) {
                return Fail(err, "--workbook takes sample or empty", SessionUsage);
            }
            workbook = args[++i];
        } else if (args[i] == "--trace") {
            trace = true;
        } else if (file.empty() && (args[i] == "-" || args[i][0] != '-')) {
            file = args[i];
        } else {
            return Fail(err, "unexpected argument " + args[i], SessionUsage);
        }
    }
    if (file.empty()) {
        return Fail(err, "no script given", SessionUsage);
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
    try {
        session.OpenWorkbook(workbook);
    } catch (const Session::ScriptError& e) {
        err << "vantor: " << e.what() << '\n';
        return 2;
    }
    session.SetTrace(trace);
    return session.Run(file == "-" ? in : script);
}

// Opens or saves workbook files; errors are reported as a session reports them.
int RunFiles(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool convert = args[0] == "convert";
    const size_t wanted = convert ? 3 : 2;
    const char* usage = convert ? ConvertUsage : SampleUsage;
    if (args.size() > 1 && IsHelp(args[1])) {
        out << usage;
        return 0;
    }
    if (args.size() != wanted) {
        return Fail(err, args.size() < wanted ? "missing file name" : "unexpected argument " + args[wanted], usage);
    }
    try {
        const auto app = model::Application::Create();
        const auto book = convert ? xlsx::OpenWorkbook(app, args[1]) : model::sample::AddSampleWorkbook(app);
        const std::string notice = xlsx::SaveWorkbook(*book, args.back());
        if (!notice.empty()) {
            err << "vantor: not carried through: " << notice;
        }
        out << "saved " << args.back() << "\n";
        return 0;
    } catch (const AutomationError& e) {
        err << "error " << e.Number() << ": " << e.Description() << "\n";
        return 2;
    }
}

} // namespace

int RunVantorCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err) {
    if (args.empty()) {
        return Fail(err, "no command given", Usage);
    }
    const std::string& command = args[0];
    const bool help = args.size() > 1 && IsHelp(args[1]);
    if (IsHelp(command) || command == "help") {
        if (command == "help" && args.size() > 1) {
            return RunVantorCommand({args[1], "--help"}, in, out, err);
        }
        out << Usage;
        return 0;
    }
    if (command == "session") {
        return RunSession(args, in, out, err);
    }
    if (command == "convert" || command == "sample") {
        return RunFiles(args, out, err);
    }
    const char* usage = command == "demo"      ? DemoUsage
                        : command == "numfmt"  ? NumfmtUsage
                        : command == "dialogs" ? DialogsUsage
                                               : nullptr;
    if (usage == nullptr) {
        return Fail(err, "unknown command " + command, Usage);
    }
    if (help) {
        out << usage;
        return 0;
    }
    if (args.size() > 1) {
        return Fail(err, "unexpected argument " + args[1], usage);
    }
    if (command == "numfmt") {
        return RunNumfmt(in, out);
    }
    if (command == "dialogs") {
        return RunDialogs(out);
    }
    Session session(out, err);
    std::istringstream script(std::string("workbook sample\n") + DemoScript);
    return session.Run(script);
}

} // namespace vantor::host
