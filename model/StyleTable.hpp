#pragma once
#include "model/StringPool.hpp"
#include "model/Style.hpp"

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace vantor::model {

class ColumnStyles;

// The styles of a workbook, each distinct one stored once and named by its
// id; id 0 is the default style. Records that no column refers to any more
// are reclaimed in bulk once the table has grown well past its limit, so
// that repeated edits find their earlier records again instead of rebuilding
// them.
class StyleTable {
public:
    explicit StyleTable(const std::string& defaultFontName);
    StyleTable(const StyleTable&) = delete;
    StyleTable& operator=(const StyleTable&) = delete;

    uint32_t Intern(const Style& style);
    const Style& Get(uint32_t id) const { return m_styles[id]; }
    const Style& Default() const { return m_styles[0]; }
    // Records held, referenced or not.
    size_t RecordCount() const { return m_styles.size() - m_freeIds.size(); }
    // One past the highest id in use; arrays indexed by id need this size.
    size_t IdLimit() const { return m_styles.size(); }

    StringPool& FontNames() { return m_fontNames; }
    const StringPool& FontNames() const { return m_fontNames; }
    StringPool& NumberFormats() { return m_numberFormats; }
    const StringPool& NumberFormats() const { return m_numberFormats; }

    // Frees every record that no live column refers to, when the table has
    // grown past `threshold` records.
    void CollectIfAbove(size_t threshold);

    // Columns register themselves, so that collection knows what is in use.
    void Register(const ColumnStyles* column) { m_columns.insert(column); }
    void Unregister(const ColumnStyles* column) { m_columns.erase(column); }

private:
    void Rehash(size_t capacity);
    void Insert(uint32_t id);

    std::vector<Style> m_styles;
    std::vector<size_t> m_hashes;
    std::vector<uint8_t> m_free;
    std::vector<uint32_t> m_freeIds;
    std::vector<uint32_t> m_slots; // open addressing: id + 1, 0 when empty
    StringPool m_fontNames;
    StringPool m_numberFormats;
    std::unordered_set<const ColumnStyles*> m_columns;
};

} // namespace vantor::model
