#pragma once
#include "vantor/Export.h"
#include "vantor/automation/Variant.hpp"
#include "vantor/framework/DialogSite.hpp"
#include "vantor/framework/LibraryObject.hpp"
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
    virtual int32_t ValidateData() noexcept { return 0; }
    virtual int32_t OnReset() noexcept { return 0; }
    virtual int32_t OnApply() noexcept { return 0; }

protected:
    DialogPage(std::string caption, Rect size);

    // Ends the dialog with -1 (OK) or -2 (Cancel) and the answer, Long 0
    // unless the dialog gives one. Once ended, further clicks (a double click
    // on OK) do not end it again; a failing call is skipped and logged.
    void EndDialog(int32_t result, Variant answer = Variant(int32_t{0})) noexcept;

    std::shared_ptr<DialogSite> m_stSite;
    Variant m_vtParam;

private:
    bool m_bEnded = false;
};

} // namespace vantor
