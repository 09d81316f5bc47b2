#include "model/PropertyValues.hpp"

#include "model/Palette.hpp"
#include "model/Style.hpp"
#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/Enumerations.hpp"
#include "vantor/automation/TextFunctions.hpp"

#include <charconv>
#include <climits>
#include <cmath>

namespace vantor::model::values {

namespace {

[[noreturn]] void Refuse(std::string_view property, const std::string& accepted) {
    throw AutomationError(err::ApplicationDefined, std::string(property) + " accepts " + accepted);
}

// The shortest text that reads back as the same number (1.7976931348623157e+308,
// not its 309 digits).
std::string Format(double v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

// Whether the value rounds to a whole number a Long holds; one that does not
// is refused as outside what a property accepts rather than as an overflow.
bool FitsLong(const Variant& value) {
    const double v = value.ToDouble();
    return v > INT32_MIN - 0.5 && v < INT32_MAX + 0.5;
}

} // namespace

bool ToBoolean(const Variant& value) {
    return value.ToBool();
}

int32_t ToChoice(const Variant& value, std::string_view property,
                 std::span<const int32_t> allowed) {
    const bool fits = FitsLong(value);
    const int32_t v = fits ? value.ToLong() : 0;
    for (const int32_t a : allowed) {
        if (fits && a == v) {
            return v;
        }
    }
    std::string list;
    for (const int32_t a : allowed) {
        list += (list.empty() ? "" : ", ") + std::to_string(a);
    }
    Refuse(property, "only " + list + "; " + (fits ? std::to_string(v) : Format(value.ToDouble())) +
                         " is none of them");
}

int32_t ToLongIn(const Variant& value, std::string_view property, int32_t minimum,
                 int32_t maximum) {
    const bool fits = FitsLong(value);
    const int32_t v = fits ? value.ToLong() : 0;
    if (!fits || v < minimum || v > maximum) {
        Refuse(property, "whole numbers from " + std::to_string(minimum) + " to " +
                             std::to_string(maximum) + "; " +
                             (fits ? std::to_string(v) : Format(value.ToDouble())) + " is outside");
    }
    return v;
}

double ToDoubleIn(const Variant& value, std::string_view property, double minimum, double maximum) {
    const double v = value.ToDouble();
    if (!(v >= minimum && v <= maximum)) {
        Refuse(property, "numbers from " + Format(minimum) + " to " + Format(maximum) + "; " +
                             Format(v) + " is outside");
    }
    return v;
}

uint32_t ToColor(const Variant& value, std::string_view property) {
    const double v = value.ToDouble();
    if (!(v >= 0 && v <= 16777215.0)) {
        Refuse(property, "colours from 0 to 16777215 (red + green * 256 + blue * 65536); " +
                             Format(v) + " is outside");
    }
    return static_cast<uint32_t>(value.ToLong());
}

std::string ToName(const Variant& value, std::string_view property, size_t maxChars) {
    if (!value.IsString() && !value.IsNumber()) {
        throw AutomationError(err::TypeMismatch);
    }
    std::string text = value.ToString();
    if (Trim(text).empty() || CharCount(text) > maxChars) {
        Refuse(property, "a name of 1 to " + std::to_string(maxChars) + " characters");
    }
    return text;
}

Variant ColorValue(uint32_t color, int32_t automatic) {
    return Variant(color == kAutoColor ? automatic : static_cast<int32_t>(color));
}

Variant ColorIndexValue(uint32_t color) {
    return Variant(color == kAutoColor ? enums::ColorIndex::Automatic
                                       : palette::NearestIndex(color));
}

uint32_t ColorFromIndex(const Variant& value, std::string_view property) {
    const bool fits = FitsLong(value);
    const int32_t index = fits ? value.ToLong() : 0;
    if (index == enums::ColorIndex::Automatic) {
        return kAutoColor;
    }
    if (index < 1 || index > palette::kSize) {
        Refuse(property, "-4105 (automatic) or a palette index from 1 to 56; " +
                             (fits ? std::to_string(index) : Format(value.ToDouble())) +
                             " is neither");
    }
    return palette::ColorOf(index);
}

bool IsNoColorIndex(const Variant& value) {
    return value.IsNumber() && FitsLong(value) && value.ToLong() == enums::ColorIndex::None;
}

} // namespace vantor::model::values
