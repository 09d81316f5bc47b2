#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"
#include "vantor/framework/DialogSite.hpp"
#include "vantor/framework/LibraryObject.hpp"
#include "vantor/framework/PageError.hpp"
#include "vantor/ui/Form.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// The base of the dialog-style pages: the content of a small modal dialog
// that ends its dialog through the typed site instead of applying to a
// target. No error leaves a protocol operation.
class VANTOR_API DialogPage : public Form, public LibraryObject {
public:
    ~DialogPage() override;

    virtual int32_t SetSite(const std::shared_ptr<DialogSite>& stSite) noexcept;
    virtual int32_t SetParam(const Variant& vtParam) noexcept;
    virtual int32_t GetCaption(std::string& strCaption) noexcept;
    virtual int32_t ValidateData() noexcept;
    virtual int32_t OnReset() noexcept;
    virtual int32_t OnApply() noexcept;

    // The last error the dialog logged during its latest protocol operation,
    // or since in ending the dialog (number 0: none); see PropertyPage.
    const PageError& LastError() const { return m_lastError; }

protected:
    DialogPage(std::string caption, Rect size);

    // Ends the dialog with -1 (OK) or -2 (Cancel) and the answer, Long 0
    // unless the dialog gives one. Once ended, further clicks (a double click
    // on OK) do not end it again; a failing call is skipped and logged.
    void EndDialog(int32_t result, Variant answer = Variant(int32_t{0})) noexcept;

    std::shared_ptr<DialogSite> m_stSite;
    Variant m_vtParam;
    // What LastError answers; an operation a dialog overrides records into it
    // with an ErrorRecording of its own.
    PageError m_lastError;

private:
    bool m_bEnded = false;
};

} // namespace vantor
