#include "host/VantorCommand.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor::host;

namespace {

// A style "Mine" made from B2 and given to B2:C3, then the cell styles
// dialog opened again over them.
constexpr const char* StyledCells = R"(select B2:C3
open CellStyles
form txtStyleName type "Mine"
form ok
user cmdAdd click
user cmdOK click
close
get B2:C3 Style
open CellStyles
)";

std::string RunScript(const std::string& script, int expectedStatus = 0) {
    std::istringstream in(StyledCells + script);
    std::ostringstream out, err;
    EXPECT_EQ(RunVantorCommand({"session", "--workbook", "empty", "-"}, in, out, err), expectedStatus) << err.str();
    return out.str() + err.str();
}

} // namespace

TEST(SessionStyleDialog, ModifyAnswersFormatCellsFromTheScriptAndReformatsTheStylesCells) {
    const std::string out = RunScript(R"(form cbxHorizonAlign select 3
form chkBold click
form ok
user cmdModify click
get B2:C3 HorizontalAlignment
get B2:C3 Font.Bold
undo
get B2:C3 HorizontalAlignment
get B2:C3 Font.Bold
)");
    EXPECT_NE(out.find("B2:C3 Style = \"Mine\"\n"), std::string::npos) << out;
    // The dialog with the five pages a style answers, the answers across its pages, OK.
    EXPECT_NE(out.find("dialog \"Format Cells\"\ntab 1 CellPropFormat"), std::string::npos) << out;
    EXPECT_NE(out.find("tab 5 CellPropBackGround"), std::string::npos) << out;
    EXPECT_EQ(out.find("tab 6"), std::string::npos) << out;
    EXPECT_NE(out.find("\nok\n"
                       "B2:C3 HorizontalAlignment = -4152\n"
                       "B2:C3 Font.Bold = True\n"
                       // One undo step takes the whole modification back.
                       "undone\n"
                       "B2:C3 HorizontalAlignment = 1\n"
                       "B2:C3 Font.Bold = False\n"),
              std::string::npos)
        << out;
}

TEST(SessionStyleDialog, CancelOrNoAnswerChangesNothing) {
    for (const char* closing : {"form cancel\n", ""}) {
        const std::string out = RunScript(std::string("form chkBold click\n") + closing + R"(user cmdModify click
get B2:C3 Font.Bold
modified
)");
        EXPECT_NE(out.find("cancelled\nB2:C3 Font.Bold = False\n"), std::string::npos) << out;
    }
}

TEST(SessionStyleDialog, AnAnswerForAControlOfNoPageIsAScriptError) {
    const std::string out = RunScript("form chkNope click\nform ok\nuser cmdModify click\n", 2);
    EXPECT_NE(out.find("line 12: no control chkNope on the dialog Format Cells"), std::string::npos) << out;
}
