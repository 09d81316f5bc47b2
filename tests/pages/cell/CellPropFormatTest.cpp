#include "vantor/pages/cell/CellPropFormat.hpp"
#include "tests/pages/cell/CellPageModel.hpp"
#include "tests/pages/cell/LoggedFake.hpp"
#include "vantor/pages/cell/NumberFormatModel.hpp"

#include <gtest/gtest.h>

#include <map>

using namespace vantor;
using namespace vantor::test;
namespace nf = vantor::numberformat;

using Lines = std::vector<std::string>;

namespace {

// The application's formats, scripted: enumeration, "Item", "Add" (a typed
// code becomes a Custom format) and "Format" (which shows the code and the
// value it was given). Each format's own "Format" shows its code and the sample.
class FakeFormats : public FakeObject {
public:
    FakeFormats() {
        Method("Item", [this](auto args) { return Find(args[0].ToString()); });
        Method("Add",
               [this](auto args) { return Variant(AddFormat(args[0].ToString(), nf::Custom)); });
        Method("Format",
               [](auto args) { return Variant(args[0].ToString() + " on " + args[1].Describe()); });
    }

    std::shared_ptr<FakeObject> AddFormat(const std::string& name, int32_t category,
                                          int32_t decimals = 0, Variant flag = Variant(false),
                                          const std::string& symbol = "") {
        auto format = std::make_shared<FakeObject>();
        format->Set("Name", Variant(name))
            .Set("Category", Variant(category))
            .Set("FixedDecimalPlaces", Variant(decimals))
            .Set("UseComma", flag)
            .Set("ExponentSign", flag)
            .Set("CurrencySymbol", Variant(symbol));
        format->Method("Format",
                       [name](auto args) { return Variant(name + " on " + args[0].Describe()); });
        items.push_back(Variant(ObjectRef(format)));
        return format;
    }

    Variant Find(const std::string& name) const {
        for (const Variant& item : items) {
            if (item.Get("Name").ToString() == name) {
                return item;
            }
        }
        return Variant::Nothing();
    }

    std::vector<Variant> Enumerate() override { return items; }

    std::vector<Variant> items;
};

// Chooses a category as the user does.
void PickCategory(CellPropFormat& page, int32_t category) {
    for (int32_t i = 0; i < page.lstCategory->ListCount(); ++i) {
        if (page.lstCategory->ItemData(i) == category) {
            page.lstCategory->UserSelect(i);
        }
    }
}

struct FormatFixture : RecordedPage<CellPropFormat> {
    std::shared_ptr<FakeFormats> formats = std::make_shared<FakeFormats>();
    std::shared_ptr<FakeObject> app = std::make_shared<FakeObject>();

    explicit FormatFixture(Variant numberFormat) {
        formats->AddFormat("General", nf::General);
        formats->AddFormat("0.00", nf::Number, 2);
        formats->AddFormat("#,##0.00", nf::Number, 2, Variant(true));
        formats->AddFormat("¥#,##0", nf::Currency, 0, Variant(false), "¥");
        formats->AddFormat("yyyy-mm-dd", nf::Date);
        formats->AddFormat("d-mmm", nf::Date);
        formats->AddFormat("0.0;[Red]-0.0", nf::Custom);
        formats->AddFormat("0 \"pcs\"", nf::Custom);
        app->Set("NumberFormats", Variant(ObjectRef(formats)));
        target->Set("NumberFormat", numberFormat)
            .Set("Value", Variant(1.5))
            .Set("Application", Variant(ObjectRef(app)))
            .Set("ApplyCache", Variant(0));
        target->Method("Apply");
    }

    Lines Apply() {
        writes->clear();
        page.OnApply();
        return *writes;
    }
    void Pick(int32_t category) { PickCategory(page, category); }
    // The names of the frames shown.
    Lines Shown() const {
        Lines shown;
        for (const auto& control : page.Controls()) {
            if (control->Kind() == "Frame" && control->Name() != "Frame1" && control->Visible()) {
                shown.push_back(control->Name());
            }
        }
        return shown;
    }
};

} // namespace

TEST(NumberFormatCode, BuildsFromTheOptions) {
    using nf::BuildFormatCode;
    EXPECT_EQ(BuildFormatCode(0, false, "", 0, Variant(false)), "0");
    EXPECT_EQ(BuildFormatCode(-3, false, "", 0, Variant(false)), "0");
    EXPECT_EQ(BuildFormatCode(3, false, "", 0, Variant(false)), "0.000");
    EXPECT_EQ(BuildFormatCode(0, true, "", 0, Variant(false)), "#,##0");
    EXPECT_EQ(BuildFormatCode(2, false, "", 2, Variant(false)), "0.00E-00");
    EXPECT_EQ(BuildFormatCode(2, false, "", 2, Variant::Null()), "0.00E-00");
    EXPECT_EQ(BuildFormatCode(0, false, "", 2, Variant(true)), "0E+00");
    EXPECT_EQ(nf::BuildPercentCode(2), "0.00%");
    EXPECT_EQ(nf::BuildPercentCode(-1), "0%");
}

TEST(CellPropFormatLoad, EmptyGeneralMixedAndUnknownCodes) {
    FormatFixture general(Variant(""));
    general.Load();
    EXPECT_EQ(general.page.lstCategory->Text(), "General");
    EXPECT_EQ(general.Shown(), (Lines{"frNone"}));
    EXPECT_EQ(general.page.txtFormatCode->Text(), "");

    FormatFixture mixed(Variant::Null());
    mixed.Load();
    EXPECT_EQ(mixed.page.lstCategory->ListIndex(), -1);
    EXPECT_TRUE(mixed.Shown().empty());
    EXPECT_EQ(mixed.page.txtFormatCode->Text(), "");

    // A code the application does not know is shown and kept as it is.
    FormatFixture unknown(Variant("0.0000000"));
    unknown.Load();
    EXPECT_EQ(unknown.page.lstCategory->ListIndex(), -1);
    EXPECT_EQ(unknown.page.nbeNumSpaces->Value(), Variant(2));
    EXPECT_EQ(unknown.page.txtFormatCode->Text(), "0.0000000");
    EXPECT_EQ(unknown.Apply(), (Lines{"Cells: Call Apply()"}));
}

TEST(CellPropFormatBuild, AKnownFormatSetsTheOptionsOfItsCategory) {
    FormatFixture f(Variant("¥#,##0"));
    f.Load();
    EXPECT_EQ(f.page.lstCategory->Text(), "Currency");
    EXPECT_EQ(f.page.nbeCurSpaces->Value(), Variant(0));
    EXPECT_EQ(f.page.cbxCurSymbol->ListIndex(), 2);
    EXPECT_EQ(f.page.nbeNumSpaces->Value(), Variant(2)); // other categories keep their defaults

    FormatFixture number(Variant("#,##0.00"));
    number.Load();
    EXPECT_EQ(number.page.chkNumComma->Value(), 1);
    number.page.nbeNumSpaces->UserType("0");
    EXPECT_EQ(number.page.FormatCode(), "#,##0");
}

TEST(CellPropFormatList, ACategoryHoldingTheCurrentCodeKeepsIt) {
    FormatFixture f(Variant("d-mmm"));
    f.formats->AddFormat("d-mmm", nf::Custom);
    f.Load();
    f.Pick(nf::Custom);
    EXPECT_EQ(f.page.FormatCode(), "d-mmm");
    EXPECT_EQ(f.page.lstFormat->ListIndex(), 2);
    EXPECT_EQ(f.page.lstFormatStr->ListIndex(), 2);
}

TEST(CellPropFormatList, AnEntryWhoseSampleFailsKeepsTheListsParallel) {
    FormatFixture f(Variant(""));
    f.formats->Find("yyyy-mm-dd").ToObject().As<FakeObject>()->Fail("Format", 1004, "No dates");
    f.Load();
    f.Pick(nf::Date);
    EXPECT_EQ(f.page.lstFormat->List(0), "yyyy-mm-dd");
    f.page.lstFormat->UserSelect(1);
    EXPECT_EQ(f.page.FormatCode(), "d-mmm");
    EXPECT_EQ(f.h.LogLines().back(), "LoadCagegory - Error: 1004,No dates");
}

TEST(CellPropFormatTyped, AValueTheApplicationCannotShowLeavesThePreviewEmpty) {
    FormatFixture f(Variant("0.00"));
    f.formats->Method("Format", [](auto) { return Variant::Null(); });
    f.Load();
    f.page.txtFormatCode->UserType("0.0");
    EXPECT_EQ(f.page.lblPreview->Caption(), "");
    EXPECT_EQ(f.h.LogLines(), (Lines{"Format Reset"}));
}

TEST(CellPropFormatTyped, BlanksAreNeverAddedAndARefusedCodeComesBack) {
    FormatFixture f(Variant("0.00"));
    f.Load();
    f.page.txtFormatCode->UserType("   ");
    f.page.cmdAdd->UserClick();
    EXPECT_EQ(f.page.txtFormatCode->Text(), "0.00");
    EXPECT_EQ(f.formats->Calls("Add"), 0);

    f.formats->Fail("Add", 1004, "Bad code");
    f.page.txtFormatCode->UserType("0.0[");
    EXPECT_EQ(f.Apply(), (Lines{"Cells: Call Apply()"})); // the typed code is refused, "0.00" stays
    EXPECT_EQ(f.page.txtFormatCode->Text(), "0.00");
    EXPECT_EQ(f.h.LogLines(), (Lines{"Format Reset", "Format Apply", "Error: 1004,Bad code"}));
}

TEST(CellPropFormatReset, ResetAfterEditsBuildsAndNotifiesNothing) {
    FormatFixture f(Variant("0.00"));
    f.Load();
    f.page.nbeNumSpaces->UserType("5");
    f.page.chkShowPlug->UserClick();
    f.page.cbxCurSymbol->UserSelect(0);
    const int modified = f.site->modified;
    f.writes->clear();
    f.page.OnReset();
    EXPECT_EQ(f.site->modified, modified);
    EXPECT_EQ(f.page.FormatCode(), "0.00");
    EXPECT_EQ(f.page.nbeNumSpaces->Value(), Variant(2));
    EXPECT_EQ(f.page.cbxCurSymbol->ListIndex(), 1);
    EXPECT_EQ(f.page.chkShowPlug->Value(), 0);
    EXPECT_TRUE(f.writes->empty());
    EXPECT_EQ(f.Apply(), (Lines{"Cells: Call Apply()"}));
}

TEST(CellPropFormatApply, MixedFormatsAreKeptUnlessTheUserChoseACode) {
    FormatFixture f(Variant::Null());
    f.Load();
    EXPECT_EQ(f.Apply(), (Lines{"Cells: Call Apply()"}));
    f.Pick(nf::Number);
    EXPECT_EQ(f.Apply(),
              (Lines{"Cells: Put NumberFormat = String(\"0.00\")", "Cells: Call Apply()"}));

    // A reset over mixed formats forgets the earlier choice.
    f.target->Set("NumberFormat", Variant::Null());
    f.page.OnReset();
    EXPECT_EQ(f.Apply(), (Lines{"Cells: Call Apply()"}));

    // A code typed and erased again chooses nothing: General is not written over them.
    f.page.txtFormatCode->UserType("0.0");
    f.page.txtFormatCode->UserType("");
    EXPECT_EQ(f.Apply(), (Lines{"Cells: Call Apply()"}));
}

TEST(CellPropFormatApply, AnEditCycleCountsOnceAndAgainAfterApply) {
    FormatFixture f(Variant("0.00"));
    f.Load();
    f.page.txtFormatCode->UserType("0.0");
    f.page.OnApply(); // adds the typed code, which notifies once more
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(1));
    f.Pick(nf::Percent);
    EXPECT_EQ(f.target->Value("ApplyCache"), Variant(2));
}

namespace {

// The page over cells of the embedded model.
struct ModelFixture {
    explicit ModelFixture(const std::string& code) {
        m.Format("A1:B2", "Value", Variant(1234.5));
        m.Format("A1:B2", "NumberFormat", Variant(code));
        page.SetSite(site);
        page.SetTargets(PageHarness::Targets(m.Range("A1:B2")));
    }
    void Pick(int32_t category) { PickCategory(page, category); }
    std::string Applied() {
        page.OnApply();
        return m.Range("A1:B2").Get("NumberFormat").ToString();
    }

    CellPageModel m;
    std::shared_ptr<FakeSite> site = std::make_shared<FakeSite>();
    CellPropFormat page;
};

} // namespace

TEST(CellPropFormatModel, BuildsAndAppliesCodesToTheCells) {
    ModelFixture f("0.00E+00");
    EXPECT_EQ(f.page.lstCategory->Text(), "Scientific");
    EXPECT_TRUE(f.page.frScientific->Visible());
    EXPECT_EQ(f.page.nbeSciSpaces->Value(), Variant(2));
    EXPECT_EQ(f.page.chkShowPlug->Value(), 1);
    EXPECT_EQ(f.page.txtFormatCode->Text(), "0.00E+00");
    EXPECT_FALSE(f.page.cmdAdd->Enabled());
    EXPECT_EQ(f.site->modified, 0);
    f.page.nbeSciSpaces->UserStep(1);
    EXPECT_EQ(f.Applied(), "0.000E+00");

    f.Pick(nf::Number);
    EXPECT_EQ(f.page.FormatCode(), "0.00");
    f.page.chkNumComma->UserClick();
    EXPECT_EQ(f.Applied(), "#,##0.00");
    f.Pick(nf::Currency);
    EXPECT_EQ(f.Applied(), "€#,##0.00");
    f.page.cbxCurSymbol->UserSelect(2);
    EXPECT_EQ(f.page.FormatCode(), "¥#,##0.00");
    f.Pick(nf::Percent);
    f.page.nbePercentSpace->UserType("0");
    EXPECT_EQ(f.Applied(), "0%");
    f.Pick(nf::General);
    EXPECT_EQ(f.page.txtFormatCode->Text(), "");
    EXPECT_EQ(f.Applied(), "");
    EXPECT_EQ(f.m.h.LogLines(), (Lines{"Format Reset", "Format Apply", "Format Apply",
                                       "Format Apply", "Format Apply", "Format Apply"}));
}

TEST(CellPropFormatModel, ListsTheApplicationsFormatsWithTheirSamples) {
    ModelFixture f("d-mmm");
    EXPECT_EQ(f.page.lstCategory->Text(), "Date");
    EXPECT_EQ(f.page.lstFormatStr->Text(), "d-mmm");
    EXPECT_EQ(f.page.lstFormat->Text(), "30-Oct");
    f.Pick(nf::Time); // takes its first entry
    EXPECT_EQ(f.page.FormatCode(), f.page.lstFormatStr->List(0));
    EXPECT_EQ(f.page.lstFormat->List(0), "18:56");
    f.Pick(nf::NumericList);
    EXPECT_EQ(f.page.lstFormat->List(0), "1234 4/7");
    f.Pick(nf::Text);
    EXPECT_EQ(f.page.lstFormat->List(0), "abc");
    f.Pick(nf::Custom);
    EXPECT_EQ(f.page.lstFormat->List(0), f.page.lstFormatStr->List(0));
    f.page.lstFormat->UserSelect(1);
    EXPECT_EQ(f.page.FormatCode(), f.page.lstFormatStr->List(1));
    EXPECT_EQ(f.page.txtFormatCode->Text(), f.page.FormatCode());
    EXPECT_EQ(f.m.h.LogLines(), (Lines{"Format Reset"}));
}

TEST(CellPropFormatModel, ATypedCodeIsPreviewedAddedAndApplied) {
    ModelFixture f("0.00");
    EXPECT_EQ(f.page.lblPreview->Caption(), "1234.50");
    f.page.txtFormatCode->UserType("0.0 \"units\"");
    EXPECT_TRUE(f.page.cmdAdd->Enabled());
    EXPECT_EQ(f.site->modified, 1);
    EXPECT_EQ(f.page.lblPreview->Caption(), "1234.5 units");
    f.page.txtFormatCode->UserType("0.00"); // the current code again
    EXPECT_FALSE(f.page.cmdAdd->Enabled());
    f.page.txtFormatCode->UserType("0.0 \"units\"");
    f.page.cmdAdd->UserClick();
    EXPECT_EQ(f.page.lstCategory->Text(), "Custom");
    EXPECT_EQ(f.page.lstFormat->Text(), "0.0 \"units\"");
    EXPECT_FALSE(f.page.cmdAdd->Enabled());
    EXPECT_EQ(f.Applied(), "0.0 \"units\"");

    f.page.txtFormatCode->UserType("   ");
    EXPECT_EQ(f.Applied(), "0.0 \"units\"");
    EXPECT_EQ(f.page.txtFormatCode->Text(), "0.0 \"units\"");
}

TEST(CellPropFormatModel, ATypedCodeIsWrittenAsTypedEvenWhenItsCategoryBuildsCodes) {
    struct Case {
        const char* loaded;
        const char* typed;
        const char* category;
    };
    // The options recognised from the typed code are shown, but the code is
    // not rebuilt from them: its other sections and colours stay.
    for (const Case& c : {Case{"0.00", "0.000;[Red]-0.000", "Number"},
                          Case{"", "#,##0.00;[Red]-#,##0.00", "Number"}}) {
        ModelFixture f(c.loaded);
        f.page.txtFormatCode->UserType(c.typed);
        EXPECT_EQ(f.Applied(), c.typed);
        EXPECT_EQ(f.page.lstCategory->Text(), c.category) << c.typed;
        EXPECT_EQ(f.page.txtFormatCode->Text(), c.typed);
        // Add pressed by hand does the same.
        ModelFixture added(c.loaded);
        added.page.txtFormatCode->UserType(c.typed);
        added.page.cmdAdd->UserClick();
        EXPECT_EQ(added.page.FormatCode(), c.typed);
        EXPECT_EQ(added.Applied(), c.typed);
    }
}

namespace {

// One cell of the embedded model holding `value`, with the page over it.
struct PreviewFixture {
    explicit PreviewFixture(const Variant& value) {
        if (!value.IsEmpty()) {
            m.Format("C3", "Value", value);
        }
        m.Open(page, "C3");
    }
    CellPageModel m;
    CellPropFormat page;
};

} // namespace

TEST(CellPropFormatModel, PreviewShowsTheCellsValueInEveryCategory) {
    const Variant values[] = {Variant(1234.5),
                              Variant("abc"),
                              Variant::Date(Variant("2000-10-30").ToDate()),
                              Variant::Date(Variant("18:56:00").ToDate()),
                              Variant(true),
                              Variant(),
                              Variant::Error(2007)};
    // Per category (its first entry or the code its options build), the preview
    // of each value above. A time alone is day 0; General shows values as they are.
    const std::map<int32_t, std::vector<std::string>> previews = {
        {nf::General, {"1234.5", "abc", "36829", "0.788888889", "TRUE", "", "#DIV/0!"}},
        {nf::Number, {"1234.50", "abc", "36829.00", "0.79", "TRUE", "", "#DIV/0!"}},
        {nf::Currency, {"€1,234.50", "abc", "€36,829.00", "€0.79", "TRUE", "", "#DIV/0!"}},
        {nf::Scientific, {"1.23E03", "abc", "3.68E04", "7.89E-01", "TRUE", "", "#DIV/0!"}},
        {nf::Date, {"5/18/1903", "abc", "10/30/2000", "1/0/1900", "TRUE", "", "#DIV/0!"}},
        {nf::Time, {"12:00", "abc", "0:00", "18:56", "TRUE", "", "#DIV/0!"}},
        {nf::Percent, {"123450.00%", "abc", "3682900.00%", "78.89%", "TRUE", "", "#DIV/0!"}},
        {nf::NumericList, {"1234 1/2", "abc", "36829    ", " 7/9", "TRUE", "", "#DIV/0!"}},
        {nf::Text, {"1234.5", "abc", "36829", "0.788888889", "TRUE", "", "#DIV/0!"}},
        {nf::Custom, {"1.2E+3", "abc", "36.8E+3", "788.9E-3", "TRUE", "", "#DIV/0!"}},
    };
    for (const nf::Category& category : nf::Categories) {
        for (size_t i = 0; i < std::size(values); ++i) {
            PreviewFixture f(values[i]);
            if (category.code != nf::General) { // a General cell is previewed as loaded
                PickCategory(f.page, category.code);
            }
            EXPECT_EQ(f.page.lblPreview->Caption(), previews.at(category.code)[i])
                << category.name << " over " << values[i].Describe();
        }
    }
}

TEST(CellPropFormatModel, ABadCodeIsRefusedWithItsBadPartSelectedAndNothingWritten) {
    ModelFixture f("0.00");
    f.page.txtFormatCode->UserType("0.00\"abc");
    EXPECT_EQ(f.page.ValidateData(), 1);
    ASSERT_EQ(f.m.h.env.Messages().size(), 1u);
    const std::string& prompt = f.m.h.env.Messages()[0].prompt;
    EXPECT_TRUE(prompt.starts_with(CellPropFormat::BadCode)) << prompt;
    EXPECT_NE(prompt.find("position 5"), std::string::npos) << prompt;
    EXPECT_TRUE(f.page.txtFormatCode->HasFocus());
    EXPECT_EQ(f.page.txtFormatCode->SelText(), "\"abc");
    EXPECT_EQ(f.m.Range("A1:B2").Get("NumberFormat"), Variant("0.00"));

    f.page.txtFormatCode->UserType("0.00\"abc\"");
    EXPECT_EQ(f.page.ValidateData(), 0);
    f.page.txtFormatCode->UserType("   "); // blanks are never added: nothing to refuse
    EXPECT_EQ(f.page.ValidateData(), 0);
    EXPECT_EQ(f.m.h.env.Messages().size(), 1u);
}
