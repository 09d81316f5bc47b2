#include "XlsxTestSupport.hpp"
#include "../support/ErrorOf.hpp"

#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "xlsx/WorkbookFile.hpp"

namespace vantor::test {
namespace {

class SheetSettingsFileTest : public ::testing::Test {
protected:
    ScratchDir m_dir;
    std::shared_ptr<model::Application> m_app =
        model::Application::Create(std::vector<std::string>{"Liberation Sans"});

    std::shared_ptr<model::Workbook> Reopen(model::Workbook& book, const std::string& name) {
        xlsx::SaveWorkbook(book, m_dir / name);
        return xlsx::OpenWorkbook(m_app, m_dir / name);
    }
};

TEST_F(SheetSettingsFileTest, PanesColoursVisibilityProtectionAndPrecisionComeBack) {
    const auto book = m_app->AddWorkbook("Book1");
    const auto first = book->Sheet(0);
    first->SetSplitRow(2);
    first->SetSplitColumn(1);
    ObjectRef(first->RangeOf("A1")).Put("ReadOnly", true);
    first->Protect("pw");
    ObjectRef(book->Sheet(1)).Put("GridlineColorIndex", 3);
    book->Sheet(1)->SetDisplayZeros(false);
    book->Sheet(2)->SetVisible(false);
    ObjectRef(book).Put("PrecisionAsDisplayed", true);

    const auto opened = Reopen(*book, "settings.xlsx");
    const auto sheet = opened->Sheet(0);
    EXPECT_EQ(sheet->SplitRow(), 2);
    EXPECT_EQ(sheet->SplitColumn(), 1);
    EXPECT_TRUE(sheet->Protection().on);
    EXPECT_EQ(sheet->Protection().hash, first->Protection().hash);
    EXPECT_TRUE(sheet->CheckPassword("pw"));
    EXPECT_EQ(ErrorOf([&] { ObjectRef(sheet->RangeOf("A1")).Put("Value", 1); }), 1004);
    EXPECT_EQ(ObjectRef(opened->Sheet(1)).Get("GridlineColorIndex"), Variant(3));
    EXPECT_EQ(ObjectRef(opened->Sheet(0)).Get("GridlineColorIndex"), Variant(-4105));
    EXPECT_EQ(ObjectRef(opened).Get("DisplayZeros"), Variant::Null());
    EXPECT_FALSE(opened->Sheet(2)->Visible());
    EXPECT_TRUE(opened->Sheet(1)->Visible());
    EXPECT_TRUE(opened->PrecisionAsDisplayed());

    // Cleared again, nothing of them stays in the file.
    ObjectRef(sheet).Put("FreezePanes", false);
    sheet->Unprotect("pw");
    opened->Sheet(2)->SetVisible(true);
    ObjectRef(opened).Put("PrecisionAsDisplayed", false);
    const auto cleared = Reopen(*opened, "cleared.xlsx");
    EXPECT_EQ(ObjectRef(cleared->Sheet(0)).Get("FreezePanes"), Variant(false));
    EXPECT_FALSE(cleared->Sheet(0)->Protection().on);
    EXPECT_TRUE(cleared->Sheet(2)->Visible());
    EXPECT_FALSE(cleared->PrecisionAsDisplayed());
}

constexpr const char* kWriteOther = R"(
import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws['A1'] = 1
ws.freeze_panes = 'C4'
ws.protection.sheet = True
ws.protection.password = 'test'
hidden = wb.create_sheet('Hidden')
hidden.sheet_state = 'hidden'
wb.calculation.fullPrecision = False
wb.save(sys.argv[1])
)";

constexpr const char* kReadOurs = R"(
import sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
print('freeze=' + str(ws.freeze_panes))
print('protected=' + str(ws.protection.sheet) + ',' + str(ws.protection.algorithmName))
print('legacy=' + str(ws.protection.password))
print('state=' + wb.worksheets[1].sheet_state)
print('full=' + str(wb.calculation.fullPrecision))
)";

TEST_F(SheetSettingsFileTest, AnotherProgramsSettingsAndLegacyPasswordReadAndWrittenBack) {
    const std::string file = m_dir / "other.xlsx";
    const auto [status, output] = RunPython(m_dir, kWriteOther, {file});
    ASSERT_EQ(status, 0) << output;
    const auto book = xlsx::OpenWorkbook(m_app, file);
    const auto sheet = book->Sheet(0);
    EXPECT_EQ(sheet->SplitRow(), 3);
    EXPECT_EQ(sheet->SplitColumn(), 2);
    EXPECT_EQ(sheet->Protection().legacyHash, "CBEB");
    EXPECT_TRUE(sheet->CheckPassword("test"));
    EXPECT_FALSE(sheet->CheckPassword("Test"));
    EXPECT_FALSE(book->Sheet(1)->Visible());
    EXPECT_TRUE(book->PrecisionAsDisplayed());
    EXPECT_EQ(book->Sheet(0)->Store().ValueAt(0, 0)->ToDouble(), 1.0) << "nothing rounded on open";

    const std::string saved = m_dir / "saved.xlsx";
    xlsx::SaveWorkbook(*book, saved);
    const auto [readStatus, read] = RunPython(m_dir, kReadOurs, {saved});
    ASSERT_EQ(readStatus, 0) << read;
    EXPECT_EQ(Lines(read), (std::map<std::string, std::string>{{"freeze", "C4"},
                                                               {"protected", "True,None"},
                                                               {"legacy", "CBEB"},
                                                               {"state", "hidden"},
                                                               {"full", "False"}}));
    // A new password is written in the salted form.
    sheet->Unprotect("test");
    sheet->Protect("new");
    xlsx::SaveWorkbook(*book, saved);
    const auto [newStatus, fresh] = RunPython(m_dir, kReadOurs, {saved});
    ASSERT_EQ(newStatus, 0) << fresh;
    EXPECT_EQ(Lines(fresh).at("protected"), "True,SHA-512");
    EXPECT_EQ(Lines(fresh).at("legacy"), "None");
}

} // namespace
} // namespace vantor::test
