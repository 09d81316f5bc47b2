#pragma once
#include "vantor/ui/Environment.hpp"

#include <QObject>

#include <deque>
#include <vector>

namespace vantor::qt {

// The platform of the pages on a desktop: QMessageBox, one pass of Qt's event
// loop, QFileDialog for the folder chooser and modal dialogs for forms.
//
// Unattended (screenshots, tests) it shows nothing that waits for a person:
// a message box takes its first button, the folder chooser is cancelled and
// a modal form is loaded and closed; the messages are kept.
class QtEnvironment : public Environment {
public:
    struct Message {
        std::string prompt;
        int32_t buttons;
        std::string title;
        int32_t answer;
    };

    explicit QtEnvironment(bool unattended = false) : m_bUnattended(unattended) {}

    int32_t MessageBox(const std::string& prompt, int32_t buttons,
                       const std::string& title) override;
    void DoEvents() override;
    void Post(std::function<void()> work) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialPath) override;
    void ShowModal(Form& form) override;

    const std::vector<Message>& Messages() const { return m_messages; }
    bool Unattended() const { return m_bUnattended; }

private:
    // Runs the work posted before this call; what it posts waits for the next.
    void RunPosted();

    bool m_bUnattended;
    std::vector<Message> m_messages;
    std::deque<std::function<void()>> m_posted;
    // Owns the timers that run posted work, so none outlives the environment.
    QObject m_context;
};

} // namespace vantor::qt
