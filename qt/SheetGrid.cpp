#include "qt/SheetGrid.hpp"

#include "model/StyleTable.hpp"
#include "model/Worksheet.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace vantor::qt {

namespace {

// Rows and columns the scroll bars reach.
constexpr int32_t ScrollRows = 1000;
constexpr int32_t ScrollColumns = 100;
constexpr double DefaultRowHeight = 15.0;   // points
constexpr double DefaultColumnWidth = 8.43; // characters of the default font
// One character of the default font, and the padding of a column, in pixels.
constexpr double CharacterWidth = 7.0;
constexpr double ColumnPadding = 5.0;

} // namespace

SheetGrid::SheetGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setMouseTracking(false);
}

void SheetGrid::SetSheet(std::shared_ptr<model::Worksheet> sheet) {
    m_pSheet = std::move(sheet);
    UpdateScrollBars();
    viewport()->update();
}

void SheetGrid::Select(const model::CellRect& selection) {
    m_selection = selection;
    m_nAnchorRow = m_nActiveRow = selection.firstRow;
    m_nAnchorColumn = m_nActiveColumn = selection.firstColumn;
    viewport()->update();
    if (m_selectionChanged) {
        m_selectionChanged();
    }
}

std::string SheetGrid::SelectionAddress() const {
    return model::FormatAddress(m_selection);
}

int SheetGrid::ColumnWidth(int32_t column) const {
    double chars = DefaultColumnWidth;
    if (m_pSheet) {
        const auto& widths = m_pSheet->Store().State().columnWidths;
        if (column < widths.Size()) {
            chars = widths.At(column);
        }
    }
    return chars <= 0 ? 0 : static_cast<int>(std::lround(chars * CharacterWidth + ColumnPadding));
}

int SheetGrid::RowHeight(int32_t row) const {
    double points = DefaultRowHeight;
    if (m_pSheet) {
        const auto& heights = m_pSheet->Store().State().rowHeights;
        if (row < heights.Size()) {
            points = heights.At(row);
        }
    }
    return static_cast<int>(std::lround(points * logicalDpiY() / 72.0));
}

int SheetGrid::HeaderWidth() const {
    return m_pSheet && !m_pSheet->DisplayHeadings() ? 0
                                                    : fontMetrics().horizontalAdvance("00000") + 8;
}

int SheetGrid::HeaderHeight() const {
    return m_pSheet && !m_pSheet->DisplayHeadings() ? 0 : fontMetrics().height() + 6;
}

QRect SheetGrid::CellRect(int32_t row, int32_t column) const {
    int x = HeaderWidth();
    for (int32_t c = horizontalScrollBar()->value(); c < column; ++c) {
        x += ColumnWidth(c);
    }
    int y = HeaderHeight();
    for (int32_t r = verticalScrollBar()->value(); r < row; ++r) {
        y += RowHeight(r);
    }
    return QRect(x, y, ColumnWidth(column), RowHeight(row));
}

int32_t SheetGrid::RowAt(int y) const {
    int top = HeaderHeight();
    int32_t row = verticalScrollBar()->value();
    while (top + RowHeight(row) <= y && row < model::constants::kRowCount - 1) {
        top += RowHeight(row);
        ++row;
    }
    return row;
}

int32_t SheetGrid::ColumnAt(int x) const {
    int left = HeaderWidth();
    int32_t column = horizontalScrollBar()->value();
    while (left + ColumnWidth(column) <= x && column < model::constants::kColumnCount - 1) {
        left += ColumnWidth(column);
        ++column;
    }
    return column;
}

void SheetGrid::UpdateScrollBars() {
    verticalScrollBar()->setRange(0, ScrollRows);
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / 20));
    horizontalScrollBar()->setRange(0, ScrollColumns);
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / 64));
}

void SheetGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void SheetGrid::scrollContentsBy(int dx, int dy) {
    (void)dx;
    (void)dy;
    viewport()->update();
}

void SheetGrid::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, Qt::white);
    if (!m_pSheet) {
        return;
    }
    const model::CellStore& store = m_pSheet->Store();
    const model::StyleTable& table = store.Table();
    const int32_t firstRow = verticalScrollBar()->value();
    const int32_t firstColumn = horizontalScrollBar()->value();
    const int32_t lastRow = RowAt(area.bottom());
    const int32_t lastColumn = ColumnAt(area.right());
    const int left = HeaderWidth();
    const int top = HeaderHeight();

    // Edges of the visible rows and columns, one past the last.
    std::vector<int> xs{left};
    for (int32_t c = firstColumn; c <= lastColumn + 1; ++c) {
        xs.push_back(xs.back() + ColumnWidth(c));
    }
    std::vector<int> ys{top};
    for (int32_t r = firstRow; r <= lastRow + 1; ++r) {
        ys.push_back(ys.back() + RowHeight(r));
    }
    const auto cellRect = [&](int32_t r, int32_t c) {
        const size_t i = static_cast<size_t>(c - firstColumn);
        const size_t j = static_cast<size_t>(r - firstRow);
        return QRectF(xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]);
    };

    painter.save();
    painter.setClipRect(QRect(left, top, area.width() - left, area.height() - top));
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn; ++c) {
            CellPainter::PaintFill(painter, cellRect(r, c), table.Get(store.StyleAt(r, c)));
        }
    }
    if (m_pSheet->DisplayGridlines()) {
        const int32_t grid = m_pSheet->GridlineColor();
        painter.setPen(CellPainter::ColorOf(static_cast<uint32_t>(grid), QColor(218, 220, 224)));
        for (int x : xs) {
            painter.drawLine(x, top, x, ys.back());
        }
        for (int y : ys) {
            painter.drawLine(left, y, xs.back(), y);
        }
    }
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn; ++c) {
            const Variant* value = store.ValueAt(r, c);
            if (value == nullptr) {
                continue;
            }
            const model::Style& style = table.Get(store.StyleAt(r, c));
            m_painter.PaintValue(painter, cellRect(r, c), style,
                                 table.FontNames().Text(style.fontName),
                                 table.NumberFormats().Text(style.numberFormat), *value);
        }
    }
    // A cell keeps its top and left edges; the row and column past the last
    // visible ones close the bottom and right.
    for (int32_t r = firstRow; r <= lastRow + 1; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn + 1; ++c) {
            const model::Style& style = table.Get(store.StyleAt(r, c));
            if (r > lastRow || c > lastColumn) {
                // Only the shared edge reaches into the visible area.
                model::Style edges;
                edges.top = c <= lastColumn ? style.top : model::BorderLine{};
                edges.left = r <= lastRow ? style.left : model::BorderLine{};
                CellPainter::PaintBorders(painter, cellRect(r, c), edges);
            } else {
                CellPainter::PaintBorders(painter, cellRect(r, c), style);
            }
            if (r <= lastRow && c <= lastColumn && store.NoteAt(r, c) != nullptr) {
                CellPainter::PaintNoteMark(painter, cellRect(r, c));
            }
        }
    }

    // The selection: tinted, the active cell left clear, a frame around it all.
    const int32_t selTop = std::max(m_selection.firstRow, firstRow);
    const int32_t selLeft = std::max(m_selection.firstColumn, firstColumn);
    const int32_t selBottom = std::min(m_selection.lastRow, lastRow);
    const int32_t selRight = std::min(m_selection.lastColumn, lastColumn);
    if (selTop <= selBottom && selLeft <= selRight) {
        const QRectF box = cellRect(selTop, selLeft).united(cellRect(selBottom, selRight));
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(40);
        // The active cell shows without the tint.
        QRegion tinted(box.toRect());
        if (m_nActiveRow >= firstRow && m_nActiveRow <= lastRow && m_nActiveColumn >= firstColumn &&
            m_nActiveColumn <= lastColumn) {
            tinted = tinted.subtracted(QRegion(cellRect(m_nActiveRow, m_nActiveColumn).toRect()));
        }
        painter.save();
        painter.setClipRegion(tinted, Qt::IntersectClip);
        painter.fillRect(box, tint);
        painter.restore();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    painter.restore();

    if (!m_pSheet->DisplayHeadings()) {
        return;
    }
    // Headings, the selected ones shaded.
    const QColor face = palette().color(QPalette::Button);
    const QColor selectedFace = face.darker(112);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setFont(font());
    for (int32_t c = firstColumn; c <= lastColumn; ++c) {
        const QRectF h(xs[static_cast<size_t>(c - firstColumn)], 0,
                       xs[static_cast<size_t>(c - firstColumn) + 1] -
                           xs[static_cast<size_t>(c - firstColumn)],
                       top);
        const bool selected = c >= m_selection.firstColumn && c <= m_selection.lastColumn;
        painter.fillRect(h, selected ? selectedFace : face);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(h);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(h, Qt::AlignCenter, QString::fromStdString(model::ColumnName(c)));
    }
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        const QRectF h(0, ys[static_cast<size_t>(r - firstRow)], left,
                       ys[static_cast<size_t>(r - firstRow) + 1] -
                           ys[static_cast<size_t>(r - firstRow)]);
        const bool selected = r >= m_selection.firstRow && r <= m_selection.lastRow;
        painter.fillRect(h, selected ? selectedFace : face);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(h);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(h, Qt::AlignCenter, QString::number(r + 1));
    }
    painter.fillRect(QRect(0, 0, left, top), face);
}

void SheetGrid::MoveTo(int32_t row, int32_t column, bool extend) {
    row = std::clamp(row, 0, model::constants::kRowCount - 1);
    column = std::clamp(column, 0, model::constants::kColumnCount - 1);
    if (!extend) {
        m_nAnchorRow = m_nActiveRow = row;
        m_nAnchorColumn = m_nActiveColumn = column;
        m_selection = {row, column, row, column};
    } else {
        m_selection = {std::min(m_nAnchorRow, row), std::min(m_nAnchorColumn, column),
                       std::max(m_nAnchorRow, row), std::max(m_nAnchorColumn, column)};
    }
    // Keep the moving corner in view.
    if (row < verticalScrollBar()->value()) {
        verticalScrollBar()->setValue(row);
    } else if (row >= RowAt(viewport()->height()) && row <= ScrollRows) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    }
    if (column < horizontalScrollBar()->value()) {
        horizontalScrollBar()->setValue(column);
    } else if (column >= ColumnAt(viewport()->width()) && column <= ScrollColumns) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + 1);
    }
    viewport()->update();
    if (m_selectionChanged) {
        m_selectionChanged();
    }
}

void SheetGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (p.x() < HeaderWidth() || p.y() < HeaderHeight()) {
        return;
    }
    MoveTo(RowAt(p.y()), ColumnAt(p.x()), (event->modifiers() & Qt::ShiftModifier) != 0);
}

void SheetGrid::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        return;
    }
    const QPoint p = event->position().toPoint();
    MoveTo(RowAt(std::max(p.y(), HeaderHeight())), ColumnAt(std::max(p.x(), HeaderWidth())), true);
}

void SheetGrid::keyPressEvent(QKeyEvent* event) {
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
    // Shift moves the far corner of the selection; without it the active cell moves.
    const int32_t row =
        extend ? (m_selection.firstRow == m_nAnchorRow ? m_selection.lastRow : m_selection.firstRow)
               : m_nActiveRow;
    const int32_t column =
        extend ? (m_selection.firstColumn == m_nAnchorColumn ? m_selection.lastColumn
                                                             : m_selection.firstColumn)
               : m_nActiveColumn;
    switch (event->key()) {
    case Qt::Key_Up:
        MoveTo(row - 1, column, extend);
        break;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        MoveTo(row + 1, column, extend);
        break;
    case Qt::Key_Left:
        MoveTo(row, column - 1, extend);
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        MoveTo(row, column + 1, extend);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        break;
    }
}

} // namespace vantor::qt
