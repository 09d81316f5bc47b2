#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vantor::host {

// The pages' diagnostic log as a session reads it: the directory the log
// variable names, or a temporary one of the session's own (set in the
// variable while the session lives, removed after it) when none is named.
class SessionLog {
public:
    SessionLog();
    ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // The lines written since the session started or last asked.
    std::vector<std::string> NewLines();

private:
    std::filesystem::path File() const;

    std::filesystem::path m_dir;
    bool m_bOwnDir = false;
    std::uintmax_t m_nRead = 0;
};

} // namespace vantor::host
