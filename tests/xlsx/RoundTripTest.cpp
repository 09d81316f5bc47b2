#include "XlsxTestSupport.hpp"
#include "../support/ErrorOf.hpp"

#include "model/Application.hpp"
#include "model/CellStore.hpp"
#include "model/Range.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <cmath>
#include <iomanip>

namespace vantor::test {
namespace {

using model::Application;

// What openpyxl reads of each cell, sheet and the workbook, as key=value lines.
constexpr const char* kProbe = R"PY(
import sys, openpyxl, datetime
wb = openpyxl.load_workbook(sys.argv[1])
def color(c):
    if c is None or c.type == 'auto' or (c.type == 'indexed' and c.indexed in (64, 65)) or (c.type == 'rgb' and c.rgb == '00000000'):
        return 'auto'
    return c.rgb if c.type == 'rgb' else '%s:%s' % (c.type, c.value)
print('active=%s' % wb.active.title)
print('date1904=%s' % wb.epoch.year)
calc = wb.calculation
# Attributes a file leaves out have the format's defaults.
print('calc=%s,%s,%s,%s' % (calc.calcMode, calc.iterate, calc.iterateCount, 0.001 if calc.iterateDelta is None else calc.iterateDelta))
v = wb.views[0]
print('view=%s,%s,%s' % (v.showHorizontalScroll, v.showVerticalScroll, v.showSheetTabs))
for ws in wb:
    n = ws.title
    sv = ws.sheet_view
    print('%s.grid=%s,%s,%s,%s' % (n, sv.showGridLines is not False, sv.showRowColHeaders is not False, sv.defaultGridColor, sv.colorId))
    existing = set(ws._cells)
    for row in ws.iter_rows(min_row=1, max_row=16, max_col=12):
        for c in row:
            if (c.row, c.column) not in existing:
                continue
            k = '%s!%s' % (n, c.coordinate)
            val = c.value
            if isinstance(val, (datetime.datetime, datetime.time)):
                val = val.isoformat()
            print('%s.value=%r' % (k, val))
            print('%s.note=%s' % (k, c.comment.text.replace('\n', '|') if c.comment else None))
            if c.value is None and c.comment is not None:
                continue  # made by openpyxl for the note, with its own defaults
            print('%s.format=%s' % (k, c.number_format))
            f = c.font
            print('%s.font=%s,%g,%s,%s,%s,%s,%s' % (k, f.name, f.sz, bool(f.b), bool(f.i), f.u, bool(f.strike), color(f.color)))
            print('%s.fill=%s,%s,%s' % (k, c.fill.patternType, color(c.fill.fgColor), color(c.fill.bgColor)))
            b = c.border
            for side in ('left', 'right', 'top', 'bottom'):
                s = getattr(b, side)
                print('%s.%s=%s,%s' % (k, side, s.style, color(s.color) if s.style else 'auto'))
            a = c.alignment
            print('%s.align=%s,%s,%s' % (k, a.horizontal, a.vertical, bool(a.wrap_text)))
            print('%s.locked=%s' % (k, c.protection.locked))
    for col in 'ABCDEFGHIJKL':
        d = ws.column_dimensions[col]
        print('%s!%s.width=%s' % (n, col, d.width if d.customWidth else None))
    for r in range(1, 17):
        d = ws.row_dimensions[r]
        print('%s!%d.height=%s' % (n, r, d.height if d.customHeight else None))
)PY";

std::string Bool(bool b) {
    return b ? "True" : "False";
}

std::string Number(double d) {
    std::ostringstream out;
    out << std::setprecision(6) << d;
    return out.str();
}

// openpyxl's "FFRRGGBB" of a colour as the model reads it, or auto.
std::string Argb(const Variant& color, bool automatic) {
    if (automatic) {
        return "auto";
    }
    const auto c = static_cast<uint32_t>(color.ToLong());
    char text[16];
    std::snprintf(text, sizeof text, "FF%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return text;
}

std::string LineName(int32_t style, int32_t weight) {
    struct Name {
        int32_t style, weight;
        const char* name;
    };
    static const Name names[] = {{1, 2, "thin"},        {1, -4138, "medium"},     {1, 4, "thick"},
                                 {1, 1, "hair"},        {-4115, 2, "dashed"},     {-4115, -4138, "mediumDashed"},
                                 {-4118, 2, "dotted"},  {-4119, 4, "double"},     {4, 2, "dashDot"},
                                 {4, -4138, "mediumDashDot"}, {5, 2, "dashDotDot"}, {5, -4138, "mediumDashDotDot"},
                                 {13, -4138, "slantDashDot"}};
    for (const auto& n : names) {
        if (n.style == style && n.weight == weight) {
            return n.name;
        }
    }
    return style == -4142 ? "None" : "?";
}

std::string AlignName(int32_t value, bool vertical) {
    switch (value) {
    case -4131: return "left";
    case -4108: return "center";
    case -4152: return "right";
    case 5: return "fill";
    case -4130: return "justify";
    case 7: return "centerContinuous";
    case -4117: return "distributed";
    case -4160: return "top";
    case -4107: return vertical ? "None" : "?";
    default: return "None";
    }
}

std::string UnderlineName(int32_t value) {
    switch (value) {
    case 2: return "single";
    case -4119: return "double";
    case 4: return "singleAccounting";
    case 5: return "doubleAccounting";
    default: return "None";
    }
}

// What openpyxl should read for a cell of the model, in the probe's words.
std::map<std::string, std::string> Expected(const std::shared_ptr<model::Worksheet>& sheet, int32_t row,
                                            int32_t column) {
    const ObjectRef cell(sheet->RangeOf(model::CellRect{row, column, row, column}));
    const std::string key = sheet->Name() + "!" + model::ColumnName(column) + std::to_string(row + 1);
    std::map<std::string, std::string> out;
    const ObjectRef font = cell.Get("Font").ToObject();
    out[key + ".font"] = font.Get("Name").ToString() + "," + Number(font.Get("Size").ToDouble()) + "," +
                         Bool(font.Get("Bold").ToBool()) + "," + Bool(font.Get("Italic").ToBool()) + "," +
                         UnderlineName(font.Get("Underline").ToLong()) + "," +
                         Bool(font.Get("Strikethrough").ToBool()) + "," +
                         Argb(font.Get("color"), font.Get("ColorIndex").ToLong() == -4105);
    const ObjectRef borders = cell.Get("Borders").ToObject();
    auto line = [&](int index) {
        const ObjectRef b = borders.Call("Item", index).ToObject();
        const int32_t style = b.Get("LineStyle").ToLong();
        return LineName(style, b.Get("Weight").ToLong()) + "," +
               (style == -4142 ? "auto" : Argb(b.Get("color"), b.Get("ColorIndex").ToLong() == -4105));
    };
    out[key + ".left"] = line(7);
    out[key + ".top"] = line(8);
    out[key + ".bottom"] = line(9);
    out[key + ".right"] = line(10);
    out[key + ".align"] = AlignName(cell.Get("HorizontalAlignment").ToLong(), false) + "," +
                          AlignName(cell.Get("VerticalAlignment").ToLong(), true) + "," +
                          Bool(cell.Get("WrapText").ToBool());
    out[key + ".locked"] = Bool(cell.Get("ReadOnly").ToBool());
    const std::string code = cell.Get("NumberFormat").ToString();
    out[key + ".format"] = code.empty() ? "General" : code;
    const std::string* note = sheet->Store().NoteAt(row, column);
    std::string noteText = note ? *note : "None";
    std::replace(noteText.begin(), noteText.end(), '\n', '|');
    out[key + ".note"] = noteText;
    const ObjectRef interior = cell.Get("Interior").ToObject();
    const int32_t pattern = interior.Get("Pattern").ToLong();
    const bool coloured = interior.Get("ColorIndex").ToLong() != -4105;
    if (pattern == -4142 && !coloured) {
        out[key + ".fill"] = "None,auto,auto";
    } else if (pattern == 1 || pattern == -4142) {
        out[key + ".fill"] = "solid," + Argb(interior.Get("color"), !coloured) + ",auto";
    }
    return out;
}

class WorkbookFileTest : public ::testing::Test {
protected:
    ScratchDir m_dir;
    std::shared_ptr<Application> m_app = Application::Create({"Liberation Sans", "DejaVu Serif", "DejaVu Sans Mono"});
};

TEST_F(WorkbookFileTest, SampleComesBackByteForByteWithEqualCells) {
    const auto sample = model::sample::AddSampleWorkbook(m_app);
    const std::string first = m_dir / "first.xlsx";
    const std::string second = m_dir / "second.xlsx";
    EXPECT_FALSE(sample->Saved());
    xlsx::SaveWorkbook(*sample, first);
    EXPECT_TRUE(sample->Saved());
    EXPECT_EQ(sample->FullName(), first);

    const auto opened = xlsx::OpenWorkbook(m_app, first);
    EXPECT_TRUE(opened->Saved());
    EXPECT_EQ(m_app->ActiveWorkbook(), opened);
    xlsx::SaveWorkbook(*opened, second);
    EXPECT_EQ(ReadText(first), ReadText(second));

    ASSERT_EQ(opened->Sheets().size(), sample->Sheets().size());
    for (size_t s = 0; s < sample->Sheets().size(); ++s) {
        const auto& a = sample->Sheets()[s];
        const auto& b = opened->Sheets()[s];
        EXPECT_EQ(a->Name(), b->Name());
        EXPECT_EQ(a->GridlineColor(), b->GridlineColor());
        for (int32_t r = 0; r < 16; ++r) {
            for (int32_t c = 0; c < 12; ++c) {
                const Variant* va = a->Store().ValueAt(r, c);
                const Variant* vb = b->Store().ValueAt(r, c);
                ASSERT_EQ(va == nullptr, vb == nullptr) << a->Name() << " " << r << "," << c;
                if (va && va->IsNumber()) {
                    EXPECT_DOUBLE_EQ(va->ToDouble(), vb->ToDouble()) << a->Name() << " " << r << "," << c;
                    EXPECT_EQ(va->Type() == VarType::Date, vb->Type() == VarType::Date);
                } else if (va) {
                    EXPECT_EQ(*va, *vb) << a->Name() << " " << r << "," << c;
                }
                for (const auto& [key, value] : Expected(a, r, c)) {
                    EXPECT_EQ(Expected(b, r, c)[key], value) << key;
                }
                EXPECT_EQ(ObjectRef(a->RangeOf(model::CellRect{r, c, r, c})).Get("Control").ToObject().Get("Name"),
                          ObjectRef(b->RangeOf(model::CellRect{r, c, r, c})).Get("Control").ToObject().Get("Name"));
            }
            EXPECT_DOUBLE_EQ(a->Store().State().rowHeights.At(r), b->Store().State().rowHeights.At(r));
        }
        for (int32_t c = 0; c < 12; ++c) {
            EXPECT_NEAR(a->Store().State().columnWidths.At(c), b->Store().State().columnWidths.At(c), 0.005);
        }
    }
    for (const char* setting : {"Iteration", "MaxIterations", "MaxChange", "Calculation", "DisplayErrors",
                                "CommentMode", "DisplayZeros", "Date1904"}) {
        EXPECT_EQ(ObjectRef(sample).Get(setting), ObjectRef(opened).Get(setting)) << setting;
    }
}

TEST_F(WorkbookFileTest, OpenpyxlReadsEveryCellPropertyWeSave) {
    const auto sample = model::sample::AddSampleWorkbook(m_app);
    ObjectRef(sample).Put("Calculation", -4135);
    ObjectRef(sample).Put("DisplayWorkbookTabs", false);
    sample->Sheet(1)->SetDisplayGridlines(false);
    sample->ActivateSheet(sample->Sheet(2));
    const std::string file = m_dir / "sample.xlsx";
    xlsx::SaveWorkbook(*sample, file);
    const auto [status, output] = RunPython(m_dir, kProbe, {file});
    ASSERT_EQ(status, 0) << output;
    const auto read = Lines(output);

    EXPECT_EQ(read.at("active"), "Notes and Controls");
    EXPECT_EQ(read.at("date1904"), "1899");
    EXPECT_EQ(read.at("calc"), "manual,True,50,0.001");
    EXPECT_EQ(read.at("view"), "True,True,False");
    EXPECT_EQ(read.at("Formats.grid").substr(0, 11), "False,True,");
    EXPECT_EQ(read.at("Values.grid").substr(0, 10), "True,True,");
    size_t compared = 0;
    for (const auto& sheet : sample->Sheets()) {
        for (int32_t r = 0; r < 16; ++r) {
            for (int32_t c = 0; c < 12; ++c) {
                // Cells the file does not hold read as openpyxl's defaults, not the file's.
                for (const auto& [key, value] : Expected(sheet, r, c)) {
                    if (read.count(key)) {
                        EXPECT_EQ(read.at(key), value) << key;
                        ++compared;
                    }
                }
            }
            const std::string rowKey = sheet->Name() + "!" + std::to_string(r + 1) + ".height";
            const double height = sheet->Store().State().rowHeights.At(r);
            if (height == 15) {
                EXPECT_EQ(read.at(rowKey), "None") << rowKey;
            } else {
                EXPECT_DOUBLE_EQ(std::stod(read.at(rowKey)), height) << rowKey;
            }
        }
    }
    EXPECT_GT(compared, 1500u);
    EXPECT_EQ(read.at("Values!B2.value"), "1234.5");
    EXPECT_EQ(read.at("Values!B5.value"), "'2000-10-30T00:00:00'");
    EXPECT_EQ(read.at("Values!B6.value"), "'18:56:00'");
    EXPECT_EQ(read.at("Values!B12.value"), "True");
    EXPECT_EQ(read.at("Values!B14.value"), "'#DIV/0!'");
    EXPECT_EQ(read.at("Values!B10.value"), "'00123'");
    // Widths in the file count the padding other programs add to the characters.
    EXPECT_EQ(read.at("Values!A.width").substr(0, 3),
              std::to_string(sample->Sheet(0)->Store().State().columnWidths.At(0) + 0.7).substr(0, 3));
}

TEST_F(WorkbookFileTest, FormulasKeepTheirTextAndAskForRecalculationOnceCellsChange) {
    const auto book = model::Workbook::Create(m_app, "f.xlsx");
    const auto sheet = book->AddSheet("Sheet1");
    m_app->AddExistingWorkbook(book);
    ObjectRef(sheet->RangeOf("A1:A2")).Put("Value", 2);
    ObjectRef(sheet->RangeOf("A3")).Put("Formula", "=SUM(A1:A2)");
    EXPECT_EQ(ObjectRef(sheet->RangeOf("A3")).Get("Formula"), Variant("=SUM(A1:A2)"));
    const std::string file = m_dir / "f.xlsx";
    xlsx::SaveWorkbook(*book, file);
    const std::string workbookXml = ReadParts(file).at("xl/workbook.xml");
    EXPECT_NE(workbookXml.find("fullCalcOnLoad=\"1\""), std::string::npos);

    const auto opened = xlsx::OpenWorkbook(m_app, file);
    EXPECT_EQ(ObjectRef(opened->Sheet(0)->RangeOf("A3")).Get("Formula"), Variant("=SUM(A1:A2)"));
}

TEST_F(WorkbookFileTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    const auto sample = model::sample::AddSampleWorkbook(m_app);
    const std::string file = m_dir / "kept.xlsx";
    xlsx::SaveWorkbook(*sample, file);
    const std::string before = ReadText(file);
    std::filesystem::create_directory(m_dir / "folder.xlsx");
    EXPECT_EQ(ErrorOf([&] { xlsx::SaveWorkbook(*sample, m_dir / "folder.xlsx"); }), 1004);
    EXPECT_EQ(ErrorOf([&] { xlsx::SaveWorkbook(*sample, m_dir / "missing/x.xlsx"); }), 1004);
    EXPECT_EQ(ReadText(file), before);
    std::filesystem::create_symlink(file, m_dir / "link.xlsx");
    ObjectRef(sample->Sheet(0)->RangeOf("A1")).Put("Value", "changed");
    xlsx::SaveWorkbook(*sample, m_dir / "link.xlsx");
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link.xlsx"));
    EXPECT_NE(ReadText(file), before);
    EXPECT_EQ(FileNames(m_dir.Path()),
              (std::vector<std::string>{"folder.xlsx", "kept.xlsx", "link.xlsx"}));
}

} // namespace
} // namespace vantor::test
