#pragma once
#include <cstdint>

// The model's own limits and defaults; the enumerated values of its
// properties are in vantor/automation/Enumerations.hpp.
namespace vantor::model::constants {

// Sheet size.
constexpr int32_t kRowCount = 1048576;
constexpr int32_t kColumnCount = 16384;

// Colours read for an automatic colour.
constexpr int32_t kAutomaticFontColor = 0;            // black
constexpr int32_t kAutomaticBorderColor = 0;          // black
constexpr int32_t kAutomaticInteriorColor = 16777215; // white
constexpr int32_t kAutomaticPatternColor = 0;         // black

// At most this many distinct cell styles in a workbook.
constexpr uint32_t kMaxStyles = 65536;

} // namespace vantor::model::constants
