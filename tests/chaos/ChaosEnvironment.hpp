#pragma once
#include "vantor/ui/Environment.hpp"

#include <filesystem>
#include <functional>
#include <random>

namespace vantor::test {

// The platform as a random user answers it: a message box gets any of its
// buttons, the folder chooser a folder, a bad path or a cancel, and a modal
// form whatever the run's user does on it before it closes.
class ChaosEnvironment : public Environment {
public:
    ChaosEnvironment(std::mt19937_64& rng, std::filesystem::path folder,
                     std::function<void(Form&)> userOnForm)
        : m_rng(rng), m_folder(std::move(folder)), m_userOnForm(std::move(userOnForm)) {}

    int32_t MessageBox(const std::string& prompt, int32_t buttons, const std::string& title) override;
    std::optional<std::string> BrowseForFolder(const std::string& title,
                                               const std::string& initialPath) override;
    void ShowModal(Form& form) override;

    long Messages() const { return m_nMessages; }
    long Modals() const { return m_nModals; }

private:
    std::mt19937_64& m_rng;
    std::filesystem::path m_folder;
    std::function<void(Form&)> m_userOnForm;
    long m_nMessages = 0;
    long m_nModals = 0;
};

} // namespace vantor::test
