#include "vantor/ui/ActionRefused.hpp"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/ListBox.hpp"

#include <gtest/gtest.h>

using namespace vantor;

TEST(ListBoxCheckBoxes, TicksAreTurnedByTheUserOnlyInTheCheckBoxStyleAndShown) {
    ListBox list("lst", {0, 0, 100, 100});
    list.AddItem("a");
    list.AddItem("b");
    EXPECT_THROW(list.UserCheck(0), ActionRefused);
    list.SetStyle(ListStyle::CheckBox);
    std::vector<int32_t> raised;
    list.On(ListBox::ItemCheck, [&](EventArgs& e) { raised.push_back(e.params[0].ToLong()); });
    list.UserCheck(1);
    list.SetSelected(1, true); // no change, no event
    list.UserCheck(1);
    EXPECT_EQ(raised, (std::vector<int32_t>{1, 1}));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_EQ(list.ListIndex(), -1); // ticking is not choosing
    list.UserCheck(0);
    ControlDescription description([](const Variant& v) { return v.Describe(); });
    list.Describe(description);
    EXPECT_NE(description.Text().find(" checked=x-"), std::string::npos) << description.Text();
}
