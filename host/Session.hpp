#pragma once
#include "host/DialogCatalogue.hpp"
#include "host/HostDialogSite.hpp"
#include "host/OptionsStore.hpp"
#include "host/PageSite.hpp"
#include "host/PropertyDialog.hpp"
#include "host/SessionEnvironment.hpp"
#include "host/SessionLog.hpp"
#include "host/SessionText.hpp"
#include "vantor/automation/TracingObject.hpp"
#include "vantor/framework/PropertyPage.hpp"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor::model {
class Application;
class FileAssociation;
}

namespace vantor {
class DialogPage;
}

namespace vantor::host {

// Runs a session script against the embedded model: one command a line, as
// the README describes. Output goes to `out` in the order it happens; a
// script error goes to `err` and ends the session with status 2.
class Session {
public:
    using ScriptError = host::ScriptError;
    using Args = std::vector<Token>;

    Session(std::ostream& out, std::ostream& err);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Each new application takes the stored options, keeps them when an
    // application dialog applies, and reaches the desktop's association.
    void UseStoredOptions(std::shared_ptr<OptionsStore> options,
                          std::shared_ptr<model::FileAssociation> association) {
        m_pOptions = std::move(options);
        m_pAssociation = std::move(association);
    }
    // Starts over on the sample workbook, an empty one or a workbook file
    // (a quoted name is always a file), printing "opened FILE" for a file
    // when `announce`. A file that cannot be opened raises its error and the
    // workbook that was open stays.
    void OpenWorkbook(const Token& which, bool announce = true);
    // Saves the workbook to the file, or to its own file without one (1004
    // when it has none yet), and prints "saved FILE".
    void Save(const std::optional<Token>& file);
    void SetTrace(bool on) { m_bTrace = on; }

    // Runs the script to its end or its first script error: 0 or 2.
    int Run(std::istream& script);
    // Runs one line by the command table; throws ScriptError.
    void Execute(const std::string& line);

    const std::shared_ptr<model::Application>& App() const { return m_pApp; }

    // What the commands do (see SessionCommands), with their arguments read.
    void ActivateSheet(const std::string& name);
    void Select(const std::string& ref);
    void SelectSheets(const std::string& names);
    void SetValue(const std::string& target, const std::string& path, const Variant& value);
    void GetValue(const std::string& target, const std::string& path);
    void Trace(const std::string& onOff);
    void OpenDialog(const std::string& name);
    // A tab by its number (from 1) or its class.
    void ChooseTab(const Token& which);
    void OpenPage(const std::string& className);
    void ClosePage();
    // `user CONTROL ACTION [ARG]`.
    void User(const Args& args);
    void Show(const std::string& name);
    void List(const std::string& name);
    // The answer of the next folder dialog; nothing for cancel.
    void AnswerFolder(std::optional<std::string> folder) {
        m_env.SetFolderAnswer(std::move(folder));
    }
    // Queues an answer of the next modal form: `ok`, `cancel`, or a user
    // action on one of its controls (`CONTROL ACTION [ARG]`).
    void AnswerForm(const Args& args);
    void Reset();
    void Validate();
    void Apply();
    void SendEvent(int32_t id);
    void PressOk();
    void PressCancel();
    void EndDialogCalls();
    void Passwords();
    void ShowModified();
    void ShowLog();
    void UndoOrRedo(bool undo);

private:
    void Print(const std::string& line);
    void FlushTrace();
    // A dialog-style page ended its dialog: OK with a sheet's name (the sheet
    // choice) makes that sheet active.
    void DialogEnded(int32_t result);
    // A dialog-style page asks for a dialog of the host: answered from the
    // script's queued form answers. -1 for OK, -2 otherwise.
    int32_t ShowHostDialog(const std::string& name, const Variant& target);

    // A range, "book", "sheet", "app" or "target" (the page's).
    ObjectRef Root(const std::string& target);
    // The page that `user`, `show`, `reset` and `validate` address.
    PropertyPage* CurrentPage() const;
    // The dialog-style page opened alone, or null.
    DialogPage* CurrentDialogPage() const;
    Form& CurrentForm() const;
    Control& ControlOf(const std::string& name) const;
    // The targets a page of that kind gets, traced when tracing is on.
    std::shared_ptr<TargetList> Targets(TargetKind kind);

    std::ostream& m_out;
    std::ostream& m_err;
    SessionEnvironment m_env;
    EnvironmentScope m_scope{m_env};
    // Before the pages, which write to it, and after them.
    SessionLog m_log;

    std::shared_ptr<model::Application> m_pApp;
    // The file the workbook was opened from or last saved to; empty for none.
    std::string m_strFile;
    std::shared_ptr<OptionsStore> m_pOptions;
    std::shared_ptr<model::FileAssociation> m_pAssociation;
    std::string m_strSelection = "A1";
    std::vector<std::string> m_selectedSheets;

    bool m_bTrace = false;
    // The accesses not printed yet; kept with tracing off too, and dropped.
    std::shared_ptr<TraceLog> m_pTrace = std::make_shared<TraceLog>();

    // A page opened alone (a property page or a dialog-style page).
    std::shared_ptr<LibraryObject> m_pPage;
    std::shared_ptr<PageSite> m_pSite;
    std::shared_ptr<HostDialogSite> m_pDialogSite = std::make_shared<HostDialogSite>(
        [this](int32_t result) { DialogEnded(result); },
        [this](const std::string& name, const Variant& target) { return ShowHostDialog(name, target); });
    // An open dialog and its chosen tab.
    std::unique_ptr<PropertyDialog> m_pDialog;
    size_t m_nTab = 0;
    int m_nModified = 0;
};

} // namespace vantor::host
