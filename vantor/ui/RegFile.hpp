#pragma once
#include "vantor/Export.h"
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vantor {

// A registry export file in the REGEDIT4 format, kept line by line so that a
// rewrite changes only the lines of the values it writes: comments, blank
// lines, the byte order mark, the line endings and values of other kinds
// (dword:, hex:, ...) stay byte for byte. A new value goes at the end of its
// key's section, a new key's section at the end of the file, in the file's
// own line ending. Key and value names match without regard to case and keep
// the spelling they were first written with. A key also exists when only its
// subkeys are listed.
class VANTOR_API RegFile {
public:
    // Parses a file's text; empty or blank text is an empty file. A text that
    // is no registry file at all (no REGEDIT4 first line, NUL bytes, UTF-16)
    // raises 1004 naming `source`. A single malformed line is kept as it
    // stands, means nothing, and is described by Problem().
    static RegFile Parse(std::string text, const std::string& source);
    std::string Serialize() const;

    // The first malformed line, with the file and the line number.
    const std::optional<std::string>& Problem() const { return m_problem; }

    // What is wrong with a key path ("HKEY_CURRENT_USER\Software\..."), or
    // nothing when it is well formed.
    static std::optional<std::string> KeyPathProblem(std::string_view path);
    // What is wrong with a value name or a value's text, or nothing.
    static std::optional<std::string> TextProblem(std::string_view text);

    // The paths below take well-formed key paths.
    bool HasKey(std::string_view path) const;
    // Adds the key's section (parents exist through it); false when the key existed.
    bool CreateKey(std::string_view path);
    // Removes the key with all its subkeys; false when there was none.
    bool DeleteKey(std::string_view path);
    // Names of the direct subkeys, in file order.
    std::vector<std::string> SubkeyNames(std::string_view path) const;

    // The text of a string value or of an expandable string (hex(2), decoded);
    // nothing when it is missing, of another kind or malformed.
    // The empty name is the key's default value.
    std::optional<std::string> QueryString(std::string_view key, std::string_view name) const;
    // Sets a string value, creating the key when needed; replaces a value of another kind.
    void SetString(std::string_view key, std::string_view name, std::string_view value);
    // False when there was no such value.
    bool DeleteValue(std::string_view key, std::string_view name);
    // Names of all values of the key, of every kind, in file order.
    std::vector<std::string> ValueNames(std::string_view key) const;

private:
    // A run of bytes within a line.
    struct Span {
        uint32_t at = 0;
        uint32_t size = 0;
    };
    // One line of a section (a value with its continuation lines), with its
    // line ending. Lines as read stay in m_source and are referred to; a line
    // written since is kept in m_owned. Names and values are the quoted texts
    // as they stand in the line, unescaped when asked for, so reading a large
    // file copies nothing.
    struct Entry {
        uint32_t begin = 0; // in m_source, files being bounded well below 4 GiB
        uint32_t size = 0;
        uint32_t own = NotOwned; // index in m_owned
        bool isValue = false;
        bool isString = false;
        bool asciiName = false;
        bool escapedName = false;
        Span name;  // empty for the default value "@"
        Span value; // a string's quoted text; the data of another kind
    };
    static constexpr uint32_t NotOwned = UINT32_MAX;
    // A key's header line and the lines up to the next header. The first
    // section is the file's head ("REGEDIT4", comments) and has no header.
    struct Section {
        std::string header;
        std::string path; // empty for the head and for a malformed header
        std::deque<Entry> entries; // no reallocation while a large file is read
    };
    struct Position {
        size_t section;
        size_t entry;
    };

    std::string_view Line(const Entry& entry) const;
    std::string& OwnLine(Entry& entry);
    // Makes the entry's line `text`, kept by the file.
    void SetLine(Entry& entry, std::string text);
    std::string NameOf(const Entry& entry) const;
    // Marks a value line as such, with where its name and value stand; raises
    // a problem of the line when it is malformed.
    void Describe(Entry& entry) const;
    // Where the value is set; the last line wins when a name comes twice.
    std::optional<Position> LastValue(std::string_view key, std::string_view name) const;
    // The sections of the key, in file order.
    std::vector<size_t> SectionsOf(std::string_view path) const;
    Section& AppendSection(std::string_view path);
    void Index(size_t section);
    void Reindex();

    std::string m_source; // the text as read
    std::vector<std::string> m_owned;
    std::vector<Section> m_sections = std::vector<Section>(1);
    std::string m_lineEnd = "\n";
    std::optional<std::string> m_problem;
    // Folded key path: the sections holding it.
    std::unordered_map<std::string, std::vector<size_t>> m_index;
    // Folded paths of every key that has a section or a subkey with one.
    std::unordered_set<std::string> m_known;
};

} // namespace vantor
