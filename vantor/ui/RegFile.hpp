#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The contents of a registry export file in the REGEDIT4 format: keys in file
// order, each with its values. String values are decoded; values of other
// kinds (dword:, hex:, ...) keep their lines verbatim so a rewrite preserves
// them. Key and value names match without regard to case and keep the case
// they were created with. A key also exists when only its subkeys are listed.
class RegFile {
public:
    // Parses a file's text. A malformed text raises 1004 with a description
    // naming `source` and the line. Empty text is an empty file.
    static RegFile Parse(std::string_view text, const std::string& source);
    std::string Serialize() const;

    // What is wrong with a key path ("HKEY_CURRENT_USER\Software\..."), or
    // nothing when it is well formed.
    static std::optional<std::string> KeyPathProblem(std::string_view path);
    // What is wrong with a value name or a value's text, or nothing.
    static std::optional<std::string> TextProblem(std::string_view text);

    // The paths below take well-formed key paths.
    bool HasKey(std::string_view path) const;
    // Adds the key and its missing parents below the root; false when all were there.
    bool CreateKey(std::string_view path);
    // Removes the key with all its subkeys; false when there was none.
    bool DeleteKey(std::string_view path);
    // Names of the direct subkeys, in file order.
    std::vector<std::string> SubkeyNames(std::string_view path) const;

    // The text of a string value; nothing when it is missing or of another kind.
    // The empty name is the key's default value.
    std::optional<std::string> QueryString(std::string_view key, std::string_view name) const;
    // Sets a string value, creating the key when needed; replaces a value of another kind.
    void SetString(std::string_view key, std::string_view name, std::string_view value);
    // False when there was no such value.
    bool DeleteValue(std::string_view key, std::string_view name);
    // Names of all values of the key, of every kind, in file order.
    std::vector<std::string> ValueNames(std::string_view key) const;

private:
    struct Value {
        std::string name;
        std::optional<std::string> text; // set for string values
        std::string rawLines;            // the verbatim lines of other kinds
    };
    struct Key {
        std::string path;
        std::vector<Value> values;
    };

    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;
    Key& KeyForWrite(std::string_view path);

    std::vector<Key> m_keys;
};

} // namespace vantor
