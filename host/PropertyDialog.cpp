#include "host/PropertyDialog.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/framework/ClassTable.hpp"

namespace vantor::host {

std::vector<std::shared_ptr<PropertyPage>>
PropertyDialog::CreatePages(const std::vector<std::string>& classes) {
    std::vector<std::shared_ptr<PropertyPage>> pages;
    for (const std::string& className : classes) {
        const ClassInfo* info = ClassTable::Find(className);
        if (info != nullptr && info->protocol != ClassProtocol::PropertyPage) {
            throw AutomationError(err::TypeMismatch, className + " is not a property page");
        }
        // Create raises 429 for a class this build does not have.
        pages.push_back(std::static_pointer_cast<PropertyPage>(ClassTable::Create(className)));
    }
    return pages;
}

PropertyDialog::PropertyDialog(std::string name, const std::vector<std::string>& classes,
                               std::shared_ptr<TargetList> targets, Hooks hooks)
    : PropertyDialog(std::move(name), CreatePages(classes), std::move(targets), std::move(hooks)) {}

PropertyDialog::PropertyDialog(std::string name, std::vector<std::shared_ptr<PropertyPage>> pages,
                               std::shared_ptr<TargetList> targets, Hooks hooks)
    : m_strName(std::move(name)), m_targets(std::move(targets)), m_hooks(std::move(hooks)) {
    for (auto& page : pages) {
        auto site = std::make_shared<PageSite>([this] {
            m_bChanged = true;
            if (m_hooks.modified) {
                m_hooks.modified();
            }
        });
        Tab tab{page->ClassName(), "", page, site};
        m_tabs.push_back(tab);
    }
    // The host's calling order: the site, then the targets (the page loads), then the caption.
    for (Tab& tab : m_tabs) {
        tab.page->SetSite(ObjectRef(tab.site));
        tab.page->SetTargets(m_targets);
        tab.page->GetCaption(tab.caption);
    }
}

PropertyDialog::~PropertyDialog() {
    Cancel();
}

PropertyDialog::Outcome PropertyDialog::Apply() {
    for (const Tab& tab : m_tabs) {
        const int32_t status = tab.page->ValidateData();
        if (status != 0) {
            return Outcome{false, tab.className, status, {}};
        }
    }
    if (m_hooks.beginUndo) {
        m_hooks.beginUndo(m_strName);
    }
    Outcome outcome;
    for (const Tab& tab : m_tabs) {
        tab.page->OnApply();
        const PageError& error = tab.page->LastError();
        if (outcome.refusedWrite.empty() && error.number == err::ApplicationDefined) {
            outcome.refusedWrite = tab.caption + ": " + error.description;
        }
    }
    if (m_hooks.endUndo) {
        m_hooks.endUndo();
    }
    m_bChanged = false;
    return outcome;
}

PropertyDialog::Outcome PropertyDialog::Ok() {
    Outcome outcome = Apply();
    if (outcome.done) {
        Cancel();
    }
    return outcome;
}

void PropertyDialog::Cancel() {
    // Pages are destroyed in tab order; each releases its site and targets.
    while (!m_tabs.empty()) {
        m_tabs.erase(m_tabs.begin());
    }
}

void PropertyDialog::Reset(size_t tab) {
    if (tab >= m_tabs.size()) {
        throw AutomationError(err::SubscriptOutOfRange);
    }
    m_tabs[tab].page->OnReset();
}

} // namespace vantor::host
