#include "vantor/framework/DialogPage.hpp"

#include "vantor/automation/ErrorTrap.hpp"
#include "vantor/framework/ErrorRecording.hpp"
#include "vantor/framework/GlobalFunction.hpp"

namespace vantor {

DialogPage::DialogPage(std::string caption, Rect size) : Form(std::move(caption), size) {}

DialogPage::~DialogPage() {
    m_stSite = nullptr;
}

int32_t DialogPage::SetSite(const std::shared_ptr<DialogSite>& stSite) noexcept {
    const ErrorRecording recording(m_lastError);
    // A new site is a new showing of the dialog.
    m_stSite = stSite;
    m_bEnded = false;
    return 0;
}

int32_t DialogPage::SetParam(const Variant& vtParam) noexcept {
    const ErrorRecording recording(m_lastError);
    m_vtParam = vtParam;
    return 0;
}

int32_t DialogPage::GetCaption(std::string& strCaption) noexcept {
    const ErrorRecording recording(m_lastError);
    ErrorTrap trap;
    trap([&] { strCaption = Caption(); });
    CheckError("", trap);
    return 0;
}

int32_t DialogPage::ValidateData() noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

int32_t DialogPage::OnReset() noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

int32_t DialogPage::OnApply() noexcept {
    const ErrorRecording recording(m_lastError);
    return 0;
}

void DialogPage::EndDialog(int32_t result, Variant answer) noexcept {
    if (m_bEnded) {
        return;
    }
    const ErrorRecording recording(m_lastError, false);
    ErrorTrap trap;
    trap([&] {
        if (m_stSite == nullptr) {
            throw AutomationError(err::ObjectNotSet);
        }
        m_stSite->EndDialog(result, answer);
        m_bEnded = true;
    });
    CheckError("", trap);
}

} // namespace vantor
