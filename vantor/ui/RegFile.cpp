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

} // namespace

RegFile RegFile::Parse(std::string_view text, const std::string& source) {
    RegFile file;
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return file;
    }

    std::optional<size_t> current;      // index of the key whose values follow
    std::string* continued = nullptr;   // a value of another kind whose last line ended with '\'
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        try {
            const std::string_view trimmed = TrimBlanks(line);
            if (continued != nullptr) {
                continued->append("\n").append(line);
                continued = trimmed.ends_with('\\') ? continued : nullptr;
            } else if (lineNumber == 1) {
                if (trimmed != Header) {
                    throw LineProblem{"the first line is not REGEDIT4"};
                }
            } else if (trimmed.empty() || trimmed.front() == ';') {
                // blank lines separate keys; ';' starts a comment
            } else if (trimmed.front() == '[') {
                if (trimmed.back() != ']') {
                    throw LineProblem{"the key line has no closing ]"};
                }
                const std::string_view path = trimmed.substr(1, trimmed.size() - 2);
                if (const std::optional<std::string> problem = KeyPathProblem(path)) {
                    throw LineProblem{*problem};
                }
                const Key* existing = file.FindKey(path);
                if (existing == nullptr) {
                    file.m_keys.push_back(Key{std::string(path), {}});
                    existing = &file.m_keys.back();
                }
                current = static_cast<size_t>(existing - file.m_keys.data());
            } else if (trimmed.front() == '"' || trimmed.front() == '@') {
                if (!current) {
                    throw LineProblem{"a value outside a key"};
                }
                size_t pos = 0;
                Value value;
                if (trimmed.front() == '@') {
                    pos = 1;
                } else {
                    value.name = ReadQuoted(trimmed, pos);
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
                    value.text = ReadQuoted(trimmed, pos);
                    SkipBlanks(trimmed, pos);
                    if (pos < trimmed.size()) {
                        throw LineProblem{"unexpected text after the value"};
                    }
                } else {
                    value.rawLines = line;
                }
                std::vector<Value>& values = file.m_keys[*current].values;
                const auto same = std::find_if(values.begin(), values.end(), [&](const Value& v) {
                    return EqualsIgnoreCase(v.name, value.name);
                });
                Value& stored = same == values.end() ? values.emplace_back() : *same;
                stored = std::move(value);
                if (!stored.text && trimmed.ends_with('\\')) {
                    continued = &stored.rawLines;
                }
            } else {
                throw LineProblem{"unexpected text"};
            }
        } catch (const LineProblem& problem) {
            throw AutomationError(err::ApplicationDefined, "Registry file " + source + " is malformed at line " +
                                                               std::to_string(lineNumber) + ": " + problem.what);
        }
    }
    return file;
}

std::string RegFile::Serialize() const {
    std::string out(Header);
    out += "\n\n";
    for (const Key& key : m_keys) {
        out += "[" + key.path + "]\n";
        for (const Value& value : key.values) {
            if (value.text) {
                out += (value.name.empty() ? std::string("@") : Quote(value.name)) + "=" + Quote(*value.text);
            } else {
                out += value.rawLines;
            }
            out += '\n';
        }
        out += '\n';
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
    const std::vector<std::string_view> base = SplitPath(path);
    if (base.size() == 1) {
        return true; // the roots always exist
    }
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const Key& key) { return IsWithin(SplitPath(key.path), base); });
}

bool RegFile::CreateKey(std::string_view path) {
    const std::string normalized = NormalizedPath(path);
    const std::vector<std::string_view> parts = SplitPath(normalized);
    bool added = false;
    size_t length = 0;
    for (size_t count = 1; count <= parts.size(); ++count) {
        length += (count > 1 ? 1 : 0) + parts[count - 1].size();
        if (count == 1 && parts.size() > 1) {
            continue; // a root exists without a line of its own unless it holds values
        }
        const std::string_view prefix = std::string_view(normalized).substr(0, length);
        if (FindKey(prefix) != nullptr) {
            continue;
        }
        // Keep a subtree together: the new key goes after the last key under its parent.
        const std::vector<std::string_view> parent(parts.begin(), parts.begin() + static_cast<ptrdiff_t>(count - 1));
        const auto last = std::find_if(m_keys.rbegin(), m_keys.rend(),
                                       [&](const Key& key) { return IsWithin(SplitPath(key.path), parent); });
        m_keys.insert(last.base(), Key{std::string(prefix), {}});
        added = true;
    }
    return added;
}

bool RegFile::DeleteKey(std::string_view path) {
    const std::vector<std::string_view> base = SplitPath(path);
    return std::erase_if(m_keys, [&](const Key& key) { return IsWithin(SplitPath(key.path), base); }) > 0;
}

std::vector<std::string> RegFile::SubkeyNames(std::string_view path) const {
    const std::vector<std::string_view> base = SplitPath(path);
    std::vector<std::string> names;
    for (const Key& key : m_keys) {
        const std::vector<std::string_view> parts = SplitPath(key.path);
        if (parts.size() <= base.size() || !IsWithin(parts, base)) {
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
    const Key* found = FindKey(key);
    if (found == nullptr) {
        return std::nullopt;
    }
    for (const Value& value : found->values) {
        if (EqualsIgnoreCase(value.name, name)) {
            return value.text;
        }
    }
    return std::nullopt;
}

void RegFile::SetString(std::string_view key, std::string_view name, std::string_view value) {
    std::vector<Value>& values = KeyForWrite(key).values;
    for (Value& existing : values) {
        if (EqualsIgnoreCase(existing.name, name)) {
            existing.text = std::string(value);
            existing.rawLines.clear();
            return;
        }
    }
    values.push_back(Value{std::string(name), std::string(value), {}});
}

bool RegFile::DeleteValue(std::string_view key, std::string_view name) {
    Key* found = FindKey(key);
    return found != nullptr &&
           std::erase_if(found->values, [&](const Value& value) { return EqualsIgnoreCase(value.name, name); }) > 0;
}

std::vector<std::string> RegFile::ValueNames(std::string_view key) const {
    std::vector<std::string> names;
    if (const Key* found = FindKey(key)) {
        for (const Value& value : found->values) {
            names.push_back(value.name);
        }
    }
    return names;
}

RegFile::Key* RegFile::FindKey(std::string_view path) {
    const auto found = std::find_if(m_keys.begin(), m_keys.end(), [&](const Key& key) { return EqualsIgnoreCase(key.path, path); });
    return found == m_keys.end() ? nullptr : &*found;
}

const RegFile::Key* RegFile::FindKey(std::string_view path) const {
    const auto found = std::find_if(m_keys.begin(), m_keys.end(), [&](const Key& key) { return EqualsIgnoreCase(key.path, path); });
    return found == m_keys.end() ? nullptr : &*found;
}

RegFile::Key& RegFile::KeyForWrite(std::string_view path) {
    CreateKey(path);
    return *FindKey(path);
}

} // namespace vantor
