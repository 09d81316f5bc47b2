#include "model/RangeControl.hpp"

#include "model/Application.hpp"
#include "model/ControlKinds.hpp"
#include "model/PropertyMembers.hpp"
#include "model/Range.hpp"

namespace vantor::model {

const MemberTable<RangeControl>& RangeControl::Members() {
    using C = RangeControl;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        t.Property(
            "Name",
            [](C& c, auto) {
                const auto kinds = c.m_pRange->App()->Controls();
                return c.Read(Field::ControlKind, [&](const Style& s) {
                    return Variant(kinds->NameOf(s.controlKind));
                });
            },
            [](C& c, auto, const Variant& v) {
                if (v.IsNull()) {
                    return;
                }
                const uint16_t code = c.m_pRange->App()->Controls()->CodeOf(
                    v.IsEmpty() ? std::string() : v.ToString());
                c.Stage(Field::ControlKind, [code](Style& s) { s.controlKind = code; });
            });
        members::Boolean(t, "HideOnDeactivate", Field::HideOnDeactivate, &Style::hideOnDeactivate);
        return t;
    }();
    return table;
}

} // namespace vantor::model
