#include "model/Application.hpp"
#include "model/CellStore.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/xlsx/XlsxTestSupport.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// A sheet whose part is packed in pieces on a second thread when saved and
// unpacked ahead of the reading when opened: 300,000 cells, about 10 MB of XML.
class LargePart : public ::testing::Test {
protected:
    static constexpr int32_t kRows = 100000;
    void SetUp() override {
        const auto book = m_app->AddWorkbook("Large");
        book->Sheet(0)->ChangeCells([](model::CellStore& store) {
            for (int32_t r = 0; r < kRows; ++r) {
                store.SetValue(model::CellRect{r, 0, r, 0}, Variant(r + 0.5));
                store.SetValue(model::CellRect{r, 1, r, 1}, Variant("text " + std::to_string(r % 977)));
                store.SetValue(model::CellRect{r, 2, r, 2}, Variant(r % 3 == 0));
            }
        });
        xlsx::SaveWorkbook(*book, m_file);
    }
    ScratchDir m_dir;
    std::shared_ptr<model::Application> m_app = model::Application::Create({"Liberation Sans"});
    std::string m_file = m_dir / "large.xlsx";
};

TEST_F(LargePart, PackedInPiecesItUnpacksWholeAndComesBack) {
    // Another reader checks the packed data against its size and checksum.
    const auto [status, output] = RunPython(m_dir, R"PY(
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
print("bad=" + str(z.testzip()))
info = z.getinfo("xl/worksheets/sheet1.xml")
print("method=%d" % info.compress_type)
print("large=%d" % (info.file_size > 8 << 20))
)PY", {m_file});
    ASSERT_EQ(status, 0) << output;
    const auto lines = Lines(output);
    EXPECT_EQ(lines.at("bad"), "None");
    EXPECT_EQ(lines.at("method"), "8");
    EXPECT_EQ(lines.at("large"), "1");

    const auto book = xlsx::OpenWorkbook(m_app, m_file);
    const model::CellStore& store = book->Sheet(0)->Store();
    for (const int32_t r : {0, 1, kRows / 2, kRows - 1}) {
        ASSERT_NE(store.ValueAt(r, 0), nullptr) << r;
        EXPECT_EQ(*store.ValueAt(r, 0), Variant(r + 0.5)) << r;
        EXPECT_EQ(*store.ValueAt(r, 1), Variant("text " + std::to_string(r % 977))) << r;
        EXPECT_EQ(*store.ValueAt(r, 2), Variant(r % 3 == 0)) << r;
    }
    EXPECT_EQ(store.ValueAt(kRows, 0), nullptr);
}

TEST_F(LargePart, DamageFarIntoTheUnpackingIsRefused) {
    auto parts = ReadParts(m_file);
    std::string& sheet = parts.at("xl/worksheets/sheet1.xml");
    const std::string damaged = m_dir / "damaged.xlsx";
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
        const char* fault;
    };
    const std::vector<Case> cases = {
        {"malformed row", [](std::string& s) { s.replace(s.rfind("<row "), 5, "<row <"); }, "malformed XML"},
        {"cell past the last column", [](std::string& s) { s.replace(s.rfind("<c r=\"A"), 7, "<c r=\"XFE"); },
         "lies outside the sheet"},
    };
    for (const Case& c : cases) {
        std::string text = sheet;
        c.damage(text);
        auto crafted = parts;
        crafted["xl/worksheets/sheet1.xml"] = text;
        WriteParts(damaged, crafted);
        try {
            xlsx::OpenWorkbook(m_app, damaged);
            ADD_FAILURE() << c.what << ": opened";
        } catch (const AutomationError& e) {
            EXPECT_NE(std::string(e.Description()).find(c.fault), std::string::npos) << c.what << ": " << e.Description();
        }
    }
    // Packed data that does not unpack to what its checksum says.
    std::string bytes = ReadText(m_file);
    const size_t at = bytes.find("xl/worksheets/sheet1.xml") + 200000;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
    WriteText(damaged, bytes);
    try {
        xlsx::OpenWorkbook(m_app, damaged);
        ADD_FAILURE() << "damaged data opened";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string(e.Description()).find("xl/worksheets/sheet1.xml"), std::string::npos) << e.Description();
    }
}

} // namespace
