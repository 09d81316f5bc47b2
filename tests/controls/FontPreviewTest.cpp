#include "vantor/controls/FontPreview.hpp"
#include "vantor/controls/HeadlessContainer.hpp"
#include "vantor/controls/MemoryPropertyBag.hpp"
#include "vantor/controls/RecordingSurface.hpp"

#include "tests/support/ErrorOf.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using vantor::test::ErrorOf;

namespace {

using Keys = std::vector<std::string>;

// A preview of 2000 x 600 twips with a border: its inner area is 1970 x 570.
struct Fixture {
    Fixture() {
        preview->AttachContainer(container);
        preview->SetBorderStyle(1);
    }

    const RecordingSurface& Surface() const {
        return static_cast<const RecordingSurface&>(preview->Surface());
    }
    // The one line drawn, as (x, y).
    std::pair<float, float> Drawn() const {
        EXPECT_EQ(Surface().Lines().size(), 1u);
        return Surface().Lines().empty()
                   ? std::pair{-999.f, -999.f}
                   : std::pair{Surface().Lines()[0].x, Surface().Lines()[0].y};
    }

    std::shared_ptr<HeadlessContainer> container =
        std::make_shared<HeadlessContainer>(FontAttributes{"Ambient Sans", 12.0f});
    std::shared_ptr<FontPreview> preview =
        std::make_shared<FontPreview>("prvPreview", Rect{0, 0, 2000, 600});
};

Variant Put(FontPreview& p, int32_t dispId, const Variant& value) {
    return p.InvokeId(dispId, InvokeKind::Put, std::span(&value, 1));
}

// A surface whose drawing fails, to see which setters let failures through.
class BrokenSurface : public RecordingSurface {
public:
    void Print(const std::string&) override {
        throw AutomationError(err::ApplicationDefined, "No device");
    }
};

} // namespace

TEST(FontPreview, PlacesTheTextByItsAlignmentCodes) {
    Fixture f;
    f.preview->SetText("Ab"); // 9 points: 180 twips wide, 180 high
    struct Case {
        int32_t horizontal, vertical;
        float x, y;
    };
    for (const Case c : {Case{1, 1, 895, 195}, Case{0, 0, 0, 1}, Case{2, 2, 1790, 390},
                         Case{3, 3, 0, 0}, Case{-1, 7, 0, 0}}) {
        f.preview->SetHorizonAlign(c.horizontal);
        f.preview->SetVerticalAlign(c.vertical);
        EXPECT_EQ(f.Drawn(), std::pair(c.x, c.y)) << c.horizontal << "," << c.vertical;
    }
    // Codes outside 0 to 2 are kept as they were given.
    EXPECT_EQ(f.preview->HorizonAlign(), -1);
    EXPECT_EQ(f.preview->VerticalAlign(), 7);
}

TEST(FontPreview, AWideTextCentredStartsLeftOfTheAreaAndAnEmptyOneDrawsNothing) {
    Fixture f;
    f.preview->SetFontSize(40);      // 400 twips a character
    f.preview->SetText("Wide text"); // 3600 twips
    const auto [x, y] = f.Drawn();
    EXPECT_EQ(x, -815.0f);
    EXPECT_EQ(x + 3600.0f / 2, 1970.0f / 2); // its middle is the middle of the area
    EXPECT_EQ(y, -115.0f);

    const int clears = f.Surface().Clears();
    f.preview->SetText("");
    EXPECT_EQ(f.Surface().Clears(), clears + 1);
    EXPECT_TRUE(f.Surface().Lines().empty());
}

TEST(FontPreview, DrawsInTheSurfaceFontAndColours) {
    Fixture f;
    f.preview->SetFontName("Serif One");
    f.preview->SetFontBold(true);
    f.preview->SetFontUnderline(true);
    f.preview->SetForeColor(0x0000FF);
    f.preview->SetFontTransparent(false);
    const RecordingSurface::PrintedLine& line = f.Surface().Lines().at(0);
    EXPECT_EQ(line.text, "Preview");
    EXPECT_EQ(line.font, (FontAttributes{"Serif One", 9.0f, true, false, true, false, 1}));
    EXPECT_EQ(line.foreColor, 0x0000FF);
    EXPECT_FALSE(line.transparent);
}

TEST(FontPreview, EverySetterStoresTellsTheContainerAndRedraws) {
    Fixture f;
    const int clears = f.Surface().Clears();
    // Views of the control (the desktop painter) redraw when it does.
    int watched = 0;
    f.preview->Watch([&watched] { ++watched; });
    Put(*f.preview, FontPreview::DispText, Variant("By id"));
    f.preview->Invoke("FONTITALIC", InvokeKind::Put, std::vector<Variant>{Variant(true)});
    Put(*f.preview, FontPreview::DispHorizonAlign, Variant(0));
    EXPECT_EQ(f.Surface().Clears(), clears + 3);
    EXPECT_EQ(f.container->Changed(), (Keys{"BorderStyle", "Text", "FontItalic", "HorizonAlign"}));
    EXPECT_EQ(f.preview->InvokeId(FontPreview::DispText, InvokeKind::Get, {}), Variant("By id"));
    EXPECT_EQ(f.preview->Invoke("FontItalic", InvokeKind::Get, {}), Variant(true));
    EXPECT_EQ(f.Drawn().first, 0.0f);
    EXPECT_EQ(watched, 3);

    f.preview->InvokeId(FontPreview::DispPreview, InvokeKind::Call, {});
    EXPECT_EQ(f.Surface().Clears(), clears + 4);
    EXPECT_EQ(watched, 4);
}

TEST(FontPreview, ValuesTheSurfaceRefusesAreSkippedAndTheRestStillRuns) {
    Fixture f;
    f.preview->SetForeColor(0x00FF00);
    const int clears = f.Surface().Clears();
    EXPECT_EQ(ErrorOf([&] { Put(*f.preview, FontPreview::DispForeColor, Variant(int32_t{-1})); }),
              0);
    EXPECT_EQ(ErrorOf([&] { Put(*f.preview, FontPreview::DispFontSize, Variant(0.0f)); }), 0);
    EXPECT_EQ(ErrorOf([&] { Put(*f.preview, FontPreview::DispBorderStyle, Variant(int16_t{3})); }),
              0);
    EXPECT_EQ(ErrorOf([&] { f.preview->SetFont(ObjectRef()); }), 0);
    EXPECT_EQ(f.preview->ForeColor(), 0x00FF00);
    EXPECT_EQ(f.preview->FontSize(), 9.0f);
    EXPECT_EQ(f.preview->BorderStyle(), 1);
    EXPECT_EQ(f.Surface().Clears(), clears + 4); // each still redrew
    EXPECT_EQ(f.container->Changed().back(), "Font");
}

TEST(FontPreview, OnlyTheAlignmentSettersLetAFailureReachTheCaller) {
    FontPreview p("prv", {0, 0, 1000, 300}, std::make_shared<BrokenSurface>());
    EXPECT_EQ(ErrorOf([&] { p.SetText("x"); }), 0);
    EXPECT_EQ(ErrorOf([&] { Put(p, FontPreview::DispFontBold, Variant(true)); }), 0);
    EXPECT_EQ(ErrorOf([&] { Put(p, FontPreview::DispVerticalAlign, Variant(0)); }),
              err::ApplicationDefined);
    EXPECT_EQ(ErrorOf([&] { p.SetHorizonAlign(2); }), err::ApplicationDefined);
    EXPECT_EQ(ErrorOf([&] { p.Paint(); }), err::ApplicationDefined);
    // The value was stored before the drawing failed.
    EXPECT_EQ(p.VerticalAlign(), 0);
    EXPECT_TRUE(p.FontBold());
}

TEST(FontPreview, AdoptsTheCallersFontObject) {
    Fixture f;
    auto font = std::make_shared<FontObject>(FontAttributes{"Mono", 20.0f});
    Put(*f.preview, FontPreview::DispFont, Variant(font));
    EXPECT_EQ(f.preview->FontName(), "Mono");
    ObjectRef(font).Put("Bold", Variant(true)); // the caller's later change shows in the control
    EXPECT_TRUE(f.preview->FontBold());
    f.preview->SetFontItalic(true); // and the control's in the caller's object
    EXPECT_TRUE(font->Attributes().italic);
    EXPECT_EQ(f.preview->InvokeId(FontPreview::DispFont, InvokeKind::Get, {}), Variant(font));
}

TEST(FontPreview, SavesOnlyWhatDiffersFromTheWriteDefaults) {
    Fixture f;
    f.preview->InitProperties(); // the ambient font, centred, "Preview"
    f.preview->SetBorderStyle(0);
    MemoryPropertyBag bag;
    f.preview->WriteProperties(bag);
    // A name and a size are always stored; bold, italic, strikethrough,
    // underline, transparency, text, font and alignment are at their defaults.
    EXPECT_EQ(bag.Written(), (Keys{"FontName", "FontSize"}));

    f.preview->SetFontBold(true);
    f.preview->SetFontTransparent(false);
    f.preview->SetBackColor(0x80000005);
    f.preview->SetVerticalAlign(0);
    MemoryPropertyBag changed;
    f.preview->WriteProperties(changed);
    EXPECT_EQ(changed.Written(), (Keys{"BackColor", "FontBold", "FontName", "FontSize",
                                       "FontTransparent", "Font", "VerticalAlign"}));
}

TEST(FontPreview, ReadsSavedStateWithoutDrawingOrNotifying) {
    Fixture f;
    const int clears = f.Surface().Clears();
    const size_t notices = f.container->Changed().size();
    int watched = 0;
    f.preview->Watch([&watched] { ++watched; });
    MemoryPropertyBag bag;
    bag.Set("Text", Variant("Saved"))
        .Set("FontName", Variant("Stored Name"))
        .Set("FontBold", Variant(true));
    bag.Set("BackColor", Variant("no colour")).Set("HorizonAlign", Variant(2));
    f.preview->ReadProperties(bag);
    EXPECT_EQ(f.preview->Text(), "Saved");
    EXPECT_EQ(f.preview->HorizonAlign(), 2);
    EXPECT_EQ(f.preview->BackColor(), FontPreview::DefaultBackColor); // unreadable: keeps its value
    EXPECT_EQ(f.preview->BorderStyle(), 0);                           // missing: the read default
    // Without a saved "Font" the ambient font decides, over the stored name and bold.
    EXPECT_EQ(f.preview->Font()->Attributes(), (FontAttributes{"Ambient Sans", 12.0f}));
    EXPECT_EQ(f.Surface().Clears(), clears);
    EXPECT_EQ(f.container->Changed().size(), notices);
    EXPECT_EQ(watched, 0);

    // A saved font object decides instead, and is read as a copy of the bag's.
    auto saved = std::make_shared<FontObject>(FontAttributes{"Saved Font", 14.0f, false, true});
    bag.Set("Font", Variant(saved));
    f.preview->ReadProperties(bag);
    EXPECT_EQ(f.preview->Font()->Attributes(), saved->Attributes());
    EXPECT_NE(f.preview->Font(), saved);
}

TEST(FontPreview, WithoutAContainerAnEmptyBagGivesTheDefaultFont) {
    FontPreview p("prv", {0, 0, 1000, 300});
    p.SetFontName("Other");
    p.SetFontSize(30);
    p.ReadProperties(MemoryPropertyBag());
    EXPECT_EQ(p.Font()->Attributes(), (FontAttributes{"宋体", 9.0f}));
    EXPECT_EQ(p.ForeColor(), FontPreview::DefaultForeColor);
    EXPECT_TRUE(p.FontTransparent());
    EXPECT_EQ(p.Text(), "Preview");
}
