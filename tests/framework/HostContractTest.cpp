#include "tests/support/PageHarness.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DefaultVariantConverter.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/CheckBox.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <thread>

using namespace vantor;
using namespace vantor::test;

using Lines = std::vector<std::string>;

namespace {

// A page with one check box bound to "WrapText", counted as a cell page.
class WrapPage : public PropertyPage {
public:
    WrapPage() : PropertyPage(LogTags::Word("Wrap"), PageCounter::CellFormat, "Wrap", {0, 0, 1000, 1000}) {
        NotifyOn(*chkWrap, ev::Click);
    }
    std::string ClassName() const override { return "WrapPage"; }
    std::shared_ptr<CheckBox> chkWrap = Add<CheckBox>("chkWrap", {0, 0, 500, 255});

protected:
    void LoadControls(ErrorTrap& trap) override {
        trap([&] { LoadSettingCheckbox(*chkWrap, m_oTarget.Get("WrapText")); });
    }
    void ApplyControls(ErrorTrap& trap) override {
        trap([&] { ApplySettingCheckbox(m_oTarget, "WrapText", *chkWrap); });
    }
};

class EndingDialog : public DialogPage {
public:
    EndingDialog() : DialogPage("Ending", {0, 0, 1000, 1000}) {}
    std::string ClassName() const override { return "EndingDialog"; }
    void End() { EndDialog(DialogSite::ResultOk); }
};

// Installs a converter factory for a test and restores the default.
struct FactoryScope {
    explicit FactoryScope(VariantConverter::Factory factory) { VariantConverter::InstallFactory(std::move(factory)); }
    ~FactoryScope() { VariantConverter::InstallFactory({}); }
};

std::shared_ptr<FakeObject> WrapTarget() {
    auto target = std::make_shared<FakeObject>();
    target->Set("WrapText", Variant(false)).Set("ApplyCache", Variant(0)).Method("Apply");
    return target;
}

} // namespace

TEST(DefaultVariantConverter, ConvertsToTheValueTypesAndObjectsAndRefusesOtherCodes) {
    auto object = WrapTarget();
    struct Case {
        Variant source;
        int32_t type;
        Variant expected;
        int error;
    };
    const Case cases[] = {
        {Variant(object), 9, Variant(ObjectRef(object)), 0},
        {Variant(int32_t{5}), 8, Variant("5"), 0},
        {Variant("2.5"), 5, Variant(2.5), 0},
        {Variant(true), 3, Variant(int32_t{-1}), 0},
        {Variant("x"), 3, Variant(), err::TypeMismatch},
        {Variant(int32_t{5}), 9, Variant(), err::ObjectRequired},
        {Variant(int32_t{5}), 17, Variant(), err::InvalidCall},
        {Variant(int32_t{5}), 0, Variant(), err::InvalidCall},
    };
    DefaultVariantConverter converter;
    for (const Case& c : cases) {
        Variant source = c.source;
        Variant dest = Variant("untouched");
        try {
            converter.ChangeType(dest, source, c.type);
            EXPECT_EQ(c.error, 0) << c.source.Describe() << " to " << c.type;
            EXPECT_EQ(dest, c.expected) << c.source.Describe() << " to " << c.type;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), c.error) << c.source.Describe() << " to " << c.type;
            EXPECT_EQ(dest, Variant("untouched"));
        }
        converter.Clear(source);
        EXPECT_TRUE(source.IsEmpty());
    }
}

TEST(DefaultTargetList, AnswersItsItemsAndRefusesIndexesOutside) {
    DefaultTargetList list({Variant("first"), Variant("second")});
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1), Variant("second"));
    for (const int32_t index : {-1, 2}) {
        try {
            list.Item(index);
            ADD_FAILURE() << index;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.Number(), err::SubscriptOutOfRange);
        }
    }
    EXPECT_EQ(DefaultTargetList().Count(), 0);
}

TEST(VariantConverter, TheFactoryIsPerThreadAndDefaultsToTheLibrarysConverter) {
    class Marked : public DefaultVariantConverter {};
    const FactoryScope scope([] { return std::make_shared<Marked>(); });
    EXPECT_NE(std::dynamic_pointer_cast<Marked>(VariantConverter::Create()), nullptr);
    std::shared_ptr<VariantConverter> elsewhere;
    std::thread([&] { elsewhere = VariantConverter::Create(); }).join();
    EXPECT_EQ(std::dynamic_pointer_cast<Marked>(elsewhere), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<DefaultVariantConverter>(elsewhere), nullptr);
}

TEST(PageLastError, AFactoryAnsweringNoConverterIsLoggedAndSeenByTheHost) {
    PageHarness h;
    WrapPage page;
    {
        const FactoryScope scope([] { return std::shared_ptr<VariantConverter>(); });
        EXPECT_EQ(page.SetTargets(PageHarness::Targets(WrapTarget())), 0);
    }
    // The last failing step wins: with no converter the destination stays
    // empty, which is no object.
    EXPECT_TRUE(page.Target().IsNothing());
    EXPECT_EQ(page.LastError().number, err::ObjectRequired);
    EXPECT_EQ(page.LastError().tag, "");
    EXPECT_EQ(h.LogLines(), (Lines{"Error: 424,Object required"}));

    // An element that is no object: the same road.
    page.SetTargets(std::make_shared<DefaultTargetList>(std::vector<Variant>{Variant(int32_t{5})}));
    EXPECT_EQ(page.LastError().number, err::ObjectRequired);
    EXPECT_TRUE(page.Target().IsNothing());
}

TEST(PageLastError, KeepsTheLastLoggedErrorOfAnOperationUntilTheNextStarts) {
    PageHarness h;
    auto target = WrapTarget();
    target->Fail("WrapText", 1004, "Broken");
    WrapPage page;
    // Loading inside SetTargets fails; SetTargets itself logs nothing more.
    EXPECT_EQ(page.SetTargets(PageHarness::Targets(target)), 0);
    EXPECT_EQ(page.LastError().number, 1004);
    EXPECT_EQ(page.LastError().description, "Broken");
    EXPECT_EQ(page.LastError().tag, "Wrap Reset");

    // The next operation clears it; a clean one leaves nothing.
    std::string caption;
    page.GetCaption(caption);
    EXPECT_EQ(page.LastError().number, 0);

    // A change without a site is logged by the notifier and added to the last operation's.
    page.chkWrap->UserClick();
    EXPECT_EQ(page.LastError().number, err::ObjectNotSet);
    EXPECT_EQ(page.OnApply(), 0);
    EXPECT_EQ(page.LastError().number, 1004);
    EXPECT_EQ(page.LastError().tag, "Wrap Apply");
    EXPECT_EQ(h.LogLines().back(), "Wrap Apply - Error: 1004,Broken");
}

TEST(PageLastError, IsKeptWithTheLogOffAndOnDialogPagesToo) {
    HeadlessEnvironment env;
    const EnvironmentScope scope(env);
    EndingDialog dialog;
    dialog.End(); // no site
    EXPECT_EQ(dialog.LastError().number, err::ObjectNotSet);
    dialog.OnReset();
    EXPECT_EQ(dialog.LastError().number, 0);
}

TEST(ClassTable, TypedCreationAnswersThePageOfTheProtocolTheClassSpeaks) {
    std::map<ClassProtocol, int> counts;
    for (const ClassInfo& info : ClassTable::Classes()) {
        ++counts[info.protocol];
        const bool page = ClassTable::CreatePropertyPage(info.name) != nullptr;
        const bool dialog = ClassTable::CreateDialogPage(info.classId) != nullptr;
        EXPECT_EQ(page, info.protocol == ClassProtocol::PropertyPage) << info.name;
        EXPECT_EQ(dialog, info.protocol == ClassProtocol::DialogPage) << info.name;
    }
    EXPECT_EQ(counts[ClassProtocol::PropertyPage], 16);
    EXPECT_EQ(counts[ClassProtocol::DialogPage], 3);
    EXPECT_EQ(counts[ClassProtocol::Control], 1);
    EXPECT_EQ(ClassTable::CreatePropertyPage("vantor.cellpropalign")->ClassName(), "CellPropAlign");
    EXPECT_EQ(ClassTable::CreatePropertyPage("NoSuchPage"), nullptr);
    EXPECT_EQ(ClassTable::CreateDialogPage(""), nullptr);
}

TEST(Environment, WithNoneInstalledABoxAnswersItsNegativeButtonAndIsReportedOnce) {
    struct Case {
        int32_t buttons;
        int32_t negative;
    };
    const Case cases[] = {{msgbox::OkOnly, msgbox::Ok},           {msgbox::OkCancel, msgbox::Cancel},
                          {msgbox::AbortRetryIgnore, msgbox::Abort}, {msgbox::YesNoCancel, msgbox::Cancel},
                          {msgbox::YesNo | msgbox::Question, msgbox::No}, {msgbox::RetryCancel, msgbox::Cancel}};
    std::vector<int32_t> answers;
    testing::internal::CaptureStderr();
    // A thread of its own: nothing is installed there.
    std::thread([&] {
        for (const Case& c : cases) {
            answers.push_back(Environment::Current().MessageBox("Merge?", c.buttons, "T"));
        }
    }).join();
    const std::string report = testing::internal::GetCapturedStderr();
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(answers[i], cases[i].negative) << cases[i].buttons;
        EXPECT_EQ(Environment::NegativeAnswer(cases[i].buttons), cases[i].negative);
    }
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    EXPECT_NE(report.find("Merge?"), std::string::npos);
}
