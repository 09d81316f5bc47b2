#include "model/ColumnStyles.hpp"

#include "model/StyleTable.hpp"

#include <algorithm>

namespace vantor::model {

namespace {

using Piece = ColumnStyles::Piece;
using PiecePtr = ColumnStyles::PiecePtr;

// The pieces of a list of runs; each takes the ends of the neighbour's piece
// at the same place when they are equal.
std::vector<PiecePtr> PiecesOf(const RunList<uint32_t>& runs, const ColumnStyles* neighbour) {
    const auto& list = runs.Runs();
    std::vector<PiecePtr> pieces;
    for (size_t from = 0; from < list.size(); from += ColumnStyles::kPieceRuns) {
        const size_t to = std::min(list.size(), from + ColumnStyles::kPieceRuns);
        auto ends = std::make_shared<std::vector<int32_t>>();
        Piece piece;
        ends->reserve(to - from);
        piece.ids.reserve(to - from);
        for (size_t k = from; k < to; ++k) {
            ends->push_back(list[k].end);
            piece.ids.push_back(list[k].value);
        }
        const size_t p = pieces.size();
        if (neighbour != nullptr && p < neighbour->Pieces().size() &&
            *neighbour->Pieces()[p]->ends == *ends) {
            piece.ends = neighbour->Pieces()[p]->ends;
        } else {
            piece.ends = std::move(ends);
        }
        pieces.push_back(std::make_shared<const Piece>(std::move(piece)));
    }
    return pieces;
}

} // namespace

ColumnStyles::ColumnStyles(std::shared_ptr<StyleTable> table, const RunList<uint32_t>& runs,
                           const ColumnStyles* neighbour)
    : ColumnStyles(std::move(table), PiecesOf(runs, neighbour)) {}

ColumnStyles::ColumnStyles(std::shared_ptr<StyleTable> table, std::vector<PiecePtr> pieces)
    : m_pTable(std::move(table)), m_pieces(std::move(pieces)) {
    m_pieceLasts.reserve(m_pieces.size());
    for (const PiecePtr& piece : m_pieces) {
        m_pieceLasts.push_back(piece->Last());
        m_nRuns += piece->ids.size();
    }
    m_pTable->Register(this);
}

ColumnStyles::~ColumnStyles() {
    m_pTable->Unregister(this);
}

size_t ColumnStyles::PieceIndexAt(int32_t row) const {
    return static_cast<size_t>(std::upper_bound(m_pieceLasts.begin(), m_pieceLasts.end(), row) -
                               m_pieceLasts.begin());
}

size_t ColumnStyles::RunIn(const Piece& piece, int32_t row) {
    const auto& ends = *piece.ends;
    return static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), row) - ends.begin());
}

uint32_t ColumnStyles::At(int32_t row) const {
    const Piece& piece = *m_pieces[PieceIndexAt(row)];
    return piece.ids[RunIn(piece, row)];
}

std::vector<uint32_t> ColumnStyles::Ids() const {
    std::vector<uint32_t> ids;
    ids.reserve(m_nRuns);
    for (const PiecePtr& piece : m_pieces) {
        ids.insert(ids.end(), piece->ids.begin(), piece->ids.end());
    }
    return ids;
}

bool ColumnStyles::SameRuns(const ColumnStyles& other) const {
    if (m_nRuns != other.m_nRuns) {
        return false;
    }
    // Pieces may be cut at other places; compare run by run unless the pieces line up.
    if (m_pieceLasts == other.m_pieceLasts) {
        for (size_t p = 0; p < m_pieces.size(); ++p) {
            const Piece& a = *m_pieces[p];
            const Piece& b = *other.m_pieces[p];
            if (&a != &b && (a.ids != b.ids || (a.ends != b.ends && *a.ends != *b.ends))) {
                return false;
            }
        }
        return true;
    }
    std::vector<std::pair<int32_t, uint32_t>> runs;
    runs.reserve(m_nRuns);
    ForEachRun(0, m_pieceLasts.back(),
               [&](int32_t, int32_t end, uint32_t id) { runs.emplace_back(end, id); });
    size_t k = 0;
    bool same = true;
    other.ForEachRun(0, other.m_pieceLasts.back(), [&](int32_t, int32_t end, uint32_t id) {
        same = same && runs[k].first == end && runs[k].second == id;
        ++k;
    });
    return same;
}

bool ColumnStyles::SharesEndsWith(const ColumnStyles& other) const {
    if (m_pieces.size() != other.m_pieces.size()) {
        return false;
    }
    for (size_t p = 0; p < m_pieces.size(); ++p) {
        if (m_pieces[p]->ends != other.m_pieces[p]->ends) {
            return false;
        }
    }
    return true;
}

} // namespace vantor::model
