#pragma once
#include "model/UndoHistory.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/InstalledFonts.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <memory>
#include <string>
#include <vector>

namespace vantor::model {

class ControlKinds;
class FileAssociation;
class NumberFormats;
class Range;
class Workbook;
class Worksheet;

// The spreadsheet application: its workbooks, its options, the installed
// fonts, the kinds of embedded control, and undo.
class Application : public DispatchObject<Application>, public InstalledFonts {
public:
    static std::shared_ptr<Application> Create();
    // With a fixed font list instead of the machine's, for repeatable sessions; it is
    // answered as the machine's is: each family once, sorted.
    static std::shared_ptr<Application> Create(std::vector<std::string> fontFamilies);

    static const MemberTable<Application>& Members();
    std::string TypeName() const override { return "Application"; }

    // Fonts.
    int32_t InstalledFontCount() const override;
    std::string InstalledFontName(int32_t index) const override;
    const std::string& DefaultFontName() const { return m_strDefaultFont; }
    static constexpr double kDefaultFontSize = 11.0;

    // Workbooks. A new workbook has SheetsInNewWorkbook sheets and becomes active.
    std::shared_ptr<Workbook> AddWorkbook(const std::string& name);
    // Opens a workbook built elsewhere (a file reader, the sample) and makes it active.
    void AddExistingWorkbook(const std::shared_ptr<Workbook>& book);
    std::shared_ptr<Workbook> ActiveWorkbook() const;
    void ActivateWorkbook(const std::shared_ptr<Workbook>& book);
    const std::vector<std::shared_ptr<Workbook>>& Workbooks() const { return m_workbooks; }
    // The active workbook's active sheet, or null.
    std::shared_ptr<Worksheet> ActiveSheet() const;
    // A range of the active workbook: "A1:C3", or "Sheet2!B:B" for another sheet.
    std::shared_ptr<Range> RangeOf(const std::string& address) const;

    // Undo: everything changed between BeginUndoGroup and EndUndoGroup is one step.
    void BeginUndoGroup(std::string name) { m_pHistory->BeginGroup(std::move(name)); }
    void EndUndoGroup() { m_pHistory->EndGroup(); }
    void Undo() { m_pHistory->Undo(); }
    void Redo() { m_pHistory->Redo(); }
    bool CanUndo() const { return m_pHistory->CanUndo(); }
    bool CanRedo() const { return m_pHistory->CanRedo(); }
    const std::shared_ptr<UndoHistory>& History() const { return m_pHistory; }

    const std::shared_ptr<ControlKinds>& Controls() const { return m_pControls; }
    // The number formats the application knows, made on first use.
    const std::shared_ptr<NumberFormats>& NumberFormatList();
    int32_t SheetsInNewWorkbook() const { return m_nSheetsInNewWorkbook; }
    // The host's service behind "FileAssoc"; without one, the setting is only kept.
    void SetFileAssociation(std::shared_ptr<FileAssociation> service) {
        m_pFileAssociation = std::move(service);
    }
    // Sets one of the settings as one change, recorded for undo when it
    // differs from the current value.
    template <typename T> void Change(T Application::*member, T value);

private:
    explicit Application(std::vector<std::string> fontFamilies);

    std::vector<std::string> m_fonts;
    std::string m_strDefaultFont;
    std::shared_ptr<UndoHistory> m_pHistory;
    std::shared_ptr<ControlKinds> m_pControls;
    std::shared_ptr<NumberFormats> m_pNumberFormats;
    std::vector<std::shared_ptr<Workbook>> m_workbooks;
    std::shared_ptr<Workbook> m_pActive;

    int32_t m_nSheetsInNewWorkbook = 3;
    bool m_bMoveAfterReturn = true;
    int32_t m_nMoveAfterReturnDirection = enums::Direction::Down;
    bool m_bFixedDecimal = false;
    int32_t m_nFixedDecimalPlaces = 2;
    bool m_bFileAssoc = false;
    std::shared_ptr<FileAssociation> m_pFileAssociation;
    // What the sheets of a new workbook take.
    bool m_bDefaultDisplayGridlines = true;
    uint32_t m_uDefaultGridlineColor;
};

} // namespace vantor::model
