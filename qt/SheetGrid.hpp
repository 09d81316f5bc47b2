#pragma once
#include "model/CellAddress.hpp"
#include "qt/CellPainter.hpp"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

class QLineEdit;

namespace vantor::model {
class Worksheet;
}

namespace vantor::qt {

// The grid of one worksheet: column and row headings, gridlines and the cells
// as the model has them, with a selection the mouse and the keyboard move and
// a cell editor. Each sheet keeps its own selection and scroll position in
// its view.
class SheetGrid : public QAbstractScrollArea {
public:
    explicit SheetGrid(QWidget* parent = nullptr);

    void SetSheet(std::shared_ptr<model::Worksheet> sheet);
    const std::shared_ptr<model::Worksheet>& Sheet() const { return m_pSheet; }

    const model::CellRect& Selection() const { return m_selection; }
    void Select(const model::CellRect& selection);
    int32_t ActiveRow() const { return m_nActiveRow; }
    int32_t ActiveColumn() const { return m_nActiveColumn; }
    // "B2:D5", as a range address.
    std::string SelectionAddress() const;
    void SetSelectionChanged(std::function<void()> handler) {
        m_selectionChanged = std::move(handler);
    }
    // Called after the user changed cells (typed, cleared).
    void SetCellsChanged(std::function<void()> handler) { m_cellsChanged = std::move(handler); }

    // Enters text typed into a cell as one undo step: a number, percentage,
    // date, time or truth value when it reads as one, else text. A refused
    // write is shown in a message box; the answer says whether it was written.
    bool EnterText(int32_t row, int32_t column, const QString& text);
    // Empties the values of the selected cells as one undo step.
    void ClearContents();
    // The cell editor, shown while the user types into a cell.
    QLineEdit* Editor() const { return m_pEditor; }
    bool Editing() const;

    // Where a cell, or a block of cells, lies in the viewport, in pixels.
    // A block is placed by its first cell's pane: frozen or scrolling.
    QRect CellRect(int32_t row, int32_t column) const;
    QRect BlockRect(const model::CellRect& block) const;
    int32_t RowAt(int y) const;
    int32_t ColumnAt(int x) const;
    int32_t TopRow() const;
    int32_t LeftColumn() const;
    // The cell whose note shows, after the mouse rested on it; -1 when none.
    int32_t NoteRow() const { return m_nNoteRow; }
    int32_t NoteColumn() const { return m_nNoteColumn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab moves between cells, not out of the grid.
    bool focusNextPrevChild(bool next) override;

private:
    // What a press on the headings selects while the mouse is held.
    enum class HeadingDrag { None, Rows, Columns };
    // One part of the view: the frozen rows or columns, or the part that
    // scrolls. `area` is where it shows; its top left is the top left of
    // the first row and column.
    struct Pane {
        int32_t firstRow = 0;
        int32_t firstColumn = 0;
        int32_t lastRow = 0;
        int32_t lastColumn = 0;
        QRect area;
    };

    int ColumnWidth(int32_t column) const;
    int RowHeight(int32_t row) const;
    // Pixels of the columns [first, end) and of the rows [first, end).
    int ColumnsWidth(int32_t first, int32_t end) const;
    int RowsHeight(int32_t first, int32_t end) const;
    int HeaderWidth() const;
    int HeaderHeight() const;
    // Frozen panes: the rows above and the columns left of the sheet's split.
    int32_t FrozenRows() const;
    int32_t FrozenColumns() const;
    // The pane that shows the cell (its area left empty).
    Pane PaneOf(int32_t row, int32_t column) const;
    QRect BlockRect(const Pane& pane, const model::CellRect& block) const;
    // The merge area holding the cell, or the cell itself.
    model::CellRect AreaOf(int32_t row, int32_t column) const;
    // The block grown until no merge area crosses its edge.
    model::CellRect Covered(const model::CellRect& block) const;
    // Ranges reaching at least the given row and column.
    void UpdateScrollBars(int32_t reachRow = 0, int32_t reachColumn = 0);
    void MoveTo(int32_t row, int32_t column, bool extend);
    // An arrow key: the cursor steps off its merge area; with Shift the far
    // corner steps on until the selection changes.
    void Step(int dRow, int dColumn, bool extend);
    void SelectHeadings(int32_t row, int32_t column, bool extend);
    void ScrollTo(int32_t row, int32_t column);
    void SelectionMoved();
    // Rows that fit in the viewport below the top row.
    int VisibleRows() const;
    // Where Ctrl+arrow lands from the active cell: the edge of the block of
    // filled cells, or the next filled cell, or the sheet's edge.
    int32_t DataEdge(int32_t row, int32_t column, int dRow, int dColumn) const;
    // The Enter key: on in the direction the options give, back to the
    // column where a run of Tabs began.
    void MoveAfterEnter(bool backwards);
    void BeginEdit(const QString& text);
    void CommitEdit();
    void CancelEdit();
    // One pane: fills, gridlines, values, borders, marks and the selection.
    void PaintPane(QPainter& painter, const Pane& pane);
    // The values of the pane's cells, text spilling into empty neighbours,
    // and of its merge areas, each across its area.
    void PaintValues(QPainter& painter, const Pane& pane, const std::vector<int>& ys,
                     const std::vector<model::CellRect>& areas);
    // Whether the sheet's display options hide the value: zeros, errors.
    bool Hidden(const Variant& value) const;
    void PaintNote(QPainter& painter);

    std::shared_ptr<model::Worksheet> m_pSheet;
    model::CellRect m_selection{};
    int32_t m_nAnchorRow = 0;
    int32_t m_nAnchorColumn = 0;
    int32_t m_nActiveRow = 0;
    int32_t m_nActiveColumn = 0;
    // The column a run of Tabs began in, -1 outside a run.
    int32_t m_nTabColumn = -1;
    int32_t m_nNoteRow = -1;
    int32_t m_nNoteColumn = -1;
    HeadingDrag m_headingDrag = HeadingDrag::None;
    std::function<void()> m_selectionChanged;
    std::function<void()> m_cellsChanged;
    QLineEdit* m_pEditor = nullptr;
    bool m_bForwarding = false;
    // The workbook's "DisplayErrors", read once per paint.
    bool m_bDisplayErrors = true;
    CellPainter m_painter;
};

} // namespace vantor::qt
