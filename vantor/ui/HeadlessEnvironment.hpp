#pragma once
#include "vantor/Export.h"
#include "vantor/ui/Environment.hpp"

#include <deque>
#include <vector>

namespace vantor {

// The environment without a screen: message boxes are recorded and answered
// from a queue, posted work runs on DoEvents, the folder chooser and modal
// forms answer from scripts.
class VANTOR_API HeadlessEnvironment : public Environment {
public:
    struct Message {
        std::string prompt;
        int32_t buttons;
        std::string title;
        int32_t answer;
    };

    int32_t MessageBox(const std::string& prompt, int32_t buttons,
                       const std::string& title) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialPath) override;
    void ShowModal(Form& form) override;

    // The next message box's answer; without one, a box takes its first
    // button (OK, Abort, Yes or Retry).
    void QueueAnswer(int32_t answer) { m_answers.push_back(answer); }
    const std::vector<Message>& Messages() const { return m_messages; }

    // The next folder choice (nothing: the user cancels); without one the
    // chooser is cancelled.
    void QueueFolder(std::optional<std::string> folder) { m_folders.push_back(std::move(folder)); }
    struct FolderRequest {
        std::string title;
        std::string initialPath;
    };
    const std::vector<FolderRequest>& FolderRequests() const { return m_folderRequests; }

    // What the user does on a modal form before it closes; without a script
    // the form is closed at once.
    void SetModalScript(std::function<void(Form&)> script) { m_modalScript = std::move(script); }
    int ModalCount() const { return m_nModal; }

    size_t PendingWork() const { return PostedCount(); }

private:
    std::deque<int32_t> m_answers;
    std::vector<Message> m_messages;
    std::deque<std::optional<std::string>> m_folders;
    std::vector<FolderRequest> m_folderRequests;
    std::function<void(Form&)> m_modalScript;
    int m_nModal = 0;
};

} // namespace vantor
