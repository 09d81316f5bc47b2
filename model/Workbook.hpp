#pragma once
#include "model/CellAddress.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantor::model {

class Application;
class NamedStyles;
class SheetSelection;
class StyleTable;
class UndoHistory;
class Worksheet;
class WorkbookSource;

// A workbook: its sheets, which share one style table, and its window and
// calculation settings.
class Workbook : public DispatchObject<Workbook> {
public:
    static std::shared_ptr<Workbook> Create(const std::shared_ptr<Application>& app,
                                            std::string name);

    static const MemberTable<Workbook>& Members();
    std::string TypeName() const override { return "Workbook"; }
    std::string DisplayName() const override { return "Workbook(" + m_strName + ")"; }

    std::shared_ptr<Application> App() const { return m_pApp.lock(); }
    // The application's undo history (raises 1004 once the application is gone).
    UndoHistory& History() const;
    const std::shared_ptr<StyleTable>& Styles() const { return m_pStyles; }
    // The named cell styles ("Styles").
    const std::shared_ptr<NamedStyles>& CellStyles() const { return m_pNamedStyles; }

    const std::string& Name() const { return m_strName; }
    // The file the workbook stands for; its name until it is saved somewhere.
    std::string FullName() const { return m_strFullName.empty() ? m_strName : m_strFullName; }
    void SetFullName(std::string fullName) { m_strFullName = std::move(fullName); }

    // Sheets: names are unique without regard to case.
    std::shared_ptr<Worksheet> AddSheet(const std::string& name);
    const std::vector<std::shared_ptr<Worksheet>>& Sheets() const { return m_sheets; }
    // By 0-based index or by name; 9 when there is none.
    std::shared_ptr<Worksheet> Sheet(int32_t index) const;
    std::shared_ptr<Worksheet> Sheet(const std::string& name) const;
    std::shared_ptr<Worksheet> ActiveSheet() const { return m_pActiveSheet; }
    void ActivateSheet(const std::shared_ptr<Worksheet>& sheet) { m_pActiveSheet = sheet; }
    // Several sheets seen as one target, as when sheets are grouped.
    std::shared_ptr<SheetSelection> SelectSheets(const std::vector<std::string>& names) const;

    // Distinct styles that the sheets' cells use now.
    size_t StylesInUse() const;
    // The same, knowing that a block of one sheet holds only `blockIds`.
    size_t StylesInUse(const Worksheet& sheet, const CellRect& block,
                       const std::vector<uint32_t>& blockIds) const;
    // The 1904 date system: serial 0 is 1904-01-01 instead of 1899-12-31.
    bool Date1904() const { return m_bDate1904; }
    void SetDate1904(bool value) { Change(&Workbook::m_bDate1904, value); }
    // False after any change, true once opened or saved.
    bool Saved() const { return m_bSaved; }
    void SetSaved(bool saved) { m_bSaved = saved; }
    // What the reader of its file kept, or null.
    const std::shared_ptr<const WorkbookSource>& Source() const { return m_pSource; }
    void SetSource(std::shared_ptr<const WorkbookSource> source) { m_pSource = std::move(source); }

    // Numbers kept as shown: turning it on rounds, once and as one undo step,
    // every number whose format shows a fixed number of decimals.
    bool PrecisionAsDisplayed() const { return m_bPrecisionAsDisplayed; }
    void SetPrecisionAsDisplayed(bool value);

    // How many times the workbook was recalculated.
    int32_t CalculationCount() const { return m_nCalculations; }
    // Sets one of the settings as one change, recorded for undo when it
    // differs from the current value.
    template <typename T> void Change(T Workbook::*member, T value);

private:
    Workbook(const std::shared_ptr<Application>& app, std::string name);

    std::weak_ptr<Application> m_pApp;
    std::shared_ptr<StyleTable> m_pStyles;
    std::shared_ptr<NamedStyles> m_pNamedStyles;
    std::string m_strName;
    std::string m_strFullName;
    std::vector<std::shared_ptr<Worksheet>> m_sheets;
    std::shared_ptr<Worksheet> m_pActiveSheet;
    int32_t m_nCalculations = 0;
    bool m_bSaved = true;
    std::shared_ptr<const WorkbookSource> m_pSource;

    bool m_bDisplayHorizontalScrollBar = true;
    bool m_bDisplayVerticalScrollBar = true;
    bool m_bDisplayWorkbookTabs = true;
    int32_t m_nCalculation = enums::Calculation::Automatic;
    bool m_bIteration = false;
    int32_t m_nMaxIterations = 100;
    double m_dMaxChange = 0.001;
    bool m_bDisplayErrors = true;
    int32_t m_nCommentMode = enums::CommentMode::IndicatorOnly;
    bool m_bDate1904 = false;
    bool m_bPrecisionAsDisplayed = false;
};

} // namespace vantor::model
