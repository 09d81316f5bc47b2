#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/xlsx/XlsxTestSupport.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// A file whose sheet lists the given merge areas, crafted from a saved workbook.
std::string WithMerges(const ScratchDir& dir, const std::vector<std::string>& refs) {
    const auto app = model::Application::Create({"Liberation Sans"});
    const auto book = app->AddWorkbook("Book1");
    ObjectRef(book->Sheet(0)->RangeOf("A1:B1")).Put("MergeCells", true);
    const std::string saved = dir / "saved.xlsx";
    xlsx::SaveWorkbook(*book, saved);
    auto parts = ReadParts(saved);
    std::string& sheet = parts.at("xl/worksheets/sheet1.xml");
    std::string merges;
    for (const std::string& ref : refs) {
        merges += "<mergeCell ref=\"" + ref + "\"/>";
    }
    const size_t at = sheet.find("<mergeCell ");
    sheet.replace(at, sheet.find("</mergeCells>") - at, merges);
    const std::string crafted = dir / "crafted.xlsx";
    WriteParts(crafted, parts);
    return crafted;
}

TEST(MergeOverlap, AreasSharingACellAreRefusedNamingBoth) {
    struct Case {
        std::vector<std::string> refs;
        const char* refused; // the two areas named, or "" when the file opens
    };
    const std::vector<Case> cases = {
        {{"B1:B3", "A2:C2"}, "$B$1:$B$3 and $A$2:$C$2"}, // a plus: neither holds a corner of the other
        {{"A1:D4", "B2:C3"}, "$A$1:$D$4 and $B$2:$C$3"}, // one inside the other
        {{"A1:C5", "B3:D3"}, "$A$1:$C$5 and $B$3:$D$3"}, // across a side
        {{"C3:D4", "C3:D4"}, "$C$3:$D$4 and $C$3:$D$4"}, // twice the same
        {{"A1:A10", "C1:C2", "B5:C5", "A11:C11"}, ""},   // side by side, and below one that ended
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const std::string file = WithMerges(dir, c.refs);
        std::string refusal;
        try {
            const auto app = model::Application::Create({"Liberation Sans"});
            const auto book = xlsx::OpenWorkbook(app, file);
            EXPECT_EQ(book->Sheet(0)->Store().Merges().Areas().size(), c.refs.size());
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), 1004);
            refusal = e.Description();
        }
        if (*c.refused == '\0') {
            EXPECT_EQ(refusal, "") << c.refs.front();
            continue;
        }
        EXPECT_NE(refusal.find(file + ", part xl/worksheets/sheet1.xml"), std::string::npos) << refusal;
        EXPECT_NE(refusal.find(std::string("merge areas ") + c.refused + " overlap"), std::string::npos) << refusal;
    }
}

TEST(MergeOverlap, OneCrossingAmongManyAreasIsFound) {
    // Fifty thousand areas two rows high in columns A and C, then one that
    // crosses only the last of them.
    std::vector<std::string> refs;
    for (int32_t r = 1; r <= 50000; r += 2) {
        for (const char* col : {"A", "C"}) {
            refs.push_back(std::string(col) + std::to_string(r) + ":" + std::string(col) + std::to_string(r + 1));
        }
    }
    ScratchDir dir;
    const auto app = model::Application::Create({"Liberation Sans"});
    EXPECT_NO_THROW(xlsx::OpenWorkbook(app, WithMerges(dir, refs)));
    refs.emplace_back("B50000:C50000");
    try {
        xlsx::OpenWorkbook(app, WithMerges(dir, refs));
        ADD_FAILURE() << "opened";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.Description()).find("merge areas $C$49999:$C$50000 and $B$50000:$C$50000 overlap"),
                  std::string::npos)
            << e.Description();
    }
}

} // namespace
