#pragma once
#include "vantor/Export.h"
#include "vantor/automation/ErrorTrap.hpp"
#include "vantor/automation/Object.hpp"
#include "vantor/framework/LibraryObject.hpp"
#include "vantor/framework/PageError.hpp"
#include "vantor/framework/TargetList.hpp"
#include "vantor/ui/Form.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace vantor {

// Whether a page counts itself in its cell-format target's "ApplyCache" once
// per edit cycle and calls the target's "Apply" at the end of its apply.
enum class PageCounter { None, CellFormat };

// What a page writes to the log: the line that starts loading, the tag of a
// loading error, and the apply tag (its line and the tag of its errors).
struct VANTOR_API LogTags {
    std::string resetLine;
    std::string resetTag;
    std::string applyTag;

    // The tags made from a tag word: "Align" gives "Align Reset" and "Align Apply".
    static LogTags Word(const std::string& word) {
        return {word + " Reset", word + " Reset", word + " Apply"};
    }
};

// The skeleton every property page shares: the page protocol, the common
// fields, taking the target, loading, applying and the change notifier.
// A page states its controls (its form design), LoadControls and
// ApplyControls; where it departs from the skeleton it overrides the whole
// operation.
//
// No error leaves a protocol operation: each runs its statements through a
// trap of its own, reports the pending error under its tag and returns 0.
class VANTOR_API PropertyPage : public Form, public LibraryObject {
public:
    ~PropertyPage() override;

    virtual int32_t SetSite(const ObjectRef& stSite) noexcept;
    virtual int32_t SetTargets(const std::shared_ptr<TargetList>& paTargets) noexcept;
    virtual int32_t SetParam(const Variant& vtParam) noexcept;
    virtual int32_t GetCaption(std::string& strCaption) noexcept;
    virtual int32_t ValidateData() noexcept;
    virtual int32_t OnReset() noexcept;
    virtual int32_t OnApply() noexcept;
    virtual int32_t OnPageUserEvent(int32_t nEventID, Variant& vtParam) noexcept;

    // The page's target (for hosts and tests).
    const ObjectRef& Target() const { return m_oTarget; }
    // The last error the page logged during its latest protocol operation, or
    // since in its change notifier (number 0: none). Each operation starts
    // with it cleared; the operations themselves still return 0.
    const PageError& LastError() const { return m_lastError; }
    bool Loading() const { return m_bLoading; }

protected:
    PropertyPage(LogTags tags, PageCounter counter, std::string caption, Rect size);

    const std::string& ResetTag() const { return m_tags.resetTag; }
    const std::string& ApplyTag() const { return m_tags.applyTag; }

    // Fetches the page's sub-targets right after m_oTarget is set.
    virtual void TakeSubTargets(ErrorTrap&) {}
    // Whether SetTargets loads: as a rule, when the target is not Nothing.
    virtual bool CanLoad() const { return !m_oTarget.IsNothing(); }
    // Fills the controls from the target, each statement through the trap.
    virtual void LoadControls(ErrorTrap& trap) = 0;
    // Writes the controls back to the target, each statement through the trap.
    virtual void ApplyControls(ErrorTrap& trap) = 0;
    // Runs at the end of a reset, once loading is over and before the reset's
    // errors are reported, so that its failures are logged under the reset tag.
    virtual void AfterLoad(ErrorTrap&) {}

    // The change handlers of the controls call it: counts the page once per
    // edit cycle in "ApplyCache" and tells the site of every change, except
    // while loading.
    virtual void NotifyModified(bool bFlag = true) noexcept;

    // Connects a control's event to the change notifier.
    void NotifyOn(vantor::Control& control, int event);

    ObjectRef m_stSite;
    Variant m_vtParam;
    std::shared_ptr<TargetList> m_paTargets;
    ObjectRef m_oTarget;
    bool m_bLoading = true;
    bool m_bCounted = false;
    // What LastError answers; an operation a page overrides records into it
    // with an ErrorRecording of its own.
    PageError m_lastError;

private:
    const LogTags m_tags;
    const PageCounter m_counter;
};

} // namespace vantor
