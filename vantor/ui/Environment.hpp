#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace vantor {

class Form;

// Buttons and icons of a message box, and its answers.
namespace msgbox {
constexpr int32_t OkOnly = 0;
constexpr int32_t OkCancel = 1;
constexpr int32_t AbortRetryIgnore = 2;
constexpr int32_t YesNoCancel = 3;
constexpr int32_t YesNo = 4;
constexpr int32_t RetryCancel = 5;
constexpr int32_t Critical = 16;
constexpr int32_t Question = 32;
constexpr int32_t Exclamation = 48;
constexpr int32_t Information = 64;

constexpr int32_t Ok = 1;
constexpr int32_t Cancel = 2;
constexpr int32_t Abort = 3;
constexpr int32_t Retry = 4;
constexpr int32_t Ignore = 5;
constexpr int32_t Yes = 6;
constexpr int32_t No = 7;
} // namespace msgbox

// The platform seen from a page: message boxes, one pass of the event loop,
// the folder chooser and modal forms. One environment is current per thread
// (the thread the pages live on, the host's user-interface thread), as the
// variant converter's factory is. Until one is installed, an unattended
// headless one serves, whose message boxes answer Cancel or No.
class VANTOR_API Environment {
public:
    virtual ~Environment() = default;

    // Shows a modal message box; returns the answer (msgbox::Ok, ...).
    virtual int32_t MessageBox(const std::string& prompt, int32_t buttons,
                               const std::string& title) = 0;
    // Runs one pass of the event loop: the work posted so far.
    virtual void DoEvents() { RunPosted(); }
    // Queues work for the next pass of the event loop.
    virtual void Post(std::function<void()> work) { m_posted.push_back(std::move(work)); }
    // The folder the user chose, or nothing when the user cancelled.
    virtual std::optional<std::string> BrowseForFolder(const std::string& title,
                                                       const std::string& initialPath) = 0;
    // Loads the form, shows it modally and returns when it is closed.
    virtual void ShowModal(Form& form) = 0;

    // The answer of a box's first button (OK, Abort, Yes, Retry).
    static int32_t FirstAnswer(int32_t buttons);
    // The answer of a box's negative button: Cancel or No, whichever it has
    // (Cancel of Yes/No/Cancel), Abort of Abort/Retry/Ignore, OK of an OK box.
    static int32_t NegativeAnswer(int32_t buttons);

    static Environment& Current();
    // Makes env current on this thread (nullptr: the thread's unattended one)
    // and returns the one that was. The caller keeps ownership: env must
    // outlive its installation (EnvironmentScope ties the two together).
    static Environment* Install(Environment* env);

protected:
    // Runs the work posted before this call; what it posts waits for the next pass.
    void RunPosted();
    size_t PostedCount() const { return m_posted.size(); }

private:
    std::deque<std::function<void()>> m_posted;
};

// Installs an environment for a scope and restores the previous one.
class VANTOR_API EnvironmentScope {
public:
    explicit EnvironmentScope(Environment& env) : m_pPrevious(Environment::Install(&env)) {}
    ~EnvironmentScope() { Environment::Install(m_pPrevious); }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    Environment* m_pPrevious;
};

} // namespace vantor
