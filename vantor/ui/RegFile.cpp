#include "vantor/ui/RegFile.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <algorithm>
#include <array>

namespace vantor {

namespace {

constexpr std::string_view Header = "REGEDIT4";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 5> RootNames = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",
                                                       "HKEY_LOCAL_MACHINE", "HKEY_USERS", "HKEY_CURRENT_CONFIG"};

// A problem on one line of the file; Parse adds the file name and line number.
struct LineProblem {
    std::string what;
};

std::optional<std::string_view> CanonicalRoot(std::string_view name) {
    for (const std::string_view root : RootNames) {
        if (EqualsIgnoreCase(root, name)) {
            return root;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        const size_t end = path.find('\\', start);
        parts.push_back(path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

// The path spelled as given, but with the root's usual spelling.
std::string NormalizedPath(std::string_view path) {
    const std::vector<std::string_view> parts = SplitPath(path);
    std::string out(CanonicalRoot(parts[0]).value_or(parts[0]));
    out.append(path.substr(parts[0].size()));
    return out;
}

// True when `key` is `base` or one of its subkeys.
bool IsWithin(const std::vector<std::string_view>& key, const std::vector<std::string_view>& base) {
    if (key.size() < base.size()) {
        return false;
    }
    for (size_t i = 0; i < base.size(); ++i) {
        if (!EqualsIgnoreCase(key[i], base[i])) {
            return false;
        }
    }
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void SkipBlanks(std::string_view line, size_t& pos) {
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
}

// Reads a quoted text starting at line[pos] == '"'; only \\ and \" are escapes.
std::string ReadQuoted(std::string_view line, size_t& pos) {
    std::string out;
    ++pos;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"') {
            return out;
        }
        if (c == '\\') {
            if (pos >= line.size()) {
                break;
            }
            const char escaped = line[pos++];
            if (escaped != '\\' && escaped != '"') {
                throw LineProblem{std::string("bad escape \\") + escaped};
            }
            out += escaped;
        } else {
            out += c;
        }
    }
    throw LineProblem{"unterminated quote"};
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

// The line's ending ("\r\n", "\n", or none for a last line without one).
std::string_view LineEnd(std::string_view line) {
    if (line.ends_with("\r\n")) {
        return "\r\n";
    }
    return line.ends_with('\n') ? "\n" : "";
}

std::string_view WithoutLineEnd(std::string_view line) {
    line.remove_suffix(LineEnd(line).size());
    return line;
}

void EndLine(std::string& line, const std::string& lineEnd) {
    if (LineEnd(line).empty()) {
        line += lineEnd;
    }
}

std::string ValueLine(std::string_view name, std::string_view value) {
    return (name.empty() ? std::string("@") : Quote(name)) + "=" + Quote(value);
}

// The folded path of the key's parent; empty for a root.
std::string_view ParentOf(std::string_view folded) {
    const size_t cut = folded.rfind('\\');
    return cut == std::string_view::npos ? std::string_view() : folded.substr(0, cut);
}

} // namespace

RegFile RegFile::Parse(std::string_view text, const std::string& source) {
    RegFile file;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return file;
    }
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        throw AutomationError(err::ApplicationDefined, "Registry file " + source + " is in UTF-16, which is not read");
    }
    if (text.find('\0') != std::string_view::npos) {
        throw AutomationError(err::ApplicationDefined,
                              "Registry file " + source + " is not a text file: it holds NUL bytes");
    }
    const size_t firstBreak = text.find('\n');
    file.m_lineEnd = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r' ? "\r\n" : "\n";

    Entry* continued = nullptr; // a value of another kind whose last line ended with '\'
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::string_view line = text.substr(start, end - start);
        start = end;
        ++lineNumber;
        const std::string_view trimmed = TrimBlanks(WithoutLineEnd(line));
        Section& section = file.m_sections.back();
        if (continued != nullptr) {
            continued->text.append(line);
            continued = trimmed.ends_with('\\') ? continued : nullptr;
            continue;
        }
        if (lineNumber == 1) {
            if (TrimBlanks(WithoutLineEnd(line.starts_with(ByteOrderMark) ? line.substr(ByteOrderMark.size()) : line)) !=
                Header) {
                throw AutomationError(err::ApplicationDefined,
                                      "Registry file " + source + " is not a registry file: its first line is not " +
                                          std::string(Header));
            }
            section.entries.push_back(Entry{std::string(line), false, {}, {}});
            continue;
        }
        try {
            if (trimmed.empty() || trimmed.front() == ';') {
                // blank lines separate keys; ';' starts a comment
                section.entries.push_back(Entry{std::string(line), false, {}, {}});
            } else if (trimmed.front() == '[') {
                // A malformed header opens a section that belongs to no key.
                file.m_sections.push_back(Section{std::string(line), {}, {}});
                if (trimmed.back() != ']') {
                    throw LineProblem{"the key line has no closing ]"};
                }
                const std::string_view path = trimmed.substr(1, trimmed.size() - 2);
                if (const std::optional<std::string> problem = KeyPathProblem(path)) {
                    throw LineProblem{*problem};
                }
                file.m_sections.back().path = path;
                file.Index(file.m_sections.size() - 1);
            } else if (trimmed.front() == '"' || trimmed.front() == '@') {
                // The line is kept as it stands until the value is known to be good.
                section.entries.push_back(Entry{std::string(line), false, {}, {}});
                if (file.m_sections.size() == 1) {
                    throw LineProblem{"a value outside a key"};
                }
                if (section.path.empty()) {
                    continue; // under a malformed key line, already reported
                }
                size_t pos = 0;
                Entry& entry = section.entries.back();
                std::string name;
                if (trimmed.front() == '@') {
                    pos = 1;
                } else {
                    name = ReadQuoted(trimmed, pos);
                }
                SkipBlanks(trimmed, pos);
                if (pos >= trimmed.size() || trimmed[pos] != '=') {
                    throw LineProblem{"expected = after the value name"};
                }
                ++pos;
                SkipBlanks(trimmed, pos);
                if (pos >= trimmed.size()) {
                    throw LineProblem{"the value has no data"};
                }
                if (trimmed[pos] == '"') {
                    std::string value = ReadQuoted(trimmed, pos);
                    SkipBlanks(trimmed, pos);
                    if (pos < trimmed.size()) {
                        throw LineProblem{"unexpected text after the value"};
                    }
                    entry.value = std::move(value);
                } else if (trimmed.ends_with('\\')) {
                    continued = &entry;
                }
                entry.isValue = true;
                entry.name = std::move(name);
            } else {
                section.entries.push_back(Entry{std::string(line), false, {}, {}});
                throw LineProblem{"unexpected text"};
            }
        } catch (const LineProblem& problem) {
            if (!file.m_problem) {
                file.m_problem = "Registry file " + source + " has a malformed line " + std::to_string(lineNumber) +
                                 " (" + problem.what + "), which is kept as it stands";
            }
        }
    }
    return file;
}

std::string RegFile::Serialize() const {
    std::string out;
    for (const Section& section : m_sections) {
        out += section.header;
        for (const Entry& entry : section.entries) {
            out += entry.text;
        }
    }
    return out;
}

std::optional<std::string> RegFile::KeyPathProblem(std::string_view path) {
    if (std::optional<std::string> problem = TextProblem(path)) {
        return problem;
    }
    const std::vector<std::string_view> parts = SplitPath(path);
    if (!CanonicalRoot(parts[0])) {
        return "the key path \"" + std::string(path) + "\" does not start with a root key such as HKEY_CURRENT_USER";
    }
    if (std::any_of(parts.begin(), parts.end(), [](std::string_view part) { return part.empty(); })) {
        return "the key path \"" + std::string(path) + "\" has an empty key name";
    }
    return std::nullopt;
}

std::optional<std::string> RegFile::TextProblem(std::string_view text) {
    // The file holds one value per line and the registry's strings end at NUL.
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return "line breaks and NUL characters cannot be stored";
    }
    return std::nullopt;
}

bool RegFile::HasKey(std::string_view path) const {
    if (path.find('\\') == std::string_view::npos) {
        return true; // the roots always exist
    }
    return m_known.contains(FoldCase(path));
}

bool RegFile::CreateKey(std::string_view path) {
    if (HasKey(path)) {
        return false;
    }
    AppendSection(path);
    return true;
}

bool RegFile::DeleteKey(std::string_view path) {
    const std::vector<std::string_view> base = SplitPath(path);
    const size_t removed = std::erase_if(m_sections, [&](const Section& section) {
        return !section.path.empty() && IsWithin(SplitPath(section.path), base);
    });
    Reindex();
    return removed > 0;
}

std::vector<std::string> RegFile::SubkeyNames(std::string_view path) const {
    const std::vector<std::string_view> base = SplitPath(path);
    std::vector<std::string> names;
    for (const Section& section : m_sections) {
        const std::vector<std::string_view> parts = SplitPath(section.path);
        if (section.path.empty() || parts.size() <= base.size() || !IsWithin(parts, base)) {
            continue;
        }
        const std::string_view child = parts[base.size()];
        if (std::none_of(names.begin(), names.end(), [&](const std::string& name) { return EqualsIgnoreCase(name, child); })) {
            names.emplace_back(child);
        }
    }
    return names;
}

std::optional<std::string> RegFile::QueryString(std::string_view key, std::string_view name) const {
    const std::optional<Position> found = LastValue(key, name);
    return found ? m_sections[found->section].entries[found->entry].value : std::nullopt;
}

void RegFile::SetString(std::string_view key, std::string_view name, std::string_view value) {
    if (const std::optional<Position> found = LastValue(key, name)) {
        Entry& existing = m_sections[found->section].entries[found->entry];
        const std::string lineEnd(LineEnd(existing.text));
        existing.text = ValueLine(existing.name, value) + lineEnd;
        existing.value = std::string(value);
        return;
    }
    const std::vector<size_t> sections = SectionsOf(key);
    Section& section = sections.empty() ? AppendSection(key) : m_sections[sections.back()];
    std::vector<Entry>& entries = section.entries;
    const auto lastValue =
        std::find_if(entries.rbegin(), entries.rend(), [](const Entry& entry) { return entry.isValue; });
    const size_t pos = static_cast<size_t>(entries.rend() - lastValue);
    EndLine(pos == 0 ? section.header : entries[pos - 1].text, m_lineEnd);
    entries.insert(entries.begin() + static_cast<ptrdiff_t>(pos),
                   Entry{ValueLine(name, value) + m_lineEnd, true, std::string(name), std::string(value)});
}

bool RegFile::DeleteValue(std::string_view key, std::string_view name) {
    bool removed = false;
    for (const size_t i : SectionsOf(key)) {
        removed |= std::erase_if(m_sections[i].entries, [&](const Entry& entry) {
                       return entry.isValue && EqualsIgnoreCase(entry.name, name);
                   }) > 0;
    }
    return removed;
}

std::vector<std::string> RegFile::ValueNames(std::string_view key) const {
    std::vector<std::string> names;
    for (const size_t i : SectionsOf(key)) {
        for (const Entry& entry : m_sections[i].entries) {
            if (entry.isValue && std::none_of(names.begin(), names.end(), [&](const std::string& name) {
                    return EqualsIgnoreCase(name, entry.name);
                })) {
                names.push_back(entry.name);
            }
        }
    }
    return names;
}

std::vector<size_t> RegFile::SectionsOf(std::string_view path) const {
    const auto found = m_index.find(FoldCase(path));
    return found == m_index.end() ? std::vector<size_t>() : found->second;
}

std::optional<RegFile::Position> RegFile::LastValue(std::string_view key, std::string_view name) const {
    std::optional<Position> last;
    for (const size_t i : SectionsOf(key)) {
        const std::vector<Entry>& entries = m_sections[i].entries;
        for (size_t j = 0; j < entries.size(); ++j) {
            if (entries[j].isValue && EqualsIgnoreCase(entries[j].name, name)) {
                last = Position{i, j};
            }
        }
    }
    return last;
}

RegFile::Section& RegFile::AppendSection(std::string_view path) {
    std::vector<Entry>& head = m_sections.front().entries;
    if (m_sections.size() == 1 && head.empty()) {
        head.push_back(Entry{std::string(Header) + m_lineEnd, false, {}, {}});
    }
    // Sections are set apart by a blank line.
    Section& last = m_sections.back();
    std::string& lastLine = last.entries.empty() ? last.header : last.entries.back().text;
    EndLine(lastLine, m_lineEnd);
    if (!TrimBlanks(WithoutLineEnd(lastLine)).empty()) {
        last.entries.push_back(Entry{m_lineEnd, false, {}, {}});
    }
    const std::string normalized = NormalizedPath(path);
    m_sections.push_back(Section{"[" + normalized + "]" + m_lineEnd, normalized, {}});
    Index(m_sections.size() - 1);
    return m_sections.back();
}

void RegFile::Index(size_t section) {
    std::string folded = FoldCase(m_sections[section].path);
    m_index[folded].push_back(section);
    for (std::string_view key = folded; !key.empty() && m_known.emplace(key).second; key = ParentOf(key)) {
    }
}

void RegFile::Reindex() {
    m_index.clear();
    m_known.clear();
    for (size_t i = 1; i < m_sections.size(); ++i) {
        if (!m_sections[i].path.empty()) {
            Index(i);
        }
    }
}

} // namespace vantor
