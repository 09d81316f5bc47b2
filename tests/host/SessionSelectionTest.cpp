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
}
