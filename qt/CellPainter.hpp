#pragma once
#include "model/CellStore.hpp"
#include "model/Style.hpp"
#include "model/numfmt/FormatCodeCache.hpp"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace vantor::qt {

// Draws cells as the model has them: the value through its number format,
// the font and its colour, the fill and its pattern, the alignment and
// wrapping, the borders and a mark for a note.
class CellPainter {
public:
    // The text a value shows through a format code ("" for General), and the
    // colour the code asks for (invalid when none).
    QString Format(const Variant& value, const std::string& code, QColor* codeColor = nullptr);

    // The background of a cell: its fill and pattern.
    static void PaintFill(QPainter& painter, const QRectF& rect, const model::Style& style);
    // The value, aligned and wrapped in the cell's font.
    void PaintValue(QPainter& painter, const QRectF& rect, const model::Style& style,
                    const std::string& fontName, const std::string& code, const Variant& value);
    // The cell's own top and left edges and its diagonals.
    static void PaintBorders(QPainter& painter, const QRectF& rect, const model::Style& style);
    // A note's mark: a small red triangle in the top right corner.
    static void PaintNoteMark(QPainter& painter, const QRectF& rect);

    // A model colour (red in the low byte), or `automatic` for the automatic colour.
    static QColor ColorOf(uint32_t color, const QColor& automatic);

private:
    numfmt::FormatCodeCache m_codes;
};

} // namespace vantor::qt
