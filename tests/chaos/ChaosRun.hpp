#pragma once
#include "host/DialogCatalogue.hpp"
#include "host/HostDialogSite.hpp"
#include "host/PageSite.hpp"
#include "tests/chaos/ChaosEnvironment.hpp"
#include "tests/chaos/FaultPlan.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/PropertyPage.hpp"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vantor::model {
class Application;
}

namespace vantor::test {

// Seeded random users and hosts drive pages over the real model, seen through
// a fault plan that makes any member fail as a real model does. Every step is
// checked: a protocol operation answers 0 (ValidateData 0 or the page's own
// refusal); a reset ends loading and reports no change to the site; a user
// action raises nothing but an automation error (a refusal is fine); no
// internal error (a stray C++ exception a trap caught) reaches the log. The
// first broken rule ends the run, named with the seed and the action's index.
class ChaosRun {
public:
    // A dialog to open: its pages by class name and what they are given.
    struct Dialog {
        std::string name;
        host::TargetKind target;
        std::vector<std::string> pages;
    };
    using Creator = std::function<std::shared_ptr<LibraryObject>(const std::string&)>;

    struct Figures {
        long actions = 0;
        long injected = 0;     // accesses the fault plan failed
        long refused = 0;      // user actions the controls or pages refused
        long messages = 0;     // message boxes answered
        long modals = 0;       // modal forms shown
        long dialogs = 0;      // dialogs opened
    };

    ChaosRun(uint64_t seed, std::vector<Dialog> dialogs, Creator create = {});
    ~ChaosRun();
    ChaosRun(const ChaosRun&) = delete;
    ChaosRun& operator=(const ChaosRun&) = delete;

    // Every dialog of the host, and every dialog-style page alone.
    static std::vector<Dialog> AllDialogs();

    // Runs that many actions; the first broken rule, or nothing.
    std::optional<std::string> Run(long actions);
    const Figures& Results() const { return m_figures; }

private:
    struct OpenPage {
        std::string className;
        std::shared_ptr<LibraryObject> object;
        PropertyPage* page = nullptr;
        DialogPage* dialogPage = nullptr;
        std::shared_ptr<host::PageSite> site;

        // Runs an operation that both kinds of page have on this one.
        template <typename F> decltype(auto) Either(F&& operation) const {
            return page != nullptr ? operation(*page) : operation(*dialogPage);
        }
    };

    void Step();
    void OpenDialog();
    void PressButton();
    void HostChange();
    void Protocol(OpenPage& open);
    void UserAction(Form& form);

    // Records the first broken rule.
    void Expect(bool holds, const std::string& rule);
    void ExpectStatus(const OpenPage& open, const char* operation, int32_t status);
    // A protocol operation whose site must hear of no change.
    void ExpectQuiet(const OpenPage& open, const char* operation, const std::function<int32_t()>& call);
    // ValidateData: 0, or the page's own refusal after a message to the user.
    int32_t Validate(const OpenPage& open);
    void CheckLog();

    std::shared_ptr<TargetList> Targets(host::TargetKind kind);
    std::shared_ptr<TargetList> RandomTargets();
    Variant RandomValue();
    const std::string& RandomText();
    int32_t RandomColor();
    int32_t RandomIndex(int32_t count);
    template <typename T> const T& Pick(const std::vector<T>& items) { return items[m_rng() % items.size()]; }

    uint64_t m_nSeed;
    std::vector<Dialog> m_dialogs;
    Creator m_create;
    std::mt19937_64 m_rng;
    std::shared_ptr<FaultPlan> m_pPlan;
    std::filesystem::path m_scratch;
    std::filesystem::path m_logFile;
    uintmax_t m_nLogRead = 0;
    ChaosEnvironment m_env;
    EnvironmentScope m_scope{m_env};
    std::shared_ptr<model::Application> m_pApp;
    std::string m_strSelection = "A1";
    const Dialog* m_pDialog = nullptr;
    std::shared_ptr<TargetList> m_pTargets;
    std::vector<OpenPage> m_open;
    std::string m_strAction;
    long m_nAction = 0;
    std::optional<std::string> m_broken;
    Figures m_figures;
};

} // namespace vantor::test
