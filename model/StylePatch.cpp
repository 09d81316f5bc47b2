#include "model/StylePatch.hpp"

#include "vantor/automation/Enumerations.hpp"

#include <initializer_list>

namespace vantor::model {

namespace {

void SettleLine(BorderLine& line, FieldMask mask, Field styleField) {
    const FieldMask lineBits = LineBits(styleField);
    if ((mask & lineBits) == 0 || line.lineStyle != enums::LineStyle::None) {
        return;
    }
    if ((mask & Bit(styleField)) == 0) {
        line.lineStyle = enums::LineStyle::Continuous;
    } else {
        line = BorderLine{};
    }
}

} // namespace

Style StylePatch::AppliedTo(const Style& style) const {
    Style out = style;
    out.CopyFields(values, mask);
    for (const Field f : {Field::TopStyle, Field::LeftStyle, Field::DownStyle, Field::UpStyle}) {
        SettleLine(out.Line(f), mask, f);
    }
    if (out.pattern == enums::Pattern::None &&
        (mask & (Bit(Field::Pattern) | Bit(Field::InteriorColor) | Bit(Field::PatternColor)))) {
        if ((mask & Bit(Field::Pattern)) == 0 && (mask & Bit(Field::InteriorColor)) &&
            out.interiorColor != kAutoColor) {
            out.pattern = enums::Pattern::Solid;
        } else {
            out.interiorColor = kAutoColor;
            out.patternColor = kAutoColor;
        }
    }
    if (out.controlKind == 0) {
        out.hideOnDeactivate = false;
    }
    return out;
}

} // namespace vantor::model
