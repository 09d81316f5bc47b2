#include "host/Session.hpp"

#include "host/DialogCatalogue.hpp"
#include "host/HostTargetList.hpp"
#include "host/HostVariantConverter.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/SheetSelection.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/LibraryInfo.hpp"
#include "vantor/ui/ActionRefused.hpp"
#include "vantor/ui/ColorSelBox.hpp"
#include "vantor/ui/ControlDescription.hpp"
#include "vantor/ui/ListItems.hpp"

#include <cstdlib>
#include <fstream>
#include <istream>
#include <ostream>

namespace vantor::host {

namespace {

using Segment = std::pair<std::string, std::vector<Variant>>;

std::string Bool(bool b) {
    return b ? "True" : "False";
}

// "Borders(8).LineStyle" as segments with their arguments.
std::vector<Segment> ParsePath(const std::string& path) {
    std::vector<Segment> segments;
    size_t i = 0;
    while (i <= path.size()) {
        Segment segment;
        while (i < path.size() && path[i] != '.' && path[i] != '(') {
            segment.first += path[i++];
        }
        if (segment.first.empty()) {
            throw Session::ScriptError("bad member path " + path);
        }
        if (i < path.size() && path[i] == '(') {
            const size_t close = path.find(')', i);
            if (close == std::string::npos) {
                throw Session::ScriptError("bad member path " + path);
            }
            const auto tokens = SplitLine(path.substr(i + 1, close - i - 1));
            std::string inner = path.substr(i + 1, close - i - 1);
            size_t start = 0;
            while (start <= inner.size() && !inner.empty()) {
                size_t comma = inner.find(',', start);
                if (comma == std::string::npos) {
                    comma = inner.size();
                }
                const auto argTokens = SplitLine(inner.substr(start, comma - start));
                if (!argTokens || argTokens->size() != 1) {
                    throw Session::ScriptError("bad member path " + path);
                }
                const auto value = ParseValue((*argTokens)[0]);
                if (!value) {
                    throw Session::ScriptError("bad value in " + path);
                }
                segment.second.push_back(*value);
                start = comma + 1;
            }
            i = close + 1;
        }
        segments.push_back(std::move(segment));
        if (i < path.size() && path[i] != '.') {
            throw Session::ScriptError("bad member path " + path);
        }
        if (i >= path.size()) {
            break;
        }
        ++i;
    }
    return segments;
}

// A member that does not exist is a script error; other failures are the
// object's own and are printed.
Variant Access(const ObjectRef& object, const std::string& member, InvokeKind kind,
               std::span<const Variant> args) {
    try {
        return object.Invoke(member, kind, args);
    } catch (const AutomationError& e) {
        if (e.Number() == err::NotSupported) {
            throw Session::ScriptError("no member " + member);
        }
        throw;
    }
}

// The object one segment leads to: the member, then its item for arguments.
Variant Step(const ObjectRef& object, const Segment& segment) {
    Variant value = Access(object, segment.first, InvokeKind::Get, {});
    if (!segment.second.empty()) {
        value = Access(value.ToObject(), "Item", InvokeKind::Get, segment.second);
    }
    return value;
}

ObjectRef Untraced(const ObjectRef& object) {
    if (const auto traced = object.As<TracingObject>()) {
        return traced->Inner();
    }
    return object;
}

std::string TraceLine(const TraceEntry& e) {
    const size_t indexCount =
        e.kind == InvokeKind::Put && !e.args.empty() ? e.args.size() - 1 : e.args.size();
    std::string args;
    for (size_t i = 0; i < indexCount; ++i) {
        args += (i ? "," : "") + FormatValue(e.args[i]);
    }
    std::string line;
    switch (e.kind) {
    case InvokeKind::Get:
        line = "get " + e.path + (indexCount ? "(" + args + ")" : "");
        return line + " -> " +
               (e.error ? "error " + std::to_string(e.error) : FormatValue(e.result));
    case InvokeKind::Put:
        line = "put " + e.path + (indexCount ? "(" + args + ")" : "") + " = " +
               (e.args.empty() ? std::string("Empty") : FormatValue(e.args.back()));
        break;
    case InvokeKind::Call:
        line = "call " + e.path + "(" + args + ")";
        break;
    }
    return e.error ? line + " -> error " + std::to_string(e.error) : line;
}

std::string ErrorLine(const AutomationError& e) {
    return "error " + std::to_string(e.Number()) + ": " + e.Description();
}

} // namespace

Session::Session(std::ostream& out, std::ostream& err)
    : m_out(out), m_err(err), m_env([this](const std::string& line) { Print(line); }) {
    HostVariantConverter::Install();
    const char* dir = std::getenv(LogVariable);
    if (dir == nullptr) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vantor-session-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_logDir = pattern;
            m_bOwnLogDir = true;
            ::setenv(LogVariable, m_logDir.c_str(), 1);
        }
    } else if (*dir != '\0') {
        m_logDir = dir;
        std::error_code ignored;
        m_nLogRead = std::filesystem::file_size(
            m_logDir / (std::string(library::ProductName) + ".log"), ignored);
        if (ignored) {
            m_nLogRead = 0;
        }
    }
    OpenWorkbook("empty");
}

Session::~Session() {
    m_pPage.reset();
    m_pDialog.reset();
    if (m_bOwnLogDir) {
        ::unsetenv(LogVariable);
        std::error_code ignored;
        std::filesystem::remove_all(m_logDir, ignored);
    }
}

void Session::OpenWorkbook(const std::string& kind) {
    if (kind != "sample" && kind != "empty") {
        throw ScriptError("no workbook " + kind + " (sample or empty)");
    }
    m_pPage.reset();
    m_pDialog.reset();
    m_pApp = model::Application::Create();
    if (kind == "sample") {
        model::sample::AddSampleWorkbook(m_pApp);
    } else {
        m_pApp->AddWorkbook("Book1");
    }
    m_strSelection = "A1";
    m_selectedSheets.clear();
}

void Session::Print(const std::string& line) {
    FlushTrace();
    m_out << line << '\n';
}

void Session::FlushTrace() {
    for (; m_nTracePrinted < m_pTrace->size(); ++m_nTracePrinted) {
        if (m_bTrace) {
            m_out << TraceLine((*m_pTrace)[m_nTracePrinted]) << '\n';
        }
    }
}

int Session::Run(std::istream& script) {
    std::string line;
    int lineNo = 0;
    while (std::getline(script, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        try {
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
    const std::vector<Token>& t = *parsed;
    if (t.empty() || (!t[0].quoted && t[0].text[0] == '#')) {
        return;
    }
    const std::string& cmd = t[0].text;
    auto expect = [&](size_t count, const char* usage) {
        if (t.size() != count + 1) {
            throw ScriptError(std::string("usage: ") + usage);
        }
    };
    auto value = [&](const Token& token) {
        const auto v = ParseValue(token);
        if (!v) {
            throw ScriptError("not a value: " + token.text);
        }
        return *v;
    };
    try {
        if (cmd == "workbook") {
            expect(1, "workbook sample|empty");
            OpenWorkbook(t[1].text);
        } else if (cmd == "sheet") {
            expect(1, "sheet NAME");
            auto book = m_pApp->ActiveWorkbook();
            auto sheet = book->Sheet(t[1].text);
            if (sheet == nullptr) {
                sheet = book->AddSheet(t[1].text);
            }
            book->ActivateSheet(sheet);
            m_selectedSheets.clear();
        } else if (cmd == "select") {
            expect(1, "select REF");
            Select(t[1].text);
        } else if (cmd == "sheets") {
            expect(1, "sheets NAME,NAME");
            SelectSheets(t[1].text);
        } else if (cmd == "set") {
            expect(3, "set TARGET PATH VALUE");
            SetValue(t[1].text, t[2].text, value(t[3]));
        } else if (cmd == "get") {
            expect(2, "get TARGET PATH");
            GetValue(t[1].text, t[2].text);
        } else if (cmd == "open") {
            expect(1, "open CLASS");
            OpenPage(t[1].text);
        } else if (cmd == "close") {
            expect(0, "close");
            ClosePage();
        } else if (cmd == "reset") {
            expect(0, "reset");
            if (DialogPage* dialogPage = CurrentDialogPage()) {
                dialogPage->OnReset();
            } else {
                CurrentPage()->OnReset();
            }
        } else if (cmd == "validate") {
            expect(0, "validate");
            DialogPage* dialogPage = CurrentDialogPage();
            Print("validate " + std::to_string(dialogPage != nullptr
                                                   ? dialogPage->ValidateData()
                                                   : CurrentPage()->ValidateData()));
        } else if (cmd == "apply") {
            expect(0, "apply");
            Apply();
        } else if (cmd == "event") {
            expect(1, "event N");
            const int32_t id = value(t[1]).ToLong();
            // The dialog-style pages and the application options page have no
            // OnPageUserEvent in their interface.
            PropertyPage* page = CurrentDialogPage() != nullptr ? nullptr : CurrentPage();
            if (page == nullptr || page->ClassName() == "AppProp") {
                Print(ErrorLine(AutomationError(err::NotSupported)));
            } else {
                Variant param;
                Print("event " + std::to_string(id) + " status " +
                      std::to_string(page->OnPageUserEvent(id, param)));
            }
        } else if (cmd == "dialog") {
            expect(1, "dialog NAME");
            OpenDialog(t[1].text);
        } else if (cmd == "tab") {
            expect(1, "tab I|CLASS");
            ChooseTab(t[1]);
        } else if (cmd == "ok" || cmd == "cancel") {
            expect(0, cmd.c_str());
            if (m_pDialog == nullptr) {
                throw ScriptError("no dialog is open");
            }
            if (cmd == "cancel") {
                m_pDialog.reset();
                Print("cancelled");
                return;
            }
            const PropertyDialog::Outcome outcome = m_pDialog->Ok();
            if (outcome.done) {
                m_pDialog.reset();
                Print("ok");
            } else {
                Print("refused " + outcome.refusedClass + " " + std::to_string(outcome.status));
            }
        } else if (cmd == "user") {
            if (t.size() < 3 || t.size() > 4) {
                throw ScriptError("usage: user CONTROL ACTION [ARG]");
            }
            User(t);
        } else if (cmd == "show") {
            expect(1, "show CONTROL|page");
            Show(t[1].text);
        } else if (cmd == "list") {
            expect(1, "list CONTROL");
            List(t[1].text);
        } else if (cmd == "browse") {
            expect(1, "browse \"PATH\"|cancel");
            if (!t[1].quoted && t[1].text == "cancel") {
                m_env.SetFolderAnswer(std::nullopt);
            } else {
                m_env.SetFolderAnswer(t[1].text);
            }
        } else if (cmd == "enddialog") {
            expect(0, "enddialog");
            const auto calls = m_pDialogSite->TakeCalls();
            if (calls.empty()) {
                Print("enddialog none");
            }
            for (const auto& [result, answer] : calls) {
                Print("enddialog " + std::to_string(result) + " " + FormatValue(answer));
            }
        } else if (cmd == "passwords") {
            expect(0, "passwords");
            auto* dialog = dynamic_cast<SheetProtectPass*>(CurrentDialogPage());
            if (dialog == nullptr) {
                throw ScriptError("the open page is not SheetProtectPass");
            }
            Variant oldPassword, newPassword, verify;
            dialog->GetPasswords(oldPassword, newPassword, verify);
            Print("passwords old=" + FormatValue(oldPassword) + " new=" + FormatValue(newPassword) +
                  " verify=" + FormatValue(verify));
        } else if (cmd == "modified") {
            expect(0, "modified");
            Print("modified " + std::to_string(m_nModified));
            m_nModified = 0;
        } else if (cmd == "log") {
            expect(0, "log");
            ShowLog();
        } else if (cmd == "undo" || cmd == "redo") {
            expect(0, cmd.c_str());
            const bool undo = cmd == "undo";
            if (undo ? !m_pApp->CanUndo() : !m_pApp->CanRedo()) {
                Print(undo ? "nothing to undo" : "nothing to redo");
                return;
            }
            undo ? m_pApp->Undo() : m_pApp->Redo();
            Print(undo ? "undone" : "redone");
        } else if (cmd == "trace") {
            expect(1, "trace on|off");
            if (t[1].text != "on" && t[1].text != "off") {
                throw ScriptError("usage: trace on|off");
            }
            FlushTrace();
            m_bTrace = t[1].text == "on";
        } else {
            throw ScriptError("unknown command " + cmd);
        }
    } catch (const AutomationError& e) {
        Print(ErrorLine(e));
    }
    FlushTrace();
}

void Session::Select(const std::string& ref) {
    try {
        m_pApp->RangeOf(ref);
    } catch (const AutomationError&) {
        throw ScriptError("not a range: " + ref);
    }
    m_strSelection = ref;
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
        if (m_pApp->ActiveWorkbook()->Sheet(name) == nullptr) {
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
        return Untraced(page->Target());
    }
    try {
        return ObjectRef(m_pApp->RangeOf(target));
    } catch (const AutomationError&) {
        throw ScriptError("not a target: " + target);
    }
}

void Session::SetValue(const std::string& target, const std::string& path, const Variant& value) {
    const ObjectRef root = Root(target);
    const std::vector<Segment> segments = ParsePath(path);
    ObjectRef object = root;
    for (size_t i = 0; i + 1 < segments.size(); ++i) {
        Variant next = Step(object, segments[i]);
        // Writing a note's text where a cell has none creates the note.
        if (next.IsNothing() && EqualsIgnoreCase(segments[i].first, "Comment") &&
            object.As<model::Range>()) {
            Access(object, "AddComment", InvokeKind::Call, std::vector<Variant>{Variant("")});
            next = Step(object, segments[i]);
        }
        object = next.ToObject();
    }
    std::vector<Variant> args = segments.back().second;
    args.push_back(value);
    Access(object, segments.back().first, InvokeKind::Put, args);
    // A range keeps writes until "Apply": a host's write takes effect at once.
    if (root.As<model::Range>()) {
        root.Call("Apply");
    }
}

void Session::GetValue(const std::string& target, const std::string& path) {
    ObjectRef object = Root(target);
    const std::vector<Segment> segments = ParsePath(path);
    Variant value;
    for (size_t i = 0; i < segments.size(); ++i) {
        value = Step(object, segments[i]);
        if (i + 1 < segments.size()) {
            object = value.ToObject();
        }
    }
    Print(target + " " + path + " = " + FormatValue(value));
}

std::shared_ptr<TargetList> Session::TargetsFor(int targetKind) {
    Variant target;
    switch (static_cast<TargetKind>(targetKind)) {
    case TargetKind::Selection:
        target = Variant(m_pApp->RangeOf(m_strSelection));
        break;
    case TargetKind::Workbook:
        target = Variant(m_pApp->ActiveWorkbook());
        break;
    case TargetKind::Sheets: {
        const auto book = m_pApp->ActiveWorkbook();
        target = Variant(book->SelectSheets(
            m_selectedSheets.empty() ? std::vector<std::string>{m_pApp->ActiveSheet()->Name()}
                                     : m_selectedSheets));
        break;
    }
    case TargetKind::Application:
        target = Variant(m_pApp);
        break;
    case TargetKind::None:
        return std::make_shared<HostTargetList>(std::vector<Variant>{});
    }
    if (m_bTrace) {
        target = Variant(TracingObject::Wrap(target.ToObject(), m_pTrace));
    }
    return std::make_shared<HostTargetList>(std::vector<Variant>{target});
}

void Session::OpenPage(const std::string& className) {
    const ClassInfo* info = ClassTable::Find(className);
    if (info == nullptr || !info->create) {
        throw ScriptError(info == nullptr ? "no page " + className
                                          : info->name + " is not available in this build");
    }
    m_pPage.reset();
    std::shared_ptr<LibraryObject> object = ClassTable::Create(className);
    if (auto dialogPage = std::dynamic_pointer_cast<DialogPage>(object)) {
        m_pPage = object;
        dialogPage->SetSite(m_pDialogSite);
        std::string caption;
        dialogPage->GetCaption(caption);
        Print("opened " + info->name + " " + Quote(caption));
        return;
    }
    auto page = std::dynamic_pointer_cast<PropertyPage>(object);
    m_pSite = std::make_shared<PageSite>([this] { ++m_nModified; });
    m_pPage = object;
    page->SetSite(ObjectRef(m_pSite));
    page->SetTargets(TargetsFor(static_cast<int>(DialogCatalogue::TargetOf(info->name))));
    std::string caption;
    page->GetCaption(caption);
    Print("opened " + info->name + " " + Quote(caption));
}

void Session::OpenDialog(const std::string& name) {
    const CatalogueDialog* dialog = DialogCatalogue::Find(name);
    if (dialog == nullptr) {
        throw ScriptError("no dialog " + name);
    }
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
        [this] { m_pApp->EndUndoGroup(); }, [this] { ++m_nModified; }};
    m_pDialog = std::make_unique<PropertyDialog>(
        dialog->name, pages, TargetsFor(static_cast<int>(dialog->target)), hooks);
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

void Session::User(const std::vector<Token>& t) {
    Control* control = nullptr;
    try {
        control = &CurrentForm().Control(t[1].text);
    } catch (const AutomationError&) {
        throw ScriptError("no control " + t[1].text);
    }
    const std::string& action = t[2].text;
    const bool hasArg = t.size() == 4;
    auto needArg = [&](bool need) {
        if (need != hasArg) {
            throw ScriptError("usage: user CONTROL " + action + (need ? " ARG" : ""));
        }
    };
    auto number = [&]() {
        const auto v = ParseValue(t[3]);
        if (!v || !v->IsNumber()) {
            throw ScriptError("not a number: " + t[3].text);
        }
        return v->ToLong();
    };
    try {
        if (action == "click") {
            needArg(false);
            control->UserClick();
        } else if (action == "select") {
            needArg(true);
            control->UserSelect(number());
        } else if (action == "type") {
            needArg(true);
            control->UserType(t[3].text);
        } else if (action == "focus") {
            needArg(false);
            control->Focus();
        } else if (action == "leave") {
            needArg(false);
            control->Leave();
        } else if (action == "value") {
            needArg(true);
            const auto v = ParseValue(t[3]);
            if (!v) {
                throw ScriptError("not a value: " + t[3].text);
            }
            control->UserSetValue(*v);
        } else if (action == "pick") {
            needArg(true);
            control->UserPickColor(!t[3].quoted && t[3].text == "auto" ? ColorSelBox::Automatic : number());
        } else if (action == "border") {
            needArg(true);
            control->UserClickBorder(number());
        } else {
            throw ScriptError("unknown action " + action);
        }
    } catch (const ActionRefused&) {
        throw ScriptError(control->Kind() + " " + control->Name() + " cannot " + action);
    }
}

void Session::Show(const std::string& name) {
    if (name == "page") {
        for (const auto& control : CurrentForm().Controls()) {
            Show(control->Name());
        }
        return;
    }
    Control* control = nullptr;
    try {
        control = &CurrentForm().Control(name);
    } catch (const AutomationError&) {
        throw ScriptError("no control " + name);
    }
    ControlDescription description(FormatValue);
    control->Describe(description);
    Print(control->Name() + " " + control->Kind() + description.Text() + " enabled=" + Bool(control->Enabled()) +
          " visible=" + Bool(control->Visible()) + " focus=" + Bool(control->HasFocus()));
}

void Session::List(const std::string& name) {
    Control* control = nullptr;
    try {
        control = &CurrentForm().Control(name);
    } catch (const AutomationError&) {
        throw ScriptError("no control " + name);
    }
    const ListItems* items = control->Items();
    if (items == nullptr) {
        throw ScriptError(control->Kind() + " " + name + " has no items");
    }
    for (int32_t i = 0; i < items->Count(); ++i) {
        Print(std::to_string(i) + "\t" + items->Text(i) + "\t" + std::to_string(items->Data(i)));
    }
}

void Session::ShowLog() {
    if (m_logDir.empty()) {
        return;
    }
    std::ifstream in(m_logDir / (std::string(library::ProductName) + ".log"), std::ios::binary);
    if (!in) {
        return;
    }
    in.seekg(static_cast<std::streamoff>(m_nLogRead));
    std::string line;
    while (std::getline(in, line)) {
        m_nLogRead += line.size() + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        Print("log: " + line);
    }
}

} // namespace vantor::host
