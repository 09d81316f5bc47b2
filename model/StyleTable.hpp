#pragma once
#include "model/StringPool.hpp"
#include "model/Style.hpp"
#include "model/StylePatch.hpp"

#include <cstdint>
#include <unordered_map>
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
    // Distinct patches are numbered from 1.
    uint32_t PatchNumber(const StylePatch& patch);
    // The ids of the styles `ids` become with the patch of this number
    // applied. Each style remembers the last patch applied to it and the
    // result, so that repeating a change (turning bold on and off, say) finds
    // its styles without looking them up.
    void ApplyPatch(uint32_t patchNumber, const StylePatch& patch, const std::vector<uint32_t>& ids,
                    std::vector<uint32_t>& newIds);
    // What the patch of this number made of a style, if it was the last one applied to it.
    bool KnownResult(uint32_t patchNumber, uint32_t id, uint32_t& result) const {
        if (id >= m_transitions.size() || m_transitions[id].patch != patchNumber) {
            return false;
        }
        result = m_transitions[id].result;
        return true;
    }
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
    static constexpr uint32_t kNone = UINT32_MAX;
    // The id of the indexed record equal to the style, or kNone.
    uint32_t Find(const Style& style, size_t hash) const;
    // Stores the style under a free id, not yet indexed.
    uint32_t NewRecord(const Style& style, size_t hash);
    void FreeRecord(uint32_t id);
    void Reserve(size_t records);
    void Rehash(size_t capacity);
    void Insert(uint32_t id);

    std::vector<Style> m_styles;
    std::vector<size_t> m_hashes;
    std::vector<uint8_t> m_free;
    std::vector<uint32_t> m_freeIds;
    // Open addressing: each slot holds id + 1 (0 when empty) and the high half
    // of the id's hash, so most probes settle without touching the record.
    struct Slot {
        uint32_t idPlusOne;
        uint32_t hashHigh;
    };
    std::vector<Slot> m_slots;
    StringPool m_fontNames;
    StringPool m_numberFormats;
    std::unordered_set<const ColumnStyles*> m_columns;
    // Distinct patches, and per style the last one applied.
    struct Transition {
        uint32_t patch = 0;
        uint32_t result = 0;
    };
    std::vector<std::pair<FieldMask, Style>> m_patches;
    std::unordered_multimap<size_t, uint32_t> m_patchNumbers;
    std::vector<Transition> m_transitions;
    // The work list of ApplyPatch: which of its ids has no known result, and
    // the record made for it. Kept so that a large patch reuses memory already
    // at hand instead of faulting in fresh pages each time.
    struct Pending {
        size_t at;
        uint32_t record;
    };
    std::vector<Pending> m_pending;
};

} // namespace vantor::model
