#include "host/OptionsStore.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/framework/GlobalFunction.hpp"
#include "vantor/ui/Environment.hpp"

#include <string_view>

namespace vantor::host {

namespace {

std::string TextOf(const ObjectRef& app, const char* member) {
    return app.Get(member).ToString();
}

} // namespace

void OptionsStore::Report(const std::string& message, const std::string& description) {
    WriteLog("Error: " + std::to_string(err::ApplicationDefined) + "," + description);
    Environment::Current().MessageBox(message + description, msgbox::OkOnly | msgbox::Exclamation,
                                      MessageTitle);
}

void OptionsStore::Load(const ObjectRef& app) {
    std::string problem;
    try {
        const RegFile file = m_store.Read();
        if (file.Problem()) {
            problem = *file.Problem();
        }
        for (const char* member : Members) {
            const std::optional<std::string> text = file.QueryString(KeyPath, member);
            // The index only says "automatic": the colour itself is the exact one.
            if (!text || (std::string_view(member) == "DefaultGridlineColorIndex" &&
                          *text != std::to_string(enums::ColorIndex::Automatic))) {
                continue;
            }
            try {
                app.Put(member, Variant(*text));
            } catch (const AutomationError& error) {
                problem = std::string(member) + ": " + error.Description();
            }
        }
    } catch (const AutomationError& error) {
        problem = error.Description();
    }
    for (const char* member : Members) {
        m_kept[member] = TextOf(app, member);
    }
    if (!problem.empty() && !m_bReported) {
        m_bReported = true;
        Report(Problem, problem);
    }
}

void OptionsStore::Save(const ObjectRef& app) {
    std::map<std::string, std::string> changes;
    for (const char* member : Members) {
        const std::string text = TextOf(app, member);
        if (m_kept[member] != text) {
            changes[member] = text;
        }
    }
    if (changes.empty()) {
        return;
    }
    try {
        m_store.Update([&](RegFile& file) {
            for (const auto& [member, text] : changes) {
                file.SetString(KeyPath, member, text);
            }
            return true;
        });
        for (const auto& [member, text] : changes) {
            m_kept[member] = text;
        }
    } catch (const AutomationError& error) {
        Report(SaveProblem, error.Description());
    }
}

} // namespace vantor::host
