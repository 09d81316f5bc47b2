#pragma once
#include "model/RunList.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace vantor::model {

class StyleTable;

// The style ids down one column (including the row under the last one, which
// holds the bottom edges of the last row), as runs: each run ends before a
// row and holds one style id, and neighbouring runs hold different ids.
// Immutable once built, so columns with equal contents, undo steps and ranges
// can share it.
//
// The runs are kept in pieces of at most kPieceRuns runs, each shared between
// the versions of the column: a change rebuilds only the pieces it touches,
// so formatting one cell costs the same however many runs the column holds.
// Within a piece the run ends are kept apart from the ids and shared too: a
// change that gives runs new styles without moving a run boundary (the usual
// effect of formatting a block) writes only the ids.
class ColumnStyles {
public:
    using EndsPtr = std::shared_ptr<const std::vector<int32_t>>;
    // Consecutive runs: run k of the piece ends before row (*ends)[k] and holds ids[k].
    struct Piece {
        EndsPtr ends;
        std::vector<uint32_t> ids;
        int32_t Last() const { return ends->back(); }
    };
    using PiecePtr = std::shared_ptr<const Piece>;
    static constexpr size_t kPieceRuns = 2048;

    // Takes the run ends of `neighbour` instead of a copy of its own where
    // they are equal, so that columns formatted alike share them.
    ColumnStyles(std::shared_ptr<StyleTable> table, const RunList<uint32_t>& runs,
                 const ColumnStyles* neighbour = nullptr);
    ColumnStyles(std::shared_ptr<StyleTable> table, std::vector<PiecePtr> pieces);
    ~ColumnStyles();
    ColumnStyles(const ColumnStyles&) = delete;
    ColumnStyles& operator=(const ColumnStyles&) = delete;

    size_t RunCount() const { return m_nRuns; }
    const std::vector<PiecePtr>& Pieces() const { return m_pieces; }
    // The piece holding the row.
    size_t PieceIndexAt(int32_t row) const;
    uint32_t At(int32_t row) const;
    // The run of a piece holding the row.
    static size_t RunIn(const Piece& piece, int32_t row);
    // Calls f(start, end, id) for every run holding a row of [first, last],
    // from the top; end is one past the run's last row.
    template <typename F> void ForEachRun(int32_t first, int32_t last, F&& f) const {
        if (first > last) {
            return;
        }
        const size_t p0 = PieceIndexAt(first);
        for (size_t p = p0; p < m_pieces.size(); ++p) {
            const Piece& piece = *m_pieces[p];
            const int32_t* ends = piece.ends->data();
            const size_t count = piece.ids.size();
            size_t k = p == p0 ? RunIn(piece, first) : 0;
            int32_t start = k == 0 ? (p == 0 ? 0 : m_pieces[p - 1]->Last()) : ends[k - 1];
            for (; k < count; ++k) {
                if (start > last) {
                    return;
                }
                f(start, ends[k], piece.ids[k]);
                start = ends[k];
            }
        }
    }
    // Every id, run by run; for tests and measurements.
    std::vector<uint32_t> Ids() const;
    // Whether both hold the same runs.
    bool SameRuns(const ColumnStyles& other) const;
    // Whether both share their run ends, piece by piece.
    bool SharesEndsWith(const ColumnStyles& other) const;

private:
    std::shared_ptr<StyleTable> m_pTable;
    std::vector<PiecePtr> m_pieces;
    std::vector<int32_t> m_pieceLasts; // the end of each piece's last run
    size_t m_nRuns = 0;
};

using ColumnPtr = std::shared_ptr<const ColumnStyles>;

} // namespace vantor::model
