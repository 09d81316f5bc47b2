#pragma once
#include "vantor/ui/Environment.hpp"

#include <functional>
#include <optional>
#include <string>

namespace vantor::host {

// The environment of a scripted session: every message box, folder dialog and
// modal form is printed as it happens. A message box takes its first button;
// a folder dialog takes the answer the script set (cancel when none); a modal
// form is closed as by its window's close control.
class SessionEnvironment : public Environment {
public:
    explicit SessionEnvironment(std::function<void(const std::string&)> print)
        : m_print(std::move(print)) {}

    int32_t MessageBox(const std::string& prompt, int32_t buttons,
                       const std::string& title) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialPath) override;
    void ShowModal(Form& form) override;

    // The answer of the next folder dialog; nothing for cancel.
    void SetFolderAnswer(std::optional<std::string> folder) { m_folder = std::move(folder); }

private:
    std::function<void(const std::string&)> m_print;
    std::optional<std::string> m_folder;
};

} // namespace vantor::host
