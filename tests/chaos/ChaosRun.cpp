#include "tests/chaos/ChaosRun.hpp"

#include "vantor/framework/DefaultTargetList.hpp"
#include "model/Application.hpp"
#include "model/Range.hpp"
#include "model/SampleWorkbook.hpp"
#include "model/SheetSelection.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "tests/chaos/ChaosObject.hpp"
#include "vantor/dialogs/SheetProtectPass.hpp"
#include "vantor/framework/ClassTable.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/framework/LibraryInfo.hpp"
#include "vantor/framework/VariantConverter.hpp"
#include "vantor/ui/ListItems.hpp"

#include <csignal>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) && __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define VANTOR_CHAOS_SANITIZER 1
#endif

namespace vantor::test {

namespace {

// Where the run is, for a crash report: written before each action, read by
// the handlers of a crash, which may only write(2) it.
char tWhere[512] = "before the first action";

void PrintWhere() {
    constexpr char head[] = "\nchaos run crashed at ";
    [[maybe_unused]] ssize_t ignored = ::write(2, head, sizeof head - 1);
    ignored = ::write(2, tWhere, ::strnlen(tWhere, sizeof tWhere));
    ignored = ::write(2, "\n", 1);
}

void OnCrashSignal(int signal) {
    PrintWhere();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallCrashReport() {
    static const bool installed = [] {
        for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
            std::signal(signal, OnCrashSignal);
        }
        std::set_terminate([] {
            PrintWhere();
            std::abort();
        });
#ifdef VANTOR_CHAOS_SANITIZER
        __sanitizer_set_death_callback(PrintWhere);
#endif
        return true;
    }();
    (void)installed;
}

// What a page's ValidateData answers when it refuses the user's input.
int32_t RefusalOf(const std::string& className) {
    if (className == "AppMisc" || className == "BookPropCalc" || className == "BookandSheetProp") {
        return 1;
    }
    if (className == "SheetProtectPass") {
        return -1;
    }
    return 0;
}

const std::vector<std::string> Selections = {"A1",    "A1:C3", "B2:D10",   "A:A",
                                             "2:3",   "C5",    "A1:H40",   "A1:XFD1048576"};
const std::vector<double> FaultRates = {0, 0.002, 0.02, 0.1, 0.5, 1};
const std::vector<std::string> Texts = {
    "", "0", "1", "-1", "12", "2.5", "1E+308", "-99999999999", "abc", "General", "0.00%",
    "#,##0.00;[Red]-#,##0.00", "yyyy-mm-dd hh:mm:ss", "@", "\"", "[$\xE2\x82\xAC-2] #,##0.00",
    "Arial", "Times New Roman", "Sheet9", "\xC3\xA9 \xC3\xBC \xE5\xAD\x97", "9999999", "  ",
    "0.000000001", std::string(300, 'x'), "1/2", "TRUE", "\\", "[h]:mm", ";;;", "\t", "0,5",
    "/tmp", "a\r\nb", "=A1", "\xFF\xFE", "1e-400", "409.5", "72", " 8", "Big text"};
} // namespace

ChaosRun::ChaosRun(uint64_t seed, std::vector<Dialog> dialogs, Creator create)
    : m_nSeed(seed), m_dialogs(std::move(dialogs)), m_create(std::move(create)), m_rng(seed),
      m_pPlan(std::make_shared<FaultPlan>(seed * 0x9E3779B97F4A7C15ULL + 1)),
      m_scratch([] {
          std::string dir = (std::filesystem::temp_directory_path() / "vantor-chaos-XXXXXX").string();
          return std::filesystem::path(::mkdtemp(dir.data()));
      }()),
      m_logFile(m_scratch / (std::string(library::ProductName) + ".log")),
      m_env(m_rng, m_scratch, [this](Form& form) { UserAction(form); }) {
    if (!m_create) {
        m_create = [](const std::string& name) { return ClassTable::Create(name); };
    }
    InstallCrashReport();
    ::setenv(LogVariable, m_scratch.c_str(), 1);
    ::setenv("VANTOR_REGISTRY", (m_scratch / "registry.reg").c_str(), 1);
    m_pApp = model::Application::Create({"Arial", "Courier New", "DejaVu Sans", "Times New Roman"});
    model::sample::AddSampleWorkbook(m_pApp);
}

ChaosRun::~ChaosRun() {
    m_open.clear();
    ::unsetenv(LogVariable);
    ::unsetenv("VANTOR_REGISTRY");
    std::error_code ignored;
    std::filesystem::remove_all(m_scratch, ignored);
}

std::vector<ChaosRun::Dialog> ChaosRun::AllDialogs() {
    std::vector<Dialog> dialogs;
    for (const host::CatalogueDialog& dialog : host::DialogCatalogue::Dialogs()) {
        dialogs.push_back({dialog.name, dialog.target, dialog.pages});
        // Each page alone too, as a session opens it.
        for (const std::string& page : dialog.pages) {
            dialogs.push_back({page, host::DialogCatalogue::TargetOf(page), {page}});
        }
    }
    for (const std::string& page : host::DialogCatalogue::DialogStylePages()) {
        dialogs.push_back({page, host::TargetKind::None, {page}});
    }
    return dialogs;
}

std::optional<std::string> ChaosRun::Run(long actions) {
    for (; m_nAction < actions && !m_broken; ++m_nAction) {
        m_strAction.clear();
        std::snprintf(tWhere, sizeof tWhere, "seed %llu, action %ld",
                      static_cast<unsigned long long>(m_nSeed), m_nAction);
        Step();
        CheckLog();
        ++m_figures.actions;
    }
    m_figures.injected = m_pPlan->Faults();
    m_figures.messages = m_env.Messages();
    m_figures.modals = m_env.Modals();
    return m_broken;
}

void ChaosRun::Expect(bool holds, const std::string& rule) {
    if (!holds && !m_broken) {
        m_broken = "seed " + std::to_string(m_nSeed) + ", action " + std::to_string(m_nAction) + " (" +
                   m_strAction + "): " + rule;
    }
}

void ChaosRun::ExpectStatus(const OpenPage& open, const char* operation, int32_t status) {
    Expect(status == 0, open.className + "." + operation + " answered " + std::to_string(status));
}

void ChaosRun::ExpectQuiet(const OpenPage& open, const char* operation,
                           const std::function<int32_t()>& call) {
    const int before = open.site ? open.site->Modified() : 0;
    ExpectStatus(open, operation, call());
    Expect(!open.site || open.site->Modified() == before,
           open.className + "." + operation + " told the site of a change while loading");
}

int32_t ChaosRun::Validate(const OpenPage& open) {
    const long messages = m_env.Messages();
    const int32_t status = open.Either([](auto& page) { return page.ValidateData(); });
    Expect(status == 0 || status == RefusalOf(open.className),
           open.className + ".ValidateData answered " + std::to_string(status));
    Expect(status == 0 || m_env.Messages() > messages, open.className + " refused without telling the user");
    return status;
}

void ChaosRun::CheckLog() {
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(m_logFile, error);
    if (error || size <= m_nLogRead) {
        return;
    }
    std::ifstream in(m_logFile, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(m_nLogRead));
    std::string line;
    while (std::getline(in, line)) {
        // A trap turns a stray C++ exception into error 51: a fault of the code, not of the model.
        Expect(line.find("Error: 51,") == std::string::npos, "internal error logged: " + line);
    }
    m_nLogRead = size;
}

void ChaosRun::Step() {
    const unsigned roll = static_cast<unsigned>(m_rng() % 1000);
    if (m_open.empty() || roll < 15) {
        OpenDialog();
    } else if (roll < 30) {
        HostChange();
    } else if (roll < 50) {
        PressButton();
    } else if (roll < 200) {
        Protocol(m_open[m_rng() % m_open.size()]);
    } else {
        OpenPage& open = m_open[m_rng() % m_open.size()];
        m_strAction = open.className;
        UserAction(open.Either([](Form& form) -> Form& { return form; }));
    }
}

void ChaosRun::OpenDialog() {
    m_open.clear(); // the pages are destroyed, releasing their sites and targets
    std::error_code ignored;
    std::filesystem::remove(m_logFile, ignored);
    m_nLogRead = 0;
    m_pDialog = &Pick(m_dialogs);
    m_pPlan->SetRate(Pick(FaultRates));
    m_strAction = "open " + m_pDialog->name + " at fault rate " + std::to_string(m_pPlan->Rate());
    std::snprintf(tWhere, sizeof tWhere, "seed %llu, action %ld: %s", static_cast<unsigned long long>(m_nSeed),
                  m_nAction, m_strAction.c_str());
    ++m_figures.dialogs;
    m_pTargets = Targets(m_pDialog->target);
    for (const std::string& className : m_pDialog->pages) {
        OpenPage open{className, m_create(className), nullptr, nullptr, nullptr};
        open.page = dynamic_cast<PropertyPage*>(open.object.get());
        open.dialogPage = dynamic_cast<DialogPage*>(open.object.get());
        Expect(open.page != nullptr || open.dialogPage != nullptr, className + " is no page");
        if (open.page != nullptr || open.dialogPage != nullptr) {
            m_open.push_back(std::move(open));
        }
    }
    // The host's order: the site, the targets (the page loads), the caption.
    for (OpenPage& open : m_open) {
        if (open.page != nullptr) {
            open.site = std::make_shared<host::PageSite>();
            ExpectStatus(open, "SetSite", open.page->SetSite(ChaosObject::Wrap(ObjectRef(open.site), m_pPlan)));
            ExpectQuiet(open, "SetTargets", [&] { return open.page->SetTargets(m_pTargets); });
        } else {
            ExpectStatus(open, "SetSite",
                         open.dialogPage->SetSite(std::make_shared<host::HostDialogSite>()));
        }
        std::string caption;
        ExpectStatus(open, "GetCaption",
                     open.Either([&](auto& page) { return page.GetCaption(caption); }));
    }
}

void ChaosRun::PressButton() {
    const unsigned button = static_cast<unsigned>(m_rng() % 3); // Apply, OK, Cancel
    m_strAction = button == 0 ? "Apply" : button == 1 ? "OK" : "Cancel";
    if (button == 2) {
        m_open.clear();
        return;
    }
    bool refused = false;
    for (OpenPage& open : m_open) {
        refused = Validate(open) != 0 || refused;
    }
    if (refused) {
        return;
    }
    m_pApp->BeginUndoGroup(m_pDialog->name);
    for (OpenPage& open : m_open) {
        ExpectStatus(open, "OnApply", open.Either([](auto& page) { return page.OnApply(); }));
    }
    m_pApp->EndUndoGroup();
    if (button == 1) {
        m_open.clear();
    }
}

void ChaosRun::HostChange() {
    try {
        switch (m_rng() % 4) {
        case 0:
            m_strAction = "undo";
            if (m_pApp->CanUndo()) {
                m_pApp->Undo();
            }
            break;
        case 1:
            m_strAction = "redo";
            if (m_pApp->CanRedo()) {
                m_pApp->Redo();
            }
            break;
        case 2:
            m_pPlan->SetRate(Pick(FaultRates));
            m_strAction = "fault rate " + std::to_string(m_pPlan->Rate());
            break;
        default:
            m_strSelection = Pick(Selections);
            m_strAction = "select " + m_strSelection;
        }
    } catch (const AutomationError&) {
        // The model may refuse the host's request; that is the host's to show.
    } catch (const std::exception& e) {
        Expect(false, std::string("the model raised ") + e.what());
    }
}

std::shared_ptr<TargetList> ChaosRun::Targets(host::TargetKind kind) {
    ObjectRef target;
    switch (kind) {
    case host::TargetKind::Selection:
        target = ObjectRef(m_pApp->RangeOf(m_strSelection));
        break;
    case host::TargetKind::Workbook:
        target = ObjectRef(m_pApp->ActiveWorkbook());
        break;
    case host::TargetKind::Sheets: {
        std::vector<std::string> names;
        for (const auto& sheet : m_pApp->ActiveWorkbook()->Sheets()) {
            if (names.empty() || m_rng() % 2 == 0) {
                names.push_back(sheet->Name());
            }
        }
        target = ObjectRef(m_pApp->ActiveWorkbook()->SelectSheets(names));
        break;
    }
    case host::TargetKind::Application:
        target = ObjectRef(m_pApp);
        break;
    case host::TargetKind::None:
        return std::make_shared<DefaultTargetList>(std::vector<Variant>{});
    }
    return std::make_shared<DefaultTargetList>(
        std::vector<Variant>{Variant(ChaosObject::Wrap(target, m_pPlan))});
}

std::shared_ptr<TargetList> ChaosRun::RandomTargets() {
    switch (m_rng() % 8) {
    case 0:
        return nullptr;
    case 1:
        return std::make_shared<DefaultTargetList>(std::vector<Variant>{});
    case 2:
        return std::make_shared<DefaultTargetList>(std::vector<Variant>{Variant::Nothing()});
    case 3:
        return std::make_shared<DefaultTargetList>(std::vector<Variant>{RandomValue()});
    case 4: {
        // Another dialog's target: the wrong kind of object.
        const auto kinds = {host::TargetKind::Selection, host::TargetKind::Workbook, host::TargetKind::Sheets,
                            host::TargetKind::Application};
        return Targets(*(kinds.begin() + m_rng() % kinds.size()));
    }
    default:
        return Targets(m_pDialog->target);
    }
}

void ChaosRun::Protocol(OpenPage& open) {
    const std::string name = open.className + ".";
    const unsigned operation = static_cast<unsigned>(m_rng() % 8);
    switch (operation) {
    case 0:
        m_strAction = name + "SetSite";
        if (open.page != nullptr) {
            open.site = m_rng() % 4 == 0 ? nullptr : std::make_shared<host::PageSite>();
            ExpectStatus(open, "SetSite",
                         open.page->SetSite(open.site
                                                ? ChaosObject::Wrap(ObjectRef(open.site), m_pPlan)
                                                : ObjectRef()));
        } else {
            ExpectStatus(open, "SetSite",
                         open.dialogPage->SetSite(m_rng() % 4 == 0
                                                      ? nullptr
                                                      : std::make_shared<host::HostDialogSite>()));
        }
        break;
    case 1: {
        const Variant param = RandomValue();
        m_strAction = name + "SetParam " + param.Describe();
        ExpectStatus(open, "SetParam",
                     open.Either([&](auto& page) { return page.SetParam(param); }));
        break;
    }
    case 2: {
        m_strAction = name + "GetCaption";
        std::string caption = "old";
        ExpectStatus(open, "GetCaption",
                     open.Either([&](auto& page) { return page.GetCaption(caption); }));
        break;
    }
    case 3:
        m_strAction = name + "ValidateData";
        Validate(open);
        break;
    case 4:
        m_strAction = name + "OnReset";
        ExpectQuiet(open, "OnReset",
                    [&] { return open.Either([](auto& page) { return page.OnReset(); }); });
        Expect(open.page == nullptr || !open.page->Loading(),
               name + "OnReset left the page loading");
        break;
    case 5:
        m_strAction = name + "OnApply";
        ExpectStatus(open, "OnApply", open.Either([](auto& page) { return page.OnApply(); }));
        break;
    default:
        if (auto* pass = dynamic_cast<SheetProtectPass*>(open.dialogPage)) {
            m_strAction = name + "GetPasswords";
            Variant oldPassword, newPassword, verify;
            ExpectStatus(open, "GetPasswords", pass->GetPasswords(oldPassword, newPassword, verify));
        } else if (open.page != nullptr && operation == 6) {
            m_strAction = name + "SetTargets";
            const auto targets = RandomTargets();
            ExpectQuiet(open, "SetTargets", [&] { return open.page->SetTargets(targets); });
        } else if (open.page != nullptr) {
            const int32_t id = static_cast<int32_t>(m_rng() % 3 == 0 ? m_rng() : m_rng() % 16);
            const Variant param = RandomValue();
            Variant passed = param;
            m_strAction = name + "OnPageUserEvent " + std::to_string(id) + " " + param.Describe();
            ExpectStatus(open, "OnPageUserEvent", open.page->OnPageUserEvent(id, passed));
            Expect(passed == param, name + "OnPageUserEvent changed its parameter");
        }
    }
}

void ChaosRun::UserAction(Form& form) {
    const auto& controls = form.Controls();
    if (controls.empty()) {
        return;
    }
    Control& control = *controls[m_rng() % controls.size()];
    const std::string kind = control.Kind();
    enum Action { Click, Select, Type, PickColor, ClickBorder, SetValue, Focus, Leave, Count };
    auto action = static_cast<Action>(m_rng() % Count);
    if (m_rng() % 10 < 7) {
        // Mostly what a user does with such a control.
        if (kind == "CheckBox" || kind == "OptionButton" || kind == "CommandButton") {
            action = Click;
        } else if (kind == "ComboBox") {
            action = m_rng() % 2 ? Type : Select;
        } else if (kind == "ListBox" || kind == "LineStyle") {
            action = Select;
        } else if (kind == "TextBox") {
            action = Type;
        } else if (kind == "NumberEdit") {
            action = m_rng() % 2 ? Type : SetValue;
        } else if (kind == "ColorSelBox") {
            action = PickColor;
        } else if (kind == "QvFrameStyle") {
            action = ClickBorder;
        }
    }
    const ListItems* items = control.Items();
    const int32_t index = RandomIndex(items != nullptr ? items->Count() : 14);
    const std::string& text = RandomText();
    const int32_t color = RandomColor();
    const int32_t border = static_cast<int32_t>(m_rng() % 16);
    const Variant value = RandomValue();
    struct Act {
        const char* name;
        std::string argument;
        std::function<void()> run;
    };
    const Act acts[Count] = {
        {"click", "", [&] { control.UserClick(); }},
        {"select", std::to_string(index), [&] { control.UserSelect(index); }},
        {"type", Variant(text).Describe(), [&] { control.UserType(text); }},
        {"pick", std::to_string(color), [&] { control.UserPickColor(color); }},
        {"border", std::to_string(border), [&] { control.UserClickBorder(border); }},
        {"value", value.Describe(), [&] { control.UserSetValue(value); }},
        {"focus", "", [&] { form.SetFocus(&control); }},
        {"leave", "", [&] { control.Leave(); }},
    };
    const Act& act = acts[action];
    m_strAction += " " + control.Name() + " " + act.name;
    if (!act.argument.empty()) {
        m_strAction += " " + act.argument;
    }
    std::snprintf(tWhere, sizeof tWhere, "seed %llu, action %ld: %s", static_cast<unsigned long long>(m_nSeed),
                  m_nAction, m_strAction.c_str());
    try {
        act.run();
    } catch (const AutomationError&) {
        ++m_figures.refused; // a refused action, or a handler without a guard passing an error on
    } catch (const std::exception& e) {
        Expect(false, std::string("a user action raised a C++ exception: ") + e.what());
    }
}

Variant ChaosRun::RandomValue() {
    switch (m_rng() % 12) {
    case 0:
        return Variant();
    case 1:
        return Variant::Null();
    case 2:
        return Variant(static_cast<int32_t>(m_rng() % 40) - 5);
    case 3:
        return Variant(static_cast<int32_t>(m_rng()));
    case 4:
        return Variant(static_cast<int16_t>(m_rng() % 3));
    case 5:
        return Variant(static_cast<double>(static_cast<int64_t>(m_rng() % 2000000) - 1000000) / 64);
    case 6:
        return Variant(m_rng() % 2 == 0 ? 1e300 : -1e-300);
    case 7:
        return Variant(RandomText());
    case 8:
        return Variant(m_rng() % 2 == 0);
    case 9:
        return Variant::Date(static_cast<double>(m_rng() % 60000));
    case 10:
        return Variant::Error(2042);
    default:
        return Variant::Nothing();
    }
}

const std::string& ChaosRun::RandomText() { return Pick(Texts); }

int32_t ChaosRun::RandomColor() {
    static const std::vector<int32_t> special = {-1, 0, 0xFFFFFF, static_cast<int32_t>(0x8FFFFFFF), 0xFF,
                                                 static_cast<int32_t>(0x80000005), INT32_MIN, -4105};
    return m_rng() % 2 == 0 ? Pick(special) : static_cast<int32_t>(m_rng() % 0x1000000);
}

int32_t ChaosRun::RandomIndex(int32_t count) {
    // Mostly a real item; sometimes none, or one past either end.
    return static_cast<int32_t>(m_rng() % static_cast<uint64_t>(count + 3)) - 2;
}

} // namespace vantor::test
