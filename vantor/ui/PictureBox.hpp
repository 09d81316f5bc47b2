#pragma once
#include "vantor/automation/Object.hpp"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/PlainControl.hpp"

namespace vantor {

// A plain surface, for pictures or a hosted control. It may show a sheet,
// which a front draws as a small picture of its top-left cells.
class PictureBox : public PlainControl<PictureBox> {
public:
    using PlainControl::PlainControl;
    std::string Kind() const override { return "PictureBox"; }

    const ObjectRef& Sheet() const { return m_oSheet; }
    void SetSheet(ObjectRef sheet) {
        m_oSheet = std::move(sheet);
        Changed();
    }
    // The sheet shown, by name.
    void Describe(ControlDescription& description) const override {
        if (m_oSheet) {
            description.Add("sheet", m_oSheet.Get("Name"));
        }
    }

private:
    ObjectRef m_oSheet;
};

} // namespace vantor
