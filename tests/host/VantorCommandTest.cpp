#include "../xlsx/XlsxTestSupport.hpp"

#include "host/VantorCommand.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace vantor;
using namespace vantor::host;
using vantor::test::ScratchDir;

namespace {

struct Ran {
    int status;
    std::string out;
    std::string err;
};

Ran Vantor(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunVantorCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(VantorCommand, HelpIsMadeFromTheCommandTable) {
    const std::string help = Vantor({"--help"}).out;
    std::istringstream lines(help.substr(help.find("Commands:\n") + 10));
    size_t row = 0;
    for (std::string line; std::getline(lines, line) && !line.empty();) {
        if (line.rfind("    ", 0) == 0) {
            continue; // a summary under a long synopsis
        }
        ASSERT_LT(row, VantorSubcommands().size()) << line;
        const VantorSubcommand& command = VantorSubcommands()[row++];
        const std::string usage = command.usage;
        const std::string synopsis = usage.substr(14, usage.find('\n') - 14);
        EXPECT_EQ(line.substr(0, synopsis.size() + 2), "  " + synopsis) << line;
        EXPECT_EQ(usage.rfind(std::string("usage: vantor ") + command.name, 0), 0u);
        const Ran own = Vantor({command.name, "--help"});
        EXPECT_EQ(own.status, 0) << command.name;
        EXPECT_EQ(own.out.rfind(usage, 0), 0u) << command.name;
        EXPECT_EQ(Vantor({"help", command.name}).out, own.out);
    }
    EXPECT_EQ(row, VantorSubcommands().size());
}

TEST(VantorCommand, SessionsOpenAndSaveWorkbookFiles) {
    const ScratchDir dir;
    const std::string book = dir / "book.xlsx";
    const std::string other = dir / "other.xlsx";
    std::ofstream(dir / "text.xlsx") << "not a workbook";
    const std::string script = "save\n"
                               "set A1 Value 5\n"
                               "save \"" + book + "\"\n"
                               "set A1 Value 6\n"
                               "save\n"
                               "workbook \"" + dir / "missing.xlsx" + "\"\n"
                               "workbook " + dir / "text.xlsx" + "\n"
                               "get A1 Value\n"
                               "workbook sample\n"
                               "workbook \"" + book + "\"\n"
                               "get A1 Value\n"
                               "save " + other + "\n"
                               "workbook \"sample\"\n"
                               "get A1 Value\n";
    const Ran run = Vantor({"session", "--workbook", "empty", "-"}, script);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        "error 1004: ",
        "saved " + book,
        "saved " + book,
        "error 1004: ",
        "error 1004: ",
        "A1 Value = 6", // the workbook that was open stays after a failed open
        "opened " + book,
        "A1 Value = 6",
        "saved " + other,
        "error 1004: ", // a quoted name is a file
        "A1 Value = 6",
    };
    std::istringstream lines(run.out);
    for (const std::string& start : expected) {
        std::string line;
        std::getline(lines, line);
        EXPECT_EQ(line.substr(0, start.size()), start) << run.out;
    }
    EXPECT_TRUE(lines.peek() == EOF) << run.out;

    const Ran opened = Vantor({"session", "--workbook", other, "-"}, "get A1 Value\n");
    EXPECT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, "A1 Value = 6\n");
    const Ran missing = Vantor({"session", "--workbook", dir / "missing.xlsx", "-"}, "get A1 Value\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err.rfind("error 1004: ", 0), 0u) << missing.err;
}

TEST(VantorCommand, DemoPrintsHeadedSectionsAndSavesTheFormattedWorkbook) {
    const ScratchDir dir;
    const std::string file = dir / "demo.xlsx";
    const Ran run = Vantor({"demo", "--out", file});
    ASSERT_EQ(run.status, 0) << run.err;
    size_t at = 0;
    for (const char* heading : {"== The cells before", "== What the pages read",
                                "== What the user changed", "== The cells after OK",
                                "== After undo", "== The formatted workbook"}) {
        at = run.out.find(heading, at);
        EXPECT_NE(at, std::string::npos) << heading << "\n" << run.out;
    }
    EXPECT_EQ(run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1), "saved " + file + "\n");
    EXPECT_EQ(run.out.find("\nput "), std::string::npos); // no trace unless asked for
    EXPECT_NE(Vantor({"demo", "--trace", "--out", file}).out.find("\nput "), std::string::npos);

    const auto app = model::Application::Create();
    xlsx::OpenWorkbook(app, file);
    const auto cells = ObjectRef(app->RangeOf("Mixed!B2:D4"));
    EXPECT_EQ(cells.Get("Font").Get("Bold"), Variant(true));
    EXPECT_EQ(cells.Get("Interior").Get("Color"), Variant(10092543));

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"demo", "--out"}, {"demo", "extra"}, {"demo", "--out", dir.Path().string()}}) {
        const Ran refused = Vantor(bad);
        EXPECT_EQ(refused.status, 2) << bad.back();
        EXPECT_FALSE(refused.err.empty()) << bad.back();
    }
}
