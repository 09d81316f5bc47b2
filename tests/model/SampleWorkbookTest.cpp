#include "ModelTestSupport.hpp"

#include "model/ControlKinds.hpp"
#include "model/SampleWorkbook.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace vantor;
using namespace vantor::model;
using namespace vantor::model::test;

namespace {

class Sample : public ::testing::Test {
protected:
    std::shared_ptr<Application> app = Application::Create({"DejaVu Sans", "DejaVu Serif"});
    std::shared_ptr<Workbook> book = sample::AddSampleWorkbook(app);

    ObjectRef At(const std::string& sheet, const std::string& address) const {
        return ObjectRef(book->Sheet(sheet)->RangeOf(address));
    }
};

TEST_F(Sample, IsActiveLeavesNoUndoStepAndHoldsValuesOfEveryKindInEveryFormatCategory) {
    EXPECT_EQ(app->ActiveWorkbook(), book);
    EXPECT_FALSE(app->CanUndo());
    std::set<int> types;
    std::set<std::string> formats;
    for (int32_t row = 2; row <= 15; ++row) {
        const ObjectRef cell = At("Values", "B" + std::to_string(row));
        types.insert(cell.Get("Value").TypeCode());
        formats.insert(cell.Get("NumberFormat").ToString());
        // The code stands beside each value.
        EXPECT_EQ(cell.Get("NumberFormat"), At("Values", "C" + std::to_string(row)).Get("Value"));
    }
    EXPECT_GE(types.size(), 6u); // numbers, texts, dates, Booleans, errors
    EXPECT_GE(formats.size(), 10u);
    EXPECT_TRUE(formats.count("0.00E+00"));
    EXPECT_TRUE(formats.count("@"));
}

TEST_F(Sample, CarriesNotesReadOnlyCellsAndEveryKindOfControl) {
    EXPECT_EQ(At("Notes and Controls", "A2").Get("Comment").Get("Text"),
              Variant("Checked by the auditors"));
    EXPECT_EQ(At("Notes and Controls", "C2:C4").Get("ReadOnly"), Variant(true));
    std::set<std::string> kinds;
    for (int32_t row = 2; row < 2 + app->Controls()->Count(); ++row) {
        kinds.insert(At("Notes and Controls", "E" + std::to_string(row))
                         .Get("Control")
                         .Get("Name")
                         .ToString());
    }
    EXPECT_EQ(static_cast<int32_t>(kinds.size()), app->Controls()->Count());
    EXPECT_FALSE(kinds.count(""));
}

TEST_F(Sample, MixedRegionsReadNullWhileUniformOnesReadTheirValue) {
    const ObjectRef mixed = At("Mixed", "B2:G7");
    EXPECT_TRUE(mixed.Get("HorizontalAlignment").IsNull());
    EXPECT_TRUE(mixed.Get("WrapText").IsNull());
    EXPECT_TRUE(mixed.Get("NumberFormat").IsNull());
    EXPECT_TRUE(mixed.Get("ReadOnly").IsNull());
    EXPECT_TRUE(mixed.Get("Font").Get("Bold").IsNull());
    EXPECT_TRUE(mixed.Get("Font").Get("Size").IsNull());
    EXPECT_TRUE(mixed.Get("Interior").Get("color").IsNull());
    EXPECT_TRUE(mixed.Get("Control").Get("Name").IsNull());
    EXPECT_TRUE(mixed.Get("Borders").Call("Item", 12).Get("LineStyle").IsNull());
    const ObjectRef uniform = At("Mixed", "B10:G12");
    EXPECT_EQ(uniform.Get("Font").Get("Italic"), Variant(true));
    EXPECT_EQ(uniform.Get("HorizontalAlignment"), Variant(-4108));
    EXPECT_EQ(uniform.Get("Borders").Call("Item", 9).Get("Weight"), Variant(-4138));
    EXPECT_EQ(uniform.Get("Borders").Call("Item", 12).Get("LineStyle"), Variant(-4142));
}

} // namespace
