#include "vantor/ui/RegFile.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cctype>

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

// The quoted text starting at line[pos] == '"', as it stands between the
// quotes; only \\ and \" are escapes. Leaves pos after the closing quote.
std::pair<size_t, size_t> ScanQuoted(std::string_view line, size_t& pos, bool& escaped) {
    const size_t start = ++pos;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"') {
            return {start, pos - 1 - start};
        }
        if (c == '\\') {
            if (pos >= line.size()) {
                break;
            }
            const char next = line[pos++];
            if (next != '\\' && next != '"') {
                throw LineProblem{std::string("bad escape \\") + next};
            }
            escaped = true;
        }
    }
    throw LineProblem{"unterminated quote"};
}

std::string Unescape(std::string_view quoted) {
    std::string out;
    out.reserve(quoted.size());
    for (size_t i = 0; i < quoted.size(); ++i) {
        out += quoted[i] == '\\' ? quoted[++i] : quoted[i];
    }
    return out;
}

// What a value line ("name"=..., @=...) holds, positions within the line.
struct ValueLineParts {
    bool isString = false;
    bool escapedName = false;
    std::pair<size_t, size_t> name;
    std::pair<size_t, size_t> value;
};

ValueLineParts ParseValueLine(std::string_view line) {
    ValueLineParts parts;
    size_t pos = 0;
    SkipBlanks(line, pos);
    if (line[pos] == '@') {
        ++pos;
    } else {
        parts.name = ScanQuoted(line, pos, parts.escapedName);
    }
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') {
        throw LineProblem{"expected = after the value name"};
    }
    ++pos;
    SkipBlanks(line, pos);
    if (pos >= line.size()) {
        throw LineProblem{"the value has no data"};
    }
    if (line[pos] == '"') {
        bool escaped = false;
        parts.value = ScanQuoted(line, pos, escaped);
        SkipBlanks(line, pos);
        if (pos < line.size()) {
            throw LineProblem{"unexpected text after the value"};
        }
        parts.isString = true;
    } else {
        parts.value = {pos, line.size() - pos};
    }
    return parts;
}

// The text of an expandable string ("hex(2):41,00,42,00,00,00", UTF-16LE
// bytes, possibly over continuation lines), up to its terminating NUL;
// nothing when the data is of another kind or malformed.
std::optional<std::string> ExpandableText(std::string_view data) {
    constexpr std::string_view Prefix = "hex(2):";
    if (data.size() < Prefix.size() || !EqualsIgnoreCase(data.substr(0, Prefix.size()), Prefix)) {
        return std::nullopt;
    }
    std::u16string units;
    std::string bytes;
    std::string digits;
    for (const char c : data.substr(Prefix.size())) {
        if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits += c;
        } else if (c == ',') {
            if (digits.size() != 2) {
                return std::nullopt;
            }
            bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
            digits.clear();
        } else if (!IsBlank(c) && c != '\\' && c != '\r' && c != '\n') {
            return std::nullopt;
        }
    }
    if (!digits.empty()) {
        if (digits.size() != 2) {
            return std::nullopt;
        }
        bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
    }
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (unit == 0) {
            break;
        }
        units += unit;
    }
    std::string text;
    icu::UnicodeString(units.data(), static_cast<int32_t>(units.size())).toUTF8String(text);
    return text;
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

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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

RegFile RegFile::Parse(std::string text, const std::string& source) {
    RegFile file;
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return file;
    }
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        throw AutomationError(err::ApplicationDefined, "Registry file " + source + " is in UTF-16, which is not read");
    }
    if (text.find('\0') != std::string::npos) {
        throw AutomationError(err::ApplicationDefined,
                              "Registry file " + source + " is not a text file: it holds NUL bytes");
    }
    file.m_source = std::move(text);
    const std::string_view all = file.m_source;
    const size_t firstBreak = all.find('\n');
    file.m_lineEnd = firstBreak != std::string_view::npos && firstBreak > 0 && all[firstBreak - 1] == '\r' ? "\r\n" : "\n";

    Entry* continued = nullptr; // a value of another kind whose last line ended with '\'
    size_t lineNumber = 0;
    size_t start = 0;
    while (start < all.size()) {
        const size_t end = std::min(all.find('\n', start), all.size() - 1) + 1;
        const std::string_view line = all.substr(start, end - start);
        const std::string_view content = WithoutLineEnd(line);
        const std::string_view trimmed = TrimBlanks(content);
        ++lineNumber;
        Entry plain;
        plain.begin = static_cast<uint32_t>(start);
        plain.size = static_cast<uint32_t>(line.size());
        start = end;
        Section& section = file.m_sections.back();
        if (continued != nullptr) {
            continued->size += static_cast<uint32_t>(line.size());
            continued = trimmed.ends_with('\\') ? continued : nullptr;
            continue;
        }
        if (lineNumber == 1) {
            if (TrimBlanks(content.starts_with(ByteOrderMark) ? content.substr(ByteOrderMark.size()) : content) != Header) {
                throw AutomationError(err::ApplicationDefined,
                                      "Registry file " + source + " is not a registry file: its first line is not " +
                                          std::string(Header));
            }
            section.entries.push_back(plain);
            continue;
        }
        try {
            if (trimmed.empty() || trimmed.front() == ';') {
                // blank lines separate keys; ';' starts a comment
                section.entries.push_back(plain);
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
                // The line is kept as it stands, and means something once it is known to be good.
                section.entries.push_back(plain);
                if (file.m_sections.size() == 1) {
                    throw LineProblem{"a value outside a key"};
                }
                if (section.path.empty()) {
                    continue; // under a malformed key line, already reported
                }
                file.Describe(section.entries.back());
                if (!section.entries.back().isString && trimmed.ends_with('\\')) {
                    continued = &section.entries.back();
                }
            } else {
                section.entries.push_back(plain);
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
    out.reserve(m_source.size());
    for (const Section& section : m_sections) {
        out += section.header;
        for (const Entry& entry : section.entries) {
            out += Line(entry);
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
    if (!found) {
        return std::nullopt;
    }
    const Entry& entry = m_sections[found->section].entries[found->entry];
    if (!entry.isString) {
        return ExpandableText(Line(entry).substr(entry.value.at, entry.value.size));
    }
    return Unescape(Line(entry).substr(entry.value.at, entry.value.size));
}

void RegFile::SetString(std::string_view key, std::string_view name, std::string_view value) {
    if (const std::optional<Position> found = LastValue(key, name)) {
        Entry& existing = m_sections[found->section].entries[found->entry];
        const std::string lineEnd(LineEnd(Line(existing)));
        SetLine(existing, ValueLine(NameOf(existing), value) + lineEnd);
        Describe(existing);
        return;
    }
    const std::vector<size_t> sections = SectionsOf(key);
    Section& section = sections.empty() ? AppendSection(key) : m_sections[sections.back()];
    std::deque<Entry>& entries = section.entries;
    const auto lastValue =
        std::find_if(entries.rbegin(), entries.rend(), [](const Entry& entry) { return entry.isValue; });
    size_t pos = static_cast<size_t>(entries.rend() - lastValue);
    std::string& previous = pos == 0 ? section.header : OwnLine(entries[pos - 1]);
    EndLine(previous, m_lineEnd);
    if (TrimBlanks(WithoutLineEnd(previous)).ends_with('\\')) {
        // A value cut short by the file's end would take the new line as its continuation.
        Entry blank;
        SetLine(blank, m_lineEnd);
        entries.insert(entries.begin() + static_cast<ptrdiff_t>(pos++), blank);
    }
    Entry added;
    SetLine(added, ValueLine(name, value) + m_lineEnd);
    Describe(added);
    entries.insert(entries.begin() + static_cast<ptrdiff_t>(pos), added);
}

bool RegFile::DeleteValue(std::string_view key, std::string_view name) {
    bool removed = false;
    for (const size_t i : SectionsOf(key)) {
        removed |= std::erase_if(m_sections[i].entries, [&](const Entry& entry) {
                       return entry.isValue && EqualsIgnoreCase(NameOf(entry), name);
                   }) > 0;
    }
    return removed;
}

std::vector<std::string> RegFile::ValueNames(std::string_view key) const {
    std::vector<std::string> names;
    for (const size_t i : SectionsOf(key)) {
        for (const Entry& entry : m_sections[i].entries) {
            if (!entry.isValue) {
                continue;
            }
            std::string name = NameOf(entry);
            if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return EqualsIgnoreCase(n, name); })) {
                names.push_back(std::move(name));
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
    const bool asciiName = IsAscii(name);
    for (const size_t i : SectionsOf(key)) {
        const std::deque<Entry>& entries = m_sections[i].entries;
        for (size_t j = 0; j < entries.size(); ++j) {
            const Entry& entry = entries[j];
            if (!entry.isValue) {
                continue;
            }
            // Most names are passed over here: two ASCII names of different lengths never match.
            if (asciiName && entry.asciiName && !entry.escapedName && entry.name.size != name.size()) {
                continue;
            }
            const std::string_view raw = Line(entry).substr(entry.name.at, entry.name.size);
            if (entry.escapedName ? EqualsIgnoreCase(Unescape(raw), name) : EqualsIgnoreCase(raw, name)) {
                last = Position{i, j};
            }
        }
    }
    return last;
}

std::string_view RegFile::Line(const Entry& entry) const {
    return entry.own != NotOwned ? std::string_view(m_owned[entry.own])
                                 : std::string_view(m_source).substr(entry.begin, entry.size);
}

std::string& RegFile::OwnLine(Entry& entry) {
    if (entry.own == NotOwned) {
        SetLine(entry, std::string(Line(entry)));
    }
    return m_owned[entry.own];
}

void RegFile::SetLine(Entry& entry, std::string text) {
    if (entry.own == NotOwned) {
        entry.own = static_cast<uint32_t>(m_owned.size());
        m_owned.push_back(std::move(text));
    } else {
        m_owned[entry.own] = std::move(text);
    }
}

std::string RegFile::NameOf(const Entry& entry) const {
    return Unescape(Line(entry).substr(entry.name.at, entry.name.size));
}

void RegFile::Describe(Entry& entry) const {
    const ValueLineParts parts = ParseValueLine(WithoutLineEnd(Line(entry)));
    entry.isValue = true;
    entry.isString = parts.isString;
    entry.escapedName = parts.escapedName;
    entry.name = Span{static_cast<uint32_t>(parts.name.first), static_cast<uint32_t>(parts.name.second)};
    entry.value = Span{static_cast<uint32_t>(parts.value.first), static_cast<uint32_t>(parts.value.second)};
    entry.asciiName = IsAscii(Line(entry).substr(entry.name.at, entry.name.size));
}

RegFile::Section& RegFile::AppendSection(std::string_view path) {
    std::deque<Entry>& head = m_sections.front().entries;
    if (m_sections.size() == 1 && head.empty()) {
        Entry header;
        SetLine(header, std::string(Header) + m_lineEnd);
        head.push_back(header);
    }
    // Sections are set apart by a blank line.
    Section& last = m_sections.back();
    std::string& lastLine = last.entries.empty() ? last.header : OwnLine(last.entries.back());
    EndLine(lastLine, m_lineEnd);
    if (!TrimBlanks(WithoutLineEnd(lastLine)).empty()) {
        Entry blank;
        SetLine(blank, m_lineEnd);
        last.entries.push_back(blank);
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
