#include "host/SessionEnvironment.hpp"

#include "host/SessionText.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/ui/Form.hpp"

#include <algorithm>

namespace vantor::host {

int32_t SessionEnvironment::MessageBox(const std::string& prompt, int32_t buttons,
                                       const std::string& title) {
    m_print("messagebox title=" + Quote(title) + " text=" + Quote(prompt) +
            " buttons=" + std::to_string(buttons & 7) + " icon=" + std::to_string(buttons & 0x70));
    return FirstAnswer(buttons);
}

std::optional<std::string> SessionEnvironment::BrowseForFolder(const std::string& title,
                                                               const std::string& initialPath) {
    m_print("folderdialog title=" + Quote(title) + " initial=" + Quote(initialPath));
    std::optional<std::string> answer = std::move(m_folder);
    m_folder.reset();
    return answer;
}

void SessionEnvironment::CountUnanswered(const std::string& what) {
    if (m_formAnswers.empty() && ++m_nUnanswered > MaxUnansweredForms) {
        // Breaks the page's loop: the failure reaches the page's error trap.
        m_formFault = what + " was shown " + std::to_string(MaxUnansweredForms) + " times without an answer";
        throw AutomationError(err::InvalidCall, *m_formFault);
    }
}

void SessionEnvironment::ShowModal(Form& form) {
    const std::string name = form.Name().empty() ? form.Caption() : form.Name();
    CountUnanswered("the form " + name);
    form.Load();
    std::string line = "form " + name;
    // The texts the form asks for.
    for (const auto& control : form.Controls()) {
        const Variant value = control->CurrentValue();
        if (value.Type() == VarType::String) {
            line += " " + control->Name() + "=" + Quote(value.ToString());
        }
    }
    m_print(line);
    // Each answer is taken off the queue before it runs: a form it shows
    // (asking again) takes the answers that follow.
    while (!form.Unloaded() && !m_formAnswers.empty()) {
        const FormAnswer answer = std::move(m_formAnswers.front());
        m_formAnswers.pop_front();
        RunAnswer([&] { answer.run(form); });
        if (answer.closes) {
            break;
        }
    }
    if (!form.Unloaded()) {
        form.Unload();
    }
}

// Runs one queued answer; a fault it meets is kept for the script and drops
// the answers that follow.
void SessionEnvironment::RunAnswer(const std::function<void()>& run) {
    try {
        run();
    } catch (const ScriptError& e) {
        m_formFault = e.what();
    } catch (const AutomationError& e) {
        m_formFault = ErrorLine(e);
    }
    if (m_formFault) {
        m_formAnswers.clear();
    }
}

bool SessionEnvironment::RunDialog(PropertyDialog& dialog) {
    CountUnanswered("the dialog " + dialog.Name());
    m_print("dialog " + Quote(dialog.Name()));
    for (size_t i = 0; i < dialog.Tabs().size(); ++i) {
        const auto& tab = dialog.Tabs()[i];
        m_print("tab " + std::to_string(i + 1) + " " + tab.className + " " + Quote(tab.caption));
    }
    bool ok = false;
    while (dialog.Open() && !m_formAnswers.empty()) {
        const FormAnswer answer = std::move(m_formAnswers.front());
        m_formAnswers.pop_front();
        RunAnswer([&] {
            if (answer.closes && answer.ok) {
                const PropertyDialog::Outcome outcome = dialog.Ok();
                ok = outcome.done;
                m_print(ok ? "ok" : "refused " + outcome.refusedClass + " " + std::to_string(outcome.status));
            } else if (answer.closes) {
                dialog.Cancel();
                m_print("cancelled");
            } else {
                const auto& tabs = dialog.Tabs();
                const auto holder = std::find_if(tabs.begin(), tabs.end(), [&](const PropertyDialog::Tab& tab) {
                    return std::any_of(tab.page->Controls().begin(), tab.page->Controls().end(),
                                       [&](const auto& c) { return EqualsIgnoreCase(c->Name(), answer.control); });
                });
                if (holder == tabs.end()) {
                    throw ScriptError("no control " + answer.control + " on the dialog " + dialog.Name());
                }
                answer.run(*holder->page);
            }
        });
        if (answer.closes) {
            break;
        }
    }
    if (dialog.Open()) {
        // Closed as by its window's close control.
        dialog.Cancel();
        m_print("cancelled");
    }
    return ok;
}

std::optional<std::string> SessionEnvironment::TakeFormFault() {
    m_nUnanswered = 0;
    std::optional<std::string> fault = std::move(m_formFault);
    m_formFault.reset();
    return fault;
}

} // namespace vantor::host
