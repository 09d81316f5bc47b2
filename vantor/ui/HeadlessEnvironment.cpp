#include "vantor/ui/HeadlessEnvironment.hpp"

#include "vantor/ui/Form.hpp"

namespace vantor {

int32_t HeadlessEnvironment::MessageBox(const std::string& prompt, int32_t buttons, const std::string& title) {
    int32_t answer = 0;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        switch (buttons & 7) {
        case msgbox::AbortRetryIgnore: answer = msgbox::Abort; break;
        case msgbox::YesNoCancel:
        case msgbox::YesNo: answer = msgbox::Yes; break;
        case msgbox::RetryCancel: answer = msgbox::Retry; break;
        default: answer = msgbox::Ok; break;
        }
    }
    m_messages.push_back({prompt, buttons, title, answer});
    return answer;
}

void HeadlessEnvironment::DoEvents() {
    // Only the work posted before this pass runs; what it posts waits for the next.
    size_t count = m_posted.size();
    while (count-- > 0 && !m_posted.empty()) {
        std::function<void()> work = std::move(m_posted.front());
        m_posted.pop_front();
        work();
    }
}

void HeadlessEnvironment::Post(std::function<void()> work) { m_posted.push_back(std::move(work)); }

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
