#pragma once
#include <cstdint>

// The model's own constants, as the pages read and write them.
namespace vantor::model::constants {

// Sheet size.
constexpr int32_t kRowCount = 1048576;
constexpr int32_t kColumnCount = 16384;

// Automatic colour index; "no colour" (no line, no fill).
constexpr int32_t kColorIndexAutomatic = -4105;
constexpr int32_t kColorIndexNone = -4142;

// Horizontal alignment.
constexpr int32_t kHAlignGeneral = 1;
constexpr int32_t kHAlignLeft = -4131;
constexpr int32_t kHAlignCenter = -4108;
constexpr int32_t kHAlignRight = -4152;
constexpr int32_t kHAlignFill = 5;
constexpr int32_t kHAlignJustify = -4130;
constexpr int32_t kHAlignCenterAcross = 7;
constexpr int32_t kHAlignDistributed = -4117;

// Vertical alignment.
constexpr int32_t kVAlignTop = -4160;
constexpr int32_t kVAlignCenter = -4108;
constexpr int32_t kVAlignBottom = -4107;
constexpr int32_t kVAlignJustify = -4130;
constexpr int32_t kVAlignDistributed = -4117;

// Underline styles.
constexpr int32_t kUnderlineNone = -4142;
constexpr int32_t kUnderlineSingle = 2;
constexpr int32_t kUnderlineDouble = -4119;
constexpr int32_t kUnderlineSingleAccounting = 4;
constexpr int32_t kUnderlineDoubleAccounting = 5;

// Border indexes.
constexpr int32_t kDiagonalDown = 5;
constexpr int32_t kDiagonalUp = 6;
constexpr int32_t kEdgeLeft = 7;
constexpr int32_t kEdgeTop = 8;
constexpr int32_t kEdgeBottom = 9;
constexpr int32_t kEdgeRight = 10;
constexpr int32_t kInsideVertical = 11;
constexpr int32_t kInsideHorizontal = 12;

// Line styles.
constexpr int32_t kLineNone = -4142;
constexpr int32_t kLineContinuous = 1;
constexpr int32_t kLineDash = -4115;
constexpr int32_t kLineDashDot = 4;
constexpr int32_t kLineDashDotDot = 5;
constexpr int32_t kLineDot = -4118;
constexpr int32_t kLineDouble = -4119;
constexpr int32_t kLineSlantDashDot = 13;

// Border weights.
constexpr int32_t kWeightHairline = 1;
constexpr int32_t kWeightThin = 2;
constexpr int32_t kWeightMedium = -4138;
constexpr int32_t kWeightThick = 4;

// Fill patterns.
constexpr int32_t kPatternNone = -4142;
constexpr int32_t kPatternSolid = 1;

// Calculation modes.
constexpr int32_t kCalculationAutomatic = -4105;
constexpr int32_t kCalculationManual = -4135;

// Directions of the move after Enter.
constexpr int32_t kDirectionUp = -4162;
constexpr int32_t kDirectionLeft = -4159;
constexpr int32_t kDirectionRight = -4161;
constexpr int32_t kDirectionDown = -4121;

// Colours read for an automatic colour.
constexpr int32_t kAutomaticFontColor = 0;            // black
constexpr int32_t kAutomaticBorderColor = 0;          // black
constexpr int32_t kAutomaticInteriorColor = 16777215; // white
constexpr int32_t kAutomaticPatternColor = 0;         // black
constexpr int32_t kAutomaticGridlineColor = 12632256; // silver

// At most this many distinct cell styles in a workbook.
constexpr uint32_t kMaxStyles = 65536;

} // namespace vantor::model::constants
