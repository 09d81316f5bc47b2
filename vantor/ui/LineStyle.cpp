#include "vantor/ui/LineStyle.hpp"

#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

const LineStyle::Entry& LineStyle::At(int32_t index) const {
    if (index < 0 || index > MaxIndex()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_entries[static_cast<size_t>(index)];
}

void LineStyle::SetSelIndex(int16_t index) {
    if (index < -1 || index > MaxIndex()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    if (index == m_nSelIndex) {
        return;
    }
    m_nSelIndex = index;
    Changed();
    Raise(ev::ValueChanged);
}

void LineStyle::SetColumns(int16_t columns) {
    if (columns < 1) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nColumns = columns;
    Changed();
}

void LineStyle::SetRows(int16_t rows) {
    if (rows < 1) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nRows = rows;
    Changed();
}

void LineStyle::SetLineColor(int32_t color) {
    m_lLineColor = color;
    Changed();
}

void LineStyle::AddStyle(int32_t style, int32_t weight, int32_t look) {
    m_entries.push_back({style, weight, look});
    Changed();
}

int32_t LineStyle::StyleOf(int32_t index) const { return At(index).style; }

int32_t LineStyle::WeightOf(int32_t index) const { return At(index).weight; }

void LineStyle::SetWeightOf(int32_t index, int32_t weight) {
    At(index);
    m_entries[static_cast<size_t>(index)].weight = weight;
    Changed();
}

void LineStyle::UserSelect(int32_t index) {
    CheckUsable();
    // Checked before narrowing, so that 65536 does not select entry 0.
    if (index < -1 || index > MaxIndex()) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    SetSelIndex(static_cast<int16_t>(index));
}

void LineStyle::Describe(ControlDescription& description) const {
    description.Add("index", Variant(static_cast<int32_t>(m_nSelIndex)));
    description.Add("items", Variant(MaxIndex() + 1));
    description.Add("color", Variant(m_lLineColor));
}

const MemberTable<LineStyle>& LineStyle::Members() {
    static const MemberTable<LineStyle> table = [] {
        using T = MemberTable<LineStyle>;
        T t;
        t.Inherit(Control::Members());
        t.Property("MaxIndex", [](LineStyle& c, auto) { return Variant(c.MaxIndex()); }, {}, 1);
        t.Property(
            "SelIndex", [](LineStyle& c, auto) { return Variant(c.SelIndex()); },
            [](LineStyle& c, auto, const Variant& v) { c.SetSelIndex(v.ToInteger()); }, 2);
        t.Property(
            "Columns", [](LineStyle& c, auto) { return Variant(c.Columns()); },
            [](LineStyle& c, auto, const Variant& v) { c.SetColumns(v.ToInteger()); }, 3);
        t.Property(
            "Rows", [](LineStyle& c, auto) { return Variant(c.Rows()); },
            [](LineStyle& c, auto, const Variant& v) { c.SetRows(v.ToInteger()); }, 4);
        t.Property(
            "LineColor", [](LineStyle& c, auto) { return Variant(c.LineColor()); },
            [](LineStyle& c, auto, const Variant& v) { c.SetLineColor(v.ToLong()); }, 5);
        t.Method(
            "AddStyle",
            [](LineStyle& c, auto a) {
                c.AddStyle(T::Arg(a, 0).ToLong(), T::Arg(a, 1).ToLong(), T::Arg(a, 2).ToLong());
                return Variant();
            },
            8);
        t.Property("StyleOf", [](LineStyle& c, auto a) { return Variant(c.StyleOf(T::Arg(a, 0).ToLong())); }, {}, 9);
        t.Property(
            "WeightOf", [](LineStyle& c, auto a) { return Variant(c.WeightOf(T::Arg(a, 0).ToLong())); },
            [](LineStyle& c, auto a, const Variant& v) { c.SetWeightOf(T::Arg(a, 0).ToLong(), v.ToLong()); }, 10);
        return t;
    }();
    return table;
}

} // namespace vantor
