#include "vantor/pages/cell/CellPropControl.hpp"

#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

CellPropControl::CellPropControl() : PropertyPage(LogTags::Word("Control"), PageCounter::CellFormat, "control", {0, 0, 4560, 2040}) {
    lstControl->On(ev::Click, [this](EventArgs&) { OnListClick(); });
    NotifyOn(*chkHideOnDeactive, ev::Click);
}

void CellPropControl::OnListClick() {
    NotifyModified(true);
    if (m_bLoading) {
        return;
    }
    const int32_t index = lstControl->ListIndex();
    if (index == 0) {
        LoadSettingControl("");
    } else if (index > 0 && static_cast<size_t>(index) <= m_astrControlNames.size()) {
        LoadSettingControl(m_astrControlNames[static_cast<size_t>(index - 1)]);
    }
}

void CellPropControl::LoadSettingControl(const std::string& strName) noexcept {
    ErrorTrap trap;
    trap([&] { lblDescription->SetCaption(""); });
    if (Trim(strName).empty()) {
        trap([&] { lstControl->SetListIndex(0); });
        trap([&] { lblDescription->SetCaption(NoneDescription); });
        trap([&] { chkHideOnDeactive->SetEnabled(false); });
    } else {
        // The entries show captions; the kind is found by its name.
        trap([&] {
            for (size_t i = 0; i < m_astrControlNames.size(); ++i) {
                if (EqualsIgnoreCase(Trim(m_astrControlNames[i]), Trim(strName))) {
                    lstControl->SetListIndex(static_cast<int32_t>(i + 1));
                    break;
                }
            }
        });
        trap([&] {
            lblDescription->SetCaption(m_oTarget.Get("Controls")
                                           .ToObject()
                                           .Get("Item", Variant(strName))
                                           .Get("Description")
                                           .ToString());
        });
        trap([&] { chkHideOnDeactive->SetEnabled(true); });
    }
    ReportError("LoadSettingControl", trap);
}

void CellPropControl::LoadControls(ErrorTrap& trap) {
    trap([&] { lstControl->Clear(); });
    trap([&] { lstControl->AddItem(NoneEntry); });
    m_astrControlNames.clear();
    trap([&] {
        const ObjectRef controls = m_oTarget.Get("Controls").ToObject();
        const int32_t count = controls.Get("Count").ToLong();
        m_astrControlNames.assign(static_cast<size_t>(count > 0 ? count : 0), std::string());
        size_t i = 0;
        for (const Variant& kind : controls.Enumerate()) {
            if (i >= m_astrControlNames.size()) {
                throw AutomationError(err::SubscriptOutOfRange);
            }
            lstControl->AddItem(kind.Get("Caption").ToString());
            m_astrControlNames[i] = kind.Get("Name").ToString();
            ++i;
        }
    });
    trap([&] { LoadSettingControl(m_oTarget.Get("Control").Get("Name").ToString()); });
    trap([&] {
        LoadSettingCheckbox(*chkHideOnDeactive, m_oTarget.Get("Control").Get("HideOnDeactivate"));
    });
}

void CellPropControl::ApplyControls(ErrorTrap& trap) {
    const int32_t index = lstControl->ListIndex();
    if (index == 0) {
        trap([&] { m_oTarget.Get("Control").ToObject().Put("Name", Variant("")); });
    } else if (index > 0) {
        trap([&] {
            const ObjectRef control = m_oTarget.Get("Control").ToObject();
            const Variant name =
                SafeSetting(Variant(m_astrControlNames.at(static_cast<size_t>(index - 1))),
                            control.Get("Name"));
            if (name.IsString()) {
                control.Put("Name", name);
                control.Put("HideOnDeactivate", Variant(chkHideOnDeactive->Value() != 0));
            } else {
                control.Put("HideOnDeactivate",
                            SafeSettingCheckBox(chkHideOnDeactive->Value(),
                                                control.Get("HideOnDeactivate")));
            }
        });
    }
}

} // namespace vantor
