#include "model/SampleWorkbook.hpp"

#include "model/Application.hpp"
#include "model/ControlKinds.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <initializer_list>
#include <string>
#include <utility>

namespace vantor::model::sample {

namespace {

using namespace enums;
using Settings = std::initializer_list<std::pair<std::string, Variant>>;

// Writes properties to a block and applies them. A name is a property of the
// range ("WrapText"), or of one of its objects: "Font.Bold",
// "Interior.Pattern", "Borders(9).LineStyle", "Control.Name".
void Format(const std::shared_ptr<Worksheet>& sheet, const std::string& address,
            Settings settings) {
    const ObjectRef range(sheet->RangeOf(address));
    for (const auto& [name, value] : settings) {
        const size_t dot = name.find('.');
        if (dot == std::string::npos) {
            range.Put(name, value);
            continue;
        }
        const std::string owner = name.substr(0, dot);
        const size_t paren = owner.find('(');
        const ObjectRef target = paren == std::string::npos
                                     ? range.Get(owner).ToObject()
                                     : range.Get(owner.substr(0, paren))
                                           .ToObject()
                                           .Call("Item", std::stoi(owner.substr(paren + 1)))
                                           .ToObject();
        target.Put(name.substr(dot + 1), value);
    }
    range.Call("Apply");
}

void Put(const std::shared_ptr<Worksheet>& sheet, const std::string& address,
         const Variant& value) {
    ObjectRef(sheet->RangeOf(address)).Put("Value", value);
}

void Outline(const std::shared_ptr<Worksheet>& sheet, const std::string& address, int32_t style,
             int32_t weight) {
    const ObjectRef range(sheet->RangeOf(address));
    const ObjectRef borders = range.Get("Borders").ToObject();
    for (const int32_t index : {BorderIndex::EdgeLeft, BorderIndex::EdgeTop,
                                BorderIndex::EdgeBottom, BorderIndex::EdgeRight}) {
        const ObjectRef border = borders.Call("Item", index).ToObject();
        border.Put("LineStyle", style);
        border.Put("Weight", weight);
    }
    range.Call("Apply");
}

void BuildValues(const std::shared_ptr<Worksheet>& sheet) {
    // One row per category: a label, a value, its format.
    struct Row {
        const char* label;
        Variant value;
        const char* format;
    };
    const Row rows[] = {
        {"General", Variant(1234.5), ""},
        {"Number", Variant(-1234.5678), "#,##0.00"},
        {"Currency", Variant(99.95), "\u20ac#,##0.00;[Red]-\u20ac#,##0.00"},
        {"Date", Variant::Date(DateSerial(2000, 10, 30)), "yyyy-mm-dd"},
        {"Time", Variant::Date(TimeSerial(18, 56, 0)), "hh:mm:ss"},
        {"Percent", Variant(0.125), "0.0%"},
        {"Scientific", Variant(6.02214076e23), "0.00E+00"},
        {"Fraction", Variant(0.75), "# ?/?"},
        {"Text", Variant("00123"), "@"},
        {"Custom", Variant(42), "\"Total: \"0;\"Owed: \"0;\"Nothing\""},
        {"Boolean", Variant(true), ""},
        {"Whole number", Variant(int32_t{7}), "0"},
        {"Error", Variant::Error(2007), ""},
        {"Long text",
         Variant("A text long enough to be cut off unless its cell wraps it over several lines."),
         ""},
    };
    Put(sheet, "A1", "Kind");
    Put(sheet, "B1", "Value");
    Put(sheet, "C1", "Format code");
    Format(sheet, "A1:C1",
           {{"Font.Bold", true},
            {"HorizontalAlignment", HAlign::Center},
            {"Borders(9).LineStyle", LineStyle::Continuous}});
    int32_t line = 2;
    for (const Row& row : rows) {
        const std::string n = std::to_string(line++);
        Put(sheet, "A" + n, row.label);
        Put(sheet, "B" + n, row.value);
        Put(sheet, "C" + n, row.format);
        Format(sheet, "B" + n, {{"NumberFormat", row.format}});
    }
    Format(sheet, "B15", {{"WrapText", true}});
    Put(sheet, "A16", Variant());
    ObjectRef(sheet->RangeOf("A1:C15")).Call("AutoFitColsWidth");
    ObjectRef(sheet->RangeOf("A1:C15")).Call("AutoFitRowsHeight");
}

void BuildFormats(const std::shared_ptr<Worksheet>& sheet) {
    Put(sheet, "A1", "Fonts");
    Format(sheet, "A1", {{"Font.Size", 14}, {"Font.Bold", true}});
    Put(sheet, "A2:A9", "Sample");
    Format(sheet, "A2", {{"Font.Bold", true}});
    Format(sheet, "A3", {{"Font.Italic", true}});
    Format(sheet, "A4", {{"Font.Underline", Underline::Single}});
    Format(sheet, "A5", {{"Font.Underline", Underline::Double}, {"Font.Strikethrough", true}});
    Format(sheet, "A6", {{"Font.Size", 20}, {"Font.color", 255}});
    Format(sheet, "A7", {{"Font.Name", "DejaVu Serif"}, {"Font.Size", 10.5}});
    Format(sheet, "A8", {{"Font.ColorIndex", 5}, {"Font.Underline", Underline::SingleAccounting}});
    Format(sheet, "A9", {{"Font.Name", "DejaVu Sans Mono"}, {"Font.Size", 9}});

    Put(sheet, "C1", "Alignment");
    Put(sheet, "C2:C7", "Aligned");
    Format(sheet, "C2",
           {{"HorizontalAlignment", HAlign::Left}, {"VerticalAlignment", VAlign::Top}});
    Format(sheet, "C3",
           {{"HorizontalAlignment", HAlign::Center}, {"VerticalAlignment", VAlign::Center}});
    Format(sheet, "C4", {{"HorizontalAlignment", HAlign::Right}});
    Format(sheet, "C5", {{"HorizontalAlignment", HAlign::CenterAcrossSelection}});
    Put(sheet, "C6", "This text wraps inside its cell");
    Format(sheet, "C6", {{"WrapText", true}, {"VerticalAlignment", VAlign::Top}});
    Format(sheet, "C7", {{"HorizontalAlignment", HAlign::Justify}});

    Put(sheet, "E1", "Borders");
    Outline(sheet, "E2:G4", LineStyle::Continuous, BorderWeight::Medium);
    Format(sheet, "E2:G4",
           {{"Borders(11).LineStyle", LineStyle::Dot}, {"Borders(12).LineStyle", LineStyle::Dash}});
    Outline(sheet, "I2", LineStyle::Double, BorderWeight::Thick);
    Format(sheet, "I4",
           {{"Borders(5).LineStyle", LineStyle::Continuous},
            {"Borders(6).LineStyle", LineStyle::Continuous},
            {"Borders(6).color", 255}});
    Format(sheet, "I6",
           {{"Borders(9).LineStyle", LineStyle::DashDot},
            {"Borders(9).ColorIndex", 10},
            {"Borders(8).LineStyle", LineStyle::DashDotDot}});

    Put(sheet, "K1", "Fills");
    Format(sheet, "K2", {{"Interior.color", 65535}});
    Format(sheet, "K3", {{"Interior.ColorIndex", 37}});
    Format(sheet, "K4",
           {{"Interior.Pattern", Pattern::ThinHorizontalCrosshatch},
            {"Interior.PatternColor", 16711680}});
    Format(sheet, "K5", {{"Interior.Pattern", Pattern::Grey12_5}, {"Interior.color", 13434879}});
    Format(
        sheet, "K6",
        {{"Interior.Pattern", Pattern::ReverseDiagonalStripe}, {"Interior.PatternColorIndex", 3}});
    Format(sheet, "K7", {{"Interior.Pattern", Pattern::Grey6_25}});
}

void BuildNotesAndControls(const std::shared_ptr<Worksheet>& sheet) {
    Put(sheet, "A1", "Notes");
    Put(sheet, "A2", 10);
    ObjectRef(sheet->RangeOf("A2")).Call("AddComment", "Checked by the auditors");
    Put(sheet, "A3", 20);
    ObjectRef(sheet->RangeOf("A3")).Call("AddComment", "Estimate\nto be confirmed");
    ObjectRef(sheet->RangeOf("A5:A6")).Call("AddComment", "Same note on two cells");

    Put(sheet, "C1", "Read-only");
    Put(sheet, "C2:C4", "Locked value");
    ObjectRef(sheet->RangeOf("C2:C4")).Put("ReadOnly", true);

    Put(sheet, "E1", "Controls");
    const auto kinds = sheet->Book()->App()->Controls();
    int32_t line = 2;
    for (const Variant& kind : kinds->Enumerate()) {
        const std::string address = std::string("E").append(std::to_string(line));
        Put(sheet, address, kind.Get("Caption"));
        Format(sheet, address,
               {{"Control.Name", kind.Get("Name")}, {"Control.HideOnDeactivate", line % 2 == 0}});
        ++line;
    }
}

void BuildMixed(const std::shared_ptr<Worksheet>& sheet) {
    // A 6 x 6 block whose cells differ in every way, beside uniform blocks.
    Put(sheet, "B2:G7", 3.25);
    for (int32_t i = 0; i < 6; ++i) {
        const std::string cell = std::string(1, static_cast<char>('B' + i)) + std::to_string(2 + i);
        Format(sheet, cell,
               {{"HorizontalAlignment", i % 2 == 0 ? HAlign::Center : HAlign::Right},
                {"Font.Bold", i % 3 == 0},
                {"Font.Size", 9 + i},
                {"Font.ColorIndex", 3 + i},
                {"Interior.ColorIndex", 35 + i},
                {"NumberFormat", i % 2 == 0 ? "0.00" : "0%"},
                {"WrapText", i % 2 == 1}});
    }
    Outline(sheet, "B2:D4", LineStyle::Continuous, BorderWeight::Thin);
    Format(sheet, "E5:G7",
           {{"Borders(12).LineStyle", LineStyle::Dash}, {"Control.Name", "SpinButton"}});
    ObjectRef(sheet->RangeOf("C3")).Call("AddComment", "Only this cell of the block has a note");
    ObjectRef(sheet->RangeOf("G2:G4")).Put("ReadOnly", true);
    Put(sheet, "B10:G12", "Uniform");
    Format(sheet, "B10:G12",
           {{"Font.Italic", true},
            {"Interior.ColorIndex", 19},
            {"HorizontalAlignment", HAlign::Center}});
    Outline(sheet, "B10:G12", LineStyle::Continuous, BorderWeight::Medium);
    ObjectRef(sheet).Put("GridlineColor", 12566463);
}

} // namespace

std::shared_ptr<Workbook> AddSampleWorkbook(const std::shared_ptr<Application>& app) {
    const auto book = Workbook::Create(app, "Sample.xls");
    const char* names[] = {"Values", "Formats", "Notes and Controls", "Mixed"};
    for (const char* name : names) {
        book->AddSheet(name);
    }
    app->AddExistingWorkbook(book);
    BuildValues(book->Sheet(0));
    BuildFormats(book->Sheet(1));
    BuildNotesAndControls(book->Sheet(2));
    BuildMixed(book->Sheet(3));
    const ObjectRef workbook(book);
    workbook.Put("Iteration", true);
    workbook.Put("MaxIterations", 50);
    return book;
}

} // namespace vantor::model::sample
