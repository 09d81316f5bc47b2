#include "host/MemberReference.hpp"

#include "host/DialogCatalogue.hpp"
#include "host/HostDialogSite.hpp"
#include "host/PageSite.hpp"
#include "host/RecordingTarget.hpp"
#include "host/Targets.hpp"
#include "model/Application.hpp"
#include "model/SampleWorkbook.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/PropertyPage.hpp"
#include "vantor/ui/Control.hpp"
#include "vantor/ui/HeadlessEnvironment.hpp"

#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <set>

namespace vantor::host {

namespace {

// What a user can do to a control; a control refuses the actions it has not.
using UserAction = void (*)(Control&);
const UserAction UserActions[] = {
    [](Control& c) { c.UserClick(); },
    [](Control& c) { c.UserSelect(0); },
    [](Control& c) { c.UserSelect(1); },
    [](Control& c) { c.UserType("12"); },
    [](Control& c) { c.UserSetValue(Variant(int32_t{2})); },
    [](Control& c) { c.UserPickColor(255); },
    [](Control& c) { c.UserCheck(0); },
};

// Sets an environment variable for the reference's run and restores it: the
// pages must write neither the user's log nor the user's settings.
class VariableScope {
public:
    VariableScope(const char* name, const std::optional<std::string>& value) : m_name(name) {
        if (const char* old = ::getenv(name)) {
            m_old = old;
        }
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ~VariableScope() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    VariableScope(const VariableScope&) = delete;
    VariableScope& operator=(const VariableScope&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// A new application over a new workbook (uniform cells) or over the sample
// workbook, whose sheet "Mixed" holds differing cells.
std::shared_ptr<model::Application> NewApplication(bool mixed) {
    auto app = model::Application::Create();
    if (mixed) {
        model::sample::AddSampleWorkbook(app);
    } else {
        app->AddWorkbook("Book1");
    }
    return app;
}

// The target a page of that kind gets: Empty for none.
Variant TargetOf(const std::shared_ptr<model::Application>& app, TargetKind kind, bool mixed) {
    const auto list = TargetsFor(app, kind, mixed ? "Mixed!B2:D4" : "A1:B2",
                                 mixed ? std::vector<std::string>{"Values", "Mixed"} : std::vector<std::string>{});
    return list->Count() > 0 ? list->Item(0) : Variant();
}

// The page's last error after loading and after applying.
using RunErrors = std::pair<int32_t, int32_t>;

// One run of the class over the target, recording into `uses`: the page
// loads, the control (by index; none when negative) takes the action, and
// the page applies.
RunErrors Run(const ClassInfo& info, const Variant& target, const std::shared_ptr<MemberUses>& uses,
              const std::string& nulled, int control, UserAction action) {
    const Variant recorded =
        target.IsObject() ? Variant(ObjectRef(std::make_shared<RecordingTarget>(target.ToObject(), "", uses, nulled)))
                          : Variant();
    const auto act = [&](Form& form) {
        if (control >= 0) {
            try {
                action(*form.Controls()[static_cast<size_t>(control)]);
            } catch (...) {
                // An action this control does not have.
            }
        }
    };
    if (info.protocol == ClassProtocol::DialogPage) {
        const auto dialog = ClassTable::CreateDialogPage(info.name);
        dialog->SetSite(std::make_shared<HostDialogSite>());
        if (!recorded.IsEmpty()) {
            dialog->SetParam(recorded);
        }
        const int32_t loadError = dialog->LastError().number;
        act(*dialog);
        dialog->OnApply();
        return {loadError, dialog->LastError().number};
    }
    const auto page = ClassTable::CreatePropertyPage(info.name);
    page->SetSite(ObjectRef(std::make_shared<PageSite>()));
    page->SetTargets(std::make_shared<DefaultTargetList>(
        recorded.IsEmpty() ? std::vector<Variant>{} : std::vector<Variant>{recorded}));
    const int32_t loadError = page->LastError().number;
    act(*page);
    page->OnApply();
    return {loadError, page->LastError().number};
}

size_t ControlCount(const ClassInfo& info) {
    if (info.protocol == ClassProtocol::DialogPage) {
        return ClassTable::CreateDialogPage(info.name)->Controls().size();
    }
    return ClassTable::CreatePropertyPage(info.name)->Controls().size();
}

std::string Joined(const std::set<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : ", ") + word;
    }
    return text;
}

// The heading and table of one class over targets of that kind.
std::string PageTable(const ClassInfo& info, TargetKind kind) {
    const auto uses = std::make_shared<MemberUses>();
    const size_t controls = ControlCount(info);
    RunErrors plain;
    for (const bool mixed : {false, true}) {
        const auto app = NewApplication(mixed);
        const Variant target = TargetOf(app, kind, mixed);
        const RunErrors errors = Run(info, target, uses, "", -1, nullptr);
        if (!mixed) {
            plain = errors;
        }
        for (size_t c = 0; c < controls; ++c) {
            for (const UserAction action : UserActions) {
                Run(info, target, uses, "", static_cast<int>(c), action);
            }
        }
    }
    std::string text = "### " + info.name + "\n\n";
    if (uses->empty()) {
        return text + "Uses no member of its target.\n\n";
    }
    text += "| Member | Read | Written | Called | Values written | Null read |\n"
            "|---|---|---|---|---|---|\n";
    for (const auto& [key, use] : *uses) {
        std::string nullRead;
        if (use.read) {
            // Read as Null alone, as a mixed selection answers: accepted when
            // the page loads and applies with no failure of its own.
            const auto app = NewApplication(false);
            const RunErrors errors =
                Run(info, TargetOf(app, kind, false), std::make_shared<MemberUses>(), use.path, -1, nullptr);
            nullRead = errors == plain ? "accepted" : "fails";
        }
        text += "| " + use.path + " | " + (use.read ? "yes" : "") + " | " + (use.written ? "yes" : "") + " | " +
                (use.called ? "yes" : "") + " | " + Joined(use.kinds) + " | " + nullRead + " |\n";
    }
    return text + "\n";
}

} // namespace

std::string MemberReference() {
    HeadlessEnvironment env;
    const EnvironmentScope scope(env);
    std::string folder = (std::filesystem::temp_directory_path() / "vantor-members-XXXXXX").string();
    const std::filesystem::path scratch = ::mkdtemp(folder.data()) != nullptr ? folder : "/nonexistent";
    std::error_code ignored;
    const VariableScope log(LogVariable, std::nullopt);
    const VariableScope registry("VANTOR_REGISTRY", (scratch / "registry.reg").string());

    std::string text;
    for (const CatalogueDialog& dialog : DialogCatalogue::Dialogs()) {
        text += "## " + dialog.name + " (target: " + TargetKindName(dialog.target) + ")\n\n";
        for (const std::string& page : dialog.pages) {
            text += PageTable(*ClassTable::Find(page), DialogCatalogue::TargetOf(page));
        }
    }
    text += "## Dialog-style pages (the value given to SetParam)\n\n";
    for (const std::string& page : DialogCatalogue::DialogStylePages()) {
        text += PageTable(*ClassTable::Find(page), DialogCatalogue::ParamOf(page));
    }
    std::filesystem::remove_all(scratch, ignored);
    return text;
}

} // namespace vantor::host
