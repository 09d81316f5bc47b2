#pragma once
#include "model/CellAddress.hpp"
#include "qt/CellPainter.hpp"

#include <QAbstractScrollArea>

#include <functional>
#include <memory>

namespace vantor::model {
class Worksheet;
}

namespace vantor::qt {

// The grid of one worksheet: column and row headings, gridlines and the cells
// as the model has them, with a selection the mouse and the arrow keys move.
class SheetGrid : public QAbstractScrollArea {
public:
    explicit SheetGrid(QWidget* parent = nullptr);

    void SetSheet(std::shared_ptr<model::Worksheet> sheet);
    const std::shared_ptr<model::Worksheet>& Sheet() const { return m_pSheet; }

    const model::CellRect& Selection() const { return m_selection; }
    void Select(const model::CellRect& selection);
    // "B2:D5", as a range address.
    std::string SelectionAddress() const;
    void SetSelectionChanged(std::function<void()> handler) {
        m_selectionChanged = std::move(handler);
    }

    // Where a cell lies in the viewport, in pixels.
    QRect CellRect(int32_t row, int32_t column) const;
    int32_t RowAt(int y) const;
    int32_t ColumnAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int ColumnWidth(int32_t column) const;
    int RowHeight(int32_t row) const;
    int HeaderWidth() const;
    int HeaderHeight() const;
    void UpdateScrollBars();
    void MoveTo(int32_t row, int32_t column, bool extend);

    std::shared_ptr<model::Worksheet> m_pSheet;
    model::CellRect m_selection{};
    int32_t m_nAnchorRow = 0;
    int32_t m_nAnchorColumn = 0;
    int32_t m_nActiveRow = 0;
    int32_t m_nActiveColumn = 0;
    std::function<void()> m_selectionChanged;
    CellPainter m_painter;
};

} // namespace vantor::qt
