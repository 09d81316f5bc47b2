#include "host/PropertyDialog.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Worksheet.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/framework/GlobalFunction.hpp"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::host;

namespace {

// A page that writes one property of its target on apply, and records the
// protocol calls in a journal the test reads.
class JournalPage : public PropertyPage {
public:
    JournalPage(std::string name, std::vector<std::string>& journal, std::string property,
                Variant value, int32_t validation = 0)
        : PropertyPage(LogTags::Word("Journal"), PageCounter::CellFormat, name + " title", {0, 0, 1000, 1000}),
          m_strName(std::move(name)), m_journal(journal), m_strProperty(std::move(property)),
          m_vtValue(std::move(value)), m_nValidation(validation) {}
    std::string ClassName() const override { return m_strName; }
    int32_t ValidateData() noexcept override {
        m_journal.push_back(m_strName + " validate");
        return m_nValidation;
    }
    void Touch() { NotifyModified(true); }

protected:
    void LoadControls(ErrorTrap&) override { m_journal.push_back(m_strName + " load"); }
    void ApplyControls(ErrorTrap& trap) override {
        m_journal.push_back(m_strName + " apply");
        trap([&] { m_oTarget.Put(m_strProperty, m_vtValue); });
    }

private:
    std::string m_strName;
    std::vector<std::string>& m_journal;
    std::string m_strProperty;
    Variant m_vtValue;
    int32_t m_nValidation;
};

struct DialogTest : ::testing::Test {
    DialogTest() {
        app->AddWorkbook("Book1");
        range = app->RangeOf("A1:B2");
    }

    std::unique_ptr<PropertyDialog> Open(std::vector<std::shared_ptr<PropertyPage>> pages) {
        auto targets = std::make_shared<DefaultTargetList>(std::vector<Variant>{Variant(range)});
        PropertyDialog::Hooks hooks{[this](const std::string& name) { app->BeginUndoGroup(name); },
                                    [this] { app->EndUndoGroup(); }, [this] { ++modified; }};
        return std::make_unique<PropertyDialog>("Format Cells", std::move(pages), targets, hooks);
    }

    std::shared_ptr<model::Application> app =
        model::Application::Create(std::vector<std::string>{"Sans"});
    std::shared_ptr<model::Range> range;
    std::vector<std::string> journal;
    int modified = 0;
};

} // namespace

TEST_F(DialogTest, OkValidatesEveryPageThenAppliesThemAsOneUndoStep) {
    auto align =
        std::make_shared<JournalPage>("Align", journal, "HorizontalAlignment", Variant(-4108));
    auto wrap = std::make_shared<JournalPage>("Wrap", journal, "WrapText", Variant(true));
    auto dialog = Open({align, wrap});
    ASSERT_EQ(dialog->Tabs().size(), 2u);
    EXPECT_EQ(dialog->Tabs()[1].caption, "Wrap title");
    EXPECT_FALSE(dialog->Changed());
    wrap->Touch();
    EXPECT_TRUE(dialog->Changed());
    EXPECT_EQ(modified, 1);

    const PropertyDialog::Outcome outcome = dialog->Ok();
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(dialog->Open());
    EXPECT_EQ(journal, (std::vector<std::string>{"Align load", "Wrap load", "Align validate",
                                                 "Wrap validate", "Align apply", "Wrap apply"}));
    const ObjectRef cells(app->RangeOf("A1:B2"));
    EXPECT_EQ(cells.Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(cells.Get("WrapText"), Variant(true));

    // One undo takes back what both pages applied.
    app->Undo();
    EXPECT_EQ(cells.Get("HorizontalAlignment"), Variant(1));
    EXPECT_EQ(cells.Get("WrapText"), Variant(false));
    EXPECT_FALSE(app->CanUndo());
}

TEST_F(DialogTest, TheFirstRefusalStopsOkAndKeepsTheDialogOpen) {
    auto first =
        std::make_shared<JournalPage>("First", journal, "HorizontalAlignment", Variant(-4152));
    auto refusing =
        std::make_shared<JournalPage>("Refusing", journal, "WrapText", Variant(true), -1);
    auto last = std::make_shared<JournalPage>("Last", journal, "VerticalAlignment", Variant(-4160));
    auto dialog = Open({first, refusing, last});
    journal.clear();
    const PropertyDialog::Outcome outcome = dialog->Ok();
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(outcome.refusedClass, "Refusing");
    EXPECT_EQ(outcome.status, -1);
    EXPECT_TRUE(dialog->Open());
    EXPECT_EQ(journal, (std::vector<std::string>{"First validate", "Refusing validate"}));
    EXPECT_EQ(ObjectRef(app->RangeOf("A1")).Get("HorizontalAlignment"), Variant(1));
    EXPECT_FALSE(app->CanUndo());
}

TEST_F(DialogTest, ApplyKeepsTheDialogOpenAndResetReloadsOnePage) {
    auto align =
        std::make_shared<JournalPage>("Align", journal, "HorizontalAlignment", Variant(-4131));
    auto dialog = Open({align});
    align->Touch();
    EXPECT_TRUE(dialog->Apply().done);
    EXPECT_TRUE(dialog->Open());
    EXPECT_FALSE(dialog->Changed());
    EXPECT_TRUE(app->CanUndo());
    dialog->Reset(0);
    EXPECT_EQ(journal.back(), "Align load");
    EXPECT_THROW(dialog->Reset(3), AutomationError);
    const long alive = LibraryObject::Alive();
    dialog->Cancel();
    align.reset();
    EXPECT_EQ(LibraryObject::Alive(), alive - 1);
}

TEST_F(DialogTest, AWriteTheModelRefusesIsReportedWithItsTab) {
    const ObjectRef cells(range);
    cells.Put("ReadOnly", Variant(true));
    ObjectRef(range->Sheet()).Call("Protect", Variant("pw"));
    auto align =
        std::make_shared<JournalPage>("Align", journal, "HorizontalAlignment", Variant(-4108));
    auto dialog = Open({align});
    const PropertyDialog::Outcome outcome = dialog->Apply();
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.refusedWrite.rfind("Align title: ", 0), 0u) << outcome.refusedWrite;
    EXPECT_EQ(cells.Get("HorizontalAlignment"), Variant(1));
    // Writes the model takes leave nothing to report.
    ObjectRef(range->Sheet()).Call("Unprotect", Variant("pw"));
    EXPECT_EQ(dialog->Apply().refusedWrite, "");
    EXPECT_EQ(cells.Get("HorizontalAlignment"), Variant(-4108));
}
