#include "vantor/pages/cell/CellPropFont.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "tests/support/ErrorOf.hpp"
#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/controls/RecordingSurface.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

// An application that lists its fonts through the typed interface only.
class FontsApp : public FakeObject, public InstalledFonts {
public:
    int32_t InstalledFontCount() const override { return static_cast<int32_t>(fonts.size()); }
    std::string InstalledFontName(int32_t index) const override {
        return fonts.at(static_cast<size_t>(index));
    }
    std::vector<std::string> fonts{"Arial", "Courier", "Times"};
};

struct FontFixture : RecordedPage<CellPropFont> {
    std::shared_ptr<FontsApp> app = std::make_shared<FontsApp>();
    std::shared_ptr<LoggedFake> font = std::make_shared<LoggedFake>("Font", writes);

    // Cells in 11-point regular Courier, automatic colour.
    FontFixture() {
        font->Set("Name", Variant("Courier"))
            .Set("Size", Variant(11.0))
            .Set("Bold", Variant(false))
            .Set("Italic", Variant(false))
            .Set("Strikethrough", Variant(false))
            .Set("Underline", Variant(-4142))
            .Set("color", Variant(0))
            .Set("ColorIndex", Variant(-4105));
        target->Set("Font", Variant(ObjectRef(font)))
            .Set("Application", Variant(ObjectRef(app)))
            .Set("ApplyCache", Variant(0));
        target->Method("Apply").Method("AutoFitColsWidth").Method("AutoFitRowsHeight");
    }

    Lines Apply() {
        writes->clear();
        page.OnApply();
        return *writes;
    }

    const RecordingSurface::PrintedLine& Sample() const {
        return static_cast<const RecordingSurface&>(page.prvPreview->Surface()).Lines().at(0);
    }
};

// What an apply writes when nothing is to change.
const Lines Unchanged = {"Font: Put Name = Null",
                         "Font: Put Bold = Null",
                         "Font: Put Italic = Null",
                         "Font: Put Strikethrough = Null",
                         "Font: Put Underline = Null",
                         "Font: Put ColorIndex = Long(-4105)",
                         "Cells: Call Apply()",
                         "Cells: Call AutoFitColsWidth()",
                         "Cells: Call AutoFitRowsHeight()"};

} // namespace

TEST(CellPropFontLoad, ListsTheInstalledFontsOnceAndAnUntouchedApplyKeepsEverything) {
    FontFixture f;
    f.Load();
    f.page.OnReset();
    ASSERT_EQ(f.page.cbxFontName->ListCount(), 3);
    EXPECT_EQ(f.page.cbxFontName->ListIndex(), 1);
    EXPECT_EQ(f.page.cbxSize->Text(), "11");
    EXPECT_EQ(f.page.csxFontColor->SelColor(), ColorSelBox::Automatic);
    EXPECT_EQ(f.site->modified, 0);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Font Reset", "Font Reset"}));
    // The sample shows the cells' font.
    EXPECT_EQ(f.Sample().font.name, "Courier");
    EXPECT_EQ(f.Sample().font.size, 11.0f);
    // Untouched, everything is kept; each apply fits columns, then rows.
    EXPECT_EQ(f.Apply(), Unchanged);
    EXPECT_EQ(f.Apply(), Unchanged);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Font Reset", "Font Reset", "Font Apply", "Font Apply"}));
}

TEST(CellPropFontLoad, FindsTheFontsBehindATracingWrapper) {
    FontFixture f;
    auto trace = std::make_shared<TraceLog>();
    f.target->Set("Application", Variant(TracingObject::Wrap(ObjectRef(f.app), trace)));
    f.Load();
    EXPECT_EQ(f.page.cbxFontName->ListCount(), 3);
    EXPECT_EQ(f.h.LogLines(), (Lines{"Font Reset"}));
}

TEST(CellPropFontApply, WritesWhatTheUserChanged) {
    FontFixture f;
    f.Load();
    f.page.cbxFontName->UserSelect(2);
    f.page.cbxSize->UserSelect(0); // "Huge"
    f.page.chkBold->UserClick();
    f.page.chkUnderline->UserClick();
    f.page.csxFontColor->UserPickColor(0x0000FF);
    EXPECT_EQ(f.site->modified, 5);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
    EXPECT_EQ(
        f.Apply(),
        (Lines{"Font: Put Name = String(\"Times\")", "Font: Put Size = Long(36)",
               "Font: Put Bold = True", "Font: Put Italic = Null", "Font: Put Strikethrough = Null",
               "Font: Put Underline = True", "Font: Put color = Long(255)", "Cells: Call Apply()",
               "Cells: Call AutoFitColsWidth()", "Cells: Call AutoFitRowsHeight()"}));
}

TEST(CellPropFontSize, NamedSizesShowByNameOtherSizesAsDigits) {
    struct Case {
        Variant size;
        std::string shown;
    };
    for (const Case& c :
         {Case{Variant(12.0), "Text"}, Case{Variant(11.0), "11"}, Case{Variant(10.5), "10.5"},
          Case{Variant(36), "Huge"}, Case{Variant::Null(), ""}}) {
        FontFixture f;
        f.font->Set("Size", c.size);
        f.Load();
        EXPECT_EQ(f.page.cbxSize->Text(), c.shown);
        // Shown as loaded, the size is kept (10.5 stays 10.5, mixed stays mixed).
        f.page.csxFontColor->UserPickColor(0x00FF00);
        for (const std::string& write : f.Apply()) {
            EXPECT_EQ(write.find("Size"), std::string::npos) << c.shown;
        }
    }
}

TEST(CellPropFontSize, ReadsTheLeadingNumberOfATypedSize) {
    FontFixture f;
    f.Load();
    struct Case {
        const char* text;
        int32_t size;
    };
    for (const Case& c :
         {Case{" 8", 8}, Case{"10.5", 10}, Case{"11.5", 12}, Case{"-14", 14}, Case{"12pt", 12},
          Case{"Huge", 36}, Case{"Smallest", 5}, Case{"huge", 0}, Case{"", 0}, Case{"1e-999", 0}}) {
        f.page.cbxSize->UserType(c.text);
        EXPECT_EQ(f.page.GetFontSize(), c.size) << c.text;
    }
    f.page.cbxSize->UserType("1e10");
    EXPECT_EQ(ErrorOf([&] { f.page.GetFontSize(); }), err::Overflow);
}

TEST(CellPropFontSize, ATypedSizeIsWrittenWhenTheBoxIsLeftButNeverZero) {
    FontFixture f;
    f.Load();
    f.page.cbxSize->Focus();
    f.page.cbxSize->UserType("14.5");
    EXPECT_EQ(f.site->modified, 0); // typing alone marks nothing
    f.page.cbxSize->Leave();
    EXPECT_EQ(f.site->modified, 1);
    EXPECT_EQ(f.page.prvPreview->FontSize(), 14.0f);
    EXPECT_EQ(f.Apply().at(1), "Font: Put Size = Long(14)");

    f.page.cbxSize->UserType("none");
    EXPECT_EQ(f.Apply().at(1), "Font: Put Bold = Null");

    // A size beyond the 32-bit range writes nothing and is logged.
    f.page.cbxSize->UserType("9e99");
    EXPECT_EQ(f.Apply().at(1), "Font: Put Bold = Null");
    EXPECT_EQ(f.h.LogLines().back(), "Font Apply - Error: 6,Overflow");
}

TEST(CellPropFontStyles, UnderlineShowsOnForAPositiveStyleAndIsWrittenOnlyWhenTheBoxChanged) {
    struct Case {
        Variant underline;
        int32_t shown;
        int clicks;
        std::string written;
    };
    // A double underline (shown off) left alone survives the apply.
    for (const Case& c :
         {Case{Variant(2), 1, 0, "Null"}, Case{Variant(2), 1, 1, "False"},
          Case{Variant(-4119), 0, 0, "Null"}, Case{Variant(5), 1, 0, "Null"},
          Case{Variant(-4142), 0, 1, "True"}, Case{Variant(-1), 0, 0, "Null"},
          Case{Variant(true), 0, 0, "Null"}, Case{Variant::Null(), 2, 2, "False"}}) {
        FontFixture f;
        f.font->Set("Underline", c.underline);
        f.Load();
        EXPECT_EQ(f.page.chkUnderline->Value(), c.shown) << c.underline.Describe();
        for (int i = 0; i < c.clicks; ++i) {
            f.page.chkUnderline->UserClick();
        }
        EXPECT_EQ(f.Apply().at(4), "Font: Put Underline = " + c.written) << c.underline.Describe();
    }
}

TEST(CellPropFontColor, AutomaticWritesTheIndexAndMixedWritesNothing) {
    FontFixture f;
    f.font->Set("ColorIndex", Variant(3)).Set("color", Variant(0x0000FF));
    f.Load();
    EXPECT_EQ(f.Sample().foreColor, 0x0000FF);
    f.page.csxFontColor->UserPickAutomatic();
    const Lines writes = f.Apply();
    EXPECT_EQ(writes.at(5), "Font: Put ColorIndex = Long(-4105)");
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                            [](const std::string& w) { return w.find("color") != w.npos; }),
              0);
    // The sample shows the automatic colour as window text, not the red it had.
    EXPECT_EQ(f.Sample().foreColor, static_cast<int32_t>(0x80000008));

    FontFixture mixed;
    mixed.font->Set("ColorIndex", Variant::Null()).Set("color", Variant::Null());
    mixed.Load();
    EXPECT_EQ(mixed.page.csxFontColor->SelColor(), ColorSelBox::NoColor);
    EXPECT_EQ(mixed.Apply().at(5), "Cells: Call Apply()");
}

TEST(CellPropFontName, ATypedNameIsMatchedWithoutCaseOrThrownBack) {
    FontFixture f;
    f.Load();
    f.page.cbxFontName->Focus();
    f.page.cbxFontName->UserType("tIMES");
    EXPECT_TRUE(f.page.cbxFontName->Leave());
    EXPECT_EQ(f.page.cbxFontName->ListIndex(), 2);
    EXPECT_EQ(f.page.cbxFontName->Text(), "Times");
    EXPECT_EQ(f.site->modified, 1);
    EXPECT_EQ(f.Sample().font.name, "Times");

    f.page.cbxFontName->Focus();
    f.page.cbxFontName->UserType("Unknown Face");
    EXPECT_TRUE(f.page.cbxFontName->Leave());
    EXPECT_EQ(f.page.cbxFontName->Text(), "Times"); // the last accepted name
    EXPECT_EQ(f.Apply().front(), "Font: Put Name = String(\"Times\")");
}

TEST(CellPropFontName, MixedOrUninstalledFontsKeepTheirNamesAndAnUnknownTypedOneIsCleared) {
    for (const Variant& name : {Variant::Null(), Variant("Not Installed")}) {
        FontFixture f;
        f.font->Set("Name", name);
        f.Load();
        EXPECT_EQ(f.page.cbxFontName->ListIndex(), -1);
        EXPECT_EQ(f.Apply().front(), "Font: Put Name = Null");
        f.page.cbxFontName->Focus();
        f.page.cbxFontName->UserType("Unknown Face");
        f.page.cbxFontName->Leave();
        EXPECT_EQ(f.page.cbxFontName->ListIndex(), -1);
        EXPECT_EQ(f.page.cbxFontName->Text(), "");
        EXPECT_EQ(f.Apply().front(), "Font: Put Name = Null");
    }
}

TEST(CellPropFont, ATargetWithoutAFontDoesNotReuseThePreviousOne) {
    FontFixture f;
    f.Load();
    auto bare = std::make_shared<FakeObject>();
    bare->Set("Application", Variant(ObjectRef(f.app)));
    f.page.SetTargets(PageHarness::Targets(bare));
    f.page.chkBold->UserClick();
    f.writes->clear();
    f.page.OnApply();
    EXPECT_TRUE(f.writes->empty()); // nothing reaches the first target's font
}

TEST(CellPropFontModel, AppliesToTheEmbeddedModel) {
    CellPageModel m;
    const ObjectRef range = m.Range("A1:B2");
    const ObjectRef font = range.Get("Font").ToObject();
    font.Put("Size", Variant(10.5));
    font.Put("Underline", Variant(-4119));
    range.Call("Apply");

    CellPropFont page;
    m.Open(page, "A1:B2");
    EXPECT_EQ(page.cbxFontName->List(page.cbxFontName->ListIndex()), "Arial");
    EXPECT_EQ(page.cbxSize->Text(), "10.5");
    page.chkBold->UserClick();
    page.csxFontColor->UserPickColor(0x0000FF);
    page.OnApply();

    const ObjectRef cells = m.Range("A2:B2").Get("Font").ToObject();
    EXPECT_EQ(cells.Get("Bold").Describe(), "True");
    EXPECT_EQ(cells.Get("Size").Describe(), "Double(10.5)");
    EXPECT_EQ(cells.Get("Underline").Describe(), "Long(-4119)");
    EXPECT_EQ(cells.Get("color").Describe(), "Long(255)");
    EXPECT_EQ(cells.Get("Name").Describe(), "String(\"Arial\")");
    EXPECT_EQ(m.h.LogLines(), (Lines{"Font Reset", "Font Apply"}));
}

TEST(CellPropFontLoad, AResetStartsANewEditCycleAndRedrawsTheSample) {
    FontFixture f;
    f.Load();
    f.page.chkBold->UserClick();
    f.page.chkItalic->UserClick();
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
    f.font->Set("Name", Variant("Arial"));
    f.page.OnReset();
    EXPECT_EQ(f.Sample().font.name, "Arial");
    EXPECT_EQ(f.page.chkBold->Value(), 0);
    f.page.chkBold->UserClick();
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(2));
    EXPECT_EQ(f.site->modified, 3);
}

TEST(CellPropFontLoad, TheColourIsReadBeforeItsIndex) {
    CellPageModel m;
    auto trace = std::make_shared<TraceLog>();
    CellPropFont page;
    page.SetTargets(PageHarness::Targets(TracingObject::Wrap(m.Range("A1"), trace)));
    std::vector<std::string> reads;
    for (const TraceEntry& e : *trace) {
        const std::string member = e.path.substr(e.path.rfind('.') + 1);
        if (e.kind == InvokeKind::Get && (member == "color" || member == "ColorIndex")) {
            reads.push_back(member);
        }
    }
    EXPECT_EQ(reads, (Lines{"color", "ColorIndex"}));
}
