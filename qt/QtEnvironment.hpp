#pragma once
#include "vantor/ui/Environment.hpp"

#include <QTimer>

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

    explicit QtEnvironment(bool unattended = false);

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
    bool m_bUnattended;
    std::vector<Message> m_messages;
    // Runs posted work that no DoEvents waits for once the loop is idle; it
    // lives and dies with the environment.
    QTimer m_idle;
};

} // namespace vantor::qt
