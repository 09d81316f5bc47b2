#pragma once
#include "model/CellStore.hpp"
#include "model/Style.hpp"
#include "model/numfmt/FormatCodeCache.hpp"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QPaintDevice;
class QWidget;

namespace vantor::qt {

// Draws cells as the model has them: the value through its number format,
// the font and its colour, the fill and its pattern, the alignment and
// wrapping, the borders and a mark for a note.
class CellPainter {
public:
    // Days from 1899-12-30 to 1904-01-01: the serials of the two date systems differ by them.
    static constexpr double Days1904 = 1462.0;
    // Room between a cell's edges and its text, in pixels.
    static constexpr qreal TextPadding = 3.0;

    // How a value shows in a cell: its text, font, colour and alignment.
    struct Shown {
        QString text;
        QFont font;
        QColor color;
        int flags = 0; // Qt alignment and wrapping
        // A number or date: too wide, it shows "#" across the cell.
        bool numeric = false;
        // Text on one line: it may spill into empty neighbours.
        bool spills = false;
        // Drawn at the largest size that fits the cell's width.
        bool shrink = false;
        // A number shown in General: too wide, it gives up decimals, then
        // takes the scientific form, before it shows "#".
        bool general = false;
        double number = 0.0;
    };

    // The text a value shows through a format code ("" for General), and the
    // colour the code asks for (invalid when none). In a workbook of the 1904
    // date system a plain number under a date code counts from 1904.
    QString Format(const Variant& value, const std::string& code, QColor* codeColor = nullptr,
                   bool date1904 = false);
    Shown Show(const model::Style& style, const std::string& fontName, const std::string& code,
               const Variant& value, bool date1904);
    // The width the text needs on one line, padding included.
    static qreal TextWidth(const Shown& shown, QPaintDevice* device);
    // Draws the value aligned in `rect` and cut to `clip`: wrapped text
    // breaks a word longer than a line, shrunk text takes a smaller size, and
    // a number or date wider than `rect` shows as "#" across it.
    static void PaintShown(QPainter& painter, const QRectF& rect, const QRectF& clip,
                           const Shown& shown);

    // A General number's text that `fits`: the text itself, or the number
    // with fewer decimals, or in scientific form with fewer digits; empty
    // when none fits.
    static QString FitGeneral(double number, const QString& text,
                              const std::function<bool(const QString&)>& fits);

    // The background of a cell: its fill and pattern.
    static void PaintFill(QPainter& painter, const QRectF& rect, const model::Style& style);
    // The value, aligned and wrapped in the cell's font, inside the cell.
    void PaintValue(QPainter& painter, const QRectF& rect, const model::Style& style,
                    const std::string& fontName, const std::string& code, const Variant& value,
                    bool date1904 = false);
    // The cell's own top and left edges and its diagonals.
    static void PaintBorders(QPainter& painter, const QRectF& rect, const model::Style& style);
    // A cell's embedded control, drawn (not live) in the cell by its kind's
    // name in the look of `widget`'s style.
    static void PaintControl(QPainter& painter, const QRectF& rect, const std::string& kind,
                             const Variant& value, const QWidget* widget);
    // What a cell with a control of that kind leaves for its text.
    static QRectF ControlTextRect(const QRectF& rect, const std::string& kind);
    // A note's mark: a small red triangle in the top right corner.
    static void PaintNoteMark(QPainter& painter, const QRectF& rect);

    // A model colour (red in the low byte), or `automatic` for the automatic colour.
    static QColor ColorOf(uint32_t color, const QColor& automatic);

private:
    numfmt::FormatCodeCache m_codes;
};

} // namespace vantor::qt
