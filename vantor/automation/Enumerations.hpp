#pragma once

// The object model's enumerated values, as the pages write them and the model
// reads them: 32-bit constants passed through unchanged. Defined here once for
// the pages, the model and the number-format engine; the header includes
// nothing, so any of them can use it.
namespace vantor::enums {

static_assert(sizeof(int) == 4, "the constants are 32-bit values");

// "ColorIndex": the automatic colour, and "no colour" (no line, no fill).
namespace ColorIndex {
inline constexpr int Automatic = -4105;
inline constexpr int None = -4142;
} // namespace ColorIndex

// "HorizontalAlignment".
namespace HAlign {
inline constexpr int General = 1;
inline constexpr int Left = -4131;
inline constexpr int Center = -4108;
inline constexpr int Right = -4152;
inline constexpr int Fill = 5;
inline constexpr int Justify = -4130;
inline constexpr int CenterAcrossSelection = 7;
inline constexpr int Distributed = -4117;
} // namespace HAlign

// "VerticalAlignment".
namespace VAlign {
inline constexpr int Top = -4160;
inline constexpr int Center = -4108;
inline constexpr int Bottom = -4107;
inline constexpr int Justify = -4130;
inline constexpr int Distributed = -4117;
} // namespace VAlign

// A font's "Underline".
namespace Underline {
inline constexpr int None = -4142;
inline constexpr int Single = 2;
inline constexpr int Double = -4119;
inline constexpr int SingleAccounting = 4;
inline constexpr int DoubleAccounting = 5;
} // namespace Underline

// The index of a border in "Borders".
namespace BorderIndex {
inline constexpr int DiagonalDown = 5;
inline constexpr int DiagonalUp = 6;
inline constexpr int EdgeLeft = 7;
inline constexpr int EdgeTop = 8;
inline constexpr int EdgeBottom = 9;
inline constexpr int EdgeRight = 10;
inline constexpr int InsideVertical = 11;
inline constexpr int InsideHorizontal = 12;
} // namespace BorderIndex

// A border's "LineStyle".
namespace LineStyle {
inline constexpr int None = -4142;
inline constexpr int Continuous = 1;
inline constexpr int Dash = -4115;
inline constexpr int DashDot = 4;
inline constexpr int DashDotDot = 5;
inline constexpr int Dot = -4118;
inline constexpr int Double = -4119;
inline constexpr int SlantDashDot = 13;
} // namespace LineStyle

// A border's "Weight".
namespace BorderWeight {
inline constexpr int Hairline = 1;
inline constexpr int Thin = 2;
inline constexpr int Medium = -4138;
inline constexpr int Thick = 4;
} // namespace BorderWeight

// An interior's "Pattern".
namespace Pattern {
inline constexpr int None = -4142;
inline constexpr int Solid = 1;
inline constexpr int Automatic = -4105;
inline constexpr int Grey75 = -4126;
inline constexpr int Grey50 = -4125;
inline constexpr int Grey25 = -4124;
inline constexpr int Grey12_5 = 17;
inline constexpr int Grey6_25 = 18;
inline constexpr int HorizontalStripe = -4128;
inline constexpr int VerticalStripe = -4166;
inline constexpr int DiagonalStripe = -4121;
inline constexpr int ReverseDiagonalStripe = -4162;
inline constexpr int DiagonalCrosshatch = 9;
inline constexpr int ThickDiagonalCrosshatch = 10;
inline constexpr int ThinHorizontalStripe = 11;
inline constexpr int ThinVerticalStripe = 12;
inline constexpr int ThinDiagonalStripe = 13;
inline constexpr int ThinReverseDiagonalStripe = 14;
inline constexpr int ThinHorizontalCrosshatch = 15;
inline constexpr int ThinDiagonalCrosshatch = 16;
} // namespace Pattern

// A workbook's "Calculation".
namespace Calculation {
inline constexpr int Automatic = -4105;
inline constexpr int Manual = -4135;
} // namespace Calculation

// A sheet's "GridlineColor" reads this colour (silver) while it is automatic.
namespace GridlineColor {
inline constexpr int Automatic = 12632256;
} // namespace GridlineColor

// A workbook's "CommentMode".
namespace CommentMode {
inline constexpr int CommentAndIndicator = 0;
inline constexpr int IndicatorOnly = 2;
inline constexpr int None = 3;
} // namespace CommentMode

// The application's "MoveAfterReturnDirection".
namespace Direction {
inline constexpr int Up = -4162;
inline constexpr int Left = -4159;
inline constexpr int Right = -4161;
inline constexpr int Down = -4121;
} // namespace Direction

// A number format's "Category".
namespace FormatCategory {
inline constexpr int General = 1;
inline constexpr int Number = -4145;
inline constexpr int Currency = 6;
inline constexpr int Scientific = 32;
inline constexpr int Date = 7;
inline constexpr int Time = 34;
inline constexpr int Percent = 35;
inline constexpr int NumericList = 33; // fractions
inline constexpr int Text = -4158;
inline constexpr int Custom = 1000;
} // namespace FormatCategory

} // namespace vantor::enums
