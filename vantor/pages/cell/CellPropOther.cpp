#include "vantor/pages/cell/CellPropOther.hpp"

#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

namespace vantor {

CellPropOther::CellPropOther() : PropertyPage(LogTags::Word("Other"), PageCounter::None, "Note", {0, 0, 3975, 1395}) {
    NotifyOn(*chkReadOnly, ev::Click);
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
    trap([&] { LoadSettingCheckbox(*chkMergeCells, m_oTarget.Get("MergeCells")); });
}

void CellPropOther::ApplyControls(ErrorTrap& trap) {
    // Only a note the user changed is written, so that loading a selection
    // whose notes differ, or that has none, never overwrites or asks for notes.
    // A typed note goes to every cell of the target, those without a note
    // too; an emptied box removes the notes.
    if (txtMarkText->ChangedFromSaved()) {
        trap([&] {
            const std::string text = txtMarkText->Text();
            if (text.empty()) {
                m_oTarget.Call("ClearComments");
                return;
            }
            const ObjectRef comment = m_oTarget.Get("Comment").ToObject();
            if (comment.IsNothing()) {
                m_oTarget.Call("AddComment", text);
            } else {
                comment.Put("Text", text);
            }
        });
    }
    trap([&] { ApplySettingCheckbox(m_oTarget, "ReadOnly", *chkReadOnly); });
    // Merging shows only the top-left value: the user is asked first when
    // other cells of the area hold values, and Cancel skips the merge alone.
    trap([&] {
        const Variant merged = m_oTarget.Get("MergeCells");
        if (chkMergeCells->Value() == 1 && !(!merged.IsNull() && merged.ToBool()) &&
            m_oTarget.Get("MergeHidesValues").ToBool() &&
            Environment::Current().MessageBox(MergeQuestion, msgbox::OkCancel | msgbox::Question,
                                              Caption()) != msgbox::Ok) {
            return;
        }
        ApplySettingCheckbox(m_oTarget, "MergeCells", *chkMergeCells);
    });
}

} // namespace vantor
