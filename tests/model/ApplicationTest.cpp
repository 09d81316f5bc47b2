#include "ModelTestSupport.hpp"

#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class ApplicationOptions : public ::testing::Test, protected ModelFixture {
protected:
    ObjectRef application{app};
};

TEST_F(ApplicationOptions, BooleanOptionsTakeBooleansAndNullKeepsThem) {
    const auto toggle = [](const ObjectRef& object, const char* name) {
        const bool before = object.Get(name).ToBool();
        object.Put(name, !before);
        EXPECT_EQ(object.Get(name), Variant(!before)) << name;
        object.Put(name, Variant::Null());
        EXPECT_EQ(object.Get(name), Variant(!before)) << name;
        object.Put(name, before ? -1 : 0); // numbers stand for booleans
        EXPECT_EQ(object.Get(name), Variant(before)) << name;
    };
    for (const char* name : {"MoveAfterReturn", "FixedDecimal", "FileAssoc", "EnableUndo"}) {
        toggle(application, name);
    }
    for (const char* name : {"DisplayHorizontalScrollBar", "DisplayVerticalScrollBar",
                             "DisplayWorkbookTabs", "DisplayZeros", "DisplayErrors"}) {
        toggle(ObjectRef(book), name);
    }
}

TEST_F(ApplicationOptions, LeadToTheActiveBookAndShapeNewOnes) {
    EXPECT_EQ(application.Get("ActiveWorkbook"), Variant(book));
    EXPECT_EQ(application.Get("ActiveSheet"), Variant(sheet));
    EXPECT_EQ(application.Get("MoveAfterReturnDirection"), Variant(-4121));
    EXPECT_EQ(application.Get("MoveAfterReturn"), Variant(true));
    EXPECT_EQ(application.Get("FileAssoc"), Variant(false));
    for (int32_t direction : {-4162, -4159, -4161, -4121}) {
        application.Put("MoveAfterReturnDirection", direction);
        EXPECT_EQ(application.Get("MoveAfterReturnDirection"), Variant(direction));
    }
    EXPECT_EQ(ErrorOf([&] { application.Put("MoveAfterReturnDirection", 1); }), 1004);
    application.Put("SheetsInNewWorkbook", 2);
    EXPECT_EQ(app->AddWorkbook("Book2")->Sheets().size(), 2u);
    EXPECT_EQ(application.Get("ActiveWorkbook").Get("Name"), Variant("Book2"));
}

TEST_F(ApplicationOptions, WholeNumberSettingsAcceptTheirWholeRangeOnly) {
    const ObjectRef workbook(book);
    struct Limits {
        ObjectRef object;
        const char* name;
        int32_t lowest;
        int32_t highest;
    };
    for (const Limits& l : {Limits{application, "SheetsInNewWorkbook", 1, 255},
                            {application, "UndoMaxNum", 1, 512},
                            {application, "FixedDecimalPlaces", -300, 300},
                            {workbook, "MaxIterations", 1, 32767},
                            {workbook, "CommentMode", 0, 3}}) {
        l.object.Put(l.name, l.lowest);
        EXPECT_EQ(l.object.Get(l.name), Variant(l.lowest)) << l.name;
        l.object.Put(l.name, l.highest);
        EXPECT_EQ(l.object.Get(l.name), Variant(l.highest)) << l.name;
        for (const Variant& refused :
             {Variant(l.lowest - 1), Variant(l.highest + 1), Variant(1e12), Variant(-1e12)}) {
            const auto put = [&] { l.object.Put(l.name, refused); };
            EXPECT_EQ(ErrorOf(put), 1004) << l.name << " " << refused.Describe();
            EXPECT_NE(DescriptionOf(put).find(l.name), std::string::npos) << DescriptionOf(put);
        }
        EXPECT_EQ(l.object.Get(l.name), Variant(l.highest)) << l.name;
        l.object.Put(l.name, Variant::Null());
        EXPECT_EQ(l.object.Get(l.name), Variant(l.highest)) << l.name;
    }
    EXPECT_EQ(ErrorOf([&] { application.Put("UndoMaxNum", "many"); }), 13);
    EXPECT_EQ(ErrorOf([&] { workbook.Put("MaxIterations", "ten"); }), 13);
}

TEST_F(ApplicationOptions, ControlKindsOfferTheCommonControlsByNameOrIndex) {
    const ObjectRef kinds = application.Get("Controls").ToObject();
    EXPECT_EQ(At("A1").Get("Controls").ToObject().get(), kinds.get());
    for (const char* needed : {"CheckBox", "DropDownList", "Button", "DatePicker", "SpinButton"}) {
        const ObjectRef kind = kinds.Call("Item", FoldCase(needed)).ToObject();
        EXPECT_EQ(kind.Get("Name"), Variant(needed));
        EXPECT_GT(kind.Get("Description").ToString().size(), kind.Get("Caption").ToString().size());
    }
    const int32_t count = kinds.Get("Count").ToLong();
    EXPECT_EQ(kinds.Call("Item", count).ToObject().get(),
              kinds.Enumerate().back().ToObject().get());
    EXPECT_EQ(ErrorOf([&] { kinds.Call("Item", 0); }), 9);
    EXPECT_EQ(ErrorOf([&] { kinds.Call("Item", count + 1); }), 9);
    EXPECT_EQ(ErrorOf([&] { kinds.Call("Item", "Slider"); }), 9);
}

TEST(ApplicationFonts, AGivenListIsAnsweredDistinctAndSorted) {
    const auto app = Application::Create(
        {"Noto Serif", "dejavu sans", "DejaVu Sans", "Quill Sans", "noto serif", "Bramble Serif"});
    const auto fonts = ObjectRef(app).As<InstalledFonts>();
    ASSERT_TRUE(fonts);
    std::vector<std::string> names;
    for (int32_t i = 0; i < fonts->InstalledFontCount(); ++i) {
        names.push_back(FoldCase(fonts->InstalledFontName(i)));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"bramble serif", "dejavu sans", "noto serif",
                                               "quill sans"}));
    EXPECT_EQ(ErrorOf([&] { fonts->InstalledFontName(4); }), 9);
    EXPECT_EQ(ErrorOf([&] { fonts->InstalledFontName(-1); }), 9);
    EXPECT_EQ(FoldCase(app->DefaultFontName()), "dejavu sans");
}

TEST(ApplicationFonts, NoFontsAtAllFallBackToASmallFixedList) {
    const auto app = Application::Create(std::vector<std::string>{});
    ASSERT_GE(app->InstalledFontCount(), 2);
    EXPECT_EQ(app->DefaultFontName(), "Liberation Sans");
    bool found = false;
    for (int32_t i = 0; i < app->InstalledFontCount(); ++i) {
        found = found || app->InstalledFontName(i) == app->DefaultFontName();
    }
    EXPECT_TRUE(found);
    // New workbooks use that default.
    const auto book = app->AddWorkbook("Book1");
    EXPECT_EQ(ObjectRef(book->Sheet(0)->RangeOf("A1")).Get("Font").Get("Name"),
              Variant("Liberation Sans"));
}

} // namespace
