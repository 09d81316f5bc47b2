#include "vantor/ui/QvFrameStyle.hpp"

namespace vantor {

const QvFrameStyle::Border& QvFrameStyle::At(int32_t n) const {
    if (n < FirstBorder || n > LastBorder) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    return m_borders[static_cast<size_t>(n - FirstBorder)];
}

QvFrameStyle::Border& QvFrameStyle::At(int32_t n) {
    return const_cast<Border&>(static_cast<const QvFrameStyle&>(*this).At(n));
}

void QvFrameStyle::SetLayout(int16_t layout) {
    if (layout < 0 || layout > 3) {
        throw AutomationError(err::InvalidPropertyValue);
    }
    m_nLayout = layout;
    Changed();
}

bool QvFrameStyle::HasBorder(int32_t n) const {
    if (n == 11) {
        return m_nLayout == 2 || m_nLayout == 3;
    }
    if (n == 12) {
        return m_nLayout == 1 || m_nLayout == 3;
    }
    return n >= FirstBorder && n <= LastBorder;
}

void QvFrameStyle::SetBorderLineStyle(int32_t n, int32_t style) {
    At(n).lineStyle = style;
    Changed();
}

void QvFrameStyle::SetBorderWeight(int32_t n, int32_t weight) {
    At(n).weight = weight;
    Changed();
}

void QvFrameStyle::SetBorderColor(int32_t n, int32_t color) {
    At(n).color = color;
    Changed();
}

void QvFrameStyle::UserClickBorder(int32_t n) {
    CheckUsable();
    if (!HasBorder(n)) {
        throw AutomationError(err::InvalidCall, "The diagram has no border " + std::to_string(n));
    }
    Raise(ev::ValueChanged, {Variant(n)});
}

const MemberTable<QvFrameStyle>& QvFrameStyle::Members() {
    static const MemberTable<QvFrameStyle> table = [] {
        using T = MemberTable<QvFrameStyle>;
        T t;
        t.Inherit(Control::Members());
        t.Property(
            "Layout", [](QvFrameStyle& c, auto) { return Variant(c.Layout()); },
            [](QvFrameStyle& c, auto, const Variant& v) { c.SetLayout(v.ToInteger()); }, 1);
        t.Property(
            "BorderLineStyle",
            [](QvFrameStyle& c, auto a) { return Variant(c.BorderLineStyle(T::Arg(a, 0).ToLong())); },
            [](QvFrameStyle& c, auto a, const Variant& v) { c.SetBorderLineStyle(T::Arg(a, 0).ToLong(), v.ToLong()); },
            2);
        t.Property(
            "BorderWeight", [](QvFrameStyle& c, auto a) { return Variant(c.BorderWeight(T::Arg(a, 0).ToLong())); },
            [](QvFrameStyle& c, auto a, const Variant& v) { c.SetBorderWeight(T::Arg(a, 0).ToLong(), v.ToLong()); },
            3);
        t.Property(
            "BorderColor", [](QvFrameStyle& c, auto a) { return Variant(c.BorderColor(T::Arg(a, 0).ToLong())); },
            [](QvFrameStyle& c, auto a, const Variant& v) { c.SetBorderColor(T::Arg(a, 0).ToLong(), v.ToLong()); },
            4);
        return t;
    }();
    return table;
}

} // namespace vantor
