#pragma once
#include "host/PageSite.hpp"
#include "vantor/framework/PropertyPage.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantor::host {

// A property dialog: its pages on tabs, each with its own site, all given the
// same target list; OK, Apply, Cancel and reset as a dialog runs them.
class PropertyDialog {
public:
    struct Tab {
        std::string className;
        std::string caption;
        std::shared_ptr<PropertyPage> page;
        std::shared_ptr<PageSite> site;
    };
    // What OK or Apply came to: refused by a page (its class and status), or done.
    // A done apply may still carry the model's refusal of a write (error 1004,
    // a protected sheet's read-only cells for one), which the pages only log:
    // the first such, with its tab's caption, for the host to show.
    struct Outcome {
        bool done = true;
        std::string refusedClass;
        int32_t status = 0;
        std::string refusedWrite;
    };
    // What the dialog tells its host: the start and end of the pages'
    // applies (one undo step), and each "SetModified" of a page.
    struct Hooks {
        std::function<void(const std::string&)> beginUndo;
        std::function<void()> endUndo;
        std::function<void()> modified;
    };

    // Creates the pages by class name or class identity (429 for a class the
    // library does not have, 13 for a dialog-style page), gives each its site
    // and the targets, and reads the captions.
    PropertyDialog(std::string name, const std::vector<std::string>& classes,
                   std::shared_ptr<TargetList> targets, Hooks hooks = {});
    // The same over pages already created.
    PropertyDialog(std::string name, std::vector<std::shared_ptr<PropertyPage>> pages,
                   std::shared_ptr<TargetList> targets, Hooks hooks = {});
    ~PropertyDialog();
    PropertyDialog(const PropertyDialog&) = delete;
    PropertyDialog& operator=(const PropertyDialog&) = delete;

    const std::string& Name() const { return m_strName; }
    const std::vector<Tab>& Tabs() const { return m_tabs; }
    // Whether a page reported a change since the last apply (Apply is enabled).
    bool Changed() const { return m_bChanged; }

    // Validates every page in tab order, stopping at the first refusal; then
    // applies every page, as one undo step.
    Outcome Apply();
    // Apply, then the pages are released when none refused.
    Outcome Ok();
    void Cancel();
    void Reset(size_t tab);
    bool Open() const { return !m_tabs.empty(); }

private:
    static std::vector<std::shared_ptr<PropertyPage>>
    CreatePages(const std::vector<std::string>& classes);

    std::string m_strName;
    std::vector<Tab> m_tabs;
    std::shared_ptr<TargetList> m_targets;
    Hooks m_hooks;
    bool m_bChanged = false;
};

} // namespace vantor::host
