#include "host/VantorCommand.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor::host;

namespace {

std::string Script(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = RunVantorCommand({"session", "--workbook", "empty", "-"}, in, out, err);
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
}

} // namespace

TEST(SessionSelection, TheSheetChosenWithOkBecomesActive) {
    const std::string out = Script(R"(sheet Extra
sheet Sheet1
open SheetChoice
user lstSheets select 3
user cmdOK click
enddialog
get sheet Name
open SheetChoice
user lstSheets select 0
user cmdCancel click
enddialog
get sheet Name
)");
    EXPECT_NE(out.find("enddialog -1 \"Extra\"\nsheet Name = \"Extra\"\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("enddialog -2 0\nsheet Name = \"Extra\"\n"), std::string::npos) << out;
    // A dialog opened after the ended one takes the script's commands.
    const std::string next =
        Script("open SheetChoice\nuser cmdCancel click\ndialog \"Format Cells\"\ntab 2\nshow chkAutoNewLine\n");
    EXPECT_EQ(next.find("no control"), std::string::npos) << next;
    EXPECT_NE(next.find("chkAutoNewLine"), std::string::npos) << next;
}
TEST(SessionSelection, GrowsOverTheMergeAreasItTouches) {
    // A2:B3 and C3:D4 are merged; a selection touching the first takes in
    // the second through it.
    const std::string merged = "set A2:B3 MergeCells true\nset C3:D4 MergeCells true\n";
    const std::pair<const char*, const char*> cases[] = {
        {"select B3", "selected $A$2:$B$3\n"},
        {"select B2:C2", "selected $A$2:$D$4\n"},
        {"select Sheet1!D4", "selected Sheet1!$C$3:$D$4\n"},
        {"select A1:E5", ""},
        {"select E2", ""},
    };
    for (const auto& [select, expected] : cases) {
        EXPECT_EQ(Script(merged + select + "\n"), expected) << select;
    }
    // An area over a whole column is taken in whole, by the area of the first cell touched.
    EXPECT_EQ(Script("set F:F MergeCells true\nselect E3:F4\n"), "selected $E:$F\n");
    // The pages get the grown selection.
    EXPECT_EQ(Script(merged + "select B2:C2\nopen CellPropAlign\nget target Address\n"),
              "selected $A$2:$D$4\nopened CellPropAlign \"Alignment\"\ntarget Address = \"$A$2:$D$4\"\n");
}

TEST(SessionSelection, CellStylesWorkOnTheSelectionAndAskForNamesFromTheScript) {
    const std::string out = Script(R"(set B2 Style "Percent"
select B2
open CellStyles
show cbxStyles
form txtStyleName type "percent"
form ok
form txtStyleName type "Totals"
form ok
user cmdAdd click
user cmdOK click
enddialog
get B2 Style
)");
    EXPECT_NE(out.find("cbxStyles ComboBox index="), std::string::npos) << out;
    EXPECT_NE(out.find("text=\"Percent\""), std::string::npos) << out;
    // The used name is refused with a message and the form asked again.
    EXPECT_NE(out.find("form CellStyleName txtStyleName=\"Style 1\"\nmessagebox "),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\nform CellStyleName txtStyleName=\"percent\"\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("enddialog -1 0\nB2 Style = \"Totals\"\n"), std::string::npos) << out;
}


TEST(SessionSelection, ListTicksAndTabStopsReachTheScript) {
    // `user LIST check I` turns a tick over; `show` prints the ticks and a control that is
    // not a tab stop.
    const std::string styles = Script("open CellStyles\nshow lstIncludes\nuser lstIncludes check 0\n"
                                      "show lstIncludes\n");
    const auto first = styles.find("checked=");
    const auto second = styles.find("checked=", first + 1);
    ASSERT_NE(second, std::string::npos) << styles;
    EXPECT_NE(styles.substr(first, 12), styles.substr(second, 12)) << styles;
    EXPECT_NE(Script("dialog \"Workbook\"\nshow txtFileName\n").find("tabstop=False"),
              std::string::npos);
}
