#pragma once
#include "vantor/ui/Control.hpp"
#include "vantor/ui/ControlDescription.hpp"

namespace vantor {

// A static text.
class Label : public DispatchObject<Label, Control> {
public:
    using DispatchObject::DispatchObject;
    std::string Kind() const override { return "Label"; }
    // What a label shows is its caption.
    void Describe(ControlDescription& description) const override {
        description.Add("text", Variant(Caption()));
    }

    static const MemberTable<Label>& Members() {
        static const MemberTable<Label> table = [] {
            MemberTable<Label> t;
            t.Inherit(Control::Members());
            return t;
        }();
        return table;
    }
};

} // namespace vantor
