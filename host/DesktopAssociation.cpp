#include "host/DesktopAssociation.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/SafeSave.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace vantor::host {

namespace {

// A line of the list without its end ("\n" or "\r\n"), and where it starts.
struct Line {
    size_t start;
    size_t length; // without the line end
    size_t next;   // start of the following line
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        const size_t stop = end == std::string::npos ? text.size() : end;
        const size_t length = stop > start && text[stop - 1] == '\r' ? stop - start - 1 : stop - start;
        lines.push_back({start, length, end == std::string::npos ? text.size() : end + 1});
        start = lines.back().next;
    }
    return lines;
}

std::string Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return "";
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The ids of a value "a.desktop;b.desktop;", empty ones dropped.
std::vector<std::string> Ids(std::string_view value) {
    std::vector<std::string> ids;
    std::stringstream in{std::string(value)};
    std::string id;
    while (std::getline(in, id, ';')) {
        if (!Trimmed(id).empty()) {
            ids.push_back(Trimmed(id));
        }
    }
    return ids;
}

// Where the type's line of the section is; `key` false when there is none,
// and then `line` is where a new one goes (after the section's last entry).
struct Found {
    bool section = false;
    bool key = false;
    size_t line = 0;
};

Found FindTypeLine(const std::vector<Line>& lines, const std::string& text) {
    Found found;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Trimmed(std::string_view(text).substr(lines[i].start, lines[i].length));
        if (!line.empty() && line.front() == '[') {
            if (found.section) {
                return found; // the next section
            }
            found.section = line == DesktopAssociation::Section;
            found.line = i + 1;
            continue;
        }
        if (!found.section) {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos && Trimmed(line.substr(0, equals)) == DesktopAssociation::MimeType) {
            found.key = true;
            found.line = i;
            return found;
        }
        if (!line.empty() && line.front() != '#') {
            found.line = i + 1;
        }
    }
    return found;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return "";
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        throw AutomationError(err::ApplicationDefined, path.string() + " is not a regular file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw AutomationError(err::ApplicationDefined, "Cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    SafeSave(path.string(), [&](const std::string& temp) {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush()) {
            throw AutomationError(err::ApplicationDefined, "Cannot write " + path.string());
        }
    }, 0644);
}

// A value of the desktop entry's Exec key: the program quoted, its
// specials escaped, and the escapes doubled as every string value's are.
std::string ExecValue(const std::string& program) {
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += "\\\\";
        }
        quoted += c;
    }
    return quoted + "\" %f";
}

std::filesystem::path FromEnvironment(const char* name, const char* underHome) {
    if (const char* value = std::getenv(name); value && *value == '/') {
        return value;
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/") / underHome;
}

} // namespace

DesktopAssociation::DesktopAssociation(std::filesystem::path dataHome,
                                       std::filesystem::path configHome,
                                       std::filesystem::path studio)
    : m_dataHome(std::move(dataHome)), m_configHome(std::move(configHome)),
      m_studio(std::move(studio)) {}

DesktopAssociation DesktopAssociation::ForUser() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return DesktopAssociation(FromEnvironment("XDG_DATA_HOME", ".local/share"),
                              FromEnvironment("XDG_CONFIG_HOME", ".config"),
                              self.parent_path() / "vantor-studio");
}

std::string DesktopAssociation::Edited(const std::string& list, bool on) {
    const std::vector<Line> lines = SplitLines(list);
    const Found found = FindTypeLine(lines, list);
    const std::string ending = list.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    if (!found.key) {
        if (!on) {
            return list;
        }
        std::string entry = std::string(MimeType) + "=" + DesktopId + ";" + ending;
        std::string edited = list;
        if (!edited.empty() && edited.back() != '\n') {
            edited += ending;
        }
        if (!found.section) {
            return edited + Section + ending + entry;
        }
        const size_t at = found.line < lines.size() ? lines[found.line].start : edited.size();
        return edited.insert(at, entry);
    }
    const Line& line = lines[found.line];
    const std::string text = list.substr(line.start, line.length);
    std::vector<std::string> ids;
    if (on) {
        ids.push_back(DesktopId);
    }
    for (const std::string& id : Ids(text.substr(text.find('=') + 1))) {
        if (id != DesktopId) {
            ids.push_back(id);
        }
    }
    if (ids.empty()) {
        return list.substr(0, line.start) + list.substr(line.next); // nothing left for the type
    }
    std::string value = text.substr(0, text.find('=') + 1);
    for (const std::string& id : ids) {
        value += id + ";";
    }
    return list.substr(0, line.start) + value + list.substr(line.start + line.length);
}

bool DesktopAssociation::FirstInList(const std::string& list) {
    const std::vector<Line> lines = SplitLines(list);
    const Found found = FindTypeLine(lines, list);
    if (!found.key) {
        return false;
    }
    const std::string text = list.substr(lines[found.line].start, lines[found.line].length);
    const std::vector<std::string> ids = Ids(text.substr(text.find('=') + 1));
    return !ids.empty() && ids.front() == DesktopId;
}

bool DesktopAssociation::IsOn() const {
    try {
        return FirstInList(ReadFile(ListPath()));
    } catch (const AutomationError&) {
        return false; // an unreadable list names no default
    }
}

void DesktopAssociation::Set(bool on) {
    const std::string list = ReadFile(ListPath());
    if (on) {
        // The installed entry of the same id says the same, with the installed program.
        WriteFile(EntryPath(), "[Desktop Entry]\nType=Application\nName=Vantor Studio\n"
                               "Comment=Edit workbook files (.xlsx)\nExec=" +
                                   ExecValue(m_studio.string()) + "\nIcon=vantor-studio\nMimeType=" + MimeType +
                                   ";\nTerminal=false\nCategories=Office;Spreadsheet;\n");
    }
    const std::string edited = Edited(list, on);
    if (edited != list) {
        WriteFile(ListPath(), edited);
    }
}

} // namespace vantor::host
