#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Control.hpp"

#include <vector>

namespace vantor {

// The line-style picker of the base control library: a list of pen entries,
// each a line style and a weight, drawn in LineColor. Members by identifier:
// 1 MaxIndex, 2 SelIndex, 3 Columns, 4 Rows, 5 LineColor, 8 AddStyle(style,
// weight, look), 9 StyleOf(i), 10 WeightOf(i). A change of the selection
// raises event 9.
class VANTOR_API LineStyle : public DispatchObject<LineStyle, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "LineStyle"; }

    // The highest entry index (-1 with no entries).
    int32_t MaxIndex() const { return static_cast<int32_t>(m_entries.size()) - 1; }
    int16_t SelIndex() const { return m_nSelIndex; }
    void SetSelIndex(int16_t index);
    int16_t Columns() const { return m_nColumns; }
    int16_t Rows() const { return m_nRows; }
    void SetColumns(int16_t columns);
    void SetRows(int16_t rows);
    int32_t LineColor() const { return m_lLineColor; }
    void SetLineColor(int32_t color);

    void AddStyle(int32_t style, int32_t weight, int32_t look);
    int32_t StyleOf(int32_t index) const;
    int32_t WeightOf(int32_t index) const;
    void SetWeightOf(int32_t index, int32_t weight);

    // 380 for an index that selects no entry.
    void UserSelect(int32_t index) override;

    Variant CurrentValue() const override { return Variant(m_nSelIndex); }
    void Describe(ControlDescription& description) const override;

    static const MemberTable<LineStyle>& Members();

private:
    struct Entry {
        int32_t style;
        int32_t weight;
        int32_t look;
    };
    const Entry& At(int32_t index) const;

    std::vector<Entry> m_entries;
    int16_t m_nSelIndex = -1;
    int16_t m_nColumns = 1;
    int16_t m_nRows = 1;
    int32_t m_lLineColor = 0;
};

} // namespace vantor
