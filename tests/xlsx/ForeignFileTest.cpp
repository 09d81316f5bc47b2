#include "XlsxTestSupport.hpp"

#include "model/Application.hpp"
#include "model/CellStore.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/WorkbookFile.hpp"

namespace vantor::test {
namespace {

using model::Application;

// A property of a range by path: "WrapText", "Font.Bold", "Borders(9).LineStyle".
Variant PropertyOf(const ObjectRef& range, const std::string& path) {
    const size_t dot = path.find('.');
    if (dot == std::string::npos) {
        return range.Get(path);
    }
    const std::string owner = path.substr(0, dot);
    const size_t paren = owner.find('(');
    const ObjectRef object = paren == std::string::npos
                                 ? range.Get(owner).ToObject()
                                 : range.Get(owner.substr(0, paren))
                                       .ToObject()
                                       .Call("Item", std::stoi(owner.substr(paren + 1)))
                                       .ToObject();
    return object.Get(path.substr(dot + 1));
}

class ForeignFileTest : public ::testing::Test {
protected:
    // Writes a file with python3-xlsxwriter: `body` runs with `wb` and `ws` open.
    std::string Written(const std::string& body, const std::string& options = "{}") {
        const std::string file = m_dir / "fixture.xlsx";
        const auto [status, output] = RunPython(
            m_dir,
            "import sys, datetime, xlsxwriter\nwb = xlsxwriter.Workbook(sys.argv[1], " + options +
                ")\nws = wb.add_worksheet('Data')\n" + body + "\nwb.close()\n",
            {file});
        EXPECT_EQ(status, 0) << output;
        return file;
    }
    ScratchDir m_dir;
    std::shared_ptr<Application> m_app = Application::Create({"Liberation Sans"});
};

TEST_F(ForeignFileTest, FormatsWrittenByAnotherLibraryReadAsThePagesShowThem) {
    struct Case {
        const char* format;
        std::vector<std::pair<const char*, Variant>> expected;
    };
    const std::vector<Case> cases = {
        {"{}", {{"ReadOnly", true}, {"Font.Name", "Calibri"}, {"Font.Size", 11.0}, {"Font.color", 0},
                {"Font.Bold", false}, {"HorizontalAlignment", 1}, {"VerticalAlignment", -4107},
                {"Interior.Pattern", -4142}, {"Borders(7).LineStyle", -4142}, {"NumberFormat", ""}}},
        {"{'bold': True, 'italic': True, 'font_strikeout': True}",
         {{"Font.Bold", true}, {"Font.Italic", true}, {"Font.Strikethrough", true}}},
        {"{'underline': 1}", {{"Font.Underline", 2}}},
        {"{'underline': 2}", {{"Font.Underline", -4119}}},
        {"{'underline': 33}", {{"Font.Underline", 4}}},
        {"{'underline': 34}", {{"Font.Underline", 5}}},
        {"{'font_color': '#0000FF', 'font_name': 'Arial', 'font_size': 9.5}",
         {{"Font.color", 16711680}, {"Font.Name", "Arial"}, {"Font.Size", 9.5}}},
        {"{'font_size': 500}", {{"Font.Size", 409.0}}},
        {"{'align': 'center', 'valign': 'vcenter', 'text_wrap': True}",
         {{"HorizontalAlignment", -4108}, {"VerticalAlignment", -4108}, {"WrapText", true}}},
        {"{'align': 'right', 'valign': 'top'}", {{"HorizontalAlignment", -4152}, {"VerticalAlignment", -4160}}},
        {"{'align': 'fill'}", {{"HorizontalAlignment", 5}}},
        {"{'align': 'center_across'}", {{"HorizontalAlignment", 7}}},
        {"{'align': 'justify', 'valign': 'vjustify'}", {{"HorizontalAlignment", -4130}, {"VerticalAlignment", -4130}}},
        {"{'align': 'distributed'}", {{"HorizontalAlignment", -4117}}},
        {"{'num_format': '0.00%'}", {{"NumberFormat", "0.00%"}}},
        {"{'num_format': 14}", {{"NumberFormat", "mm-dd-yy"}}},
        {"{'num_format': '#,##0.000;[Red]-#,##0.000'}", {{"NumberFormat", "#,##0.000;[Red]-#,##0.000"}}},
        {"{'bg_color': '#FFFF00'}", {{"Interior.Pattern", 1}, {"Interior.color", 65535}}},
        {"{'pattern': 2, 'fg_color': '#FF0000', 'bg_color': '#00FF00'}",
         {{"Interior.Pattern", -4125}, {"Interior.PatternColor", 255}, {"Interior.color", 65280}}},
        {"{'pattern': 18}", {{"Interior.Pattern", 18}}},
        {"{'border': 1}",
         {{"Borders(7).LineStyle", 1}, {"Borders(8).LineStyle", 1}, {"Borders(9).LineStyle", 1},
          {"Borders(10).LineStyle", 1}, {"Borders(9).Weight", 2}, {"Borders(7).ColorIndex", -4105}}},
        {"{'left': 5, 'top': 6, 'bottom': 4, 'right': 8}",
         {{"Borders(7).Weight", 4}, {"Borders(8).LineStyle", -4119}, {"Borders(9).LineStyle", -4118},
          {"Borders(10).LineStyle", -4115}, {"Borders(10).Weight", -4138}}},
        {"{'left': 7, 'right': 13, 'top': 9}",
         {{"Borders(7).Weight", 1}, {"Borders(10).LineStyle", 13}, {"Borders(8).LineStyle", 4}}},
        {"{'diag_type': 3, 'diag_border': 2, 'diag_color': '#FF0000'}",
         {{"Borders(5).LineStyle", 1}, {"Borders(6).Weight", -4138}, {"Borders(5).color", 255}}},
        {"{'border': 1, 'border_color': '#00FF00'}", {{"Borders(9).color", 65280}, {"Borders(7).color", 65280}}},
        {"{'locked': False}", {{"ReadOnly", false}}},
    };
    std::string body;
    for (size_t i = 0; i < cases.size(); ++i) {
        // Two rows and columns apart, so that no edge is shared.
        body += "ws.write(" + std::to_string(2 * i) + ", 0, 'x', wb.add_format(" + cases[i].format + "))\n";
    }
    const auto book = xlsx::OpenWorkbook(m_app, Written(body));
    const auto sheet = book->Sheet(0);
    for (size_t i = 0; i < cases.size(); ++i) {
        const ObjectRef cell(sheet->RangeOf("A" + std::to_string(2 * i + 1)));
        for (const auto& [path, value] : cases[i].expected) {
            EXPECT_EQ(PropertyOf(cell, path), value) << cases[i].format << " " << path;
        }
    }
}

TEST_F(ForeignFileTest, DatesReadInEitherDateSystem) {
    struct Case {
        const char* options;
        const char* date;
        double serial;
    };
    const Case cases[] = {
        {"{}", "datetime.datetime(2000, 10, 30, 18, 56)", DateSerial(2000, 10, 30) + TimeSerial(18, 56, 0)},
        {"{}", "datetime.datetime(1900, 1, 15)", DateSerial(1900, 1, 15)},
        {"{}", "datetime.datetime(1900, 3, 1)", DateSerial(1900, 3, 1)},
        {"{'date_1904': True}", "datetime.datetime(2000, 10, 30)", DateSerial(2000, 10, 30)},
        {"{'date_1904': True}", "datetime.datetime(1904, 1, 2)", DateSerial(1904, 1, 2)},
    };
    for (const Case& c : cases) {
        const std::string file =
            Written(std::string("ws.write_datetime(0, 0, ") + c.date + ", wb.add_format({'num_format': 'yyyy-mm-dd'}))",
                    c.options);
        const auto book = xlsx::OpenWorkbook(m_app, file);
        const Variant value = ObjectRef(book->Sheet(0)->RangeOf("A1")).Get("Value");
        EXPECT_EQ(value, Variant::Date(c.serial)) << c.date << " " << c.options;
        EXPECT_EQ(book->Date1904(), std::string(c.options).find("1904") != std::string::npos);
        // Saved again, the file holds the serial it came with.
        const std::string again = m_dir / "again.xlsx";
        xlsx::SaveWorkbook(*book, again);
        const std::string sheetXml = ReadParts(again).at("xl/worksheets/sheet1.xml");
        const std::string original = ReadParts(file).at("xl/worksheets/sheet1.xml");
        const size_t at = original.find("<v>");
        EXPECT_NE(sheetXml.find(original.substr(at, original.find("</v>") - at)), std::string::npos) << c.date;
    }
}

TEST_F(ForeignFileTest, WhatTheModelDoesNotReadComesBackFromOpenAndSave) {
    const std::string file = Written(R"PY(
bold = wb.add_format({'bold': True})
for i in range(10):
    ws.write_number(i + 1, 1, i * 1.5)
ws.write_formula('C1', '=SUM(B2:B11)', None, 67.5)
chart = wb.add_chart({'type': 'column'})
chart.add_series({'values': '=Data!$B$2:$B$11'})
ws.insert_chart('G2', chart)
wb.define_name('Total', '=Data!$C$1')
ws.conditional_format('B2:B11', {'type': 'cell', 'criteria': '>', 'value': 5, 'format': bold})
ws.data_validation('F1', {'validate': 'integer', 'criteria': 'between', 'minimum': 1, 'maximum': 10})
ws.write_url('A12', 'https://example.com/', string='link')
ws.set_landscape()
ws.set_paper(9)
ws.fit_to_pages(1, 0)
ws.freeze_panes(1, 0)
ws.write_comment('A2', 'A note')
ws2 = wb.add_worksheet('Hidden')
ws2.hide()
)PY");
    const auto book = xlsx::OpenWorkbook(m_app, file);
    EXPECT_EQ(ObjectRef(book->Sheet(0)->RangeOf("C1")).Get("Formula"), Variant("=SUM(B2:B11)"));
    EXPECT_EQ(ObjectRef(book->Sheet(0)->RangeOf("C1")).Get("Value"), Variant(67.5));
    // An edit the model does hold does not disturb the rest.
    ObjectRef(book->Sheet(0)->RangeOf("B3")).Put("Value", 99);
    const std::string saved = m_dir / "saved.xlsx";
    xlsx::SaveWorkbook(*book, saved);

    const auto before = ReadParts(file);
    const auto after = ReadParts(saved);
    for (const char* part : {"xl/charts/chart1.xml", "xl/drawings/drawing1.xml", "xl/theme/theme1.xml",
                             "docProps/app.xml", "docProps/core.xml", "xl/comments1.xml"}) {
        ASSERT_TRUE(after.count(part)) << part;
        EXPECT_EQ(after.at(part), before.at(part)) << part;
    }
    const auto [status, output] = RunPython(m_dir, R"PY(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb['Data']
print('names=%s' % ','.join(d.name for d in wb.defined_names.definedName))
print('cf=%s' % ','.join(str(r.sqref) for r in ws.conditional_formatting))
print('dv=%s' % ','.join('%s:%s:%s' % (d.sqref, d.formula1, d.formula2) for d in ws.data_validations.dataValidation))
print('link=%s' % ws['A12'].hyperlink.target)
print('setup=%s,%s,%s' % (ws.page_setup.orientation, ws.page_setup.paperSize, ws.page_setup.fitToHeight))
print('freeze=%s' % ws.freeze_panes)
print('charts=%d' % len(ws._charts))
print('hidden=%s' % wb['Hidden'].sheet_state)
print('formula=%s' % ws['C1'].value)
print('b3=%s' % ws['B3'].value)
print('note=%s' % ws['A2'].comment.text)
)PY",
                                             {saved});
    ASSERT_EQ(status, 0) << output;
    const auto read = Lines(output);
    EXPECT_EQ(read.at("names"), "Total");
    EXPECT_EQ(read.at("cf"), "B2:B11");
    EXPECT_EQ(read.at("dv"), "F1:1:10");
    EXPECT_EQ(read.at("link"), "https://example.com/");
    EXPECT_EQ(read.at("setup"), "landscape,9,0");
    EXPECT_EQ(read.at("freeze"), "A2");
    EXPECT_EQ(read.at("charts"), "1");
    EXPECT_EQ(read.at("hidden"), "hidden");
    EXPECT_EQ(read.at("formula"), "=SUM(B2:B11)");
    EXPECT_EQ(read.at("b3"), "99");
    EXPECT_EQ(read.at("note"), "A note");
    // Cells changed: other programs are asked to calculate the formulas again.
    EXPECT_NE(after.at("xl/workbook.xml").find("fullCalcOnLoad=\"1\""), std::string::npos);
}

} // namespace
} // namespace vantor::test
