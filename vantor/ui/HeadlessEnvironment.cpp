#include "vantor/ui/HeadlessEnvironment.hpp"

#include "vantor/ui/Form.hpp"

namespace vantor {

int32_t HeadlessEnvironment::MessageBox(const std::string& prompt, int32_t buttons,
                                        const std::string& title) {
    int32_t answer = 0;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        answer = FirstAnswer(buttons);
    }
    m_messages.push_back({prompt, buttons, title, answer});
    return answer;
}

std::optional<std::string> HeadlessEnvironment::BrowseForFolder(const std::string& title,
                                                                const std::string& initialPath) {
    m_folderRequests.push_back({title, initialPath});
    if (m_folders.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> folder = std::move(m_folders.front());
    m_folders.pop_front();
    return folder;
}

void HeadlessEnvironment::ShowModal(Form& form) {
    ++m_nModal;
    form.Load();
    if (m_modalScript) {
        m_modalScript(form);
    }
    form.Unload();
}

} // namespace vantor
