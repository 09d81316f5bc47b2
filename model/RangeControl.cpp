#include "model/RangeControl.hpp"

#include "model/Application.hpp"
#include "model/ControlKinds.hpp"
#include "model/PropertyValues.hpp"
#include "model/Range.hpp"

namespace vantor::model {

RangeControl::RangeControl(std::shared_ptr<Range> range) : m_pRange(std::move(range)) {}

const MemberTable<RangeControl>& RangeControl::Members() {
    using C = RangeControl;
    using G = StyleSummary::Group;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        t.Property(
            "Name",
            [](C& c, auto) {
                const auto kinds = c.m_pRange->App()->Controls();
                return c.m_pRange->ReadStyle(
                    G::Cells, Bit(Field::ControlKind),
                    [&](const Style& s) { return Variant(kinds->NameOf(s.controlKind)); });
            },
            [](C& c, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const uint16_t code = c.m_pRange->App()->Controls()->CodeOf(
                    v.IsEmpty() ? std::string() : v.ToString());
                c.m_pRange->Stage(G::Cells, Bit(Field::ControlKind),
                                  [code](Style& s) { s.controlKind = code; });
            });
        t.Property(
            "HideOnDeactivate",
            [](C& c, auto) {
                return c.m_pRange->ReadStyle(
                    G::Cells, Bit(Field::HideOnDeactivate),
                    [](const Style& s) { return Variant(s.hideOnDeactivate); });
            },
            [](C& c, auto, const Variant& v) {
                if (!v.IsNull()) {
                    const bool hide = values::ToBoolean(v);
                    c.m_pRange->Stage(G::Cells, Bit(Field::HideOnDeactivate),
                                      [hide](Style& s) { s.hideOnDeactivate = hide; });
                }
            });
        return t;
    }();
    return table;
}

std::string RangeControl::DisplayName() const {
    return "Control(" + m_pRange->Where() + ")";
}

} // namespace vantor::model
