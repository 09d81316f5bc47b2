#include "vantor/framework/PropertyPage.hpp"

#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/VariantConverter.hpp"
#include "vantor/ui/Environment.hpp"

#include <cstdint>

namespace vantor {

PropertyPage::PropertyPage(LogTags tags, PageCounter counter, std::string caption, Rect size)
    : Form(std::move(caption), size), m_tags(std::move(tags)), m_counter(counter) {}

PropertyPage::~PropertyPage() {
    // Teardown releases the site and the target list through the protocol.
    PropertyPage::SetSite(ObjectRef());
    PropertyPage::SetTargets(nullptr);
}

int32_t PropertyPage::SetSite(const ObjectRef& stSite) noexcept {
    const ErrorRecording recording(m_lastError);
    m_stSite = stSite;
    return 0;
}

int32_t PropertyPage::SetTargets(const std::shared_ptr<TargetList>& paTargets) noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    m_paTargets = paTargets;
    bool hasTarget = false;
    trap([&] { hasTarget = m_paTargets != nullptr && m_paTargets->Count() > 0; });
    if (hasTarget) {
        std::shared_ptr<VariantConverter> converter;
        Variant source;
        Variant dest;
        trap([&] { converter = VariantConverter::Create(); });
        trap([&] { source = m_paTargets->Item(0); });
        trap([&] {
            if (converter == nullptr) {
                throw AutomationError(err::ObjectNotSet);
            }
            converter->ChangeType(dest, source, static_cast<int32_t>(VarType::Object));
        });
        trap([&] {
            if (converter == nullptr) {
                throw AutomationError(err::ObjectNotSet);
            }
            converter->Clear(source);
        });
        trap([&] { m_oTarget = dest.ToObject(); });
        TakeSubTargets(trap);
        if (CanLoad()) {
            OnReset();
        }
    }
    // The failure is logged before it is cleared (the skeleton cleared it
    // unlogged), so that a host learns why the page has no target list.
    if (trap.Number() > 0) {
        m_paTargets = nullptr;
    }
    CheckError("", trap);
    return 0;
}

int32_t PropertyPage::SetParam(const Variant& vtParam) noexcept {
    const ErrorRecording recording(m_lastError);
    m_vtParam = vtParam;
    return 0;
}

int32_t PropertyPage::GetCaption(std::string& strCaption) noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    trap([&] { strCaption = Caption(); });
    CheckError("", trap);
    return 0;
}

int32_t PropertyPage::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

int32_t PropertyPage::OnReset() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    WriteLog(m_tags.resetLine);
    m_bLoading = true;
    m_bCounted = false;
    LoadControls(trap);
    // Change events that loading raised run now, while loading still silences them.
    trap([&] { Environment::Current().DoEvents(); });
    m_bLoading = false;
    // What loading showed, so that a page can tell what the user changed.
    for (const auto& control : Controls()) {
        control->SaveValue();
    }
    AfterLoad(trap);
    CheckError(ResetTag(), trap);
    return 0;
}

int32_t PropertyPage::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    WriteLog(ApplyTag());
    m_bCounted = false;
    ApplyControls(trap);
    if (m_counter == PageCounter::CellFormat) {
        trap([&] { m_oTarget.Call("Apply"); });
    }
    DropInvalidCallError(trap);
    CheckError(ApplyTag(), trap);
    return 0;
}

int32_t PropertyPage::OnPageUserEvent(int32_t, Variant&) noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

void PropertyPage::NotifyModified(bool) noexcept {
    // A user's change is no operation: what it logs is added to the last one's.
    const ErrorRecording recording(m_lastError, false);
    ErrorTrap trap;
    if (m_counter == PageCounter::CellFormat && !m_bCounted && !m_bLoading) {
        m_bCounted = true;
        trap([&] { m_oTarget.Put("ApplyCache", PlusOne(m_oTarget.Get("ApplyCache"))); });
    }
    if (!m_bLoading) {
        trap([&] { m_stSite.Call("SetModified"); });
    }
    CheckError("", trap);
}

void PropertyPage::NotifyOn(vantor::Control& control, int event) {
    control.On(event, [this](EventArgs&) { NotifyModified(true); });
}

} // namespace vantor
