#include "host/SessionCommands.hpp"
#include "host/SessionText.hpp"
#include "host/Targets.hpp"
#include "host/VantorCommand.hpp"
#include "model/Application.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/support/Files.hpp"
#include "tests/support/RegistryFile.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

using namespace vantor;
using namespace vantor::host;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Vantor(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunVantorCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

Outcome Script(const std::string& script, const std::string& workbook = "empty") {
    return Vantor({"session", "--workbook", workbook, "-"}, script);
}

} // namespace

TEST(SessionText, ValuesReadAndPrintAsScriptsWriteThem) {
    auto parse = [](const std::string& text, bool quoted = false) {
        return ParseValue(Token{text, quoted});
    };
    EXPECT_EQ(parse("null"), Variant::Null());
    EXPECT_EQ(parse("empty"), Variant());
    EXPECT_EQ(parse("true"), Variant(true));
    EXPECT_EQ(parse("-4108"), Variant(-4108));
    EXPECT_EQ(parse("0.001"), Variant(0.001));
    EXPECT_EQ(parse("1E-11"), Variant(1e-11));
    EXPECT_EQ(parse("12", true), Variant("12"));
    EXPECT_EQ(parse("date:2000-10-31T18:56:00"),
              Variant::Date(DateSerial(2000, 10, 31) + TimeSerial(18, 56, 0)));
    EXPECT_FALSE(parse("2147483648")); // beyond a Long
    EXPECT_FALSE(parse("abc"));
    EXPECT_FALSE(parse("date:2000-13-01"));

    EXPECT_EQ(FormatValue(Variant(255.0)), "255");
    EXPECT_EQ(FormatValue(Variant(0.001)), "0.001");
    EXPECT_EQ(FormatValue(Variant(1e-11)), "1E-11");
    EXPECT_EQ(FormatValue(Variant(1e20)), "1E+20");
    EXPECT_EQ(FormatValue(Variant(0.1f)), "0.1");
    EXPECT_EQ(FormatValue(Variant("say \"hi\"")), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(FormatValue(Variant::Date(DateSerial(2000, 10, 31))), "date:2000-10-31T00:00:00");

    const auto tokens = SplitLine(R"(  set A1 Comment.Text "a ""b"" c"  )");
    ASSERT_TRUE(tokens);
    ASSERT_EQ(tokens->size(), 4u);
    EXPECT_EQ((*tokens)[3].text, "a \"b\" c");
    EXPECT_TRUE((*tokens)[3].quoted);
    EXPECT_FALSE(SplitLine("get \"open"));
}

TEST(Session, ScriptsPrintWhatTheyDid) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(# a comment
   # an indented comment
set A1:B2 HorizontalAlignment -4108
get A1:B2 HorizontalAlignment
set B2 HorizontalAlignment -4152
get A1:B2 HorizontalAlignment
set A1 Comment.Text "note ""one"""
get A1 Comment.Text
get A1:B2 Borders(11).LineStyle
get A1 Borders(11).LineStyle
set A1 HorizontalAlignment 77
get book Calculation
undo
set book MaxChange -1
)",
         R"(A1:B2 HorizontalAlignment = -4108
A1:B2 HorizontalAlignment = Null
A1 Comment.Text = "note ""one"""
A1:B2 Borders(11).LineStyle = -4142
error 1004: A range of one column has no inside vertical border
error 1004: HorizontalAlignment accepts only 1, -4131, -4108, -4152, 5, -4130, 7, -4117; 77 is none of them
book Calculation = -4105
nothing to undo
error 1004: MaxChange accepts numbers from 0 to 1.7976931348623157e+308; -1 is outside
)"},
        // A sheet is added when missing.
        {"sheet Fresh\nget sheet Name\nset A1 Value 7\nsheet Sheet1\nget A1 Value\n"
         "get Fresh!A1 Value\nsheet Fresh\nget sheet Name\n",
         "sheet Name = \"Fresh\"\nA1 Value = Empty\nFresh!A1 Value = 7\nsheet Name = \"Fresh\"\n"},
        // Set leaves the apply count as written.
        {"open CellPropAlign\nset target ApplyCache 5\nget target ApplyCache\n"
         "set target HorizontalAlignment -4108\nget A1 HorizontalAlignment\nget target "
         "ApplyCache\n",
         "opened CellPropAlign \"Alignment\"\ntarget ApplyCache = 5\n"
         "A1 HorizontalAlignment = -4108\ntarget ApplyCache = 5\n"},
    };
    for (const auto& [script, out] : cases) {
        const Outcome run = Script(script);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, out);
    }
}

TEST(Session, ScriptErrorsEndWithTheirLineAndStatusTwo) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"get A1 Nope", "line 2: no member Nope\n"},
        {"frobnicate", "line 2: unknown command frobnicate\n"},
        {"set A1 HorizontalAlignment left", "line 2: not a value: left\n"},
        {"get A1 \"Font", "line 2: a quote is not closed\n"},
        {"open NoSuchPage", "line 2: no page NoSuchPage\n"},
        {"select Z0", "line 2: not a range: Z0\n"},
        {"user chkBold click", "line 2: no page is open\n"},
        {"ok", "line 2: no dialog is open\n"},
        {"dialog Nonsense", "line 2: no dialog Nonsense\n"},
        {"get A1", "line 2: usage: get TARGET PATH\n"},
        {"open FontPreview", "line 2: FontPreview is not a page\n"},
        {"sheets Sheet1,Nope", "line 2: no sheet Nope\n"},
    };
    for (const auto& [line, message] : cases) {
        const Outcome run = Script("get A1 HorizontalAlignment\n" + line + "\nget A1 WrapText\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err, message) << line;
        EXPECT_EQ(run.out, "A1 HorizontalAlignment = 1\n") << line; // nothing after the error runs
    }
}

TEST(VantorCommand, HelpAndBadArguments) {
    const Outcome help = Vantor({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: vantor COMMAND"), std::string::npos);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"nonsense"},
                                               {"session"},
                                               {"session", "--workbook", "full", "-"},
                                               {"dialogs", "extra"},
                                               {"session", "/no/such/script"}}) {
        const Outcome run = Vantor(bad);
        EXPECT_EQ(run.status, 2);
        EXPECT_FALSE(run.err.empty());
    }
}

TEST(VantorCommand, NumfmtRendersEveryLineInOrderAndGoesOnAfterABadOne) {
    const std::string nul("0\0d\t1\tn\n", 8);
    const Outcome run = Vantor({"numfmt"}, "#,##0.00\t1234.567\tn\n"
                                           "yyyy-mm-dd hh:mm\t2000-10-30T18:56:00\td\n"
                                           "d-mmm-yy\t1900-01-01\td\n"
                                           "@\ta\\b\ts\n"
                                           "0.00\"\t1\tn\n"
                                           "0.00\tabc\tn\n"
                                           "\n"
                                           "0.00\t1\n"
                                           "0.00\t1\tq\n"
                                           "yyyy-mm-dd\t2021-02-29\td\n"
                                           "yyyy-mm-dd\t2020-02-30\td\n"
                                           "0\t1900-02-29\td\n"
                                           "0\t1900-02-28\td\n"
                                           "0\t1900-03-01\td\n"
                                           "hh:mm:ss.0\t2024-02-29T23:59:59.5\td\n"
                                           "0.0\t 2.5 \tn\n"
                                           "0\t1900-03-01 \td\n" +
                                               nul + "0.00\t1\tn\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "#,##0.00\t1234.567\tn\t1,234.57\n"
                       "yyyy-mm-dd hh:mm\t2000-10-30T18:56:00\td\t2000-10-30 18:56\n"
                       "d-mmm-yy\t1900-01-01\td\t1-Jan-00\n"
                       "@\ta\\b\ts\ta\\\\b\n"
                       "0.00\"\t1\tn\t!ERR:Unbalanced quote starting at position 5\n"
                       "0.00\tabc\tn\t!ERR:not a number: abc\n"
                       "\t!ERR:expected CODE<TAB>VALUE<TAB>TYPE\n"
                       "0.00\\t1\t!ERR:expected CODE<TAB>VALUE<TAB>TYPE\n"
                       "0.00\t1\tq\t!ERR:unknown type q (n, s or d)\n"
                       "yyyy-mm-dd\t2021-02-29\td\t!ERR:not a date: 2021-02-29\n"
                       "yyyy-mm-dd\t2020-02-30\td\t!ERR:not a date: 2020-02-30\n"
                       "0\t1900-02-29\td\t60\n"
                       "0\t1900-02-28\td\t59\n"
                       "0\t1900-03-01\td\t61\n"
                       "hh:mm:ss.0\t2024-02-29T23:59:59.5\td\t23:59:59.5\n"
                       "0.0\t 2.5 \tn\t2.5\n"
                       "0\t1900-03-01 \td\t61\n" +
                           nul.substr(0, 7) +
                           "\t!ERR:NUL character at position 2\n"
                           "0.00\t1\tn\t1.00\n");
    EXPECT_EQ(Vantor({"numfmt"}, "0.00\t1\tn\n").status, 0);
}

TEST(VantorCommand, ReadFailuresAreErrorsWithStatusTwo) {
    const Outcome folder = Vantor({"session", std::filesystem::temp_directory_path().string()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.err.find("it is a folder"), std::string::npos) << folder.err;

    // A line over 1 MiB is refused; the lines before it ran.
    const std::string longLine = "get A1 " + std::string(size_t{1} << 20, 'x') + "\n";
    const Outcome tooLong = Script("get A1 WrapText\n" + longLine + "get A1 WrapText\n");
    EXPECT_EQ(tooLong.status, 2);
    EXPECT_EQ(tooLong.out, "A1 WrapText = False\n");
    EXPECT_EQ(tooLong.err, "line 2: the line is longer than 1 MiB\n");
    // Just within the bound, the line is read whole (and the member is unknown).
    const Outcome within = Script("get A1 " + std::string((size_t{1} << 20) - 7, 'x') + "\r\n");
    EXPECT_EQ(within.err.substr(0, 18), "line 1: no member ") << within.err.substr(0, 40);
}

TEST(Session, DialogStylePagesEndTheirDialogThroughTheSite) {
    const Outcome run = Script(R"(open SheetProtectPass
user txtNew type "abc"
user txtVerify type "ABC"
apply
enddialog
user txtVerify type "abc"
passwords
user cmdOK click
enddialog
event 1
open SheetChoice
user cmdCancel click
enddialog
close
)");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string out = run.out;
    EXPECT_EQ(out.rfind("opened SheetProtectPass ", 0), 0u) << out;
    EXPECT_NE(out.find("buttons=0 icon=0\nrefused -1\nenddialog none\n"), std::string::npos) << out;
    EXPECT_NE(out.find("new=\"abc\" verify=\"abc\"\nenddialog -1 0\nerror 438: "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("enddialog -2 0\nclosed\n"), std::string::npos) << out;
}

TEST(Session, EveryPageLoadsActsAndAppliesOverTheSample) {
    const test::RegistryFile registry; // the options page keeps its settings in the key store
    const Outcome run = Script(R"(sheet Mixed
select B2:D4
dialog "Format Cells"
tab CellPropAlign
show cbxHorizonAlign
user cbxHorizonAlign select 3
user chkAutoNewLine click
show chkAutoNewLine
modified
tab CellPropFormat
user lstCategory select 6
user nbePercentSpace value 1
tab CellPropFont
user chkItalic click
tab CellPropBorder
user cmdInside click
tab CellPropBackGround
user csxBackColor pick 65535
tab CellPropOther
user chkReadOnly click
tab CellPropControl
user lstControl select 1
ok
get B2:D4 NumberFormat
get B2:D4 Font.Italic
get B2:D4 Borders(12).LineStyle
get B2:D4 Interior.Color
get B2:D4 ReadOnly
get B2:D4 Control.Name
get B2:D4 HorizontalAlignment
get B2:D4 WrapText
undo
get B2:D4 NumberFormat
get B2:D4 Font.Italic
get B2:D4 Control.Name
get B2 HorizontalAlignment
get C3 HorizontalAlignment
redo
get C3 HorizontalAlignment
dialog Workbook
tab BookPropGeneral
user chkHScrollBar click
tab BookPropCalc
user cbxAutoRecalc select 1
ok
get book DisplayHorizontalScrollBar
get book Calculation
sheets Values,Mixed
dialog Worksheet
tab SheetPropView
user chkShowGrid click
ok
get sheet DisplayGridlines
sheet Values
get sheet DisplayGridlines
dialog "Workbook and Worksheet"
user chkShowZero click
ok
get book DisplayZeros
dialog Options
user nbeSheetCount value 5
tab AppMisc
user DefaultBookName type "Ledger %1"
user BackupBeforeSave click
user BakFilePath type ""
ok
user BakFilePath type "/tmp/backup"
ok
get app SheetsInNewWorkbook
dialog "New Workbook Defaults"
user nbeSheetCount value 7
ok
get app SheetsInNewWorkbook
log
)",
                               "sample");
    const std::string registryText = test::ReadText(registry.File());
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string out = run.out;
    for (const char* expected : {
             // Format Cells over a mixed region: each page's change reached the cells,
             // and one undo took them back.
             " CellPropAlign \"Alignment\"\n",
             "cbxHorizonAlign ComboBox index=-1 text=\"\"",
             "chkAutoNewLine CheckBox value=1",
             "\nmodified 2\n",
             "ok\nB2:D4 NumberFormat = \"0.0%\"\nB2:D4 Font.Italic = True\nB2:D4 "
             "Borders(12).LineStyle = 1\n"
             "B2:D4 Interior.Color = 65535\nB2:D4 ReadOnly = True\nB2:D4 Control.Name = "
             "\"CheckBox\"\nB2:D4 HorizontalAlignment = -4152\nB2:D4 WrapText = True\nundone\n"
             "B2:D4 NumberFormat = Null\nB2:D4 Font.Italic = False\nB2:D4 Control.Name = \"\"\n"
             "B2 HorizontalAlignment = -4108\nC3 HorizontalAlignment = -4152\nredone\n"
             "C3 HorizontalAlignment = -4152\n",
             "book DisplayHorizontalScrollBar = False\nbook Calculation = -4135\n",
             // Both selected sheets lost their gridlines.
             "sheet DisplayGridlines = False\nsheet DisplayGridlines = False\n",
             "book DisplayZeros = False\n",
             // The options dialog refuses an emptied backup folder, then applies.
             "icon=64\nrefused AppMisc 1\nok\napp SheetsInNewWorkbook = 5\n",
             "ok\napp SheetsInNewWorkbook = 7\n",
             "log: [Workbook & Worksheet Property - Apply] \n",
         }) {
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n---\n" << out;
    }
    EXPECT_NE(registryText.find("\"App.DefaultBookName\"=\"Ledger %1\""), std::string::npos)
        << registryText;
    EXPECT_NE(registryText.find("\"Book.BackupPath\"=\"/tmp/backup\""), std::string::npos)
        << registryText;
}

TEST(Session, HelpListsEveryCommandWithTheUsageItEnforces) {
    const Outcome help = Vantor({"session", "--help"});
    ASSERT_EQ(help.status, 0);
    const size_t list = help.out.find("Commands:\n");
    ASSERT_NE(list, std::string::npos) << help.out;
    std::istringstream lines(help.out.substr(list + 10));
    size_t listed = 0;
    for (std::string line; std::getline(lines, line) && line.rfind("  ", 0) == 0;) {
        const std::string synopsis = line.substr(2, line.find("  ", 2) - 2);
        const std::string name = synopsis.substr(0, synopsis.find(' '));
        ASSERT_NE(FindSessionCommand(name), nullptr) << line;
        // More arguments than any command takes: refused with the help's own line.
        const Outcome run = Script(name + " a b c d e\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err, "line 1: usage: " + synopsis + "\n") << line;
        ++listed;
    }
    EXPECT_EQ(listed, SessionCommands().size());
}

TEST(Session, UserActionsAControlDoesNotHaveAreScriptErrors) {
    const std::pair<const char*, const char*> cases[] = {
        {"user chkBold select 1", "CheckBox chkBold cannot select"},
        {"user chkBold pick 255", "CheckBox chkBold cannot pick"},
        {"user cbxSize click", "ComboBox cbxSize cannot click"},
        {"user txtPreview value 1", "no control txtPreview"},
        {"user csxFontColor border 8", "ColorSelBox csxFontColor cannot border"},
        {"user chkBold jump", "unknown action jump"},
        {"user chkBold click 1", "usage: user CONTROL click"},
        {"user chkBold type", "usage: user CONTROL type ARG"},
        {"user cbxSize select one", "not a number: one"},
        {"list chkBold", "CheckBox chkBold has no items"},
        {"user chkBold leave", "chkBold does not have the focus"},
    };
    for (const auto& [line, message] : cases) {
        const Outcome run = Script(std::string("open CellPropFont\n") + line + "\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err, std::string("line 2: ") + message + "\n") << line;
    }
    // A failure of an action the control has is the control's, printed.
    const Outcome run = Script("open CellPropFont\nuser csxFontColor pick 305419896\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nerror 380: "), std::string::npos) << run.out;
}

TEST(Targets, EachKindGivesItsTargetTracedOnRequest) {
    const auto app = model::Application::Create();
    model::sample::AddSampleWorkbook(app);
    const auto trace = std::make_shared<TraceLog>();
    EXPECT_EQ(TargetsFor(app, TargetKind::None, "A1", {})->Count(), 0);
    const auto range = TargetsFor(app, TargetKind::Selection, "B2:C3", {}, trace);
    ObjectRef(range->Item(0).ToObject()).Get("WrapText");
    ASSERT_EQ(trace->size(), 1u);
    EXPECT_EQ((*trace)[0].kind, InvokeKind::Get);
    // No sheets named: the active one.
    const auto active = TargetsFor(app, TargetKind::Sheets, "A1", {});
    EXPECT_EQ(ObjectRef(active->Item(0).ToObject()).Get("Count"), Variant(1));
    const std::string both[] = {app->ActiveWorkbook()->Sheets()[0]->Name(),
                                app->ActiveWorkbook()->Sheets()[1]->Name()};
    const auto named = TargetsFor(app, TargetKind::Sheets, "A1", {both[0], both[1]});
    EXPECT_EQ(ObjectRef(named->Item(0).ToObject()).Get("Count"), Variant(2));
    EXPECT_EQ(trace->size(), 1u); // untraced without a log
}

TEST(Session, TraceOnShowsAPageOpenedBeforeIt) {
    for (const char* opening : {"open CellPropAlign\n", "dialog \"Format Cells\"\ntab 2\n"}) {
        const Outcome run = Script(std::string(opening) +
                                   "trace on\nuser chkAutoNewLine click\napply\ntrace off\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("put Range(Sheet1!$A$1).WrapText = True"), std::string::npos)
            << opening << run.out;
    }
    // Accesses made while tracing was off are not printed later.
    const Outcome quiet = Script("open CellPropAlign\ntrace on\ntrace off\n");
    EXPECT_EQ(quiet.out.find("get "), std::string::npos) << quiet.out;
}

TEST(Session, UserActionsTakeTheFocusFirst) {
    const Outcome list = Script("open CellPropFont\nlist cbxFontName\n");
    const size_t first = list.out.find("\n0\t");
    ASSERT_NE(first, std::string::npos) << list.out;
    const std::string name = list.out.substr(first + 3, list.out.find('\t', first + 3) - first - 3);
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

    // A typed name is corrected when the focus leaves, whether by `leave` or
    // by the user clicking another control.
    for (const char* after : {"user cbxFontName leave\n", "user chkBold click\n"}) {
        const Outcome run = Script("open CellPropFont\nuser cbxFontName type \"" + lower + "\"\n" +
                                   after + "show cbxFontName\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("cbxFontName ComboBox index=0 text=\"" + name + "\""),
                  std::string::npos)
            << after << run.out;
    }

    const Outcome clicked = Script("open CellPropFont\nuser chkBold click\nshow chkBold\n");
    EXPECT_NE(clicked.out.find("chkBold CheckBox value=1 enabled=True visible=True focus=True"),
              std::string::npos)
        << clicked.out;
}
