#pragma once
#include "host/PropertyDialog.hpp"
#include "vantor/ui/Environment.hpp"

#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace vantor::host {

// The environment of a scripted session: every message box, folder dialog,
// modal form and nested property dialog is printed as it happens. A message box takes its first button;
// a folder dialog takes the answer the script set (cancel when none); a modal
// form takes the answers the script queued for it, up to the one that closes
// it, and is then closed as by its window's close control if still open.
class SessionEnvironment : public Environment {
public:
    // One answer to a form: a user action on one of its controls, or a
    // closing one (OK or Cancel). It throws ScriptError or AutomationError
    // when the form cannot take it.
    struct FormAnswer {
        std::function<void(Form&)> run;
        bool closes = false;
        // How a property dialog takes it: the control acted on (empty for a
        // closing answer), looked for across the dialog's pages, and whether
        // a closing answer is OK.
        std::string control;
        bool ok = false;
    };

    explicit SessionEnvironment(std::function<void(const std::string&)> print)
        : m_print(std::move(print)) {}

    int32_t MessageBox(const std::string& prompt, int32_t buttons,
                       const std::string& title) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialPath) override;
    void ShowModal(Form& form) override;
    // Shows a property dialog of the host modally, printing it as `dialog`
    // does, and answers it with the queued form answers: actions on the
    // controls of its pages, then OK (which applies) or Cancel. Without a
    // closing answer, or when a page refuses OK, the dialog is cancelled.
    // True when it ended with OK.
    bool RunDialog(PropertyDialog& dialog);

    // The answer of the next folder dialog; nothing for cancel.
    void SetFolderAnswer(std::optional<std::string> folder) { m_folder = std::move(folder); }
    // Queues an answer for the next form shown.
    void QueueFormAnswer(FormAnswer answer) { m_formAnswers.push_back(std::move(answer)); }
    // Why a form could not take its answers, once; the answers queued after
    // the failing one are dropped. Asked after each command, which starts
    // the count of unanswered forms afresh.
    std::optional<std::string> TakeFormFault();

    // A page that shows a form again and again while the script gives no
    // answer (asking again after each refusal) is stopped after this many.
    static constexpr int MaxUnansweredForms = 100;

private:
    // Runs one queued answer, keeping its fault for the script.
    void RunAnswer(const std::function<void()>& run);

    // Refuses to show `what` once it was shown too often without an answer.
    void CountUnanswered(const std::string& what);

    std::function<void(const std::string&)> m_print;
    std::optional<std::string> m_folder;
    std::deque<FormAnswer> m_formAnswers;
    std::optional<std::string> m_formFault;
    int m_nUnanswered = 0;
};

} // namespace vantor::host
