#pragma once
#include "model/Range.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vantor::model {

// A named cell style of a workbook. Its format is the format of a cell of a
// sheet of its own, so it answers every format member a range does ("Font",
// "Borders", "NumberFormat", ...), staged until "Apply"; "Apply" then gives
// the changed format to every cell of the workbook that has the style. The
// Include* Booleans say which groups of the format the style gives its cells.
class CellStyle : public DispatchObject<CellStyle, Range> {
public:
    enum Include { Number, Alignment, Font, Border, Patterns, Control, Protection, IncludeCount };
    static constexpr std::array<const char*, IncludeCount> kIncludeNames = {
        "IncludeNumber",   "IncludeAlignment", "IncludeFont",      "IncludeBorder",
        "IncludePatterns", "IncludeControl",   "IncludeProtection"};

    // `includes` has bit g set for each group g the style includes.
    CellStyle(std::shared_ptr<Worksheet> holder, uint32_t id, std::string name, bool builtIn,
              unsigned includes);

    static const MemberTable<CellStyle>& Members();
    std::string TypeName() const override { return "Style"; }
    std::string DisplayName() const override { return "Style(" + m_strName + ")"; }

    uint32_t Id() const { return m_nId; }
    const std::string& Name() const { return m_strName; }
    bool BuiltIn() const { return m_bBuiltIn; }
    bool Includes(Include group) const { return m_abIncludes[group]; }
    // Sets whether a group is included, as one change.
    void SetIncludes(Include group, bool on);
    // The same without an undo step, as a file gives it.
    void LoadIncludes(Include group, bool on) { m_abIncludes[group] = on; }
    // The style fields of the included groups.
    FieldMask IncludedFields() const;

    // The format: the fields of the style's cell; its bottom and right edges.
    Style Format() const;
    BorderLine BottomEdge() const;
    BorderLine RightEdge() const;
    // Sets the whole format (a new style's, a file's), without an undo step.
    void SetUpFormat(const Style& format, const BorderLine& bottom, const BorderLine& right);

    // The patches that give a block this style: its included groups and its name.
    std::vector<std::pair<CellRect, StylePatch>> PatchesFor(const CellRect& block) const;
    // Gives the included groups of the format to every cell that has the style.
    void Reapply();

private:
    uint32_t m_nId;
    std::string m_strName;
    bool m_bBuiltIn;
    std::array<bool, IncludeCount> m_abIncludes;
};

} // namespace vantor::model
