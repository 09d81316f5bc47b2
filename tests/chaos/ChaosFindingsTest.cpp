// Faults the chaos run found, each kept as a plain case.
#include "tests/support/PageHarness.hpp"
#include "vantor/pages/cell/CellPropFont.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(ChaosFindings, FontPageLoadsTheFontWhenTheApplicationCannotBeReached) {
    PageHarness h;
    const auto font = std::make_shared<FakeObject>();
    font->Set("Name", Variant("Arial")).Set("Size", Variant(13.0)).Set("Bold", Variant(true));
    const auto target = std::make_shared<FakeObject>();
    target->Set("Font", Variant(ObjectRef(font))).Fail("Application", err::ApplicationDefined);

    CellPropFont page;
    EXPECT_EQ(page.SetTargets(PageHarness::Targets(ObjectRef(target))), 0);
    EXPECT_FALSE(page.Loading());
    EXPECT_EQ(page.cbxFontName->ListCount(), 0);
    EXPECT_EQ(page.cbxSize->Text(), "13");
    EXPECT_EQ(page.chkBold->Value(), 1);
    ASSERT_FALSE(h.LogLines().empty());
    EXPECT_EQ(h.LogLines().front(), "Font Reset");
}
