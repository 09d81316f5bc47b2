#include "host/SessionEnvironment.hpp"

#include "host/SessionText.hpp"
#include "vantor/ui/Form.hpp"
#include "vantor/ui/TextBox.hpp"

namespace vantor::host {

int32_t SessionEnvironment::MessageBox(const std::string& prompt, int32_t buttons,
                                       const std::string& title) {
    m_print("messagebox title=" + Quote(title) + " text=" + Quote(prompt) +
            " buttons=" + std::to_string(buttons & 7) + " icon=" + std::to_string(buttons & 0x70));
    switch (buttons & 7) {
    case msgbox::AbortRetryIgnore:
        return msgbox::Abort;
    case msgbox::YesNoCancel:
    case msgbox::YesNo:
        return msgbox::Yes;
    case msgbox::RetryCancel:
        return msgbox::Retry;
    default:
        return msgbox::Ok;
    }
}

void SessionEnvironment::DoEvents() {
    size_t count = m_posted.size();
    while (count-- > 0 && !m_posted.empty()) {
        std::function<void()> work = std::move(m_posted.front());
        m_posted.pop_front();
        work();
    }
}

std::optional<std::string> SessionEnvironment::BrowseForFolder(const std::string& title,
                                                               const std::string& initialPath) {
    m_print("folderdialog title=" + Quote(title) + " initial=" + Quote(initialPath));
    std::optional<std::string> answer = std::move(m_folder);
    m_folder.reset();
    return answer;
}

void SessionEnvironment::ShowModal(Form& form) {
    form.Load();
    std::string line = "form " + (form.Name().empty() ? form.Caption() : form.Name());
    for (const auto& control : form.Controls()) {
        if (const auto* box = dynamic_cast<const TextBox*>(control.get())) {
            line += " " + box->Name() + "=" + Quote(box->Text());
        }
    }
    m_print(line);
    form.Unload();
}

} // namespace vantor::host
