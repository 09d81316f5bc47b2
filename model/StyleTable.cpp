#include "model/StyleTable.hpp"

#include "model/ColumnStyles.hpp"

namespace vantor::model {

StyleTable::StyleTable(const std::string& defaultFontName) {
    m_numberFormats.Intern("");
    Style style;
    style.fontName = m_fontNames.Intern(defaultFontName);
    Rehash(1024);
    Intern(style);
}

uint32_t StyleTable::Intern(const Style& style) {
    const size_t hash = style.Hash();
    const size_t mask = m_slots.size() - 1;
    for (size_t slot = hash & mask; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const uint32_t id = m_slots[slot] - 1;
        if (m_hashes[id] == hash && m_styles[id] == style) {
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
    if ((RecordCount() + 1) * 2 > m_slots.size()) {
        Rehash(m_slots.size() * 2);
    } else {
        Insert(id);
    }
    return id;
}

void StyleTable::Rehash(size_t capacity) {
    m_slots.assign(capacity, 0);
    for (uint32_t id = 0; id < m_styles.size(); ++id) {
        if (!m_free[id]) {
            Insert(id);
        }
    }
}

void StyleTable::Insert(uint32_t id) {
    const size_t mask = m_slots.size() - 1;
    size_t slot = m_hashes[id] & mask;
    while (m_slots[slot] != 0) {
        slot = (slot + 1) & mask;
    }
    m_slots[slot] = id + 1;
}

void StyleTable::CollectIfAbove(size_t threshold) {
    if (RecordCount() <= threshold) {
        return;
    }
    std::vector<uint8_t> used(m_styles.size(), 0);
    used[0] = 1;
    for (const ColumnStyles* column : m_columns) {
        for (const auto& run : column->Runs().Runs()) {
            used[run.value] = 1;
        }
    }
    for (uint32_t id = 0; id < m_styles.size(); ++id) {
        if (!used[id] && !m_free[id]) {
            m_free[id] = 1;
            m_freeIds.push_back(id);
        }
    }
    Rehash(m_slots.size());
}

} // namespace vantor::model
