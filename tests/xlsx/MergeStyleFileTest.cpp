#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/xlsx/XlsxTestSupport.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

class MergeStyleFile : public ::testing::Test {
protected:
    ScratchDir m_dir;
    std::shared_ptr<model::Application> m_app = model::Application::Create({"Liberation Sans"});
    std::shared_ptr<model::Workbook> m_book = m_app->AddWorkbook("Book1");

    ObjectRef At(const std::shared_ptr<model::Workbook>& book, const std::string& address) const {
        return ObjectRef(book->Sheet(0)->RangeOf(address));
    }
    // Merges, shrinking, a note on a bare cell, a named style and the styles of cells.
    void Build() const {
        m_app->BeginUndoGroup("Build");
        At(m_book, "B2:C3").Put("MergeCells", true);
        At(m_book, "E5:E9").Put("MergeCells", true);
        At(m_book, "C3").Put("Value", "covered");
        const ObjectRef shrink = At(m_book, "A1");
        shrink.Put("ShrinkToFit", true);
        shrink.Put("NumberFormat", "0.000");
        shrink.Call("Apply");
        At(m_book, "G7").Get("Comment"); // Nothing: the note goes to a bare cell
        At(m_book, "G7").Call("AddComment", "bare");
        ObjectRef(m_book).Get("Styles").Call("Add", "Thousandths", Variant(At(m_book, "A1")), 1);
        At(m_book, "D4:D5").Put("Style", "Thousandths");
        At(m_book, "F1").Put("Style", "Percent");
        m_app->EndUndoGroup();
    }
};

TEST_F(MergeStyleFile, MergesShrinkNotesAndNamedStylesComeBack) {
    Build();
    const std::string first = m_dir / "first.xlsx";
    const std::string second = m_dir / "second.xlsx";
    xlsx::SaveWorkbook(*m_book, first);
    const auto opened = xlsx::OpenWorkbook(m_app, first);
    struct Case {
        const char* cell;
        const char* member;
        Variant value;
    };
    for (const Case& c : {Case{"C3", "MergeArea", Variant("$B$2:$C$3")},
                          Case{"E7", "MergeArea", Variant("$E$5:$E$9")},
                          Case{"C3", "Value", Variant("covered")},
                          Case{"A1", "ShrinkToFit", Variant(true)},
                          Case{"A2", "ShrinkToFit", Variant(false)},
                          Case{"D4:D5", "Style", Variant("Thousandths")},
                          Case{"D4", "NumberFormat", Variant("0.000")},
                          Case{"F1", "Style", Variant("Percent")},
                          Case{"F1", "NumberFormat", Variant("0%")},
                          Case{"A1", "Style", Variant("Normal")}}) {
        Variant read = At(opened, c.cell).Get(c.member);
        if (read.IsObject()) {
            read = read.Get("Address");
        }
        EXPECT_EQ(read, c.value) << c.cell << " " << c.member;
    }
    EXPECT_EQ(At(opened, "G7").Get("Comment").Get("Text"), Variant("bare"));
    const ObjectRef style = ObjectRef(opened).Get("Styles").Call("Item", "Thousandths").ToObject();
    EXPECT_EQ(style.Get("IncludeNumber"), Variant(true));
    EXPECT_EQ(style.Get("IncludeFont"), Variant(false));
    EXPECT_EQ(style.Get("BuiltIn"), Variant(false));
    EXPECT_EQ(ObjectRef(opened).Get("Styles").Get("Count"), Variant(7));
    // Saved again, the file is the same.
    xlsx::SaveWorkbook(*opened, second);
    EXPECT_EQ(ReadParts(first), ReadParts(second));
}

TEST_F(MergeStyleFile, OpenpyxlReadsTheMergesShrinkAndStyleNames) {
    Build();
    const std::string path = m_dir / "book.xlsx";
    xlsx::SaveWorkbook(*m_book, path);
    const auto [status, output] = RunPython(m_dir, R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
print("merged=" + ",".join(sorted(str(r) for r in ws.merged_cells.ranges)))
print("shrink=" + str(ws["A1"].alignment.shrink_to_fit))
print("D4=" + ws["D4"].style)
print("F1=" + ws["F1"].style)
print("A1=" + ws["A1"].style)
print("named=" + ",".join(wb.style_names))
)", {path});
    ASSERT_EQ(status, 0) << output;
    const auto lines = Lines(output);
    EXPECT_EQ(lines.at("merged"), "B2:C3,E5:E9");
    EXPECT_EQ(lines.at("shrink"), "True");
    EXPECT_EQ(lines.at("D4"), "Thousandths");
    EXPECT_EQ(lines.at("F1"), "Percent");
    EXPECT_EQ(lines.at("A1"), "Normal");
    EXPECT_NE(lines.at("named").find("Comma [0]"), std::string::npos);
}

TEST_F(MergeStyleFile, OverlappingOrBrokenMergeAreasRefuseTheFile) {
    Build();
    const std::string path = m_dir / "book.xlsx";
    xlsx::SaveWorkbook(*m_book, path);
    for (const char* merges : {"<mergeCell ref=\"A1:B2\"/><mergeCell ref=\"B2:C3\"/>",
                               "<mergeCell ref=\"nowhere\"/>"}) {
        auto parts = ReadParts(path);
        std::string& sheet = parts.at("xl/worksheets/sheet1.xml");
        const size_t from = sheet.find("<mergeCell ");
        const size_t to = sheet.find("</mergeCells>");
        ASSERT_NE(from, std::string::npos);
        sheet.replace(from, to - from, merges);
        const std::string broken = m_dir / "broken.xlsx";
        WriteParts(broken, parts);
        EXPECT_THROW(xlsx::OpenWorkbook(m_app, broken), AutomationError) << merges;
    }
}

} // namespace
