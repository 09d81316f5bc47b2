#include "qt/PictureBoxPeer.hpp"

#include "model/StyleTable.hpp"
#include "model/Workbook.hpp"
#include "model/Worksheet.hpp"
#include "qt/PeerBinding.hpp"

#include <QPainter>

namespace vantor::qt {

namespace {

// The model's sizes, laid out as the grid lays them out: column widths in
// characters of 7 pixels plus 5 of padding, row heights in points.
constexpr double DefaultColumnWidth = 8.43;
constexpr double DefaultRowHeight = 15.0;
constexpr double CharacterWidth = 7.0;
constexpr double ColumnPadding = 5.0;

} // namespace

PictureBoxPeer::PictureBoxPeer(PictureBox& control, double dpi, QWidget* parent)
    : QFrame(parent), m_control(control) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    new PeerBinding(this, control, dpi, [this] { update(); });
}

void PictureBoxPeer::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    const auto sheet = m_control.Sheet().As<model::Worksheet>();
    if (sheet == nullptr) {
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    painter.translate(area.topLeft());
    painter.scale(Scale, Scale);
    const qreal width = area.width() / Scale;
    const qreal height = area.height() / Scale;

    const model::CellStore& store = sheet->Store();
    const model::StyleTable& table = store.Table();
    const auto& widths = store.State().columnWidths;
    const auto& heights = store.State().rowHeights;
    std::vector<qreal> xs{0};
    for (int32_t c = 0; xs.back() < width; ++c) {
        const double chars = c < widths.Size() ? widths.At(c) : DefaultColumnWidth;
        xs.push_back(xs.back() + (chars <= 0 ? 0 : chars * CharacterWidth + ColumnPadding));
    }
    std::vector<qreal> ys{0};
    for (int32_t r = 0; ys.back() < height; ++r) {
        const double points = r < heights.Size() ? heights.At(r) : DefaultRowHeight;
        ys.push_back(ys.back() + points * logicalDpiY() / 72.0);
    }
    const auto cell = [&](size_t r, size_t c) {
        return QRectF(xs[c], ys[r], xs[c + 1] - xs[c], ys[r + 1] - ys[r]);
    };
    const size_t rows = ys.size() - 1;
    const size_t columns = xs.size() - 1;
    for (size_t r = 0; r < rows; ++r) {
        for (size_t c = 0; c < columns; ++c) {
            CellPainter::PaintFill(painter, cell(r, c),
                                   table.Get(store.StyleAt(static_cast<int32_t>(r), static_cast<int32_t>(c))));
        }
    }
    if (sheet->DisplayGridlines()) {
        painter.setPen(CellPainter::ColorOf(static_cast<uint32_t>(sheet->GridlineColor()),
                                            QColor(218, 220, 224)));
        for (const qreal x : xs) {
            painter.drawLine(QPointF(x, 0), QPointF(x, ys.back()));
        }
        for (const qreal y : ys) {
            painter.drawLine(QPointF(0, y), QPointF(xs.back(), y));
        }
    }
    const bool date1904 = sheet->Book()->Date1904();
    for (size_t r = 0; r < rows; ++r) {
        for (size_t c = 0; c < columns; ++c) {
            const auto row = static_cast<int32_t>(r);
            const auto column = static_cast<int32_t>(c);
            const model::Style& style = table.Get(store.StyleAt(row, column));
            if (const Variant* value = store.ValueAt(row, column); value != nullptr && !value->IsEmpty()) {
                m_painter.PaintValue(painter, cell(r, c), style, table.FontNames().Text(style.fontName),
                                     table.NumberFormats().Text(style.numberFormat), *value, date1904);
            }
            CellPainter::PaintBorders(painter, cell(r, c), style);
        }
    }
}

} // namespace vantor::qt
