#include "qt/SheetGrid.hpp"

#include "model/Application.hpp"
#include "model/CellEntry.hpp"
#include "model/ControlKinds.hpp"
#include "model/Range.hpp"
#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/ui/Environment.hpp"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
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
constexpr int32_t LastRow = model::constants::kRowCount - 1;
constexpr int32_t LastColumn = model::constants::kColumnCount - 1;
constexpr const char* Title = "Vantor Studio";
// Columns beside the view whose text may spill into it.
constexpr int32_t SpillColumns = 8;

// What the editor starts with when the user edits a cell: the formula, or the
// value written as the user would type it.
QString EditText(const model::CellStore& store, int32_t row, int32_t column, CellPainter& painter) {
    if (const std::string* formula = store.FormulaAt(row, column); formula && !formula->empty()) {
        return QString::fromStdString("=" + *formula);
    }
    const Variant* value = store.ValueAt(row, column);
    if (value == nullptr) {
        return QString();
    }
    if (value->Type() == VarType::Date) {
        const double serial = value->ToDouble();
        const bool time = serial != static_cast<double>(static_cast<int64_t>(serial));
        return painter.Format(*value, serial < 1 ? "hh:mm:ss" : time ? "yyyy-mm-dd hh:mm:ss" : "yyyy-mm-dd");
    }
    if (value->Type() == VarType::Boolean) {
        return value->ToBool() ? "TRUE" : "FALSE";
    }
    const QString text = QString::fromStdString(value->ToString());
    // Text that would read as something else keeps its apostrophe.
    if (value->IsString() && model::CellEntry::Recognize(value->ToString()).Value().Type() !=
                                 VarType::String) {
        return "'" + text;
    }
    return text;
}

} // namespace

SheetGrid::SheetGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    m_pEditor = new QLineEdit(viewport());
    m_pEditor->setFrame(false);
    m_pEditor->hide();
    m_pEditor->installEventFilter(this);
}

void SheetGrid::SetSheet(std::shared_ptr<model::Worksheet> sheet) {
    if (sheet == m_pSheet) {
        UpdateScrollBars();
        viewport()->update();
        return;
    }
    CancelEdit();
    m_pSheet = std::move(sheet);
    m_nNoteRow = m_nNoteColumn = -1;
    m_nTabColumn = -1;
    if (m_pSheet) {
        const model::SheetView& view = m_pSheet->View();
        m_selection = view.selection;
        m_nActiveRow = view.activeRow;
        m_nActiveColumn = view.activeColumn;
        m_nAnchorRow = m_selection.firstRow == m_nActiveRow ? m_selection.firstRow : m_selection.lastRow;
        m_nAnchorColumn = m_selection.firstColumn == m_nActiveColumn ? m_selection.firstColumn
                                                                      : m_selection.lastColumn;
        UpdateScrollBars();
        verticalScrollBar()->setValue(view.topRow);
        horizontalScrollBar()->setValue(view.leftColumn);
    }
    viewport()->update();
    if (m_selectionChanged) {
        m_selectionChanged();
    }
}

void SheetGrid::Select(const model::CellRect& selection) {
    m_selection = Covered(selection);
    m_nAnchorRow = m_nActiveRow = m_selection.firstRow;
    m_nAnchorColumn = m_nActiveColumn = m_selection.firstColumn;
    m_nTabColumn = -1;
    SelectionMoved();
}

void SheetGrid::SelectionMoved() {
    if (m_pSheet) {
        m_pSheet->SetView({m_selection, m_nActiveRow, m_nActiveColumn, TopRow(), LeftColumn()});
    }
    viewport()->update();
    if (m_selectionChanged) {
        m_selectionChanged();
    }
}

int32_t SheetGrid::TopRow() const {
    return verticalScrollBar()->value();
}

int32_t SheetGrid::LeftColumn() const {
    return horizontalScrollBar()->value();
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

int SheetGrid::ColumnsWidth(int32_t first, int32_t end) const {
    int width = 0;
    for (int32_t c = first; c < end; ++c) {
        width += ColumnWidth(c);
    }
    return width;
}

int SheetGrid::RowsHeight(int32_t first, int32_t end) const {
    // By runs of equal heights: a merge area or a selection may span a million rows.
    const auto pixels = [this](double points) {
        return static_cast<int>(std::lround(points * logicalDpiY() / 72.0));
    };
    if (end <= first) {
        return 0;
    }
    int height = 0;
    int32_t sized = first;
    if (m_pSheet) {
        const auto& heights = m_pSheet->Store().State().rowHeights;
        if (first < heights.Size()) {
            heights.ForEach(first, std::min(end, heights.Size()) - 1,
                            [&](int32_t from, int32_t to, double points) {
                                height += (to - from + 1) * pixels(points);
                            });
            sized = std::min(end, heights.Size());
        }
    }
    return height + (end - sized) * pixels(DefaultRowHeight);
}

int SheetGrid::HeaderWidth() const {
    return m_pSheet && !m_pSheet->DisplayHeadings() ? 0
                                                    : fontMetrics().horizontalAdvance("00000") + 8;
}

int SheetGrid::HeaderHeight() const {
    return m_pSheet && !m_pSheet->DisplayHeadings() ? 0 : fontMetrics().height() + 6;
}

int32_t SheetGrid::FrozenRows() const {
    return m_pSheet ? m_pSheet->SplitRow() : 0;
}

int32_t SheetGrid::FrozenColumns() const {
    return m_pSheet ? m_pSheet->SplitColumn() : 0;
}

SheetGrid::Pane SheetGrid::PaneOf(int32_t row, int32_t column) const {
    Pane pane;
    const bool frozenRow = row < FrozenRows();
    const bool frozenColumn = column < FrozenColumns();
    pane.firstRow = frozenRow ? 0 : TopRow();
    pane.firstColumn = frozenColumn ? 0 : LeftColumn();
    const int top = HeaderHeight() + (frozenRow ? 0 : RowsHeight(0, FrozenRows()));
    const int left = HeaderWidth() + (frozenColumn ? 0 : ColumnsWidth(0, FrozenColumns()));
    pane.area = QRect(left, top, 0, 0);
    return pane;
}

QRect SheetGrid::BlockRect(const Pane& pane, const model::CellRect& block) const {
    const int x = block.firstColumn >= pane.firstColumn
                      ? ColumnsWidth(pane.firstColumn, block.firstColumn)
                      : -ColumnsWidth(block.firstColumn, pane.firstColumn);
    const int y = block.firstRow >= pane.firstRow ? RowsHeight(pane.firstRow, block.firstRow)
                                                  : -RowsHeight(block.firstRow, pane.firstRow);
    return QRect(pane.area.left() + x, pane.area.top() + y,
                 ColumnsWidth(block.firstColumn, block.lastColumn + 1),
                 RowsHeight(block.firstRow, block.lastRow + 1));
}

QRect SheetGrid::BlockRect(const model::CellRect& block) const {
    return BlockRect(PaneOf(block.firstRow, block.firstColumn), block);
}

QRect SheetGrid::CellRect(int32_t row, int32_t column) const {
    return BlockRect({row, column, row, column});
}

int32_t SheetGrid::RowAt(int y) const {
    const int32_t frozen = FrozenRows();
    const int frozenHeight = RowsHeight(0, frozen);
    int top = HeaderHeight();
    int32_t row = 0;
    int32_t last = frozen - 1;
    if (frozen == 0 || y >= top + frozenHeight) {
        top += frozenHeight;
        row = TopRow();
        last = LastRow;
    }
    while (top + RowHeight(row) <= y && row < last) {
        top += RowHeight(row);
        ++row;
    }
    return row;
}

int32_t SheetGrid::ColumnAt(int x) const {
    const int32_t frozen = FrozenColumns();
    const int frozenWidth = ColumnsWidth(0, frozen);
    int left = HeaderWidth();
    int32_t column = 0;
    int32_t last = frozen - 1;
    if (frozen == 0 || x >= left + frozenWidth) {
        left += frozenWidth;
        column = LeftColumn();
        last = LastColumn;
    }
    while (left + ColumnWidth(column) <= x && column < last) {
        left += ColumnWidth(column);
        ++column;
    }
    return column;
}

model::CellRect SheetGrid::AreaOf(int32_t row, int32_t column) const {
    const model::CellRect* area = m_pSheet ? m_pSheet->Store().Merges().Find(row, column) : nullptr;
    return area != nullptr ? *area : model::CellRect{row, column, row, column};
}

model::CellRect SheetGrid::Covered(const model::CellRect& block) const {
    // The sheet's own areas, as the grid draws them: a walk over the areas,
    // whatever their size, on every move of a drag.
    return m_pSheet ? m_pSheet->Store().Merges().Grown(block) : block;
}

void SheetGrid::UpdateScrollBars(int32_t reachRow, int32_t reachColumn) {
    // The bars reach a little past the active cell and the view, so that the
    // keyboard can take the view anywhere in the sheet; they start after the
    // frozen rows and columns.
    const model::SheetView view = m_pSheet ? m_pSheet->View() : model::SheetView{};
    const int32_t frozenRows = std::min(FrozenRows(), LastRow);
    const int32_t frozenColumns = std::min(FrozenColumns(), LastColumn);
    verticalScrollBar()->setRange(
        frozenRows, std::min(LastRow, std::max({ScrollRows, frozenRows, m_nActiveRow + 100,
                                                view.topRow + 100, TopRow(), reachRow})));
    verticalScrollBar()->setPageStep(std::max(1, VisibleRows()));
    horizontalScrollBar()->setRange(
        frozenColumns,
        std::min(LastColumn, std::max({ScrollColumns, frozenColumns, m_nActiveColumn + 10,
                                       view.leftColumn + 10, LeftColumn(), reachColumn})));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width() / 64));
}

int SheetGrid::VisibleRows() const {
    const int height = viewport()->height() - HeaderHeight() - RowsHeight(0, FrozenRows());
    int used = 0;
    int rows = 0;
    for (int32_t r = TopRow(); r <= LastRow; ++r) {
        used += RowHeight(r);
        if (used > height) {
            break;
        }
        ++rows;
    }
    return std::max(1, rows);
}

void SheetGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void SheetGrid::scrollContentsBy(int dx, int dy) {
    (void)dx;
    (void)dy;
    if (m_pSheet) {
        m_pSheet->SetView({m_selection, m_nActiveRow, m_nActiveColumn, TopRow(), LeftColumn()});
    }
    if (Editing()) {
        m_pEditor->setGeometry(BlockRect(AreaOf(m_nActiveRow, m_nActiveColumn)));
    }
    viewport()->update();
}

void SheetGrid::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(viewport());
    const QRect view = viewport()->rect();
    painter.fillRect(view, Qt::white);
    if (!m_pSheet) {
        return;
    }
    m_bDisplayErrors = ObjectRef(m_pSheet->Book()).Get("DisplayErrors").ToBool();
    const int left = HeaderWidth();
    const int top = HeaderHeight();
    const int frozenWidth = ColumnsWidth(0, FrozenColumns());
    const int frozenHeight = RowsHeight(0, FrozenRows());

    // The rows, and the columns, that show: the frozen ones, then those that scroll.
    struct Band {
        int32_t first;
        int32_t last;
        int start;
        int end;
    };
    const auto bands = [](int32_t frozen, int32_t scrolled, int32_t limit, int start,
                          int frozenSize, int end, const std::function<int(int32_t)>& sizeOf) {
        std::vector<Band> out;
        const auto add = [&](int32_t first, int32_t last, int from, int to) {
            if (from >= to) {
                return;
            }
            int32_t shown = first;
            for (int edge = from + sizeOf(first); edge < to && shown < last; edge += sizeOf(shown)) {
                ++shown;
            }
            out.push_back({first, shown, from, to});
        };
        if (frozen > 0) {
            add(0, frozen - 1, start, std::min(start + frozenSize, end));
        }
        add(scrolled, limit, start + frozenSize, end);
        return out;
    };
    const std::vector<Band> rowBands =
        bands(FrozenRows(), TopRow(), LastRow, top, frozenHeight, view.height(),
              [this](int32_t r) { return RowHeight(r); });
    const std::vector<Band> columnBands =
        bands(FrozenColumns(), LeftColumn(), LastColumn, left, frozenWidth, view.width(),
              [this](int32_t c) { return ColumnWidth(c); });
    for (const Band& rows : rowBands) {
        for (const Band& columns : columnBands) {
            PaintPane(painter, {rows.first, columns.first, rows.last, columns.last,
                                QRect(columns.start, rows.start, columns.end - columns.start,
                                      rows.end - rows.start)});
        }
    }
    // The frozen part ends at a dark line.
    painter.setPen(QColor(64, 64, 64));
    if (FrozenRows() > 0 && top + frozenHeight < view.height()) {
        painter.drawLine(left, top + frozenHeight, view.width(), top + frozenHeight);
    }
    if (FrozenColumns() > 0 && left + frozenWidth < view.width()) {
        painter.drawLine(left + frozenWidth, top, left + frozenWidth, view.height());
    }
    painter.save();
    painter.setClipRect(QRect(left, top, view.width() - left, view.height() - top));
    PaintNote(painter);
    painter.restore();

    if (!m_pSheet->DisplayHeadings()) {
        return;
    }
    // Headings, the selected ones shaded.
    const QColor face = palette().color(QPalette::Button);
    const QColor selectedFace = face.darker(112);
    const auto heading = [&](const QRect& h, const QString& text, bool selected) {
        painter.fillRect(h, selected ? selectedFace : face);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(h);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(h, Qt::AlignCenter, text);
    };
    painter.setFont(font());
    for (const Band& columns : columnBands) {
        painter.save();
        painter.setClipRect(QRect(columns.start, 0, columns.end - columns.start, top));
        for (int32_t c = columns.first, x = columns.start; c <= columns.last; x += ColumnWidth(c++)) {
            heading(QRect(x, 0, ColumnWidth(c), top), QString::fromStdString(model::ColumnName(c)),
                    c >= m_selection.firstColumn && c <= m_selection.lastColumn);
        }
        painter.restore();
    }
    for (const Band& rows : rowBands) {
        painter.save();
        painter.setClipRect(QRect(0, rows.start, left, rows.end - rows.start));
        for (int32_t r = rows.first, y = rows.start; r <= rows.last; y += RowHeight(r++)) {
            heading(QRect(0, y, left, RowHeight(r)), QString::number(r + 1),
                    r >= m_selection.firstRow && r <= m_selection.lastRow);
        }
        painter.restore();
    }
    painter.fillRect(QRect(0, 0, left, top), face);
}

void SheetGrid::PaintPane(QPainter& painter, const Pane& pane) {
    const model::CellStore& store = m_pSheet->Store();
    const model::StyleTable& table = store.Table();
    const model::MergeAreas& merges = store.Merges();
    const model::ControlKinds& controls = *m_pSheet->Book()->App()->Controls();
    const int32_t firstRow = pane.firstRow;
    const int32_t lastRow = pane.lastRow;
    const int32_t firstColumn = pane.firstColumn;
    const int32_t lastColumn = pane.lastColumn;
    // Edges of the pane's rows and columns, one past the last.
    std::vector<int> xs{pane.area.left()};
    for (int32_t c = firstColumn; c <= lastColumn + 1; ++c) {
        xs.push_back(xs.back() + ColumnWidth(c));
    }
    std::vector<int> ys{pane.area.top()};
    for (int32_t r = firstRow; r <= lastRow + 1; ++r) {
        ys.push_back(ys.back() + RowHeight(r));
    }
    const auto cellRect = [&](int32_t r, int32_t c) {
        const size_t i = static_cast<size_t>(c - firstColumn);
        const size_t j = static_cast<size_t>(r - firstRow);
        return QRectF(xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]);
    };
    // A merge area shows as one cell with its top left cell's format.
    const std::vector<model::CellRect> areas =
        merges.Touching({firstRow, firstColumn, lastRow, lastColumn});
    const auto styleAt = [&](int32_t r, int32_t c) -> const model::Style& {
        return table.Get(store.StyleAt(r, c));
    };

    painter.save();
    painter.setClipRect(pane.area);
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn; ++c) {
            if (merges.Find(r, c) == nullptr) {
                CellPainter::PaintFill(painter, cellRect(r, c), styleAt(r, c));
            }
        }
    }
    for (const model::CellRect& a : areas) {
        CellPainter::PaintFill(painter, BlockRect(pane, a), styleAt(a.firstRow, a.firstColumn));
    }
    if (m_pSheet->DisplayGridlines()) {
        const uint32_t grid = m_pSheet->GridlineColorValue();
        painter.setPen(CellPainter::ColorOf(grid, QColor(218, 220, 224)));
        for (int x : xs) {
            painter.drawLine(x, ys.front(), x, ys.back());
        }
        for (int y : ys) {
            painter.drawLine(xs.front(), y, xs.back(), y);
        }
        // No gridline inside a merge area.
        for (const model::CellRect& a : areas) {
            const QRect inside = BlockRect(pane, a).adjusted(1, 1, 0, 0);
            painter.fillRect(inside, Qt::white);
            CellPainter::PaintFill(painter, inside, styleAt(a.firstRow, a.firstColumn));
        }
    }
    PaintValues(painter, pane, ys, areas);
    // A cell keeps its top and left edges, the row and column past the last
    // close the bottom and right; inside a merge area only its outline shows.
    for (int32_t r = firstRow; r <= lastRow + 1; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn + 1; ++c) {
            const model::Style& style = styleAt(r, c);
            const model::CellRect* area = merges.Find(r, c);
            const bool inPane = r <= lastRow && c <= lastColumn;
            model::Style edges;
            if (c <= lastColumn && (area == nullptr || r == area->firstRow)) {
                edges.top = style.top;
            }
            if (r <= lastRow && (area == nullptr || c == area->firstColumn)) {
                edges.left = style.left;
            }
            if (inPane && area == nullptr) {
                edges.diagonalDown = style.diagonalDown;
                edges.diagonalUp = style.diagonalUp;
            }
            CellPainter::PaintBorders(painter, cellRect(r, c), edges);
        }
    }
    // Notes' marks and embedded controls, a merge area's from its top left
    // cell; a control that hides when its cell is not active shows only on
    // the active cell.
    const auto marks = [&](int32_t r, int32_t c, const QRectF& rect) {
        if (store.NoteAt(r, c) != nullptr) {
            CellPainter::PaintNoteMark(painter, rect);
        }
        const model::Style& style = styleAt(r, c);
        if (style.controlKind != 0 &&
            (!style.hideOnDeactivate || (r == m_nActiveRow && c == m_nActiveColumn))) {
            const Variant* value = store.ValueAt(r, c);
            CellPainter::PaintControl(painter, rect, controls.NameOf(style.controlKind),
                                      value ? *value : Variant(), this);
        }
    };
    for (int32_t r = firstRow; r <= lastRow; ++r) {
        for (int32_t c = firstColumn; c <= lastColumn; ++c) {
            if (merges.Find(r, c) == nullptr) {
                marks(r, c, cellRect(r, c));
            }
        }
    }
    for (const model::CellRect& a : areas) {
        model::Style diagonals;
        diagonals.diagonalDown = styleAt(a.firstRow, a.firstColumn).diagonalDown;
        diagonals.diagonalUp = styleAt(a.firstRow, a.firstColumn).diagonalUp;
        CellPainter::PaintBorders(painter, BlockRect(pane, a), diagonals);
        marks(a.firstRow, a.firstColumn, BlockRect(pane, a));
    }

    // The selection: tinted, the active cell left clear, a frame around it
    // all. Cut to a cell past the pane, so that edges outside do not show.
    const model::CellRect selection{
        std::max(m_selection.firstRow, firstRow - 1), std::max(m_selection.firstColumn, firstColumn - 1),
        std::min(m_selection.lastRow, lastRow + 1), std::min(m_selection.lastColumn, lastColumn + 1)};
    if (selection.firstRow <= selection.lastRow && selection.firstColumn <= selection.lastColumn) {
        const QRect box = BlockRect(pane, selection);
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(40);
        const QRegion tinted = QRegion(box).subtracted(
            QRegion(BlockRect(pane, AreaOf(m_nActiveRow, m_nActiveColumn))));
        painter.save();
        painter.setClipRegion(tinted, Qt::IntersectClip);
        painter.fillRect(box, tint);
        painter.restore();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(box).adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

bool SheetGrid::Hidden(const Variant& value) const {
    switch (value.Type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Date:
        return !m_pSheet->DisplayZeros() && value.ToDouble() == 0.0;
    case VarType::Error:
        return !m_bDisplayErrors;
    default:
        return false;
    }
}

void SheetGrid::PaintValues(QPainter& painter, const Pane& pane, const std::vector<int>& ys,
                            const std::vector<model::CellRect>& areas) {
    const model::CellStore& store = m_pSheet->Store();
    const model::StyleTable& table = store.Table();
    const model::MergeAreas& merges = store.Merges();
    const bool date1904 = m_pSheet->Book()->Date1904();
    const model::ControlKinds& controls = *m_pSheet->Book()->App()->Controls();
    const int32_t firstColumn = pane.firstColumn;
    const int32_t lastColumn = pane.lastColumn;
    // Text may spill in from columns beside the pane, so they are laid out too.
    const int32_t scanFirst = std::max(0, firstColumn - SpillColumns);
    const int32_t scanLast = std::min(LastColumn, lastColumn + SpillColumns);
    std::vector<qreal> xs{static_cast<qreal>(pane.area.left() - ColumnsWidth(scanFirst, firstColumn))};
    for (int32_t c = scanFirst; c <= scanLast; ++c) {
        xs.push_back(xs.back() + ColumnWidth(c));
    }
    const auto left = [&](int32_t c) { return xs[static_cast<size_t>(c - scanFirst)]; };
    // A merge area stops spilled text as a filled cell does.
    const auto filled = [&](int32_t r, int32_t c) {
        const Variant* value = store.ValueAt(r, c);
        return (value != nullptr && !value->IsEmpty()) || merges.Find(r, c) != nullptr;
    };
    struct Placed {
        QRectF rect;
        QRectF clip;
        CellPainter::Shown shown;
    };
    std::vector<Placed> placed;
    // How a cell's value shows in `cell`, with room kept for its control;
    // false when nothing shows.
    const auto show = [&](int32_t r, int32_t c, QRectF& cell, CellPainter::Shown& shown) {
        const Variant* value = store.ValueAt(r, c);
        if (value == nullptr || value->IsEmpty() || Hidden(*value)) {
            return false;
        }
        const model::Style& style = table.Get(store.StyleAt(r, c));
        shown = m_painter.Show(style, table.FontNames().Text(style.fontName),
                               table.NumberFormats().Text(style.numberFormat), *value, date1904);
        if (shown.text.isEmpty()) {
            return false;
        }
        if (style.controlKind != 0 &&
            (!style.hideOnDeactivate || (r == m_nActiveRow && c == m_nActiveColumn))) {
            // The text keeps clear of the cell's control and stays in its cell.
            const std::string kind = controls.NameOf(style.controlKind);
            if (kind == "Button") {
                return false; // the value is the button's caption
            }
            cell = CellPainter::ControlTextRect(cell, kind);
            shown.spills = false;
        }
        return true;
    };
    for (int32_t r = pane.firstRow; r <= pane.lastRow; ++r) {
        const qreal top = ys[static_cast<size_t>(r - pane.firstRow)];
        const qreal height = ys[static_cast<size_t>(r - pane.firstRow) + 1] - top;
        for (int32_t c = scanFirst; c <= scanLast; ++c) {
            QRectF cell(left(c), top, left(c + 1) - left(c), height);
            CellPainter::Shown shown;
            if (merges.Find(r, c) != nullptr || !show(r, c, cell, shown)) {
                continue;
            }
            QRectF rect = cell;
            int32_t from = c;
            int32_t to = c;
            const qreal need = shown.spills ? CellPainter::TextWidth(shown, viewport()) - cell.width() : 0;
            if (need > 0) {
                // Text wider than its cell runs on into empty neighbours: to the
                // right when aligned left, to the left when aligned right, both
                // ways when centred; a filled neighbour cuts it.
                const int align = shown.flags & Qt::AlignHorizontal_Mask;
                const qreal wantLeft = align == Qt::AlignRight ? need : align == Qt::AlignHCenter ? need / 2 : 0;
                const qreal wantRight = align == Qt::AlignRight ? 0 : align == Qt::AlignHCenter ? need / 2 : need;
                while (to < scanLast && left(to + 1) - cell.right() < wantRight && !filled(r, to + 1)) {
                    ++to;
                }
                while (from > scanFirst && cell.left() - left(from) < wantLeft && !filled(r, from - 1)) {
                    --from;
                }
                rect = cell.adjusted(-wantLeft, 0, wantRight, 0);
            }
            const QRectF clip =
                from == to ? cell : QRectF(left(from), top, left(to + 1) - left(from), height);
            if (to < firstColumn || from > lastColumn) {
                continue;
            }
            // No gridline runs through spilled text.
            for (int32_t k = from + 1; k <= to; ++k) {
                const QRectF line(left(k), top + 1, 1, height - 1);
                painter.fillRect(line, Qt::white);
                CellPainter::PaintFill(painter, line, table.Get(store.StyleAt(r, k)));
            }
            placed.push_back({rect, clip, std::move(shown)});
        }
    }
    // A merge area's value is its top left cell's, across the whole area.
    for (const model::CellRect& a : areas) {
        QRectF rect = BlockRect(pane, a);
        CellPainter::Shown shown;
        if (show(a.firstRow, a.firstColumn, rect, shown)) {
            placed.push_back({rect, rect, std::move(shown)});
        }
    }
    for (const Placed& p : placed) {
        CellPainter::PaintShown(painter, p.rect, p.clip, p.shown);
    }
}

void SheetGrid::PaintNote(QPainter& painter) {
    if (m_nNoteRow < 0) {
        return;
    }
    const std::string* note = m_pSheet->Store().NoteAt(m_nNoteRow, m_nNoteColumn);
    if (note == nullptr) {
        return;
    }
    // A yellow box beside the cell's corner, joined to it by a short line.
    const QRect cell = BlockRect(AreaOf(m_nNoteRow, m_nNoteColumn));
    const QPoint corner(cell.right() + 1, cell.top());
    const QString text = QString::fromStdString(*note);
    const QFontMetrics metrics(font());
    const int width = 180;
    const QRect bounds = metrics.boundingRect(QRect(0, 0, width - 12, 2000), Qt::TextWordWrap, text);
    const QRect box(corner + QPoint(12, -4), QSize(width, bounds.height() + 12));
    painter.save();
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(corner, box.topLeft() + QPoint(0, 6));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(box.adjusted(6, 6, -6, -6), Qt::TextWordWrap, text);
    painter.restore();
}

bool SheetGrid::Editing() const {
    return m_pEditor->isVisible();
}

void SheetGrid::BeginEdit(const QString& text) {
    if (!m_pSheet) {
        return;
    }
    ScrollTo(m_nActiveRow, m_nActiveColumn);
    m_pEditor->setGeometry(BlockRect(AreaOf(m_nActiveRow, m_nActiveColumn)).adjusted(1, 1, 0, 0));
    m_pEditor->setText(text);
    m_pEditor->show();
    m_pEditor->setFocus();
    m_pEditor->end(false);
}

void SheetGrid::CancelEdit() {
    if (Editing()) {
        m_pEditor->hide();
        setFocus();
    }
}

void SheetGrid::CommitEdit() {
    if (!Editing()) {
        return;
    }
    const QString text = m_pEditor->text();
    m_pEditor->hide();
    setFocus();
    EnterText(m_nActiveRow, m_nActiveColumn, text);
}

bool SheetGrid::EnterText(int32_t row, int32_t column, const QString& text) {
    if (!m_pSheet) {
        return false;
    }
    const auto app = m_pSheet->Book()->App();
    const ObjectRef options(app);
    const model::CellEntry entry = model::CellEntry::Recognize(
        text.toStdString(), options.Get("FixedDecimal").ToBool()
                                ? std::optional(options.Get("FixedDecimalPlaces").ToLong())
                                : std::nullopt);
    bool written = false;
    app->BeginUndoGroup("Typing");
    try {
        const ObjectRef range(m_pSheet->RangeOf(model::CellRect{row, column, row, column}));
        range.Put("Value", entry.Value());
        if (!entry.NumberFormat().empty()) {
            range.Put("NumberFormat", Variant(entry.NumberFormat()));
            range.Call("Apply");
        }
        written = true;
    } catch (const AutomationError& error) {
        Environment::Current().MessageBox(error.Description(), msgbox::Exclamation, Title);
    }
    app->EndUndoGroup();
    viewport()->update();
    if (m_cellsChanged) {
        m_cellsChanged();
    }
    return written;
}

void SheetGrid::ClearContents() {
    if (!m_pSheet) {
        return;
    }
    // Only the block that holds values is written, so that clearing a whole
    // sheet costs what it holds.
    model::CellRect filled{LastRow, LastColumn, 0, 0};
    bool any = false;
    const auto grow = [&](model::CellKey key) {
        any = true;
        filled.firstRow = std::min(filled.firstRow, model::RowOf(key));
        filled.lastRow = std::max(filled.lastRow, model::RowOf(key));
        filled.firstColumn = std::min(filled.firstColumn, model::ColumnOf(key));
        filled.lastColumn = std::max(filled.lastColumn, model::ColumnOf(key));
    };
    const model::CellStore& store = m_pSheet->Store();
    store.ForEachValue(m_selection, [&](model::CellKey key, const Variant&) { grow(key); });
    store.ForEachFormula(m_selection, [&](model::CellKey key, const std::string&) { grow(key); });
    if (!any) {
        return;
    }
    const auto app = m_pSheet->Book()->App();
    app->BeginUndoGroup("Clear Contents");
    try {
        ObjectRef(m_pSheet->RangeOf(filled)).Put("Value", Variant());
    } catch (const AutomationError& error) {
        Environment::Current().MessageBox(error.Description(), msgbox::Exclamation, Title);
    }
    app->EndUndoGroup();
    viewport()->update();
    if (m_cellsChanged) {
        m_cellsChanged();
    }
}

void SheetGrid::ScrollTo(int32_t row, int32_t column) {
    UpdateScrollBars(row, column);
    // Frozen rows and columns always show; the rest scrolls into what is left.
    if (row >= FrozenRows()) {
        if (row < TopRow()) {
            verticalScrollBar()->setValue(row);
        } else {
            // The top row that shows `row` as the last whole row.
            const int height = viewport()->height() - HeaderHeight() - RowsHeight(0, FrozenRows());
            int used = RowHeight(row);
            int32_t top = row;
            while (top > FrozenRows() && used + RowHeight(top - 1) <= height) {
                used += RowHeight(--top);
            }
            if (top > TopRow()) {
                verticalScrollBar()->setValue(top);
            }
        }
    }
    if (column >= FrozenColumns()) {
        if (column < LeftColumn()) {
            horizontalScrollBar()->setValue(column);
        } else {
            const int width = viewport()->width() - HeaderWidth() - ColumnsWidth(0, FrozenColumns());
            int used = ColumnWidth(column);
            int32_t left = column;
            while (left > FrozenColumns() && used + ColumnWidth(left - 1) <= width) {
                used += ColumnWidth(--left);
            }
            if (left > LeftColumn()) {
                horizontalScrollBar()->setValue(left);
            }
        }
    }
}

void SheetGrid::MoveTo(int32_t row, int32_t column, bool extend) {
    row = std::clamp(row, 0, LastRow);
    column = std::clamp(column, 0, LastColumn);
    if (!extend) {
        // A merge area is one cell: its top left cell is the active one.
        m_selection = AreaOf(row, column);
        m_nAnchorRow = m_nActiveRow = m_selection.firstRow;
        m_nAnchorColumn = m_nActiveColumn = m_selection.firstColumn;
    } else {
        m_selection = Covered({std::min(m_nAnchorRow, row), std::min(m_nAnchorColumn, column),
                               std::max(m_nAnchorRow, row), std::max(m_nAnchorColumn, column)});
    }
    // Keep the moving corner in view.
    ScrollTo(row, column);
    SelectionMoved();
}

void SheetGrid::Step(int dRow, int dColumn, bool extend) {
    if (!extend) {
        const model::CellRect area = AreaOf(m_nActiveRow, m_nActiveColumn);
        MoveTo(dRow > 0 ? area.lastRow + 1 : dRow < 0 ? area.firstRow - 1 : m_nActiveRow,
               dColumn > 0 ? area.lastColumn + 1 : dColumn < 0 ? area.firstColumn - 1 : m_nActiveColumn,
               false);
        return;
    }
    // The far corner from the anchor moves; a step that a merge area takes
    // back is followed by the next.
    int32_t row = m_selection.firstRow == m_nAnchorRow ? m_selection.lastRow : m_selection.firstRow;
    int32_t column = m_selection.firstColumn == m_nAnchorColumn ? m_selection.lastColumn
                                                                : m_selection.firstColumn;
    const model::CellRect before = m_selection;
    bool edge = false;
    while (m_selection == before && !edge) {
        row += dRow;
        column += dColumn;
        edge = dRow != 0 ? row <= 0 || row >= LastRow : column <= 0 || column >= LastColumn;
        MoveTo(row, column, true);
    }
}

void SheetGrid::SelectHeadings(int32_t row, int32_t column, bool extend) {
    if (m_headingDrag == HeadingDrag::Columns) {
        if (!extend) {
            m_nAnchorColumn = m_nActiveColumn = column;
            m_nAnchorRow = 0;
            m_nActiveRow = TopRow();
        }
        m_selection = Covered({0, std::min(m_nAnchorColumn, column), LastRow,
                               std::max(m_nAnchorColumn, column)});
    } else {
        if (!extend) {
            m_nAnchorRow = m_nActiveRow = row;
            m_nAnchorColumn = 0;
            m_nActiveColumn = LeftColumn();
        }
        m_selection = Covered({std::min(m_nAnchorRow, row), 0, std::max(m_nAnchorRow, row), LastColumn});
    }
    m_nTabColumn = -1;
    SelectionMoved();
}

void SheetGrid::mousePressEvent(QMouseEvent* event) {
    CommitEdit();
    setFocus();
    const QPoint p = event->position().toPoint();
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool inColumnHeadings = p.y() < HeaderHeight();
    const bool inRowHeadings = p.x() < HeaderWidth();
    m_headingDrag = HeadingDrag::None;
    if (inColumnHeadings && inRowHeadings) {
        m_nAnchorRow = m_nAnchorColumn = 0;
        m_selection = {0, 0, LastRow, LastColumn};
        SelectionMoved();
        return;
    }
    if (inColumnHeadings || inRowHeadings) {
        m_headingDrag = inColumnHeadings ? HeadingDrag::Columns : HeadingDrag::Rows;
        SelectHeadings(RowAt(p.y()), ColumnAt(p.x()), extend);
        return;
    }
    m_nTabColumn = -1;
    MoveTo(RowAt(p.y()), ColumnAt(p.x()), extend);
}

void SheetGrid::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) == 0) {
        return;
    }
    const QPoint p = event->position().toPoint();
    const int32_t row = RowAt(std::max(p.y(), HeaderHeight()));
    const int32_t column = ColumnAt(std::max(p.x(), HeaderWidth()));
    if (m_headingDrag != HeadingDrag::None) {
        SelectHeadings(row, column, true);
        return;
    }
    MoveTo(row, column, true);
}

bool SheetGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && m_pSheet) {
        // The mouse rests: a note shows while it stays on the note's cell.
        const QPoint p = static_cast<QHelpEvent*>(event)->pos();
        int32_t row = -1;
        int32_t column = -1;
        if (p.x() >= HeaderWidth() && p.y() >= HeaderHeight()) {
            const model::CellRect area = AreaOf(RowAt(p.y()), ColumnAt(p.x()));
            row = area.firstRow;
            column = area.firstColumn;
            if (m_pSheet->Store().NoteAt(row, column) == nullptr) {
                row = column = -1;
            }
        }
        if (row != m_nNoteRow || column != m_nNoteColumn) {
            m_nNoteRow = row;
            m_nNoteColumn = column;
            viewport()->update();
        }
        return true;
    }
    if ((event->type() == QEvent::MouseMove || event->type() == QEvent::Leave) && m_nNoteRow >= 0) {
        const bool away =
            event->type() == QEvent::Leave ||
            [&] {
                const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
                const model::CellRect area = AreaOf(RowAt(p.y()), ColumnAt(p.x()));
                return area.firstRow != m_nNoteRow || area.firstColumn != m_nNoteColumn;
            }();
        if (away) {
            m_nNoteRow = m_nNoteColumn = -1;
            viewport()->update();
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

bool SheetGrid::focusNextPrevChild(bool next) {
    (void)next;
    return false;
}

bool SheetGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_pEditor || event->type() != QEvent::KeyPress) {
        return QAbstractScrollArea::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Escape:
        CancelEdit();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // The entry is written, then the key moves as it does in the grid.
        CommitEdit();
        keyPressEvent(key);
        return true;
    default:
        return false;
    }
}

int32_t SheetGrid::DataEdge(int32_t row, int32_t column, int dRow, int dColumn) const {
    const int32_t limit = dRow != 0 ? (dRow > 0 ? LastRow : 0) : (dColumn > 0 ? LastColumn : 0);
    const int32_t from = dRow != 0 ? row : column;
    if (from == limit || !m_pSheet) {
        return limit;
    }
    // The filled cells of the line in the direction of travel, nearest first.
    const model::CellRect line = dRow != 0 ? model::CellRect{std::min(row, limit), column,
                                                             std::max(row, limit), column}
                                           : model::CellRect{row, std::min(column, limit), row,
                                                             std::max(column, limit)};
    std::vector<int32_t> filled;
    m_pSheet->Store().ForEachValue(line, [&](model::CellKey key, const Variant& value) {
        if (!value.IsEmpty()) {
            filled.push_back(dRow != 0 ? model::RowOf(key) : model::ColumnOf(key));
        }
    });
    std::sort(filled.begin(), filled.end());
    const int step = dRow + dColumn;
    if (step < 0) {
        std::reverse(filled.begin(), filled.end());
    }
    const bool here = !filled.empty() && filled.front() == from;
    if (here && filled.size() > 1 && filled[1] == from + step) {
        // Inside a block: to its last cell.
        size_t i = 1;
        while (i + 1 < filled.size() && filled[i + 1] == filled[i] + step) {
            ++i;
        }
        return filled[i];
    }
    // At an edge or in a gap: to the next filled cell, or the sheet's edge.
    const size_t next = here ? 1 : 0;
    return next < filled.size() ? filled[next] : limit;
}

void SheetGrid::MoveAfterEnter(bool backwards) {
    const auto app = m_pSheet->Book()->App();
    const ObjectRef options(app);
    if (!options.Get("MoveAfterReturn").ToBool()) {
        return;
    }
    int32_t direction = options.Get("MoveAfterReturnDirection").ToLong();
    if (backwards) {
        direction = direction == enums::Direction::Down    ? enums::Direction::Up
                    : direction == enums::Direction::Up    ? enums::Direction::Down
                    : direction == enums::Direction::Left  ? enums::Direction::Right
                                                           : enums::Direction::Left;
    }
    int32_t column = m_nActiveColumn;
    if (m_nTabColumn >= 0 && direction == enums::Direction::Down) {
        column = m_nTabColumn;
    }
    m_nTabColumn = -1;
    // Off the active cell's merge area, as an arrow moves.
    const model::CellRect area = AreaOf(m_nActiveRow, m_nActiveColumn);
    switch (direction) {
    case enums::Direction::Up:
        MoveTo(area.firstRow - 1, column, false);
        break;
    case enums::Direction::Left:
        MoveTo(m_nActiveRow, area.firstColumn - 1, false);
        break;
    case enums::Direction::Right:
        MoveTo(m_nActiveRow, area.lastColumn + 1, false);
        break;
    default:
        MoveTo(area.lastRow + 1, column, false);
        break;
    }
}

void SheetGrid::keyPressEvent(QKeyEvent* event) {
    if (Editing()) {
        // Keys sent to the grid while its editor is open belong to the editor;
        // those the editor leaves come back here and end.
        if (!m_bForwarding) {
            m_bForwarding = true;
            QApplication::sendEvent(m_pEditor, event);
            m_bForwarding = false;
        }
        return;
    }
    const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
    const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
    // Shift moves the far corner of the selection; without it the active cell moves.
    const int32_t row =
        extend ? (m_selection.firstRow == m_nAnchorRow ? m_selection.lastRow : m_selection.firstRow)
               : m_nActiveRow;
    const int32_t column =
        extend ? (m_selection.firstColumn == m_nAnchorColumn ? m_selection.lastColumn
                                                             : m_selection.firstColumn)
               : m_nActiveColumn;
    const int key = event->key();
    // Moving by any other key ends a run of Tabs; typing and Enter do not.
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        m_nTabColumn = -1;
        break;
    default:
        break;
    }
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int dRow = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        const int dColumn = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        if (control) {
            MoveTo(dRow != 0 ? DataEdge(row, column, dRow, 0) : row,
                   dColumn != 0 ? DataEdge(row, column, 0, dColumn) : column, extend);
        } else {
            Step(dRow, dColumn, extend);
        }
        break;
    }
    case Qt::Key_Home:
        // Home is the first cell that scrolls, so the view goes back to its start.
        MoveTo(control ? FrozenRows() : row, FrozenColumns(), extend);
        break;
    case Qt::Key_End:
        if (control && m_pSheet) {
            // The last row and the last column that hold anything.
            int32_t lastRow = 0;
            int32_t lastColumn = 0;
            m_pSheet->Store().ForEachValue({0, 0, LastRow, LastColumn},
                                           [&](model::CellKey cell, const Variant&) {
                                               lastRow = std::max(lastRow, model::RowOf(cell));
                                               lastColumn = std::max(lastColumn, model::ColumnOf(cell));
                                           });
            MoveTo(lastRow, lastColumn, extend);
        }
        break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        // The view moves by a screen and the cursor with it.
        const int rows = VisibleRows();
        const int32_t delta = key == Qt::Key_PageDown ? rows : -rows;
        const int32_t target = std::clamp(row + delta, 0, LastRow);
        const int32_t top = std::clamp(TopRow() + delta, 0, LastRow);
        UpdateScrollBars(top + rows);
        verticalScrollBar()->setValue(top);
        MoveTo(target, column, extend);
        break;
    }
    case Qt::Key_A:
        if (control) {
            m_nAnchorRow = m_nAnchorColumn = 0;
            m_selection = {0, 0, LastRow, LastColumn};
            SelectionMoved();
        } else {
            BeginEdit(event->text());
        }
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (m_nTabColumn < 0) {
            m_nTabColumn = m_nActiveColumn;
        }
        const int32_t tabColumn = m_nTabColumn;
        Step(0, key == Qt::Key_Tab && !extend ? 1 : -1, false);
        m_nTabColumn = tabColumn;
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        MoveAfterEnter(extend);
        break;
    case Qt::Key_Delete:
        ClearContents();
        break;
    case Qt::Key_F2:
        if (m_pSheet) {
            BeginEdit(EditText(m_pSheet->Store(), m_nActiveRow, m_nActiveColumn, m_painter));
        }
        break;
    default:
        if (!event->text().isEmpty() && event->text().at(0).isPrint() &&
            (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
            BeginEdit(event->text());
        } else {
            QAbstractScrollArea::keyPressEvent(event);
        }
        break;
    }
}

} // namespace vantor::qt
