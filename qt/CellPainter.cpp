#include "qt/CellPainter.hpp"

#include "model/ErrorValues.hpp"
#include "model/Palette.hpp"
#include "model/numfmt/FormatCode.hpp"
#include "qt/BorderLines.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <QPainter>

namespace vantor::qt {

namespace {

Qt::BrushStyle BrushOf(int32_t pattern) {
    namespace P = enums::Pattern;
    switch (pattern) {
    case P::HorizontalStripe:
    case P::ThinHorizontalStripe:
        return Qt::HorPattern;
    case P::VerticalStripe:
    case P::ThinVerticalStripe:
        return Qt::VerPattern;
    case P::ReverseDiagonalStripe:
    case P::ThinReverseDiagonalStripe:
        return Qt::FDiagPattern;
    case P::DiagonalStripe:
    case P::ThinDiagonalStripe:
        return Qt::BDiagPattern;
    case P::ThinHorizontalCrosshatch:
        return Qt::CrossPattern;
    case P::DiagonalCrosshatch:
    case P::ThickDiagonalCrosshatch:
    case P::ThinDiagonalCrosshatch:
        return Qt::DiagCrossPattern;
    case P::Grey50:
        return Qt::Dense4Pattern;
    case P::Grey75:
        return Qt::Dense2Pattern;
    case P::Grey25:
        return Qt::Dense6Pattern;
    case P::Grey12_5:
    case P::Grey6_25:
        return Qt::Dense7Pattern;
    default:
        return Qt::SolidPattern;
    }
}

} // namespace

QColor CellPainter::ColorOf(uint32_t color, const QColor& automatic) {
    if (color == model::kAutoColor) {
        return automatic;
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QString CellPainter::Format(const Variant& value, const std::string& code, QColor* codeColor) {
    numfmt::FormatValue formatValue;
    std::string text;
    switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null:
        return QString();
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
        formatValue = numfmt::FormatValue::Number(value.ToDouble());
        break;
    case VarType::Date:
        formatValue = numfmt::FormatValue::Date(value.ToDouble());
        break;
    case VarType::Boolean:
        formatValue = numfmt::FormatValue::Boolean(value.ToBool());
        break;
    case VarType::String:
        text = value.ToString();
        formatValue = numfmt::FormatValue::Text(text);
        break;
    case VarType::Error:
        formatValue = numfmt::FormatValue::Error(model::errorvalues::NameOf(value));
        break;
    default:
        return QString::fromStdString(value.ToString());
    }
    const numfmt::CompileResult compiled = m_codes.Get(code.empty() ? "General" : code);
    if (!compiled.Ok()) {
        return QString::fromStdString(value.ToString());
    }
    if (codeColor != nullptr) {
        const int index = compiled.Code()->Color(formatValue);
        *codeColor = index > 0 ? ColorOf(model::palette::ColorOf(index), QColor()) : QColor();
    }
    return QString::fromStdString(compiled.Code()->Format(formatValue));
}

void CellPainter::PaintFill(QPainter& painter, const QRectF& rect, const model::Style& style) {
    if (style.pattern == enums::Pattern::None) {
        if (style.interiorColor != model::kAutoColor) {
            painter.fillRect(rect, ColorOf(style.interiorColor, Qt::white));
        }
        return;
    }
    const QColor back = ColorOf(style.interiorColor, Qt::white);
    if (style.pattern == enums::Pattern::Solid) {
        painter.fillRect(rect, back);
        return;
    }
    painter.fillRect(rect, back);
    painter.fillRect(rect, QBrush(ColorOf(style.patternColor, Qt::black), BrushOf(style.pattern)));
}

void CellPainter::PaintValue(QPainter& painter, const QRectF& rect, const model::Style& style,
                             const std::string& fontName, const std::string& code,
                             const Variant& value) {
    QColor codeColor;
    const QString text = Format(value, code, &codeColor);
    if (text.isEmpty()) {
        return;
    }
    QFont font(QString::fromStdString(fontName));
    font.setPointSizeF(style.fontSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline != enums::Underline::None);
    font.setStrikeOut(style.strikethrough);

    int flags = 0;
    switch (style.hAlign) {
    case enums::HAlign::Left:
    case enums::HAlign::Fill:
        flags |= Qt::AlignLeft;
        break;
    case enums::HAlign::Center:
    case enums::HAlign::CenterAcrossSelection:
        flags |= Qt::AlignHCenter;
        break;
    case enums::HAlign::Right:
        flags |= Qt::AlignRight;
        break;
    case enums::HAlign::Justify:
    case enums::HAlign::Distributed:
        flags |= Qt::AlignJustify;
        break;
    default: // general: numbers right, truth values centred, text left
        if (value.IsString()) {
            flags |= Qt::AlignLeft;
        } else if (value.IsBoolean()) {
            flags |= Qt::AlignHCenter;
        } else {
            flags |= Qt::AlignRight;
        }
        break;
    }
    switch (style.vAlign) {
    case enums::VAlign::Top:
        flags |= Qt::AlignTop;
        break;
    case enums::VAlign::Center:
    case enums::VAlign::Justify:
    case enums::VAlign::Distributed:
        flags |= Qt::AlignVCenter;
        break;
    default:
        flags |= Qt::AlignBottom;
        break;
    }
    if (style.wrapText) {
        flags |= Qt::TextWordWrap;
    }
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(codeColor.isValid() ? codeColor : ColorOf(style.fontColor, Qt::black));
    painter.drawText(rect.adjusted(3, 1, -3, -1), flags, text);
    painter.restore();
}

void CellPainter::PaintBorders(QPainter& painter, const QRectF& rect, const model::Style& style) {
    const auto draw = [&](const model::BorderLine& line, const QLineF& where) {
        DrawBorderLine(painter, where, line.lineStyle, line.weight, ColorOf(line.color, Qt::black));
    };
    draw(style.top, QLineF(rect.topLeft(), rect.topRight()));
    draw(style.left, QLineF(rect.topLeft(), rect.bottomLeft()));
    draw(style.diagonalDown, QLineF(rect.topLeft(), rect.bottomRight()));
    draw(style.diagonalUp, QLineF(rect.bottomLeft(), rect.topRight()));
}

void CellPainter::PaintNoteMark(QPainter& painter, const QRectF& rect) {
    const QPointF corner = rect.topRight();
    const QPointF points[3] = {corner, corner - QPointF(6, 0), corner + QPointF(0, 6)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(204, 0, 0));
    painter.drawPolygon(points, 3);
    painter.restore();
}

} // namespace vantor::qt
