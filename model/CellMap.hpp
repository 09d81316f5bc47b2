#pragma once
#include "model/CellAddress.hpp"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace vantor::model {

// Cells are keyed column first, so the cells of a block are found column by column.
using CellKey = uint64_t;
inline CellKey KeyOf(int32_t row, int32_t column) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(column)) << 32) |
           static_cast<uint32_t>(row);
}
inline int32_t RowOf(CellKey key) {
    return static_cast<int32_t>(key & 0xFFFFFFFFu);
}
inline int32_t ColumnOf(CellKey key) {
    return static_cast<int32_t>(key >> 32);
}

// What single cells hold (values, notes), in chunks of rows of one column.
// A copy shares every chunk, and a change copies only the shared chunks it
// touches: an undo step keeps what an edit touched, not the whole sheet.
template <typename V> class CellMap {
public:
    const V* Find(CellKey key) const {
        const auto chunk = m_chunks.find(ChunkOf(key));
        if (chunk == m_chunks.end()) {
            return nullptr;
        }
        const auto it = LowerBound(*chunk->second, key);
        return it == chunk->second->end() || it->first != key ? nullptr : &it->second;
    }

    // Calls f(key, value) for each cell of the block that holds something,
    // column by column, down each column.
    template <typename F> void ForEachIn(const CellRect& rect, F&& f) const {
        auto it = m_chunks.lower_bound(ChunkOf(KeyOf(rect.firstRow, rect.firstColumn)));
        while (it != m_chunks.end()) {
            const int32_t column = ColumnOf(it->first);
            const int32_t top = RowOf(it->first);
            if (column > rect.lastColumn) {
                break;
            }
            if (top + static_cast<int32_t>(kChunkRows) <= rect.firstRow) {
                it = m_chunks.lower_bound(ChunkOf(KeyOf(rect.firstRow, column)));
                continue;
            }
            if (top > rect.lastRow) {
                it = m_chunks.lower_bound(ChunkOf(KeyOf(rect.firstRow, column + 1)));
                continue;
            }
            const Chunk& cells = *it->second;
            for (auto cell = LowerBound(cells, KeyOf(std::max(top, rect.firstRow), column));
                 cell != cells.end() && RowOf(cell->first) <= rect.lastRow; ++cell) {
                f(cell->first, cell->second);
            }
            ++it;
        }
    }

    void Set(CellKey key, V value) {
        Chunk& cells = Writable(key);
        // Cells mostly come down the column: then they go at the end.
        if (cells.empty() || cells.back().first < key) {
            cells.emplace_back(key, std::move(value));
            return;
        }
        const auto it = LowerBound(cells, key);
        if (it->first == key) {
            it->second = std::move(value);
        } else {
            cells.emplace(it, key, std::move(value));
        }
    }

    void Erase(CellKey key) {
        const auto chunk = m_chunks.find(ChunkOf(key));
        if (chunk == m_chunks.end()) {
            return;
        }
        const auto it = LowerBound(*chunk->second, key);
        if (it == chunk->second->end() || it->first != key) {
            return;
        }
        if (chunk->second->size() == 1) {
            m_chunks.erase(chunk);
        } else {
            Chunk& cells = Writable(key);
            cells.erase(LowerBound(cells, key));
        }
    }

    // The keys of the block's cells that hold something.
    std::vector<CellKey> KeysIn(const CellRect& rect) const {
        std::vector<CellKey> keys;
        ForEachIn(rect, [&](CellKey key, const V&) { keys.push_back(key); });
        return keys;
    }

private:
    static constexpr uint32_t kChunkRows = 1024;
    // The cells of a chunk sorted by key: a copy or a walk is one block of memory.
    using Chunk = std::vector<std::pair<CellKey, V>>;

    template <typename C> static auto LowerBound(C& cells, CellKey key) {
        return std::lower_bound(cells.begin(), cells.end(), key,
                                [](const auto& cell, CellKey k) { return cell.first < k; });
    }

    static CellKey ChunkOf(CellKey key) { return key & ~CellKey{kChunkRows - 1}; }

    // The key's chunk, made this map's own before it changes.
    Chunk& Writable(CellKey key) {
        std::shared_ptr<Chunk>& chunk = m_chunks[ChunkOf(key)];
        if (!chunk) {
            chunk = std::make_shared<Chunk>();
        } else if (chunk.use_count() > 1) {
            chunk = std::make_shared<Chunk>(*chunk);
        }
        return *chunk;
    }

    std::map<CellKey, std::shared_ptr<Chunk>> m_chunks;
};

} // namespace vantor::model
