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
    const size_t hash = style.Hash();
    uint32_t id = Find(style, hash);
    if (id == kNone) {
        id = NewRecord(style, hash);
        Insert(id);
    }
    return id;
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
    m_pending.clear();
    for (size_t i = 0; i < ids.size(); ++i) {
        if (!KnownResult(patchNumber, ids[i], newIds[i])) {
            m_pending.push_back(Pending{i, 0});
        }
    }
    Reserve(RecordCount() + m_pending.size());
    // Each style not known from an earlier patch is first written as a new
    // record, front to back, where it will stay if it is new...
    for (Pending& p : m_pending) {
        const Style style = patch.AppliedTo(m_styles[ids[p.at]]);
        p.record = NewRecord(style, style.Hash());
    }
    // ...then looked up in the hash index: one equal to a record already
    // there is dropped again, the others are indexed. Looking ahead keeps
    // many of these scattered reads in flight, which is what a large batch
    // costs.
    constexpr size_t kAhead = 16;
    const size_t mask = m_slots.size() - 1;
    for (size_t k = 0; k < m_pending.size(); ++k) {
        if (k + kAhead < m_pending.size()) {
            __builtin_prefetch(&m_slots[m_hashes[m_pending[k + kAhead].record] & mask]);
        }
        const auto [i, record] = m_pending[k];
        newIds[i] = Find(m_styles[record], m_hashes[record]);
        if (newIds[i] == kNone) {
            Insert(record);
            newIds[i] = record;
        } else {
            FreeRecord(record);
        }
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

uint32_t StyleTable::Find(const Style& style, size_t hash) const {
    const size_t mask = m_slots.size() - 1;
    const auto high = static_cast<uint32_t>(hash >> 32);
    for (size_t slot = hash & mask; m_slots[slot].idPlusOne != 0; slot = (slot + 1) & mask) {
        const uint32_t id = m_slots[slot].idPlusOne - 1;
        if (m_slots[slot].hashHigh == high && m_styles[id] == style) {
            return id;
        }
    }
    return kNone;
}

uint32_t StyleTable::NewRecord(const Style& style, size_t hash) {
    if (m_freeIds.empty()) {
        m_styles.push_back(style);
        m_hashes.push_back(hash);
        m_free.push_back(0);
        return static_cast<uint32_t>(m_styles.size() - 1);
    }
    const uint32_t id = m_freeIds.back();
    m_freeIds.pop_back();
    m_styles[id] = style;
    m_hashes[id] = hash;
    m_free[id] = 0;
    return id;
}

void StyleTable::FreeRecord(uint32_t id) {
    m_free[id] = 1;
    m_freeIds.push_back(id);
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
        for (const ColumnStyles::PiecePtr& piece : column->Pieces()) {
            for (const uint32_t id : piece->ids) {
                used[id] = 1;
            }
        }
    }
    for (uint32_t id = 0; id < m_styles.size(); ++id) {
        if (!used[id] && !m_free[id]) {
            FreeRecord(id);
        }
    }
    // Freed ids will name other styles: what was remembered about them is void.
    m_transitions.assign(m_styles.size(), Transition{});
    Rehash(m_slots.size());
}

} // namespace vantor::model
