#include "model/PasswordHash.hpp"
#include "model/SheetSelection.hpp"
#include "tests/model/ModelTestSupport.hpp"

#include <gtest/gtest.h>

namespace vantor::model::test {
namespace {

// Hashes computed once with Python's hashlib over the same steps.
TEST(PasswordHash, MatchesHashesComputedIndependently) {
    const char* salt = "AAECAwQFBgcICQoLDA0ODw==";
    EXPECT_EQ(password::HashValue("Secret123", salt, 100000),
              "edaDhaoOsCQokqUQrphYgZAaAa8xObhu36J/8gvKCzwAtxS+MXjDplCicPSd5VLXyhcXehzMljUi3nbwyDsrog==");
    EXPECT_EQ(password::HashValue("päss€", salt, 100000),
              "JmmTnW5eCYSNHe3tJHK14IB7KFwsqQ82FEGxKizN+cmBu5Xb69zOONbwtLnjmHm08ScpZjlztd3zdpB2zrNOeA==");
    EXPECT_EQ(ErrorOf([&] { password::HashValue("x", "not base64!", 1); }), 1004);
}

TEST(PasswordHash, NewHashHidesThePasswordAndVerifiesIt) {
    const password::SaltedHash a = password::Hash("Secret123");
    const password::SaltedHash b = password::Hash("Secret123");
    EXPECT_EQ(a.spinCount, 100000);
    EXPECT_EQ(a.algorithm, "SHA-512");
    EXPECT_EQ(a.hashValue.find("Secret123"), std::string::npos);
    EXPECT_NE(a.saltValue, b.saltValue); // a new random salt each time
    EXPECT_EQ(a.saltValue.size(), 24u);  // 16 bytes in base64
    EXPECT_TRUE(password::Verify("Secret123", a));
    EXPECT_FALSE(password::Verify("secret123", a));
    EXPECT_FALSE(password::Verify("", a));
}

TEST(PasswordHash, LegacyHashOfKnownPasswords) {
    const std::pair<const char*, const char*> pairs[] = {
        {"test", "CBEB"}, {"password", "83AF"}, {"abc", "CC1A"}, {"Secret123", "9668"}};
    for (const auto& [text, hex] : pairs) {
        EXPECT_EQ(password::LegacyHash(text), hex) << text;
        EXPECT_TRUE(password::VerifyLegacy(text, std::string(hex)));
    }
    EXPECT_TRUE(password::VerifyLegacy("test", "cbeb"));
    EXPECT_FALSE(password::VerifyLegacy("Test", "CBEB"));
}

struct ProtectedSheet : ModelFixture {
    ProtectedSheet() {
        At("A1:B2").Put("ReadOnly", true); // the rest stays editable
        ObjectRef(sheet).Call("Protect", "pw");
    }
};

// Every kind of write that reaches a read-only cell of a protected sheet.
const std::pair<const char*, std::function<void(const ObjectRef&)>> kWrites[] = {
    {"Value", [](const ObjectRef& r) { r.Put("Value", 5); }},
    {"Formula", [](const ObjectRef& r) { r.Put("Formula", "=1+1"); }},
    {"NumberFormat", [](const ObjectRef& r) { r.Put("NumberFormat", "0.00"); r.Call("Apply"); }},
    {"Font", [](const ObjectRef& r) { r.Get("Font").ToObject().Put("Bold", true); r.Call("Apply"); }},
    {"ReadOnly", [](const ObjectRef& r) { r.Put("ReadOnly", false); }},
    {"AddComment", [](const ObjectRef& r) { r.Call("AddComment", "note"); }},
    {"ClearComments", [](const ObjectRef& r) { r.Call("ClearComments"); }},
    {"MergeCells", [](const ObjectRef& r) { r.Put("MergeCells", true); }},
};

TEST(SheetProtection, RefusesEveryWriteTouchingReadOnlyCellsWholeAndAllowsOthers) {
    for (const auto& entry : kWrites) {
        const char* name = entry.first;
        const auto& write = entry.second;
        ProtectedSheet f;
        const uint64_t before = f.sheet->Store().Version();
        EXPECT_EQ(ErrorOf([&] { write(f.At("B2:C3")); }), 1004) << name;
        EXPECT_EQ(f.sheet->Store().Version(), before) << name << ": nothing of a refused write lands";
        EXPECT_EQ(f.At("B2").Get("ReadOnly"), Variant(true)) << name;
        EXPECT_EQ(ErrorOf([&] { write(f.At("C3:D4")); }), 0) << name << " on editable cells";
        ObjectRef(f.sheet).Call("Unprotect", "pw");
        EXPECT_EQ(ErrorOf([&] { write(f.At("A1:B2")); }), 0) << name << " once unprotected";
    }
}

TEST(SheetProtection, UnmergingAnAreaThatHoldsAReadOnlyCellIsRefused) {
    ModelFixture f;
    f.At("A1:B2").Put("ReadOnly", true);
    f.At("B2:C3").Call("Merge");
    f.At("E1:F1").Call("Merge");
    ObjectRef(f.sheet).Call("Protect", "pw");
    EXPECT_EQ(ErrorOf([&] { f.At("C3").Call("UnMerge"); }), 1004); // its area holds B2
    EXPECT_EQ(f.At("B2:C3").Get("MergeCells"), Variant(true));
    EXPECT_EQ(ErrorOf([&] { f.At("E1").Call("UnMerge"); }), 0);
    EXPECT_EQ(f.At("E1:F1").Get("MergeCells"), Variant(false));
}

TEST(SheetProtection, NullWritesAndBordersOutsideTheCellsAreNotRefused) {
    ProtectedSheet f;
    const ObjectRef range = f.At("A1:B2");
    EXPECT_EQ(ErrorOf([&] {
                  range.Put("Value", Variant::Null());
                  range.Put("NumberFormat", Variant::Null());
                  range.Put("ReadOnly", Variant::Null());
                  range.Call("Apply");
              }),
              0);
    // A bottom border of row 3 is the top edge of row 4, which is editable.
    EXPECT_EQ(ErrorOf([&] {
                  const ObjectRef below = f.At("C3:D3");
                  f.Border(below, 9).Put("LineStyle", 1);
                  below.Call("Apply");
              }),
              0);
}

TEST(SheetProtection, WrongPasswordRefusesAndProtectionIsOneUndoableChange) {
    ProtectedSheet f;
    const ObjectRef sheet(f.sheet);
    EXPECT_EQ(sheet.Get("ProtectContents"), Variant(true));
    EXPECT_EQ(sheet.Call("CheckPassword", "PW"), Variant(false));
    EXPECT_EQ(sheet.Call("CheckPassword", "pw"), Variant(true));
    EXPECT_NE(DescriptionOf([&] { sheet.Call("Unprotect", "wrong"); }).find("wrong"),
              std::string::npos);
    EXPECT_EQ(sheet.Get("ProtectContents"), Variant(true));
    EXPECT_EQ(ErrorOf([&] { sheet.Call("Protect", "other"); }), 1004);
    f.app->BeginUndoGroup("dialog");
    sheet.Call("Unprotect", "pw");
    f.app->EndUndoGroup();
    EXPECT_EQ(sheet.Get("ProtectContents"), Variant(false));
    f.app->Undo();
    EXPECT_EQ(sheet.Call("CheckPassword", "pw"), Variant(true));
    EXPECT_EQ(sheet.Get("ProtectContents"), Variant(true));
    // Without a password anything unprotects.
    ObjectRef(f.book->Sheet(1)).Call("Protect");
    EXPECT_EQ(ObjectRef(f.book->Sheet(1)).Call("CheckPassword", ""), Variant(true));
    EXPECT_EQ(ErrorOf([&] { ObjectRef(f.book->Sheet(1)).Call("Unprotect"); }), 0);
}

TEST(SheetSettings, FrozenPanesReadAndClearAcrossSheets) {
    ModelFixture f;
    const ObjectRef sheet(f.sheet);
    EXPECT_EQ(sheet.Get("FreezePanes"), Variant(false));
    sheet.Put("SplitRow", 2);
    sheet.Put("SplitColumn", 1);
    EXPECT_EQ(sheet.Get("FreezePanes"), Variant(true));
    const ObjectRef both(f.book->SelectSheets({"Sheet1", "Sheet2"}));
    EXPECT_EQ(both.Get("SplitRow"), Variant::Null());
    EXPECT_EQ(both.Get("FreezePanes"), Variant::Null());
    sheet.Put("FreezePanes", false);
    EXPECT_EQ(sheet.Get("SplitRow"), Variant(0));
    EXPECT_EQ(sheet.Get("SplitColumn"), Variant(0));
    EXPECT_EQ(both.Get("SplitRow"), Variant(0));
    EXPECT_EQ(ErrorOf([&] { sheet.Put("SplitRow", 1048576); }), 1004);
    EXPECT_EQ(ErrorOf([&] { sheet.Put("SplitColumn", 16384); }), 1004);
    EXPECT_EQ(ErrorOf([&] { sheet.Put("SplitColumn", 16383); }), 0);
}

TEST(SheetSettings, GridlineColourIndexTellsAutomaticFromSilver) {
    ModelFixture f;
    const ObjectRef sheet(f.sheet);
    EXPECT_EQ(sheet.Get("GridlineColorIndex"), Variant(-4105));
    EXPECT_EQ(sheet.Get("GridlineColor"), Variant(12632256));
    sheet.Put("GridlineColor", 12632256);
    EXPECT_NE(sheet.Get("GridlineColorIndex"), Variant(-4105));
    sheet.Put("GridlineColorIndex", 3);
    EXPECT_EQ(sheet.Get("GridlineColor"), Variant(255));
    sheet.Put("GridlineColorIndex", -4105);
    EXPECT_EQ(f.sheet->GridlineColorValue(), kAutoColor);
}

TEST(SheetSettings, TheLastVisibleSheetCannotBeHidden) {
    ModelFixture f; // three sheets
    const ObjectRef first(f.book->Sheet(0));
    first.Put("Visible", false);
    EXPECT_EQ(f.book->ActiveSheet(), f.book->Sheet(1)) << "a hidden sheet is not left active";
    EXPECT_EQ(ErrorOf([&] { ObjectRef(f.book->SelectSheets({"Sheet2", "Sheet3"})).Put("Visible", false); }),
              1004);
    EXPECT_TRUE(f.book->Sheet(1)->Visible()) << "a refused selection hides none";
    ObjectRef(f.book->Sheet(1)).Put("Visible", false);
    EXPECT_EQ(ErrorOf([&] { ObjectRef(f.book->Sheet(2)).Put("Visible", false); }), 1004);
    EXPECT_EQ(ObjectRef(f.book->SelectSheets({"Sheet1", "Sheet3"})).Get("Visible"), Variant::Null());
}

TEST(WorkbookSettings, DisplayZerosIsEachSheetsAndNullWhereTheyDiffer) {
    ModelFixture f;
    const ObjectRef book(f.book);
    EXPECT_EQ(book.Get("DisplayZeros"), Variant(true));
    ObjectRef(f.book->Sheet(1)).Put("DisplayZeros", false);
    EXPECT_EQ(book.Get("DisplayZeros"), Variant::Null());
    book.Put("DisplayZeros", false);
    EXPECT_FALSE(f.book->Sheet(0)->DisplayZeros());
    EXPECT_EQ(book.Get("DisplayZeros"), Variant(false));
}

TEST(WorkbookSettings, PrecisionAsDisplayedRoundsFixedDecimalsOnceAsOneUndoStep) {
    struct Case {
        const char* format;
        Variant value;
        Variant expected;
    };
    const Case cases[] = {
        {"0.00", Variant(2.675), Variant(2.68)},
        {"#,##0.0;[Red]-#,##0.0", Variant(-1234.56), Variant(-1234.6)},
        {"$#,##0.00", Variant(10.005), Variant(10.01)},
        {"0.00%", Variant(0.123456), Variant(0.1235)},
        {"0.00E+00", Variant(12345.0), Variant(12300.0)},
        {"0,", Variant(12345.0), Variant(12000.0)},
        {"0", Variant(7), Variant(7)},
        {"General", Variant(1.23456), Variant(1.23456)},
        {"# ?/?", Variant(0.3333), Variant(0.3333)},
        {"yyyy-mm-dd", Variant(45000.75), Variant(45000.75)},
        {"@", Variant(1.555), Variant(1.555)},
        {"0.00", Variant("1.555"), Variant("1.555")},
    };
    ModelFixture f;
    int row = 1;
    for (const Case& c : cases) {
        const std::string cell = "A" + std::to_string(row++);
        f.Apply(cell, "NumberFormat", c.format);
        f.At(cell).Put("Value", c.value);
    }
    f.app->BeginUndoGroup("dialog");
    ObjectRef(f.book).Put("PrecisionAsDisplayed", true);
    f.app->EndUndoGroup();
    row = 1;
    for (const Case& c : cases) {
        EXPECT_EQ(f.At("A" + std::to_string(row++)).Get("Value"), c.expected) << c.format;
    }
    f.app->Undo();
    EXPECT_EQ(ObjectRef(f.book).Get("PrecisionAsDisplayed"), Variant(false));
    row = 1;
    for (const Case& c : cases) {
        EXPECT_EQ(f.At("A" + std::to_string(row++)).Get("Value"), c.value) << c.format;
    }
}

TEST(ApplicationDefaults, NewWorkbooksTakeTheGridlineDefaults) {
    ModelFixture f;
    const ObjectRef app(f.app);
    EXPECT_EQ(app.Get("DefaultDisplayGridlines"), Variant(true));
    EXPECT_EQ(app.Get("DefaultGridlineColorIndex"), Variant(-4105));
    app.Put("DefaultDisplayGridlines", false);
    app.Put("DefaultGridlineColor", 255);
    const auto book = f.app->AddWorkbook("Book2");
    for (const auto& sheet : book->Sheets()) {
        EXPECT_FALSE(sheet->DisplayGridlines());
        EXPECT_EQ(sheet->GridlineColor(), 255);
    }
    EXPECT_TRUE(f.sheet->DisplayGridlines()) << "open workbooks keep theirs";
}

} // namespace
} // namespace vantor::model::test
