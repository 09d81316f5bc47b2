#pragma once
#include "model/CellAddress.hpp"
#include "model/CellStore.hpp"
#include "model/PasswordHash.hpp"
#include "model/StylePatch.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vantor::model {

class Range;
class Workbook;

// Where a sheet's window stands: the selected block, the active cell in it,
// and the cell at the top left of the window.
struct SheetView {
    CellRect selection;
    int32_t activeRow = 0;
    int32_t activeColumn = 0;
    int32_t topRow = 0;
    int32_t leftColumn = 0;
    bool operator==(const SheetView&) const = default;
};

// Whether a sheet is protected, and its password as a file keeps it: the
// salted hash (empty when none) or the legacy 16-bit form an older file gave.
struct SheetProtection {
    bool on = false;
    password::SaltedHash hash;
    std::string legacyHash;
    bool HasPassword() const { return !hash.hashValue.empty() || !legacyHash.empty(); }
    bool operator==(const SheetProtection&) const = default;
};

// A worksheet: its cells and its view settings.
class Worksheet : public DispatchObject<Worksheet> {
public:
    static std::shared_ptr<Worksheet> Create(const std::shared_ptr<Workbook>& book,
                                             std::string name);

    static const MemberTable<Worksheet>& Members();
    std::string TypeName() const override { return "Worksheet"; }
    std::string DisplayName() const override { return "Worksheet(" + m_strName + ")"; }

    const std::string& Name() const { return m_strName; }
    std::shared_ptr<Workbook> Book() const { return m_pBook.lock(); }
    const CellStore& Store() const { return m_store; }

    // A range by A1 address ("A1:C3", "B:B", "1:1"), or the whole sheet.
    std::shared_ptr<Range> RangeOf(const std::string& address);
    std::shared_ptr<Range> RangeOf(const CellRect& rect);
    std::shared_ptr<Range> Cells();

    // Applies each patch to its block of cells as one change. Refused with
    // 1004, leaving the cells as they were, when the workbook would need more
    // distinct styles than it keeps.
    void PatchStyles(const std::vector<std::pair<CellRect, StylePatch>>& patches);
    // Loads the styles of a column in one go, as a file reader or a sample
    // builder does: each pair is the row after a run and the style of the
    // run; rows below the last run get the default style. Not an undo step;
    // it clears the undo history.
    void LoadColumnStyles(int32_t column, const std::vector<std::pair<int32_t, Style>>& runs);
    // The same with style ids of the workbook's style table, for every
    // column of [first, last].
    void LoadColumnStyleIds(int32_t first, int32_t last,
                            const std::vector<std::pair<int32_t, uint32_t>>& runs);
    // Gives every cell of the sheet the style newIdOf(its style id) as one change.
    void RemapStyles(const std::function<uint32_t(uint32_t)>& newIdOf);
    // Patches a new object's cells without an undo step (a named style's own cell).
    void SetUpStyles(const std::vector<std::pair<CellRect, StylePatch>>& patches);
    // Runs an edit of the cells (values, notes, sizes, merge areas) as one change.
    void ChangeCells(const std::function<void(CellStore&)>& edit);
    // The same for an edit of what the block holds (values, notes), refused
    // as CheckEditable refuses.
    void ChangeCells(const CellRect& cells, const std::function<void(CellStore&)>& edit);
    // Raises 1004 when the sheet is protected and the block holds a read-only cell.
    void CheckEditable(const CellRect& cells) const;

    bool DisplayHeadings() const { return m_bDisplayHeadings; }
    bool DisplayGridlines() const { return m_bDisplayGridlines; }
    // The gridline colour as read: silver when automatic.
    int32_t GridlineColor() const;
    void SetDisplayHeadings(bool value) { Change(&Worksheet::m_bDisplayHeadings, value); }
    void SetDisplayGridlines(bool value) { Change(&Worksheet::m_bDisplayGridlines, value); }
    void SetGridlineColor(uint32_t color) { Change(&Worksheet::m_uGridlineColor, color); }
    // The colour as stored: kAutoColor when automatic.
    uint32_t GridlineColorValue() const { return m_uGridlineColor; }
    // What a new workbook's sheet takes from the application, not an undo step.
    void TakeNewSheetDefaults(bool displayGridlines, uint32_t gridlineColor);
    bool DisplayZeros() const { return m_bDisplayZeros; }
    void SetDisplayZeros(bool value) { Change(&Worksheet::m_bDisplayZeros, value); }

    // Frozen panes: the rows above and columns left of the frozen corner.
    int32_t SplitRow() const { return m_nSplitRow; }
    int32_t SplitColumn() const { return m_nSplitColumn; }
    void SetSplitRow(int32_t rows);
    void SetSplitColumn(int32_t columns);

    // A hidden sheet leaves the tabs; the last visible one cannot be hidden.
    bool Visible() const { return m_bVisible; }
    void SetVisible(bool visible);

    const SheetProtection& Protection() const { return m_protection; }
    void SetProtection(const SheetProtection& protection) {
        Change(&Worksheet::m_protection, protection);
    }
    // Protects with a password ("" for none); a sheet protected with a
    // password must be unprotected first.
    void Protect(const std::string& password);
    // Raises 1004 when the password is wrong.
    void Unprotect(const std::string& password);
    bool CheckPassword(const std::string& password) const;

    // The view is the window's, not the cells': changing it is no undo step.
    const SheetView& View() const { return m_view; }
    void SetView(const SheetView& view);
    // Sets one of the settings as one change, recorded for undo when it
    // differs from the current value.
    template <typename T> void Change(T Worksheet::*member, T value);

private:
    Worksheet(const std::shared_ptr<Workbook>& book, std::string name);
    void Record(const CellState& before);

    std::weak_ptr<Workbook> m_pBook;
    std::string m_strName;
    CellStore m_store;
    bool m_bDisplayHeadings = true;
    bool m_bDisplayGridlines = true;
    uint32_t m_uGridlineColor;
    bool m_bDisplayZeros = true;
    int32_t m_nSplitRow = 0;
    int32_t m_nSplitColumn = 0;
    bool m_bVisible = true;
    SheetProtection m_protection;
    SheetView m_view;
};

} // namespace vantor::model
