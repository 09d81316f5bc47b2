#pragma once
#include "model/Style.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The styles part's names and numbers and the model's constants, both ways.
namespace vantor::xlsx::codes {

// Each pair maps a file's name to the model's constant; the first pair with a
// constant is the one written for it.
int32_t HorizontalOf(std::string_view name);  // general when unknown
std::string_view HorizontalName(int32_t value);
int32_t VerticalOf(std::string_view name);    // bottom when unknown
std::string_view VerticalName(int32_t value);
int32_t UnderlineOf(std::string_view name);   // "" (an empty <u/>) is single
std::string_view UnderlineName(int32_t value);
int32_t PatternOf(std::string_view name);     // none when unknown
std::string_view PatternName(int32_t value);
// A border line's style name as line style and weight, and back.
void LineOf(std::string_view name, model::BorderLine& line);
std::string_view LineName(const model::BorderLine& line);

// The format code of a built-in number format id, or null when the id is no built-in one.
const char* BuiltInFormat(int64_t id);
// The built-in id of a code, or -1.
int64_t BuiltInId(std::string_view code);
// Whether a code shows numbers as dates or times.
bool IsDateFormat(const std::string& code);

// The model's colour (red + green * 256 + blue * 65536) of "FFRRGGBB".
uint32_t ColorOfArgb(std::string_view argb, uint32_t fallback);
std::string ArgbOf(uint32_t color);
// The colour of an indexed colour of the file (0 to 63), or kAutoColor.
uint32_t ColorOfIndexed(int64_t index);
// A theme colour with its tint applied.
uint32_t ApplyTint(uint32_t color, double tint);

} // namespace vantor::xlsx::codes
