#pragma once
#include "model/CellAddress.hpp"
#include "model/StylePatch.hpp"
#include "model/StyleSummary.hpp"
#include "vantor/automation/MemberTable.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vantor::model {

class Application;
class RangeBorders;
class RangeComment;
class RangeControl;
class RangeFont;
class RangeInterior;
class StyleTable;
class Worksheet;

// A block of cells of one sheet, the target of the cell format pages.
//
// Format writes (its own, and those of its "Font", "Interior", "Borders",
// border and "Control" objects) are staged on the range and take effect
// together at "Apply"; until then reads return the cells' current values.
// "Value", "ReadOnly", the note's "Text", the sizes and the fitting methods
// take effect at once. A property whose value differs across the cells reads
// Null; writing Null keeps each cell's own value.
class Range : public DispatchObject<Range> {
public:
    using Group = StyleSummary::Group;

    Range(std::shared_ptr<Worksheet> sheet, const CellRect& rect);

    static const MemberTable<Range>& Members();
    std::string TypeName() const override { return "Range"; }
    std::string DisplayName() const override { return "Range(" + Where() + ")"; }
    // "Sheet1!A1:C3", the range's place for traces.
    std::string Where() const;

    const CellRect& Rect() const { return m_rect; }
    const std::shared_ptr<Worksheet>& Sheet() const { return m_pSheet; }
    std::shared_ptr<Application> App() const;
    StyleTable& Styles() const;

    // Commits the staged writes as one change; joins the open undo group, if any.
    void Apply();
    // Commits the staged writes as Apply does, leaving "ApplyCache" alone.
    void Commit();
    bool HasStagedChanges() const;
    int32_t ApplyCache() const { return m_nApplyCache; }

    // The value of `fields` over a group of cells (the cells, or one of the
    // edge groups that borders read), or Null where the cells differ.
    Variant ReadStyle(Group group, FieldMask fields,
                      const std::function<Variant(const Style&)>& value);
    // Stages a write of `fields` to a group: `set` gives the fields their value.
    void Stage(Group group, FieldMask fields, const std::function<void(Style&)>& set);
    // The same for one field of the range's own cells.
    Variant Read(Field field, const std::function<Variant(const Style&)>& value) {
        return ReadStyle(Group::Cells, Bit(field), value);
    }
    void Stage(Field field, const std::function<void(Style&)>& set) {
        Stage(Group::Cells, Bit(field), set);
    }
    // Whether the range has inside lines of a group (more than one row or column).
    bool HasGroup(Group group) const;

    void AutoFitRows();
    void AutoFitColumns();
    // Gives every cell of the range the note, creating the notes it lacks.
    void AddComment(const std::string& text);

    // True when every cell lies in a merge area, False when none does, else Null.
    Variant MergeCells() const;
    // Merges the range, grown over the areas crossing its edge, into one area.
    void Merge();
    // Unmerges every area the range touches.
    void UnMerge();

private:
    const StyleSummary& Summary();
    CellRect GroupRect(Group group) const;
    void WriteValue(const Variant& value);
    void WriteReadOnly(bool readOnly);
    Variant CommentObject();
    template <typename T> std::shared_ptr<T> Child(std::weak_ptr<T>& slot);

    std::shared_ptr<Worksheet> m_pSheet;
    CellRect m_rect;
    int32_t m_nApplyCache = 0;
    StylePatch m_patches[StyleSummary::GroupCount];
    std::optional<StyleSummary> m_summary;
    uint64_t m_nSummaryVersion = 0;
    std::weak_ptr<RangeFont> m_pFont;
    std::weak_ptr<RangeInterior> m_pInterior;
    std::weak_ptr<RangeBorders> m_pBorders;
    std::weak_ptr<RangeComment> m_pComment;
    std::weak_ptr<RangeControl> m_pControl;
};

} // namespace vantor::model
