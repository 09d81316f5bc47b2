#include "host/Session.hpp"

#include "host/DialogCatalogue.hpp"
#include "host/MemberPath.hpp"
#include "host/MergeCover.hpp"
#include "host/SessionCommands.hpp"
#include "host/Targets.hpp"
#include "model/Application.hpp"
#include "model/FileAssociation.hpp"
#include "model/Range.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/UndoHistory.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DefaultTargetList.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/ui/ActionRefused.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/ListItems.hpp"
#include "xlsx/WorkbookFile.hpp"

#include <algorithm>
#include <istream>
#include <ostream>

namespace vantor::host {

namespace {

// What `user CONTROL ACTION [ARG]` does to the control, by action. The
// actions by which a user types into, picks from or clicks a control give it
// the focus first, as a real focus change does.
struct UserAction {
    const char* name;
    bool takesArg;
    bool takesFocus;
    void (*run)(Control& control, const Token& arg);
};

const UserAction UserActions[] = {
    {"click", false, true, [](Control& c, const Token&) { c.UserClick(); }},
    {"select", true, true, [](Control& c, const Token& a) { c.UserSelect(NumberOf(a)); }},
    {"type", true, true, [](Control& c, const Token& a) { c.UserType(a.text); }},
    {"focus", false, true, [](Control&, const Token&) {}},
    {"leave", false, false,
     [](Control& c, const Token&) {
         if (!c.HasFocus()) {
             throw ScriptError(c.Name() + " does not have the focus");
         }
         if (!c.Leave()) {
             throw ScriptError(c.Name() + " refused to give up the focus");
         }
     }},
    {"value", true, true, [](Control& c, const Token& a) { c.UserSetValue(ValueOf(a)); }},
    {"pick", true, true,
     [](Control& c, const Token& a) {
         c.UserPickColor(!a.quoted && a.text == "auto" ? ColorSelBox::Automatic : NumberOf(a));
     }},
    {"border", true, false, [](Control& c, const Token& a) { c.UserClickBorder(NumberOf(a)); }},
    {"check", true, true, [](Control& c, const Token& a) { c.UserCheck(NumberOf(a)); }},
};

// The action of that name, refusing a wrong count of arguments.
const UserAction& FindUserAction(const std::string& name, size_t argCount) {
    const auto action = std::find_if(std::begin(UserActions), std::end(UserActions),
                                     [&](const UserAction& a) { return name == a.name; });
    if (action == std::end(UserActions)) {
        throw ScriptError("unknown action " + name);
    }
    if (action->takesArg != (argCount == 1)) {
        throw ScriptError("usage: user CONTROL " + name + (action->takesArg ? " ARG" : ""));
    }
    return *action;
}

// Acts on the control as the user does: the focus first, then the action.
void Perform(Control& control, const UserAction& action, const Token& arg) {
    if (action.takesFocus && control.Owner() != nullptr && !control.HasFocus()) {
        const Control* holder = control.Owner()->Focused();
        control.Focus();
        if (!control.HasFocus()) {
            throw ScriptError((holder != nullptr ? holder : &control)->Name() + " refused to give up the focus");
        }
    }
    try {
        action.run(control, arg);
    } catch (const ActionRefused&) {
        throw ScriptError(control.Kind() + " " + control.Name() + " cannot " + action.name);
    }
}

// Presses the button that Enter ("Default") or Esc ("Cancel") presses on the
// form, as the user clicks it. A form without a cancel button is closed as by
// its window's close control.
void PressButton(Form& form, const char* role) {
    for (const auto& control : form.Controls()) {
        if (control->Kind() == "CommandButton" && ObjectRef(control).Get(role).ToBool()) {
            Perform(*control, FindUserAction("click", 0), Token{});
            return;
        }
    }
    if (std::string_view(role) != "Cancel") {
        throw ScriptError("the form has no default button");
    }
    form.Unload();
}

} // namespace

Session::Session(std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_env([this](const std::string& line) { Print(line); }) {
    OpenWorkbook(Token{"empty"});
}

Session::~Session() {
    // The pages may still write to the log, which outlives them.
    m_pPage.reset();
    m_pDialog.reset();
}

void Session::OpenWorkbook(const Token& which, bool announce) {
    auto app = model::Application::Create();
    if (m_pOptions) {
        app->SetFileAssociation(m_pAssociation);
        m_pOptions->Load(ObjectRef(app));
    }
    std::string file;
    if (!which.quoted && which.text == "sample") {
        model::sample::AddSampleWorkbook(app);
    } else if (!which.quoted && which.text == "empty") {
        app->AddWorkbook("Book1");
    } else {
        xlsx::OpenWorkbook(app, which.text);
        file = which.text;
    }
    m_pPage.reset();
    m_pDialog.reset();
    m_pApp = app;
    m_strFile = file;
    m_strSelection = "A1";
    m_selectedSheets.clear();
    if (announce && !file.empty()) {
        Print("opened " + file);
    }
}

void Session::Save(const std::optional<Token>& file) {
    const std::string path = file ? file->text : m_strFile;
    if (path.empty()) {
        throw AutomationError(err::ApplicationDefined,
                              "The workbook has no file yet: save FILE.xlsx gives it one");
    }
    const std::string notice = xlsx::SaveWorkbook(*m_pApp->ActiveWorkbook(), path);
    m_strFile = path;
    Print("saved " + path);
    if (!notice.empty()) {
        m_err << "vantor: not carried through: " << notice;
    }
}

void Session::Print(const std::string& line) {
    FlushTrace();
    m_out << line << '\n';
}

void Session::FlushTrace() {
    if (m_bTrace) {
        for (const TraceEntry& entry : *m_pTrace) {
            m_out << TraceLine(entry) << '\n';
        }
    }
    m_pTrace->clear();
}

int Session::Run(std::istream& script) {
    std::string line;
    int lineNo = 0;
    for (LineRead read; (read = ReadLine(script, line)) != LineRead::End;) {
        ++lineNo;
        try {
            if (read == LineRead::TooLong) {
                throw ScriptError("the line is longer than 1 MiB");
            }
            Execute(line);
        } catch (const ScriptError& e) {
            FlushTrace();
            m_out.flush();
            m_err << "line " << lineNo << ": " << e.what() << '\n';
            return 2;
        }
    }
    FlushTrace();
    return 0;
}

void Session::Execute(const std::string& line) {
    const auto parsed = SplitLine(line);
    if (!parsed) {
        throw ScriptError("a quote is not closed");
    }
    if (parsed->empty() || (!parsed->front().quoted && parsed->front().text[0] == '#')) {
        return;
    }
    const std::string& name = parsed->front().text;
    const SessionCommand* command = FindSessionCommand(name);
    if (command == nullptr) {
        throw ScriptError("unknown command " + name);
    }
    const Args args(parsed->begin() + 1, parsed->end());
    if (!AcceptsCount(*command, args.size())) {
        throw ScriptError(UsageOf(*command));
    }
    try {
        command->run(*this, args);
    } catch (const AutomationError& e) {
        Print(ErrorLine(e));
    }
    // A form shown during the command that could not take its answers.
    if (const auto fault = m_env.TakeFormFault()) {
        throw ScriptError(*fault);
    }
    FlushTrace();
}

void Session::ActivateSheet(const std::string& name) {
    auto book = m_pApp->ActiveWorkbook();
    std::shared_ptr<model::Worksheet> sheet;
    try {
        sheet = book->Sheet(name);
    } catch (const AutomationError&) {
        // No sheet of that name: the command adds it (a bad name reports the
        // model's error and leaves the active sheet as it was).
        sheet = book->AddSheet(name);
    }
    book->ActivateSheet(sheet);
    m_selectedSheets.clear();
}

void Session::Select(const std::string& ref) {
    std::shared_ptr<model::Range> range;
    try {
        range = m_pApp->RangeOf(ref);
    } catch (const AutomationError&) {
        throw ScriptError("not a range: " + ref);
    }
    const model::CellRect covered = CoverMergeAreas(*range);
    if (covered == range->Rect()) {
        m_strSelection = ref;
        return;
    }
    // Grown over merge areas: said, as the user sees the selection grow.
    m_strSelection = ref.substr(0, ref.rfind('!') + 1) + model::FormatAddress(covered);
    Print("selected " + m_strSelection);
}

void Session::SelectSheets(const std::string& names) {
    std::vector<std::string> list;
    size_t start = 0;
    while (start <= names.size()) {
        const size_t comma = std::min(names.find(',', start), names.size());
        list.push_back(names.substr(start, comma - start));
        start = comma + 1;
    }
    for (const std::string& name : list) {
        try {
            m_pApp->ActiveWorkbook()->Sheet(name);
        } catch (const AutomationError&) {
            throw ScriptError("no sheet " + name);
        }
    }
    m_selectedSheets = list;
}

ObjectRef Session::Root(const std::string& target) {
    if (target == "book") {
        return ObjectRef(m_pApp->ActiveWorkbook());
    }
    if (target == "sheet") {
        return ObjectRef(m_pApp->ActiveSheet());
    }
    if (target == "app") {
        return ObjectRef(m_pApp);
    }
    if (target == "target") {
        const PropertyPage* page = CurrentPage();
        if (page->Target().IsNothing()) {
            throw ScriptError("the page has no target");
        }
        // The model's object itself: the session's own reads are not traced.
        const auto traced = page->Target().As<TracingObject>();
        return traced ? traced->Inner() : page->Target();
    }
    try {
        return ObjectRef(m_pApp->RangeOf(target));
    } catch (const AutomationError&) {
        throw ScriptError("not a target: " + target);
    }
}

void Session::SetValue(const std::string& target, const std::string& path, const Variant& value) {
    const ObjectRef root = Root(target);
    WritePath(root, path, value);
    // A range keeps writes until "Apply": a host's write takes effect at once,
    // without counting as a page's apply (which would change "ApplyCache").
    if (const auto range = root.As<model::Range>()) {
        range->Commit();
    }
}

void Session::GetValue(const std::string& target, const std::string& path) {
    Print(target + " " + path + " = " + FormatValue(ReadPath(Root(target), path)));
}

std::shared_ptr<TargetList> Session::Targets(TargetKind kind) {
    // Always traced: `trace on` shows the accesses of pages opened before it.
    return TargetsFor(m_pApp, kind, m_strSelection, m_selectedSheets, m_pTrace);
}

void Session::OpenPage(const std::string& className) {
    const ClassInfo* info = ClassTable::Find(className);
    if (info == nullptr || !info->create) {
        throw ScriptError(info == nullptr ? "no page " + className
                                          : info->name + " is not available in this build");
    }
    std::shared_ptr<LibraryObject> object = ClassTable::Create(className);
    auto dialogPage = std::dynamic_pointer_cast<DialogPage>(object);
    auto page = std::dynamic_pointer_cast<PropertyPage>(object);
    if (dialogPage == nullptr && page == nullptr) {
        // The font preview control is a class of the library but no page.
        throw ScriptError(info->name + " is not a page");
    }
    m_pPage.reset();
    std::string caption;
    if (dialogPage != nullptr) {
        m_pPage = object;
        dialogPage->SetSite(m_pDialogSite);
        // The model's own object, untraced: the dialog hands it back to the
        // model ("Styles.Add" takes the range), which knows no tracing wrapper.
        const auto param = TargetsFor(m_pApp, DialogCatalogue::ParamOf(info->name),
                                      m_strSelection, m_selectedSheets);
        if (param->Count() > 0) {
            dialogPage->SetParam(param->Item(0));
        }
        dialogPage->GetCaption(caption);
    } else {
        m_pSite = std::make_shared<PageSite>([this] { ++m_nModified; });
        m_pPage = object;
        page->SetSite(ObjectRef(m_pSite));
        page->SetTargets(Targets(DialogCatalogue::TargetOf(info->name)));
        page->GetCaption(caption);
    }
    Print("opened " + info->name + " " + Quote(caption));
}

void Session::OpenDialog(const std::string& name) {
    const CatalogueDialog* dialog = DialogCatalogue::Find(name);
    if (dialog == nullptr) {
        throw ScriptError("no dialog " + name);
    }
    // The dialog opened last is the one the script speaks to: a page still
    // open alone would otherwise take its commands.
    m_pPage.reset();
    m_pSite.reset();
    m_pDialog.reset();
    std::vector<std::string> pages;
    for (const std::string& className : dialog->pages) {
        if (ClassTable::Find(className)->create) {
            pages.push_back(className);
        } else {
            Print("unavailable " + className);
        }
    }
    PropertyDialog::Hooks hooks{
        [this](const std::string& undoName) { m_pApp->BeginUndoGroup(undoName); },
        [this, target = dialog->target] {
            m_pApp->EndUndoGroup();
            if (m_pOptions && target == TargetKind::Application) {
                m_pOptions->Save(ObjectRef(m_pApp));
            }
        },
        [this] { ++m_nModified; }};
    m_pDialog =
        std::make_unique<PropertyDialog>(dialog->name, pages, Targets(dialog->target), hooks);
    m_nTab = 0;
    for (size_t i = 0; i < m_pDialog->Tabs().size(); ++i) {
        const auto& tab = m_pDialog->Tabs()[i];
        Print("tab " + std::to_string(i + 1) + " " + tab.className + " " + Quote(tab.caption));
    }
}

void Session::ChooseTab(const Token& which) {
    if (m_pDialog == nullptr) {
        throw ScriptError("no dialog is open");
    }
    const auto& tabs = m_pDialog->Tabs();
    const auto number = ParseValue(which);
    for (size_t i = 0; i < tabs.size(); ++i) {
        const bool byNumber = number && number->Type() == VarType::Long &&
                              number->ToLong() == static_cast<int32_t>(i + 1);
        if (byNumber || (!which.quoted && EqualsIgnoreCase(tabs[i].className, which.text))) {
            m_nTab = i;
            return;
        }
    }
    throw ScriptError("no tab " + which.text);
}

void Session::ClosePage() {
    if (m_pPage == nullptr) {
        throw ScriptError("no page is open");
    }
    m_pPage.reset();
    m_pSite.reset();
    Print("closed");
}

void Session::Reset() {
    if (DialogPage* dialogPage = CurrentDialogPage()) {
        dialogPage->OnReset();
    } else {
        CurrentPage()->OnReset();
    }
}

void Session::Validate() {
    DialogPage* dialogPage = CurrentDialogPage();
    Print("validate " + std::to_string(dialogPage != nullptr ? dialogPage->ValidateData()
                                                             : CurrentPage()->ValidateData()));
}

void Session::Apply() {
    if (m_pPage == nullptr && m_pDialog != nullptr) {
        const PropertyDialog::Outcome outcome = m_pDialog->Apply();
        Print(outcome.done
                  ? "applied"
                  : "refused " + outcome.refusedClass + " " + std::to_string(outcome.status));
        return;
    }
    if (DialogPage* dialogPage = CurrentDialogPage()) {
        const int32_t status = dialogPage->ValidateData();
        if (status == 0) {
            dialogPage->OnApply();
        }
        Print(status == 0 ? "applied" : "refused " + std::to_string(status));
        return;
    }
    PropertyPage* page = CurrentPage();
    const int32_t status = page->ValidateData();
    if (status != 0) {
        Print("refused " + std::to_string(status));
        return;
    }
    m_pApp->BeginUndoGroup(page->ClassName());
    page->OnApply();
    m_pApp->EndUndoGroup();
    Print("applied");
}

void Session::SendEvent(int32_t id) {
    // The dialog-style pages and the application options page have no
    // OnPageUserEvent in their interface.
    PropertyPage* page = CurrentDialogPage() != nullptr ? nullptr : CurrentPage();
    if (page == nullptr || page->ClassName() == "AppProp") {
        Print(ErrorLine(AutomationError(err::NotSupported)));
        return;
    }
    Variant param;
    Print("event " + std::to_string(id) + " status " +
          std::to_string(page->OnPageUserEvent(id, param)));
}

void Session::PressOk() {
    if (m_pDialog == nullptr) {
        throw ScriptError("no dialog is open");
    }
    const PropertyDialog::Outcome outcome = m_pDialog->Ok();
    if (outcome.done) {
        m_pDialog.reset();
        Print("ok");
    } else {
        Print("refused " + outcome.refusedClass + " " + std::to_string(outcome.status));
    }
}

void Session::PressCancel() {
    if (m_pDialog == nullptr) {
        throw ScriptError("no dialog is open");
    }
    m_pDialog.reset();
    Print("cancelled");
}

PropertyPage* Session::CurrentPage() const {
    if (auto page = std::dynamic_pointer_cast<PropertyPage>(m_pPage)) {
        return page.get();
    }
    if (m_pDialog != nullptr && m_nTab < m_pDialog->Tabs().size()) {
        return m_pDialog->Tabs()[m_nTab].page.get();
    }
    throw ScriptError("no page is open");
}

DialogPage* Session::CurrentDialogPage() const {
    return dynamic_cast<DialogPage*>(m_pPage.get());
}

Form& Session::CurrentForm() const {
    if (DialogPage* dialogPage = CurrentDialogPage()) {
        return *dialogPage;
    }
    return *CurrentPage();
}

Control& Session::ControlOf(const std::string& name) const {
    Form& form = CurrentForm();
    try {
        return form.Control(name);
    } catch (const AutomationError&) {
        throw ScriptError("no control " + name);
    }
}

void Session::User(const Args& args) {
    Control& control = ControlOf(args[0].text);
    Perform(control, FindUserAction(args[1].text, args.size() - 2),
            args.size() == 3 ? args[2] : Token{});
}

void Session::AnswerForm(const Args& args) {
    if (args.size() == 1) {
        if (args[0].text != "ok" && args[0].text != "cancel") {
            throw ScriptError("usage: form ok|cancel or form CONTROL ACTION [ARG]");
        }
        const char* role = args[0].text == "ok" ? "Default" : "Cancel";
        m_env.QueueFormAnswer({[role](Form& form) { PressButton(form, role); }, true, "", args[0].text == "ok"});
        return;
    }
    const UserAction& action = FindUserAction(args[1].text, args.size() - 2);
    m_env.QueueFormAnswer({[&action, name = args[0].text,
                            arg = args.size() == 3 ? args[2] : Token{}](Form& form) {
        Control* control = nullptr;
        try {
            control = &form.Control(name);
        } catch (const AutomationError&) {
            throw ScriptError("no control " + name + " on the form " + form.Name());
        }
        Perform(*control, action, arg);
    }, false, args[0].text});
}

void Session::Show(const std::string& name) {
    if (name == "page") {
        for (const auto& control : CurrentForm().Controls()) {
            Show(control->Name());
        }
        return;
    }
    const Control& control = ControlOf(name);
    ControlDescription description(FormatValue);
    control.Describe(description);
    description.Add("enabled", Variant(control.Enabled()));
    description.Add("visible", Variant(control.Visible()));
    if (!control.TabStop()) {
        description.Add("tabstop", Variant(false));
    }
    description.Add("focus", Variant(control.HasFocus()));
    Print(control.Name() + " " + control.Kind() + description.Text());
}

void Session::List(const std::string& name) {
    const Control& control = ControlOf(name);
    const ListItems* items = control.Items();
    if (items == nullptr) {
        throw ScriptError(control.Kind() + " " + name + " has no items");
    }
    for (int32_t i = 0; i < items->Count(); ++i) {
        Print(std::to_string(i) + "\t" + items->Text(i) + "\t" + std::to_string(items->Data(i)));
    }
}

void Session::EndDialogCalls() {
    const auto calls = m_pDialogSite->TakeCalls();
    if (calls.empty()) {
        Print("enddialog none");
    }
    for (const auto& [result, answer] : calls) {
        Print("enddialog " + std::to_string(result) + " " + FormatValue(answer));
    }
}

void Session::DialogEnded(int32_t result) {
    const Variant& answer = m_pDialogSite->Calls().back().second;
    if (result == DialogSite::ResultOk && answer.Type() == VarType::String) {
        const auto book = m_pApp->ActiveWorkbook();
        book->ActivateSheet(book->Sheet(answer.ToString()));
        m_selectedSheets.clear();
    }
}

int32_t Session::ShowHostDialog(const std::string& name, const Variant& target) {
    // The one dialog a dialog-style page asks for: Format Cells over a named
    // style (the cell styles dialog's Modify), with the pages of the formats
    // a style holds.
    if (!EqualsIgnoreCase(name, "Format Cells") || !target.IsObject()) {
        throw AutomationError(err::InvalidCall, "This host has no dialog " + name);
    }
    const model::UndoHistory::Scope group(*m_pApp->History(), "Modify Style");
    PropertyDialog::Hooks hooks{[this](const std::string& step) { m_pApp->BeginUndoGroup(step); },
                                [this] { m_pApp->EndUndoGroup(); },
                                [this] { ++m_nModified; }};
    PropertyDialog dialog(name, DialogCatalogue::StylePages(),
                          std::make_shared<DefaultTargetList>(std::vector<Variant>{target}), hooks);
    return m_env.RunDialog(dialog) ? DialogSite::ResultOk : DialogSite::ResultCancel;
}

void Session::Passwords() {
    auto* dialog = dynamic_cast<SheetProtectPass*>(CurrentDialogPage());
    if (dialog == nullptr) {
        throw ScriptError("the open page is not SheetProtectPass");
    }
    Variant oldPassword, newPassword, verify;
    dialog->GetPasswords(oldPassword, newPassword, verify);
    Print("passwords old=" + FormatValue(oldPassword) + " new=" + FormatValue(newPassword) +
          " verify=" + FormatValue(verify));
}

void Session::UndoOrRedo(bool undo) {
    if (undo ? !m_pApp->CanUndo() : !m_pApp->CanRedo()) {
        Print(undo ? "nothing to undo" : "nothing to redo");
        return;
    }
    undo ? m_pApp->Undo() : m_pApp->Redo();
    Print(undo ? "undone" : "redone");
}

void Session::Trace(const std::string& onOff) {
    if (onOff != "on" && onOff != "off") {
        throw ScriptError("usage: trace on|off");
    }
    FlushTrace();
    m_bTrace = onOff == "on";
}

void Session::ShowLog() {
    for (const std::string& line : m_log.NewLines()) {
        Print("log: " + line);
    }
}

void Session::ShowModified() {
    Print("modified " + std::to_string(m_nModified));
    m_nModified = 0;
}

} // namespace vantor::host
