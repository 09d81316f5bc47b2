#include "tests/chaos/ChaosEnvironment.hpp"

#include "vantor/ui/Form.hpp"

#include <vector>

namespace vantor::test {

int32_t ChaosEnvironment::MessageBox(const std::string&, int32_t buttons, const std::string&) {
    ++m_nMessages;
    using namespace msgbox;
    std::vector<int32_t> answers;
    switch (buttons & 7) {
    case OkCancel:
        answers = {Ok, Cancel};
        break;
    case AbortRetryIgnore:
        answers = {Abort, Retry, Ignore};
        break;
    case YesNoCancel:
        answers = {Yes, No, Cancel};
        break;
    case YesNo:
        answers = {Yes, No};
        break;
    case RetryCancel:
        answers = {Retry, Cancel};
        break;
    default:
        answers = {Ok};
    }
    return answers[m_rng() % answers.size()];
}

std::optional<std::string> ChaosEnvironment::BrowseForFolder(const std::string&, const std::string&) {
    switch (m_rng() % 4) {
    case 0:
        return std::nullopt;
    case 1:
        return m_folder.string();
    case 2:
        return (m_folder / "missing" / "folder").string();
    default:
        return std::string();
    }
}

void ChaosEnvironment::ShowModal(Form& form) {
    ++m_nModals;
    form.Load();
    // A few actions, until one of them closes the form.
    for (int i = static_cast<int>(m_rng() % 6); i > 0 && !form.Unloaded(); --i) {
        m_userOnForm(form);
    }
    form.Unload();
}

} // namespace vantor::test
