#include "model/StyleTable.hpp"

#include "model/ColumnStyles.hpp"

namespace vantor::model {

StyleTable::StyleTable(const std::string& defaultFontName) {
    m_numberFormats.Intern("");
    Style style;
    style.fontName = m_fontNames.Intern(defaultFontName);
    m_slots.assign(1024, Slot{0, 0});
    Intern(style);
}

uint32_t StyleTable::Intern(const Style& style) {
    Reserve(RecordCount() + 1);
    return InternHashed(style, style.Hash());
}

uint32_t StyleTable::PatchNumber(const StylePatch& patch) {
    // Only the patched fields count: two patches writing the same values are one.
    Style values;
    values.CopyFields(patch.values, patch.mask);
    const size_t hash = values.Hash() ^ (patch.mask * 0x9E3779B97F4A7C15ull);
    const auto [first, last] = m_patchNumbers.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        const auto& known = m_patches[it->second - 1];
        if (known.first == patch.mask && known.second == values) {
            return it->second;
        }
    }
    m_patches.emplace_back(patch.mask, values);
    const auto number = static_cast<uint32_t>(m_patches.size());
    m_patchNumbers.emplace(hash, number);
    return number;
}

void StyleTable::ApplyPatch(uint32_t patchNumber, const StylePatch& patch,
                            const std::vector<uint32_t>& ids, std::vector<uint32_t>& newIds) {
    m_transitions.resize(m_styles.size());
    newIds.resize(ids.size());
    // First the styles not known from an earlier patch, with their hashes.
    m_pendingAt.clear();
    m_pendingStyles.clear();
    m_pendingHashes.clear();
    for (size_t i = 0; i < ids.size(); ++i) {
        if (!KnownResult(patchNumber, ids[i], newIds[i])) {
            m_pendingAt.push_back(i);
            m_pendingStyles.push_back(patch.AppliedTo(m_styles[ids[i]]));
            m_pendingHashes.push_back(m_pendingStyles.back().Hash());
        }
    }
    // Then each interned, looking ahead in the hash index: a large batch
    // costs the memory reads it waits for, and these keep many in flight.
    constexpr size_t kAhead = 16;
    const size_t count = m_pendingAt.size();
    Reserve(RecordCount() + count);
    const size_t mask = m_slots.size() - 1;
    for (size_t k = 0; k < count; ++k) {
        if (k + kAhead < count) {
            __builtin_prefetch(&m_slots[m_pendingHashes[k + kAhead] & mask]);
        }
        const size_t i = m_pendingAt[k];
        newIds[i] = InternHashed(m_pendingStyles[k], m_pendingHashes[k]);
        m_transitions[ids[i]] = Transition{patchNumber, newIds[i]};
    }
}

void StyleTable::Reserve(size_t records) {
    size_t capacity = m_slots.size();
    while (records * 2 > capacity) {
        capacity *= 2;
    }
    if (capacity != m_slots.size()) {
        Rehash(capacity);
    }
}

uint32_t StyleTable::InternHashed(const Style& style, size_t hash) {
    const size_t mask = m_slots.size() - 1;
    const auto high = static_cast<uint32_t>(hash >> 32);
    for (size_t slot = hash & mask; m_slots[slot].idPlusOne != 0; slot = (slot + 1) & mask) {
        const uint32_t id = m_slots[slot].idPlusOne - 1;
        if (m_slots[slot].hashHigh == high && m_styles[id] == style) {
            return id;
        }
    }
    uint32_t id;
    if (!m_freeIds.empty()) {
        id = m_freeIds.back();
        m_freeIds.pop_back();
        m_styles[id] = style;
        m_hashes[id] = hash;
        m_free[id] = 0;
    } else {
        id = static_cast<uint32_t>(m_styles.size());
        m_styles.push_back(style);
        m_hashes.push_back(hash);
        m_free.push_back(0);
    }
    Insert(id);
    return id;
}

void StyleTable::Rehash(size_t capacity) {
    m_slots.assign(capacity, Slot{0, 0});
    for (uint32_t id = 0; id < m_styles.size(); ++id) {
        if (!m_free[id]) {
            Insert(id);
        }
    }
}

void StyleTable::Insert(uint32_t id) {
    const size_t mask = m_slots.size() - 1;
    size_t slot = m_hashes[id] & mask;
    while (m_slots[slot].idPlusOne != 0) {
        slot = (slot + 1) & mask;
    }
    m_slots[slot] = Slot{id + 1, static_cast<uint32_t>(m_hashes[id] >> 32)};
}

void StyleTable::CollectIfAbove(size_t threshold) {
    if (RecordCount() <= threshold) {
        return;
    }
    std::vector<uint8_t> used(m_styles.size(), 0);
    used[0] = 1;
    for (const ColumnStyles* column : m_columns) {
        for (const uint32_t id : column->Ids()) {
            used[id] = 1;
        }
    }
    for (uint32_t id = 0; id < m_styles.size(); ++id) {
        if (!used[id] && !m_free[id]) {
            m_free[id] = 1;
            m_freeIds.push_back(id);
        }
    }
    // Freed ids will name other styles: what was remembered about them is void.
    m_transitions.assign(m_styles.size(), Transition{});
    Rehash(m_slots.size());
}

} // namespace vantor::model
