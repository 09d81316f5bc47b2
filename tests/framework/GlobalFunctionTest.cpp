#include "vantor/framework/GlobalFunction.hpp"
#include "tests/support/Files.hpp"
#include "tests/support/PageHarness.hpp"
#include "vantor/ui/CheckBox.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ComboBox.hpp"
#include "vantor/ui/Label.hpp"
#include "vantor/ui/ListBox.hpp"
#include "vantor/ui/NumberEdit.hpp"
#include "vantor/ui/TextBox.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace vantor;
using vantor::test::PageHarness;

using Lines = std::vector<std::string>;

TEST(WriteLog, IsOffUnlessTheVariableNamesADirectory) {
    PageHarness h;
    ::unsetenv(LogVariable);
    ErrorTrap trap;
    trap([] { throw AutomationError(13); });
    ReportError("Align Reset", trap);
    ::setenv(LogVariable, "", 1);
    ReportError("Align Reset", trap);
    EXPECT_TRUE(std::filesystem::is_empty(h.LogDir()));

    ::setenv(LogVariable, (h.LogDir() / "missing").c_str(), 1);
    WriteLog("lost"); // a failed write is swallowed
    ::setenv(LogVariable, h.LogDir().c_str(), 1);
    WriteLog("Align Reset");
    WriteLog("Align Apply");
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset", "Align Apply"}));
    EXPECT_EQ(test::ReadText(h.LogDir() / "Tabo Vantor.log"), "Align Reset\r\nAlign Apply\r\n");
}

TEST(ReportError, FormatsPositiveErrorsAndKeepsThemPending) {
    PageHarness h;
    ErrorTrap trap;
    ReportError("Align Reset", trap); // nothing pending: nothing logged
    trap([] { throw AutomationError(91); });
    ReportError("Align Reset", trap);
    EXPECT_EQ(trap.Number(), 91);
    CheckError("", trap);
    EXPECT_FALSE(trap.HasError());
    trap([] { throw AutomationError(-2147467259, "component failure"); });
    CheckError("Align Apply", trap);
    trap([] { throw AutomationError(5); });
    DropInvalidCallError(trap);
    EXPECT_FALSE(trap.HasError());
    trap([] { throw AutomationError(13); });
    DropInvalidCallError(trap);
    EXPECT_EQ(trap.Number(), 13);
    EXPECT_EQ(h.LogLines(), (Lines{"Align Reset - Error: 91,Object variable or With block variable not set",
                                   "Error: 91,Object variable or With block variable not set"}));
}

TEST(SafeCompare, DemandsTheSameTypeAndNeverMatchesNull) {
    EXPECT_TRUE(SafeCompare(Variant(1), Variant(1)));
    EXPECT_FALSE(SafeCompare(Variant(1), Variant(int16_t{1})));
    EXPECT_FALSE(SafeCompare(Variant(1), Variant(1.0)));
    EXPECT_FALSE(SafeCompare(Variant::Null(), Variant::Null()));
    EXPECT_TRUE(SafeCompare(Variant("abc"), Variant("abc")));
    EXPECT_FALSE(SafeCompare(Variant("abc"), Variant("ABC")));
    EXPECT_TRUE(SafeCompare(Variant(true), Variant(true)));
}

TEST(SafeSetting, WritesOnlyWhatChanged) {
    EXPECT_TRUE(SafeSetting(Variant("abc"), Variant("ABC")).IsNull());
    EXPECT_EQ(SafeSetting(Variant("abd"), Variant("ABC")), Variant("abd"));
    EXPECT_TRUE(SafeSetting(Variant("   "), Variant::Null()).IsNull());
    EXPECT_EQ(SafeSetting(Variant(" x "), Variant::Null()), Variant(" x "));
    EXPECT_EQ(SafeSetting(Variant(5), Variant::Null()), Variant(5));
    EXPECT_TRUE(SafeSetting(Variant(5), Variant(5)).IsNull());
    EXPECT_EQ(SafeSetting(Variant(5), Variant(5.0)), Variant(5)); // a change of type counts
    EXPECT_TRUE(SafeSetting(Variant::Null(), Variant(1)).IsNull());
    EXPECT_TRUE(SafeSetting(Variant(10), Variant("10")).IsNull()); // one String: compared as texts
    EXPECT_EQ(SafeSetting(Variant(11), Variant("10")), Variant(11));

    EXPECT_TRUE(SafeSettingCheckBox(2, Variant(true)).IsNull());
    EXPECT_TRUE(SafeSettingCheckBox(2, Variant::Null()).IsNull());
    EXPECT_EQ(SafeSettingCheckBox(1, Variant::Null()), Variant(true));
    EXPECT_EQ(SafeSettingCheckBox(0, Variant::Null()), Variant(false));
    EXPECT_TRUE(SafeSettingCheckBox(0, Variant(false)).IsNull());
    EXPECT_TRUE(SafeSettingCheckBox(1, Variant(true)).IsNull());
    EXPECT_EQ(SafeSettingCheckBox(1, Variant(0)), Variant(true));
    EXPECT_EQ(SafeSettingCheckBox(0, Variant(-1)), Variant(false));
}

TEST(SafeSetting, LogsItsOwnFailureAndLeavesTheCallersErrorAlone) {
    PageHarness h;
    ErrorTrap callers;
    callers([] { throw AutomationError(13); });
    const Variant result = SafeSettingCheckBox(1, Variant("not a Boolean"));
    EXPECT_TRUE(result.IsNull());
    EXPECT_EQ(callers.Number(), 13);
    EXPECT_EQ(h.LogLines(), (Lines{"SafeSettingCheckBox - Error: 13,Type mismatch"}));
}

TEST(LoadSetting, ShowsMixedValuesUndecided) {
    PageHarness h;
    CheckBox chk("chkWrap", {});
    LoadSettingCheckbox(chk, Variant(true));
    EXPECT_EQ(chk.Value(), 1);
    LoadSettingCheckbox(chk, Variant(1)); // a 32-bit integer is no Boolean
    EXPECT_EQ(chk.Value(), 2);
    LoadSettingCheckbox(chk, Variant(false));
    EXPECT_EQ(chk.Value(), 0);
    LoadSettingCheckbox(chk, Variant::Null());
    EXPECT_EQ(chk.Value(), 2);

    TextBox txt("txtLoopPrecision", {});
    LoadSettingText(txt, Variant(0.001));
    EXPECT_EQ(txt.Text(), "0.001");
    LoadSettingText(txt, Variant::Null());
    EXPECT_EQ(txt.Text(), "");
    Label label("Label1", {});
    LoadSettingText(label, Variant("x")); // a label has no "Text"

    NumberEdit nbe("nbeLoopDegree", {});
    LoadSettingNumber(nbe, Variant(2.5));
    EXPECT_EQ(nbe.Value(), Variant(2));
    LoadSettingNumber(nbe, Variant("many"));
    EXPECT_EQ(nbe.Value(), Variant(2));
    LoadSettingNumber(nbe, Variant::Null());
    EXPECT_TRUE(nbe.Value().IsNull());

    EXPECT_EQ(h.LogLines(), (Lines{"LoadSettingText - Error: 438,Object doesn't support this property or method",
                                   "LoadSettingNumber - Error: 13,Type mismatch"}));
}

TEST(LoadSetting, ListsMatchByTypeAndKeepTheirSelectionOnNoMatch) {
    PageHarness h;
    ComboBox cbx("cbxHorizonAlign", {});
    for (int32_t data : {1, -4131, -4108, -4152}) {
        cbx.AddItem("item", data);
    }
    LoadSettingCombo(cbx, Variant(-4108), true);
    EXPECT_EQ(cbx.ListIndex(), 2);
    LoadSettingCombo(cbx, Variant(42), true); // no match: kept
    EXPECT_EQ(cbx.ListIndex(), 2);
    LoadSettingCombo(cbx, Variant(int16_t{1}), true); // same number, other type: no match
    EXPECT_EQ(cbx.ListIndex(), 2);
    LoadSettingCombo(cbx, Variant::Null(), true);
    EXPECT_EQ(cbx.ListIndex(), -1);

    ListBox lst("lstFormat", {});
    lst.AddItem("0.00");
    lst.AddItem("#,##0");
    LoadSettingList(lst, Variant("#,##0"), false);
    EXPECT_EQ(lst.ListIndex(), 1);
    LoadSettingList(lst, Variant("#,##0"), true); // item data are 0: no match, and no error
    EXPECT_EQ(lst.ListIndex(), 1);
    EXPECT_TRUE(h.LogLines().empty());
}

TEST(LoadSetting, ColorsPreferTheAutomaticIndex) {
    ColorSelBox csx("csxFontColor", {});
    LoadSettingColor(csx, Variant::Null(), Variant(-4105));
    EXPECT_EQ(csx.SelColor(), -1);
    LoadSettingColor(csx, Variant(255), Variant::Null());
    EXPECT_EQ(csx.SelColor(), ColorSelBox::NoColor);
    LoadSettingColor(csx, Variant(255.0), Variant(3));
    EXPECT_EQ(csx.SelColor(), 255);
    LoadSettingColor(csx, Variant::Null(), Variant(3));
    EXPECT_EQ(csx.SelColor(), ColorSelBox::NoColor);
    LoadSettingColor(csx, Variant(12632256), Variant(-1)); // a colour with the constant -1 as index
    EXPECT_EQ(csx.SelColor(), 12632256);
}

TEST(ApplySetting, WritesWhatTheSafeSettingOfEachControlGives) {
    auto target = std::make_shared<test::FakeObject>();
    target->Set("WrapText", Variant(true))
        .Set("Iteration", Variant::Null())
        .Set("HorizontalAlignment", Variant(-4108))
        .Set("Name", Variant("Arial"))
        .Set("Pattern", Variant(1))
        .Set("Text", Variant("abc"))
        .Set("MaxIterations", Variant(100));
    const ObjectRef ref(target);
    CheckBox chk("chk", {});
    chk.SetValue(1);
    ApplySettingCheckbox(ref, "WrapText", chk); // unchanged: Null
    ApplySettingCheckbox(ref, "Iteration", chk); // mixed before: written
    ComboBox cbx("cbx", {});
    cbx.AddItem("Left", -4131);
    cbx.AddItem("arial", -4108);
    ApplySettingCombo(ref, "HorizontalAlignment", cbx, true); // nothing selected: not touched
    cbx.SetListIndex(1);
    ApplySettingCombo(ref, "HorizontalAlignment", cbx, true); // the item data, unchanged
    ApplySettingCombo(ref, "Name", cbx, false);               // the text, equal but for case
    ListBox lst("lst", {});
    lst.AddItem("Solid", 1);
    lst.AddItem("Grey", 17);
    lst.SetListIndex(1);
    ApplySettingList(ref, "Pattern", lst, true);
    TextBox txt("txt", {});
    txt.SetText("abd");
    ApplySettingText(ref, "Text", txt);
    NumberEdit nbe("nbe", {});
    nbe.SetValue(Variant::Null());
    ApplySettingNumber(ref, "MaxIterations", nbe); // an empty box keeps the value
    nbe.SetValue(Variant(50));
    ApplySettingNumber(ref, "MaxIterations", nbe);
    EXPECT_EQ(target->Writes(),
              (Lines{"Put WrapText = Null", "Put Iteration = True", "Put HorizontalAlignment = Null", "Put Name = Null",
                     "Put Pattern = Long(17)", "Put Text = String(\"abd\")", "Put MaxIterations = Null",
                     "Put MaxIterations = Long(50)"}));
}

TEST(ApplySetting, ColoursAreWrittenAsTheColourOrItsAutomaticIndex) {
    auto target = std::make_shared<test::FakeObject>();
    target->Set("color", Variant(255)).Set("ColorIndex", Variant(3));
    ColorSelBox csx("csx", {});
    for (const int32_t color : {255, ColorSelBox::Automatic, ColorSelBox::NoColor, 0}) {
        csx.SetSelColor(color);
        ApplySettingColor(ObjectRef(target), "color", "ColorIndex", csx);
    }
    // Written even when unchanged; no uniform colour writes nothing.
    EXPECT_EQ(target->Writes(),
              (Lines{"Put color = Long(255)", "Put ColorIndex = Long(-4105)", "Put color = Long(0)"}));
}

TEST(ApplySetting, AFailureReachesTheCallersTrapUnlogged) {
    PageHarness h;
    auto target = std::make_shared<test::FakeObject>();
    target->Fail("WrapText", 1004, "Refused");
    CheckBox chk("chk", {});
    ErrorTrap callers;
    callers([&] { ApplySettingCheckbox(ObjectRef(target), "WrapText", chk); });
    EXPECT_EQ(callers.Number(), 1004);
    EXPECT_TRUE(h.LogLines().empty());
}
