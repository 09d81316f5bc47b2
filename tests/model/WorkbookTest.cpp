#include "ModelTestSupport.hpp"

#include "model/CellAddress.hpp"
#include "model/SheetSelection.hpp"
#include "vantor/automation/InstalledFonts.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class Settings : public ::testing::Test, protected ModelFixture {};

TEST_F(Settings, WorkbooksNameThemselvesCountCalculationsAndFindSheetsByName) {
    const ObjectRef workbook(book);
    EXPECT_EQ(workbook.Get("FullName"), Variant("Book1"));
    EXPECT_EQ(ErrorOf([&] { workbook.Put("FullName", "x"); }), 438);
    book->SetFullName("/home/user/Budget.xls");
    EXPECT_EQ(workbook.Get("FullName"), Variant("/home/user/Budget.xls"));
    workbook.Call("Calculate");
    workbook.Call("Calculate");
    EXPECT_EQ(book->CalculationCount(), 2);
    EXPECT_EQ(workbook.Get("Sheets").Call("Item", "sheet2").Get("Name"), Variant("Sheet2"));
    EXPECT_EQ(workbook.Get("Sheets").ToObject().Enumerate().size(), 3u);
}

TEST_F(Settings, CalculationSettingsRefuseWhatTheyCannotHoldAndKeepTheirValue) {
    const ObjectRef workbook(book);
    workbook.Put("Calculation", -4135);
    workbook.Put("MaxChange", 0);
    struct Refused {
        const char* name;
        Variant value;
    };
    for (const Refused& r : {Refused{"Calculation", Variant(-4104)}, Refused{"Calculation", 1e15},
                             Refused{"Calculation", 2}, Refused{"MaxChange", -0.001}}) {
        const auto put = [&] { workbook.Put(r.name, r.value); };
        EXPECT_EQ(ErrorOf(put), 1004) << r.name << " " << r.value.Describe();
        EXPECT_NE(DescriptionOf(put).find(r.name), std::string::npos) << DescriptionOf(put);
    }
    workbook.Put("Calculation", Variant::Null());
    workbook.Put("MaxChange", Variant::Null());
    EXPECT_EQ(workbook.Get("Calculation"), Variant(-4135));
    EXPECT_EQ(workbook.Get("MaxChange"), Variant(0.0));
}

TEST_F(Settings, ASelectionOfSheetsReadsNullPerPropertyAndWritesItsSheetsInOneStep) {
    const ObjectRef pair(book->SelectSheets({"Sheet1", "Sheet3"}));
    const ObjectRef first(sheet), second(book->Sheet(1)), third(book->Sheet(2));
    EXPECT_EQ(pair.Get("Count"), Variant(2));
    EXPECT_EQ(pair.Call("Item", 2).Get("Name"), Variant("Sheet3"));
    EXPECT_EQ(ErrorOf([&] { pair.Call("Item", 3); }), 9);
    EXPECT_EQ(ErrorOf([&] { book->SelectSheets({"Sheet9"}); }), 9);
    // One sheet differing in one property leaves the others readable.
    third.Put("DisplayHeadings", false);
    EXPECT_TRUE(pair.Get("DisplayHeadings").IsNull());
    EXPECT_EQ(pair.Get("DisplayGridlines"), Variant(true));
    EXPECT_EQ(pair.Get("GridlineColor"), Variant(12632256)); // automatic reads silver
    first.Put("GridlineColor", 255);
    EXPECT_TRUE(pair.Get("GridlineColor").IsNull());
    // Null keeps each sheet's own; a refused colour changes no sheet.
    pair.Put("DisplayHeadings", Variant::Null());
    pair.Put("GridlineColor", Variant::Null());
    EXPECT_EQ(ErrorOf([&] { pair.Put("GridlineColor", 16777216); }), 1004);
    EXPECT_EQ(ErrorOf([&] { pair.Put("GridlineColor", -1); }), 1004);
    EXPECT_EQ(first.Get("DisplayHeadings"), Variant(true));
    EXPECT_EQ(third.Get("DisplayHeadings"), Variant(false));
    EXPECT_EQ(first.Get("GridlineColor"), Variant(255));
    EXPECT_EQ(third.Get("GridlineColor"), Variant(12632256));
    // A value goes to every selected sheet, and is undone on each.
    app->BeginUndoGroup("Sheet options");
    pair.Put("DisplayHeadings", false);
    pair.Put("GridlineColor", 65280);
    app->EndUndoGroup();
    for (const ObjectRef& each : {first, third}) {
        EXPECT_EQ(each.Get("DisplayHeadings"), Variant(false));
        EXPECT_EQ(each.Get("GridlineColor"), Variant(65280));
    }
    EXPECT_EQ(second.Get("DisplayHeadings"), Variant(true));
    app->Undo();
    EXPECT_FALSE(app->CanUndo());
    EXPECT_EQ(first.Get("DisplayHeadings"), Variant(true));
    EXPECT_EQ(first.Get("GridlineColor"), Variant(255));
    EXPECT_EQ(third.Get("GridlineColor"), Variant(12632256));
    app->Redo();
    EXPECT_EQ(pair.Get("GridlineColor"), Variant(65280));
}

TEST_F(Settings, SheetNamesAreUniqueWithoutRegardToCaseAndMayBeQuotedInAddresses) {
    EXPECT_EQ(ErrorOf([&] { book->AddSheet("SHEET1"); }), 1004);
    EXPECT_EQ(ErrorOf([&] { book->AddSheet("a/b"); }), 1004);
    book->AddSheet("Données");
    EXPECT_EQ(book->Sheet("DONNÉES")->Name(), "Données");
    book->AddSheet("My Sheet");
    book->AddSheet("Bob's");
    const ObjectRef application(app);
    EXPECT_EQ(application.Call("Range", "'My Sheet'!B2").Get("Worksheet").Get("Name"),
              Variant("My Sheet"));
    // An apostrophe inside a quoted name is doubled.
    EXPECT_EQ(application.Call("Range", "'Bob''s'!B2").Get("Worksheet").Get("Name"),
              Variant("Bob's"));
    EXPECT_EQ(application.Call("Range", "Bob's!B2").Get("Worksheet").Get("Name"), Variant("Bob's"));
    EXPECT_EQ(ErrorOf([&] { application.Call("Range", "'Nobody'!A1"); }), 9);
    EXPECT_EQ(ErrorOf([&] { application.Call("Range", "'My Sheet'!A0"); }), 1004);
}

TEST_F(Settings, RangesAreAddressedInA1Form) {
    EXPECT_EQ(At("b2:c3").Get("Address"), Variant("$B$2:$C$3"));
    EXPECT_EQ(At("$C$3:A1").Get("Address"), Variant("$A$1:$C$3"));
    EXPECT_EQ(At("B:B").Get("Address"), Variant("$B:$B"));
    EXPECT_EQ(At("2:4").Get("Address"), Variant("$2:$4"));
    EXPECT_EQ(ObjectRef(sheet->Cells()).Get("Address"), Variant("$A$1:$XFD$1048576"));
    EXPECT_EQ(ObjectRef(app->RangeOf("Sheet2!D4")).Get("Worksheet").Get("Name"), Variant("Sheet2"));
    for (const char* bad :
         {"", "A0", "XFE1", "A1048577", "1A", "A1:", "A:1", "AAAA1", "A1:B2:C3"}) {
        EXPECT_EQ(ErrorOf([&] { At(bad); }), 1004) << bad;
    }
    EXPECT_EQ(ColumnName(16383), "XFD");
    EXPECT_EQ(ParseAddress("AA10"), (CellRect{9, 26, 9, 26}));
}

TEST(InstalledFonts, MachineFontsAreDistinctSortedAndGiveTheDefault) {
    const auto app = Application::Create();
    std::vector<std::string> names;
    for (int32_t i = 0; i < app->InstalledFontCount(); ++i) {
        names.push_back(FoldCase(app->InstalledFontName(i)));
    }
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    const std::string chosen = FoldCase(app->DefaultFontName());
    EXPECT_NE(std::find(names.begin(), names.end(), chosen), names.end());
}

TEST(DefaultFont, IsTheFirstInstalledOfThePreferredFamilies) {
    EXPECT_EQ(Application::Create({"Arial Unicode", "DejaVu Sans"})->DefaultFontName(),
              "DejaVu Sans");
    EXPECT_EQ(Application::Create({"DejaVu Sans", "Liberation Sans"})->DefaultFontName(),
              "Liberation Sans");
    EXPECT_EQ(Application::Create({"Noto Sans"})->DefaultFontName(), "Noto Sans");
}

} // namespace
