#pragma once
#include "model/FileAssociation.hpp"

#include <filesystem>
#include <string>

namespace vantor::host {

// Workbook files (.xlsx) opened by the studio on a Linux desktop: its desktop
// entry under the user's data folder, and its id first among the default
// applications of the type in the user's mimeapps.list. Turning it off takes
// out only our id; every other line of the list stays byte for byte.
class DesktopAssociation : public model::FileAssociation {
public:
    static constexpr const char* DesktopId = "vantor-studio.desktop";
    static constexpr const char* MimeType =
        "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
    static constexpr const char* Section = "[Default Applications]";

    DesktopAssociation(std::filesystem::path dataHome, std::filesystem::path configHome,
                       std::filesystem::path studio);
    // The user's folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME or their defaults
    // under $HOME) and the studio beside the running program.
    static DesktopAssociation ForUser();

    bool IsOn() const override;
    void Set(bool on) override;

    std::filesystem::path ListPath() const { return m_configHome / "mimeapps.list"; }
    std::filesystem::path EntryPath() const { return m_dataHome / "applications" / DesktopId; }
    // The list with our id first (on) or without it (off), all else kept.
    static std::string Edited(const std::string& list, bool on);
    // Whether our id is the first default of the type in the list.
    static bool FirstInList(const std::string& list);

private:
    std::filesystem::path m_dataHome;
    std::filesystem::path m_configHome;
    std::filesystem::path m_studio;
};

} // namespace vantor::host
