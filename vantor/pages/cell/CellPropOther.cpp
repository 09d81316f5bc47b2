#include "vantor/pages/cell/CellPropOther.hpp"

#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

CellPropOther::CellPropOther() : PropertyPage(LogTags::Word("Other"), PageCounter::None, "Note", {0, 0, 3975, 1395}) {
    NotifyOn(*chkReadOnly, ev::Click);
    // Merging is not a property of the target; the click only marks the page.
    NotifyOn(*chkMergeCells, ev::Click);
    NotifyOn(*txtMarkText, ev::Change);
}

void CellPropOther::LoadControls(ErrorTrap& trap) {
    trap([&] { txtMarkText->SetText(""); });
    trap([&] {
        // Cells without a note answer Nothing: the box stays empty, and that is no error.
        const ObjectRef comment = m_oTarget.Get("Comment").ToObject();
        if (!comment.IsNothing() && !comment.Get("Text").IsNull()) {
            txtMarkText->SetText(comment.Get("Text").ToString());
        }
    });
    trap([&] { LoadSettingCheckbox(*chkReadOnly, m_oTarget.Get("ReadOnly")); });
}

void CellPropOther::ApplyControls(ErrorTrap& trap) {
    // Only a note the user changed is written, so that loading a selection
    // whose notes differ, or that has none, never overwrites or asks for notes.
    if (txtMarkText->ChangedFromSaved()) {
        trap(
            [&] { m_oTarget.Get("Comment").ToObject().Put("Text", Variant(txtMarkText->Text())); });
    }
    trap([&] { ApplySettingCheckbox(m_oTarget, "ReadOnly", *chkReadOnly); });
}

} // namespace vantor
