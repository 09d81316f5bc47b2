#pragma once
#include "vantor/automation/Variant.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Conversions of written values, each refusing what the property does not
// accept with error 1004 and a description naming the property and the
// values it takes. A text that is no number raises 13.
namespace vantor::model::values {

bool ToBoolean(const Variant& value);
int32_t ToChoice(const Variant& value, std::string_view property, std::span<const int32_t> allowed);
int32_t ToLongIn(const Variant& value, std::string_view property, int32_t minimum, int32_t maximum);
double ToDoubleIn(const Variant& value, std::string_view property, double minimum, double maximum);
// An RGB colour, 0 to 16777215.
uint32_t ToColor(const Variant& value, std::string_view property);
// A text of 1 to `maxChars` characters that is not only blanks.
std::string ToName(const Variant& value, std::string_view property, size_t maxChars);

// A colour as read: the colour, or `automatic` for the automatic colour.
Variant ColorValue(uint32_t color, int32_t automatic);
// The colour index read for a colour: -4105 automatic, otherwise the nearest
// palette index.
Variant ColorIndexValue(uint32_t color);
// The colour for a written colour index: -4105 automatic or 1 to 56.
uint32_t ColorFromIndex(const Variant& value, std::string_view property);
// Whether a written colour index is -4142, "no colour".
bool IsNoColorIndex(const Variant& value);

} // namespace vantor::model::values
