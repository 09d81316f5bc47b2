#include "qt/CellPainter.hpp"

#include "model/ErrorValues.hpp"
#include "model/Palette.hpp"
#include "model/numfmt/FormatCode.hpp"
#include "qt/BorderLines.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Enumerations.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

QString CellPainter::Format(const Variant& value, const std::string& code, QColor* codeColor,
                            bool date1904) {
    numfmt::FormatValue formatValue;
    std::string text;
    if (codeColor != nullptr) {
        *codeColor = QColor();
    }
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
        return QString::fromUtf8(model::errorvalues::NameOf(value));
    default:
        return QString::fromStdString(value.ToString());
    }
    const numfmt::CompileResult compiled = m_codes.Get(code.empty() ? "General" : code);
    if (!compiled.Ok()) {
        return QString::fromStdString(value.ToString());
    }
    const numfmt::FormatCode& format = *compiled.Code();
    if (date1904 && formatValue.GetKind() == numfmt::FormatValue::Kind::Number &&
        !format.NumberSections().empty() &&
        format.NumberSections().front().m_kind == numfmt::SectionKind::Date &&
        format.NumberSections().front().m_hasDateParts) {
        // A plain number under a date code counts days from 1904-01-01 in a
        // workbook of the 1904 date system; date values are already absolute.
        formatValue = numfmt::FormatValue::Date(value.ToDouble() + Days1904);
    }
    if (codeColor != nullptr) {
        const int index = format.Color(formatValue);
        *codeColor = index > 0 ? ColorOf(model::palette::ColorOf(index), QColor()) : QColor();
    }
    return QString::fromStdString(format.Format(formatValue));
}

CellPainter::Shown CellPainter::Show(const model::Style& style, const std::string& fontName,
                                     const std::string& code, const Variant& value,
                                     bool date1904) {
    Shown shown;
    QColor codeColor;
    shown.text = Format(value, code, &codeColor, date1904);
    const VarType type = value.Type();
    shown.numeric = type == VarType::Integer || type == VarType::Long || type == VarType::Single ||
                    type == VarType::Double || type == VarType::Date;
    // Wrapping wins over shrinking when a cell asks for both.
    shown.shrink = style.shrinkToFit && !style.wrapText;
    shown.spills = value.IsString() && !style.wrapText && !shown.shrink;
    shown.general = shown.numeric && type != VarType::Date &&
                    (code.empty() || QString::fromStdString(code).compare("General", Qt::CaseInsensitive) == 0);
    shown.number = shown.general ? value.ToDouble() : 0.0;
    shown.font = QFont(QString::fromStdString(fontName));
    shown.font.setPointSizeF(style.fontSize);
    shown.font.setBold(style.bold);
    shown.font.setItalic(style.italic);
    shown.font.setUnderline(style.underline != enums::Underline::None);
    shown.font.setStrikeOut(style.strikethrough);
    shown.color = codeColor.isValid() ? codeColor : ColorOf(style.fontColor, Qt::black);

    switch (style.hAlign) {
    case enums::HAlign::Left:
    case enums::HAlign::Fill:
        shown.flags |= Qt::AlignLeft;
        break;
    case enums::HAlign::Center:
    case enums::HAlign::CenterAcrossSelection:
        shown.flags |= Qt::AlignHCenter;
        break;
    case enums::HAlign::Right:
        shown.flags |= Qt::AlignRight;
        break;
    case enums::HAlign::Justify:
    case enums::HAlign::Distributed:
        shown.flags |= Qt::AlignJustify;
        break;
    default: // general: numbers right, truth values and errors centred, text left
        if (value.IsString()) {
            shown.flags |= Qt::AlignLeft;
        } else if (value.IsBoolean() || value.Type() == VarType::Error) {
            shown.flags |= Qt::AlignHCenter;
        } else {
            shown.flags |= Qt::AlignRight;
        }
        break;
    }
    switch (style.vAlign) {
    case enums::VAlign::Top:
        shown.flags |= Qt::AlignTop;
        break;
    case enums::VAlign::Center:
    case enums::VAlign::Justify:
    case enums::VAlign::Distributed:
        shown.flags |= Qt::AlignVCenter;
        break;
    default:
        shown.flags |= Qt::AlignBottom;
        break;
    }
    if (style.wrapText) {
        shown.flags |= Qt::TextWordWrap;
    }
    return shown;
}

qreal CellPainter::TextWidth(const Shown& shown, QPaintDevice* device) {
    return QFontMetricsF(shown.font, device).horizontalAdvance(shown.text) + 2 * TextPadding;
}

QString CellPainter::FitGeneral(double number, const QString& text,
                               const std::function<bool(const QString&)>& fits) {
    if (fits(text)) {
        return text;
    }
    // General shows no trailing zeros after the point, nor in a mantissa.
    const auto trimmed = [](const QString& shown) {
        const qsizetype e = shown.indexOf('E');
        QString digits = e < 0 ? shown : shown.left(e);
        if (digits.contains('.')) {
            while (digits.endsWith('0')) {
                digits.chop(1);
            }
            if (digits.endsWith('.')) {
                digits.chop(1);
            }
        }
        return e < 0 ? digits : digits + shown.mid(e);
    };
    const qsizetype point = text.indexOf('.');
    if (!text.contains('E') && point >= 0) {
        // Fewer decimals, rounded, as long as something other than zero shows.
        for (auto decimals = static_cast<int>(text.size() - point - 2); decimals >= 0; --decimals) {
            const QString fixed = trimmed(QString::number(number, 'f', decimals));
            if (fits(fixed) && (fixed.toDouble() != 0.0 || number == 0.0)) {
                return fixed;
            }
        }
    }
    for (int digits = 14; digits >= 0; --digits) {
        const QString scientific = trimmed(QString::number(number, 'E', digits));
        if (fits(scientific)) {
            return scientific;
        }
    }
    return QString();
}

void CellPainter::PaintShown(QPainter& painter, const QRectF& rect, const QRectF& clip,
                             const Shown& shown) {
    if (shown.text.isEmpty()) {
        return;
    }
    QString text = shown.text;
    QFont font = shown.font;
    int flags = shown.flags;
    const qreal room = rect.width() - 2 * TextPadding;
    const auto width = [&painter](const QFont& f, const QString& t) {
        return QFontMetricsF(f, painter.device()).horizontalAdvance(t);
    };
    if (shown.shrink && room > 0 && width(font, text) > room) {
        // The width grows with the size: start from the proportional size,
        // then settle on the largest half-point size that fits, down to 1 pt.
        const qreal full = font.pointSizeF();
        qreal size = std::clamp(std::floor(full * room / width(font, text) * 2) / 2, 1.0, full);
        const auto fitsAt = [&](qreal s) {
            QFont f = font;
            f.setPointSizeF(s);
            return width(f, text) <= room;
        };
        while (size > 1.0 && !fitsAt(size)) {
            size = std::max(1.0, size - 0.5);
        }
        while (size + 0.5 < full && fitsAt(size + 0.5)) {
            size += 0.5;
        }
        font.setPointSizeF(size);
    }
    if (shown.numeric && width(font, text) > room) {
        // Never a part of a number: a General number may show fewer digits,
        // anything else "#" across the cell.
        const QString fitted =
            shown.general ? FitGeneral(shown.number, text,
                                       [&](const QString& t) { return width(font, t) <= room; })
                          : QString();
        if (fitted.isEmpty()) {
            const qreal hash = QFontMetricsF(font, painter.device()).horizontalAdvance('#');
            text = QString(std::max(1, static_cast<int>(room / hash)), '#');
        } else {
            text = fitted;
        }
    }
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(shown.color);
    const QRectF inside = rect.adjusted(TextPadding, 1, -TextPadding, -1);
    if ((flags & Qt::TextWordWrap) != 0) {
        // Lines break between words, and inside a word longer than a line.
        QTextOption option(Qt::Alignment(flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        painter.drawText(inside, text, option);
    } else {
        painter.drawText(inside, flags, text);
    }
    painter.restore();
}

void CellPainter::PaintValue(QPainter& painter, const QRectF& rect, const model::Style& style,
                             const std::string& fontName, const std::string& code,
                             const Variant& value, bool date1904) {
    PaintShown(painter, rect, rect, Show(style, fontName, code, value, date1904));
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

void CellPainter::PaintBorders(QPainter& painter, const QRectF& rect, const model::Style& style) {
    const auto draw = [&](const model::BorderLine& line, const QLineF& where) {
        DrawBorderLine(painter, where, line.lineStyle, line.weight, ColorOf(line.color, Qt::black));
    };
    draw(style.top, QLineF(rect.topLeft(), rect.topRight()));
    draw(style.left, QLineF(rect.topLeft(), rect.bottomLeft()));
    draw(style.diagonalDown, QLineF(rect.topLeft(), rect.bottomRight()));
    draw(style.diagonalUp, QLineF(rect.bottomLeft(), rect.topRight()));
}

void CellPainter::PaintControl(QPainter& painter, const QRectF& rect, const std::string& kind,
                               const Variant& value, const QWidget* widget) {
    QStyle* style = widget->style();
    const QRect cell = rect.toRect().adjusted(1, 1, -1, -1);
    const int side = std::min(cell.height(), 18);
    // A square button at the cell's right edge, for the drop-downs and spins.
    const QRect button(cell.right() - side + 1, cell.top() + (cell.height() - side) / 2, side, side);
    QStyleOption option;
    option.initFrom(widget);
    option.state = QStyle::State_Enabled;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (kind == "CheckBox") {
        QStyleOptionButton box;
        box.initFrom(widget);
        const int size = std::min(cell.height(), 14);
        box.rect = QRect(cell.left() + 2, cell.top() + (cell.height() - size) / 2, size, size);
        bool checked = false;
        try {
            checked = value.Type() != VarType::Empty && value.ToBool();
        } catch (const AutomationError&) {
            // A value that is no truth value leaves the box clear.
        }
        box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, &painter, widget);
    } else if (kind == "Button") {
        QStyleOptionButton face;
        face.initFrom(widget);
        face.rect = cell;
        face.state = QStyle::State_Enabled | QStyle::State_Raised;
        // The cell's value is the button's caption.
        face.text = value.IsString() ? QString::fromStdString(value.ToString()) : QString();
        style->drawControl(QStyle::CE_PushButton, &face, &painter, widget);
    } else if (kind == "SpinButton") {
        option.rect = QRect(button.left(), button.top(), side, side / 2);
        style->drawPrimitive(QStyle::PE_IndicatorSpinUp, &option, &painter, widget);
        option.rect.translate(0, side / 2);
        style->drawPrimitive(QStyle::PE_IndicatorSpinDown, &option, &painter, widget);
    } else if (!kind.empty()) {
        // The drop-down list, the date picker and any other kind: a drop-down button.
        QStyleOptionButton face;
        face.initFrom(widget);
        face.rect = button;
        face.state = QStyle::State_Enabled | QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButtonBevel, &face, &painter, widget);
        option.rect = button.adjusted(4, 4, -4, -4);
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, widget);
    }
    painter.restore();
}

QRectF CellPainter::ControlTextRect(const QRectF& rect, const std::string& kind) {
    const qreal side = std::min(rect.height() - 2, 18.0);
    if (kind == "CheckBox") {
        return rect.adjusted(std::min(rect.height() - 2, 14.0) + 3, 0, 0, 0);
    }
    if (kind == "Button" || kind.empty()) {
        return rect;
    }
    return rect.adjusted(0, 0, -side - 1, 0);
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
