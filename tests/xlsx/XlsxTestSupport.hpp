#pragma once
#include "tests/support/Files.hpp"
#include "xlsx/PackageReader.hpp"
#include "xlsx/PackageWriter.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vantor::test {

// A folder of its own for a test's files, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-xlsx-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~ScratchDir() { std::filesystem::remove_all(m_path); }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Runs a script with Debian's python3, which serves the python3-openpyxl and
// python3-xlsxwriter packages; the output, with the exit status.
inline std::pair<int, std::string> RunPython(const ScratchDir& dir, const std::string& script,
                                             const std::vector<std::string>& args) {
    const std::string file = dir / "script.py";
    std::ofstream(file) << script;
    std::string command = "/usr/bin/python3 '" + file + "'";
    for (const auto& a : args) {
        command += " '" + a + "'";
    }
    command += " 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// "key=value" lines as a map.
inline std::map<std::string, std::string> Lines(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos) {
            out[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return out;
}

inline std::map<std::string, std::string> ReadParts(const std::string& path) {
    xlsx::PackageReader package(path);
    std::map<std::string, std::string> parts;
    for (const auto& name : package.PartNames()) {
        parts[name] = package.Read(name);
    }
    return parts;
}

inline void WriteParts(const std::string& path, const std::map<std::string, std::string>& parts) {
    xlsx::PackageWriter package(path);
    for (const auto& [name, data] : parts) {
        package.Add(name, data);
    }
    package.Close();
}

} // namespace vantor::test
